#include "app/toolkit/ToolkitStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace {

// Colour boxes take new colours as the user picks them; the oldest shared
// palettes make room.
constexpr std::size_t kMostPalettes = 64;

} // namespace

const QColor ToolkitStyle::kEdge(128, 128, 128);
const QColor ToolkitStyle::kFocus(0, 0, 128);

ToolkitStyle::ToolkitStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ToolkitStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButton && widget && widget->property(kGraphical).toBool() &&
        qstyleoption_cast<const QStyleOptionButton*>(option)) {
        drawGraphicalButton(option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ToolkitStyle::drawGraphicalButton(const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
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

void ToolkitStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            QStyleOptionComboBox sharing = *box;
            sharing.palette = shared(box->palette);
            QProxyStyle::drawComplexControl(control, &sharing, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

const QPalette& ToolkitStyle::shared(const QPalette& palette) const {
    for (const QPalette& known : m_palettes)
        if (known == palette)
            return known;
    if (m_palettes.size() == kMostPalettes)
        m_palettes.erase(m_palettes.begin());
    m_palettes.push_back(palette);
    return m_palettes.back();
}
