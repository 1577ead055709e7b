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
    // Each run of equal rows is one flat fill, the cheapest thing to paint,
    // over the part of the widget being exposed.
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
