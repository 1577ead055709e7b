#include "app/toolkit/Backdrop.h"

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
