#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class QWidget;

// The gradient every window shows behind its controls: 256 horizontal bands
// of equal height, band i in blue 255 - i (pure blue at the top, black at the
// bottom), across the whole width. Paints an image, and a widget's exposed
// part from it; BackdropWidget and the borderless windows keep it on screen.
class Backdrop {
public:
    static constexpr int kBands = 256;

    // The gradient at a client size.
    static QImage paint(const QSize& clientSize);
    // One pixel column of it, for a client height: every row is one colour
    // across the width, so this is all a window needs to keep and stretch.
    // A full-size image would cost every start a few milliseconds of page
    // faults, and its memory for the window's life.
    static QImage column(int clientHeight);
    // The first pixel row of band i for a client height, so band i covers
    // rows bandTop(i) to bandTop(i + 1) - 1.
    static int bandTop(int band, int height);
    // Paints the part `exposed` of `widget` from its backdrop `column`, each
    // run of equal rows one flat fill; below the column, the widget's
    // window colour.
    static void paintExposed(QPainter& painter, const QWidget& widget, const QImage& column,
                             const QRect& exposed);
};
