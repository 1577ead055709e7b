#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's own pictures, carried as resources (drawn at build time by
// PictureDrawings, stored as raw pixels) and taken at first use: four 32 x 32
// mouse pointers with their hot spots, the 21 x 21 close glyph of the
// borderless windows and the window icon. Each pointer is made once and
// shared.
class Pictures {
public:
    // A pointing hand; hot spot at the finger tip (12, 1).
    static QCursor handPointer();
    // The same hand with a red prohibition sign on its back; hot spot (12, 1).
    static QCursor forbiddenHandPointer();
    // A closed hand with a blue cuff; hot spot (7, 7).
    static QCursor grabPointer();
    // A text I-beam beside a hand holding a pen; hot spot (5, 9).
    static QCursor penPointer();

    // A dark-grey disc on white, crossed by a light-grey X outlined in black.
    static QPixmap closeGlyph();
    static QIcon appIcon();
};
