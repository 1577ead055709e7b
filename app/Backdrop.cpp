#include "Backdrop.h"

#include <QPainter>

int Backdrop::bandTop(int band, int height) {
    return static_cast<int>((static_cast<long long>(band) * height + kBands / 2) / kBands);
}

QImage Backdrop::paint(const QSize& clientSize) {
    QImage image(clientSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    // The vertical axis runs over 256 units of the client height and the
    // horizontal one stays in pixels; each band is drawn in its own colour,
    // later bands over earlier ones, so rounding never leaves a gap.
    for (int i = 0; i < kBands; ++i) {
        const int top = bandTop(i, image.height());
        const int bottom = bandTop(i + 1, image.height());
        if (bottom > top)
            painter.fillRect(0, top, image.width(), bottom - top, QColor(0, 0, 255 - i));
    }
    return image;
}
