#pragma once

#include "app/toolkit/BackdropWidget.h"

#include <QAbstractButton>
#include <QPointer>

class QEventLoop;

// A window with the life cycle the program's windows are written against:
//  - load<T>() builds the window hidden and runs onLoad() to the end;
//  - showModeless() shows it; showModal() shows it application-modal,
//    transient for the form that opened it (kept above it by the window
//    manager), and returns only once the window is unloaded (other windows
//    take no input meanwhile);
//  - unload() hides and destroys it; the next load builds a fresh one.
// onActivate() runs when the window is first shown and when a modal window
// shown while it was the active form closes; switching to another program
// and back is no activation, so Qt's window-activation events are not used.
// A form also keeps its gradient backdrop on screen behind its controls,
// has a cancel button that Escape presses anywhere in the window, and
// lets Enter press the focused button as Space does. It
// knows nothing of what its controls mean.
class Form : public BackdropWidget {
    Q_OBJECT
public:
    template <typename T> static T* load() {
        auto* form = new T;
        static_cast<Form*>(form)->onLoad();
        return form;
    }

    void showModeless();
    void showModal();
    void unload();

    void setCancelButton(QAbstractButton* button) { m_cancel = button; }
    // A reusable form is hidden, not destroyed, when it unloads, and its
    // next modal showing is a first one again (onActivate runs); whoever
    // keeps it deletes it.
    void setReusable(bool reusable) { m_reusable = reusable; }
    bool isReusable() const { return m_reusable; }

signals:
    void unloaded();

protected:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    virtual void onLoad() {}
    virtual void onActivate() {}

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate();

    static QPointer<Form> s_active;

    QPointer<QAbstractButton> m_cancel;
    QEventLoop* m_modalLoop = nullptr;
    bool m_shownOnce = false;
    bool m_unloaded = false;
    bool m_reusable = false;
};
