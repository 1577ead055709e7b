#include "app/toolkit/BackdropWidget.h"

#include "app/toolkit/Backdrop.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

BackdropWidget::BackdropWidget(QWidget* parent) : QWidget(parent) {}

void BackdropWidget::paintBackdrop() {
    m_backdrop = Backdrop::column(height());
    // The backdrop paints every pixel: Qt need not fill the widget with its
    // background colour first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

QList<QObject*> BackdropWidget::controls() const {
    QList<QObject*> result;
    for (QObject* child : children())
        if (child->isWidgetType() || qobject_cast<QTimer*>(child))
            result.append(child);
    return result;
}

void BackdropWidget::paintEvent(QPaintEvent* event) {
    if (m_backdrop.isNull())
        return;
    QPainter painter(this);
    Backdrop::paintExposed(painter, *this, m_backdrop, event->rect());
}
