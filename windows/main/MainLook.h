#pragma once

#include "app/toolkit/ControlLook.h"

// The main window's look: bold faces, navy on cream for the fields and
// buttons, olive-yellow transparent labels over the gradient. The rows for
// check boxes, text boxes and frames style nothing the window holds today but
// apply to any such control placed on it. A text box whose "tag" property
// reads "F" in any case is a right-to-left Tahoma field.
class MainLook {
public:
    static const ControlLook::Table& table();

    // What most of the window's controls share (bold Verdana, navy on
    // cream), set once on the window before its controls exist: the
    // table's steps then find it done instead of setting it control by
    // control, which was a tenth of the program's start. Buttons, whose
    // text the table leaves alone, keep the standard button text colour.
    static void setCommonLook(QWidget* window);
    static void keepStandardButtonText(QWidget* button);
};
