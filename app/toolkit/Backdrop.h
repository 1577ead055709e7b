#pragma once

#include <QImage>
#include <QSize>

// The gradient every window shows behind its controls: 256 horizontal bands
// of equal height, band i in blue 255 - i (pure blue at the top, black at the
// bottom), across the whole width. Only paints an image; Form keeps it on
// screen.
class Backdrop {
public:
    static constexpr int kBands = 256;

    static QImage paint(const QSize& clientSize);
    // The first pixel row of band i for a client height, so band i covers
    // rows bandTop(i) to bandTop(i + 1) - 1.
    static int bandTop(int band, int height);
};
