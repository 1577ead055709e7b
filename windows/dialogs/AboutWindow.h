#pragma once

#include "app/toolkit/BorderlessForm.h"

#include <array>

// The About window: the application's name, version and date, then ten
// fixed lines about the author and where new versions come from. The three
// identity texts are handed in before the window is shown and appear as
// given. Holds no state beyond them.
class AboutWindow : public BorderlessForm {
    Q_OBJECT
public:
    static constexpr int kLines = 12;

    explicit AboutWindow(QWidget* parent = nullptr);

    void setApplicationName(const QString& text) { m_applicationName = text; }
    void setApplicationDate(const QString& text) { m_applicationDate = text; }
    void setApplicationVersion(const QString& text) { m_applicationVersion = text; }

protected:
    void prepare() override;

private:
    std::array<QLabel*, kLines> m_lines{};
    QString m_applicationName;
    QString m_applicationDate;
    QString m_applicationVersion;
};
