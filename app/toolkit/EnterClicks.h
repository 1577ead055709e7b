#pragma once

#include <QObject>

class QPushButton;

// Enter and Return press the focused push button, as Space does: Qt's
// buttons outside dialogs take Space only.
class EnterClicks : public QObject {
public:
    using QObject::QObject;

    void watch(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
