#include "app/toolkit/Form.h"

#include "app/toolkit/Backdrop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

QPointer<Form> Form::s_active;

Form::Form(QWidget* parent) : QWidget(parent) {
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
    const QPointer<Form> opener = s_active;
    setWindowModality(Qt::ApplicationModal);
    // The window manager keeps a window above the one it is transient for
    // (WM_TRANSIENT_FOR on X11, the parent relation on Wayland), so the
    // blocked opener can never cover it.
    if (opener && opener->isVisible() && opener != this) {
        winId();
        windowHandle()->setTransientParent(opener->windowHandle());
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

void Form::paintBackdrop() {
    m_backdrop = Backdrop::column(height());
    // The backdrop paints every pixel: Qt need not fill the window with its
    // background colour first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

QList<QObject*> Form::controls() const {
    QList<QObject*> result;
    for (QObject* child : children())
        if (child->isWidgetType() || qobject_cast<QTimer*>(child))
            result.append(child);
    return result;
}

void Form::paintEvent(QPaintEvent* event) {
    if (m_backdrop.isNull())
        return;
    QPainter painter(this);
    // Each run of equal rows is one flat fill, the cheapest thing to paint,
    // over the part of the window being exposed.
    const QRect exposed = event->rect();
    const int bottom = qMin(exposed.bottom() + 1, m_backdrop.height());
    for (int y = qMax(exposed.top(), 0); y < bottom;) {
        const QRgb colour = m_backdrop.pixel(0, y);
        int end = y + 1;
        while (end < bottom && m_backdrop.pixel(0, end) == colour)
            ++end;
        painter.fillRect(exposed.left(), y, exposed.width(), end - y, QColor(colour));
        y = end;
    }
    if (exposed.bottom() >= m_backdrop.height()) // grown since the backdrop was painted
        painter.fillRect(exposed.intersected(QRect(0, m_backdrop.height(), width(), height())),
                         palette().window());
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
