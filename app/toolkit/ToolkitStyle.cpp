#include "app/toolkit/ToolkitStyle.h"

#include "app/toolkit/QtColor.h"
#include "core/settings/ColorValues.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace {

// Colour boxes take new colours as the user picks them; the oldest shared
// palettes make room.
constexpr std::size_t kMostPalettes = 64;

} // namespace

const QColor ToolkitStyle::kEdge(128, 128, 128);
const QColor ToolkitStyle::kFocus(0, 0, 128);
const QColor ToolkitStyle::kFocusOnDark(255, 255, 0);

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

QSize ToolkitStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type != CT_MenuItem && type != CT_ItemViewItem)
        return result;
    for (const QWidget* inside = widget; inside; inside = inside->parentWidget())
        if (qobject_cast<const QComboBox*>(inside)) {
            result.setHeight(std::max(result.height(), option->fontMetrics.height() + 4));
            break;
        }
    return result;
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

    if (option->state & State_HasFocus)
        drawFocusMark(painter, face, colour);
    painter->restore();
}

// Navy where it stands out, else bright yellow (a colour box holding a dark
// or a saturated colour), else black or white: the first that differs at
// least 3:1 from both the face and the grey edge it covers.
QColor ToolkitStyle::focusColor(const QColor& face) {
    const auto standsOut = [&](const QColor& ring) {
        const std::int32_t value = QtColor::toValue(ring);
        return halvero::contrastRatio(value, QtColor::toValue(face)) >= 3.0 &&
               halvero::contrastRatio(value, QtColor::toValue(kEdge)) >= 3.0;
    };
    for (const QColor& ring : {kFocus, kFocusOnDark, QColor(Qt::black)})
        if (standsOut(ring))
            return ring;
    return Qt::white;
}

void ToolkitStyle::drawFocusMark(QPainter* painter, const QRect& rect, const QColor& face) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(focusColor(face), 1));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

// A combo box covers more colours than its face and edge (the arrow's
// shaded button, a colour box's own colour), so its mark is drawn pixel by
// pixel over the box as drawn: the face's mark colour, or black or white
// where that would not stand out 3:1 from what it covers.
void ToolkitStyle::drawFocusedComboBox(const QStyleOptionComboBox& option, const QColor& face,
                                       QPainter* painter, const QWidget* widget) const {
    const QRect rect = option.rect;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage box((QSizeF(rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    box.setDevicePixelRatio(ratio);
    box.fill(Qt::transparent);
    {
        QPainter boxPainter(&box);
        boxPainter.translate(-rect.topLeft());
        QProxyStyle::drawComplexControl(CC_ComboBox, &option, &boxPainter, widget);
    }
    const QColor mark = focusColor(face);
    const std::int32_t markValue = QtColor::toValue(mark);
    const int width = box.width(), height = box.height();
    const int thickness = std::max(2, qRound(2 * ratio));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (x >= thickness && y >= thickness && x < width - thickness && y < height - thickness)
                continue;
            const QColor under = box.pixelColor(x, y);
            const std::int32_t covered = QtColor::toValue(under.alpha() < 128 ? face : under);
            QColor pixel = mark;
            if (halvero::contrastRatio(markValue, covered) < 3.0)
                pixel =
                    halvero::contrastRatio(0, covered) >= halvero::contrastRatio(0xFFFFFF, covered)
                        ? QColor(Qt::black)
                        : QColor(Qt::white);
            box.setPixelColor(x, y, pixel);
        }
    painter->drawImage(rect.topLeft(), box);
}

void ToolkitStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            QStyleOptionComboBox sharing = *box;
            // Palettes alike in colours are one, but each box keeps its own
            // state's colours (a disabled box looks it, the others do not).
            sharing.palette = shared(box->palette);
            sharing.palette.setCurrentColorGroup(box->palette.currentColorGroup());
            // List-only boxes take the flat face of editable ones, so both
            // kinds look alike; the focus gets the two-tone mark instead of
            // Fusion's thin frame.
            sharing.editable = true;
            sharing.state &= ~(State_HasFocus | State_KeyboardFocusChange);
            if (box->state & State_HasFocus)
                drawFocusedComboBox(sharing, box->palette.color(QPalette::Base), painter, widget);
            else
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
