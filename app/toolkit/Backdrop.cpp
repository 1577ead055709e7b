#include "app/toolkit/Backdrop.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

int Backdrop::bandTop(int band, int height) {
    return static_cast<int>((static_cast<long long>(band) * height + kBands / 2) / kBands);
}

QImage Backdrop::column(int clientHeight) {
    return paint(QSize(1, clientHeight));
}

QImage Backdrop::paint(const QSize& clientSize) {
    QImage image(clientSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    // Row by row: band i covers rows bandTop(i) to bandTop(i + 1) - 1, so
    // every row belongs to exactly one band and rounding leaves no gap.
    const auto width = static_cast<std::size_t>(image.width());
    int band = 0;
    for (int y = 0; y < image.height(); ++y) {
        while (band + 1 < kBands && bandTop(band + 1, image.height()) <= y)
            ++band;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + width, qRgb(0, 0, 255 - band));
    }
    return image;
}

void Backdrop::paintExposed(QPainter& painter, const QWidget& widget, const QImage& column,
                            const QRect& exposed) {
    const int bottom = qMin(exposed.bottom() + 1, column.height());
    for (int y = qMax(exposed.top(), 0); y < bottom;) {
        const QRgb colour = column.pixel(0, y);
        int end = y + 1;
        while (end < bottom && column.pixel(0, end) == colour)
            ++end;
        painter.fillRect(exposed.left(), y, exposed.width(), end - y, QColor(colour));
        y = end;
    }
    if (exposed.bottom() >= column.height()) // grown since the backdrop was painted
        painter.fillRect(
            exposed.intersected(QRect(0, column.height(), widget.width(), widget.height())),
            widget.palette().window());
}
