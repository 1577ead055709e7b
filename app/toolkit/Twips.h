#pragma once

#include <QRect>

// Design positions and sizes are in twips, 1/1440 inch: 15 twips to a logical
// pixel at 96 dpi. Qt's logical pixels already follow the screen's scale, so
// converting here keeps layouts right on scaled (HiDPI) screens.
class Twips {
public:
    static constexpr int kPerPixel = 15;

    static constexpr int toPixels(int twips) { return (twips + kPerPixel / 2) / kPerPixel; }
    static QRect rect(int left, int top, int width, int height) {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }
};
