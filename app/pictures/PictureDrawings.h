#pragma once

#include <QImage>

// Draws the program's pictures: four 32 x 32 mouse pointers, the 21 x 21
// close glyph and the window icon. Used at build time only: PictureWriter
// saves the drawings as raw pixels that the program carries as resources
// (using those costs less at start than drawing them) and the icon as the
// desktop's PNG files. The hot spots and the loading are Pictures's
// business.
class PictureDrawings {
public:
    static constexpr int kPointerSize = 32;
    static constexpr int kCloseGlyphSize = 21;

    // A pointing hand, its finger tip at (12, 1).
    static QImage hand();
    // The same hand with a red prohibition sign on its back.
    static QImage forbiddenHand();
    // A closed hand with a blue cuff.
    static QImage grab();
    // A text I-beam beside a hand holding a pen.
    static QImage pen();
    // A dark-grey disc on white, crossed by a light-grey X outlined in black.
    static QImage closeGlyph();
    // The window icon at `size` x `size` pixels.
    static QImage icon(int size);
};
