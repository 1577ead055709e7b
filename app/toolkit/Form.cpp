#include "app/toolkit/Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWindow>

QPointer<Form> Form::s_active;

Form::Form(QWidget* parent) : BackdropWidget(parent) {
    // Key events reach the focused control directly; the filter on the
    // application sees them first, for the cancel button and Enter.
    qApp->installEventFilter(this);
}

Form::~Form() = default;

void Form::showModeless() {
    // The first activation runs just before the window appears, so what it
    // fills in is there at the first paint and its controls are filled while
    // still hidden, which costs less.
    if (!m_shownOnce) {
        m_shownOnce = true;
        activate();
    }
    show();
    raise();
    activateWindow();
}

void Form::showModal() {
    // The window that opens it: a form, or the application's main window.
    const QPointer<Form> opener = s_active && s_active->isVisible() ? s_active : nullptr;
    const QPointer<QWidget> openerWindow = opener ? opener.data() : QApplication::activeWindow();
    setWindowModality(Qt::ApplicationModal);
    // The window manager keeps a window above the one it is transient for
    // (WM_TRANSIENT_FOR on X11, the parent relation on Wayland), so the
    // blocked opener can never cover it.
    if (openerWindow && openerWindow->isVisible() && openerWindow != this) {
        winId();
        openerWindow->winId();
        windowHandle()->setTransientParent(openerWindow->windowHandle());
    }
    if (m_reusable) { // every showing is a first one
        m_unloaded = false;
        m_shownOnce = false;
    }
    QEventLoop loop;
    m_modalLoop = &loop;
    showModeless();
    if (!m_unloaded)
        loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
    // The window is gone before its opener becomes active again.
    if (!m_reusable)
        delete this;
    if (opener && opener->isVisible())
        opener->activate();
    // The keys go back to the window that opened it, with or without a
    // window manager to hand them over.
    if (openerWindow && openerWindow->isVisible())
        openerWindow->activateWindow();
}

void Form::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (!m_reusable)
        qApp->removeEventFilter(this);
    hide();
    emit unloaded();
    if (m_modalLoop)
        m_modalLoop->quit(); // showModal deletes the window unless reusable
    else if (!m_reusable)
        deleteLater();
}

void Form::activate() {
    s_active = this;
    onActivate();
}

void Form::closeEvent(QCloseEvent* event) {
    // A close from the window system (Alt+F4) unloads like the program does;
    // it never leaves a hidden window behind a running modal loop.
    event->accept();
    unload();
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this || !isVisible())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && m_cancel &&
        m_cancel->isEnabled()) {
        m_cancel->click();
        return true;
    }
    // Enter presses the focused button, as Space does.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && !key->isAutoRepeat())
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isEnabled()) {
            button->click();
            return true;
        }
    return false;
}
