#include "app/toolkit/WindowDrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* window)
    : QObject(window), m_window(window), m_offset(QCursor::pos() - window->pos()) {
    qApp->installEventFilter(this);
}

bool WindowDrag::begin(QWidget* window, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    if (!window || buttons != Qt::LeftButton || modifiers != Qt::NoModifier)
        return false;
    QWindow* handle = window->windowHandle();
    if (!handle || !handle->startSystemMove())
        new WindowDrag(window);
    return true;
}

bool WindowDrag::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseMove && m_window) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_window->move(mouse->globalPosition().toPoint() - m_offset);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease || !m_window) {
        qApp->removeEventFilter(this);
        deleteLater();
    }
    return false;
}
