#include "app/toolkit/EnterClicks.h"

#include <QKeyEvent>
#include <QPushButton>

void EnterClicks::watch(QPushButton* button) {
    button->installEventFilter(this);
}

bool EnterClicks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        key->isAutoRepeat())
        return false;
    button->click();
    return true;
}
