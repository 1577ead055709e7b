#include "app/pictures/PictureDrawings.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage blank(int size) {
    QImage pixmap(size, size, QImage::Format_ARGB32_Premultiplied);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, r, r);
    return path;
}

// Draws overlapping parts as one outlined shape, the classic pointer look:
// every part is stroked in black first, then every part filled in white, so
// inner edges vanish. Cheaper than uniting the paths.
void drawShape(QPainter& painter, const QList<QPainterPath>& parts,
               const QColor& fill = Qt::white) {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::black);
    for (const QPainterPath& part : parts)
        painter.drawPath(part);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    for (const QPainterPath& part : parts)
        painter.drawPath(part);
}

void drawPointingHand(QPainter& painter) {
    QPainterPath thumb;
    thumb.moveTo(10, 24);
    thumb.lineTo(4, 17);
    thumb.cubicTo(2, 14, 6, 12, 8, 15);
    thumb.lineTo(11, 19);
    thumb.closeSubpath();
    drawShape(painter, {roundedRect(10, 1, 4, 17, 2), roundedRect(15, 10, 3, 9, 1.5),
                        roundedRect(19, 11, 3, 9, 1.5), roundedRect(23, 12, 3, 9, 1.5),
                        roundedRect(10, 16, 16, 13, 4), thumb});
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(14.5, 13), QPointF(14.5, 18));
    painter.drawLine(QPointF(18.5, 14), QPointF(18.5, 18));
    painter.drawLine(QPointF(22.5, 15), QPointF(22.5, 19));
}

QImage handPicture(bool forbidden) {
    QImage pixmap = blank(PictureDrawings::kPointerSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPointingHand(painter);
    if (forbidden) {
        const QRectF sign(19, 19, 12, 12);
        painter.setPen(QPen(QColor(220, 0, 0), 2.2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(sign);
        painter.drawLine(QPointF(21.5, 21.5), QPointF(28.5, 28.5));
    }
    return pixmap;
}

} // namespace

QImage PictureDrawings::hand() {
    return handPicture(false);
}
QImage PictureDrawings::forbiddenHand() {
    return handPicture(true);
}

QImage PictureDrawings::grab() {
    QImage pixmap = blank(kPointerSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QList<QPainterPath> fist = {roundedRect(4, 7, 19, 15, 5)};
    for (int k = 0; k < 4; ++k)
        fist.append(roundedRect(5 + 4.5 * k, 4, 4, 7, 2));
    drawShape(painter, fist);
    painter.setPen(QPen(Qt::black, 1));
    for (int k = 1; k < 4; ++k)
        painter.drawLine(QPointF(4.5 + 4.5 * k, 6), QPointF(4.5 + 4.5 * k, 11));
    drawShape(painter, {roundedRect(7, 22, 14, 6, 1.5)}, QColor(40, 80, 220));
    return pixmap;
}

QImage PictureDrawings::pen() {
    QImage pixmap = blank(kPointerSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The I-beam, centred on the hot spot.
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(5, 2, 5, 16);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(5.5, 2), QPointF(5.5, 16));
    painter.drawLine(QPointF(3, 2.5), QPointF(8, 2.5));
    painter.drawLine(QPointF(3, 16.5), QPointF(8, 16.5));
    // A pen in a hand.
    painter.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 14), QPointF(27, 28));
    painter.setPen(QPen(QColor(200, 160, 40), 1.5));
    painter.drawLine(QPointF(11, 12), QPointF(14, 15));
    drawShape(painter, {roundedRect(18, 16, 11, 8, 4)});
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(21.5, 16), QPointF(21.5, 20));
    painter.drawLine(QPointF(25.5, 16), QPointF(25.5, 20));
    return pixmap;
}

QImage PictureDrawings::closeGlyph() {
    QImage pixmap(kCloseGlyphSize, kCloseGlyphSize, QImage::Format_ARGB32_Premultiplied);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 64, 64));
    painter.drawEllipse(QRectF(0.5, 0.5, 20, 20));
    QPainterPath cross;
    cross.moveTo(6, 6);
    cross.lineTo(15, 15);
    cross.moveTo(15, 6);
    cross.lineTo(6, 15);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(QColor(200, 200, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    return pixmap;
}

QImage PictureDrawings::icon(int size) {
    QImage pixmap(size, size, QImage::Format_ARGB32_Premultiplied);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, QColor(0, 0, 255));
    gradient.setColorAt(1, QColor(0, 0, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    painter.setBrush(QColor(255, 255, 204));
    const qreal bar = size / 8.0;
    for (int k = 0; k < 3; ++k)
        painter.drawRect(QRectF(size * 0.2, size * 0.2 + k * 2.2 * bar, size * 0.6, bar * 1.4));
    return pixmap;
}
