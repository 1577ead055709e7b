#include "GraphicalButtonStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>

const QColor GraphicalButtonStyle::kEdge(128, 128, 128);
const QColor GraphicalButtonStyle::kFocus(0, 0, 128);

// Over the application's own style, whatever it is, without a second
// instance of it.
GraphicalButtonStyle::GraphicalButtonStyle() {
    setParent(qApp);
}

GraphicalButtonStyle* GraphicalButtonStyle::instance() {
    static QPointer<GraphicalButtonStyle> style;
    if (!style)
        style = new GraphicalButtonStyle;
    return style;
}

void GraphicalButtonStyle::drawControl(ControlElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect face = option->rect;
    const bool down = option->state & (State_Sunken | State_On);
    const QColor colour = option->palette.color(QPalette::Button);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(face, down ? colour.darker(125) : colour);
    painter->setPen(down ? kEdge.darker(200) : kEdge);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(face.adjusted(0, 0, -1, -1));

    QStyleOptionButton label = *button;
    if (down)
        label.rect.translate(1, 1);
    proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);

    if (option->state & State_HasFocus) {
        // Small buttons (the close button) carry the ring just inside the edge.
        const int inset = qMin(face.width(), face.height()) < 24 ? 1 : 3;
        painter->setPen(QPen(kFocus, 1, Qt::DotLine));
        painter->drawRect(face.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    painter->restore();
}
