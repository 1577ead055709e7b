#pragma once

#include "MenuSettings.h"

class QComboBox;
class frm1;

// Builds the main window's controls into its control arrays, where
// MainLayout puts them: the titles and labels, one box per setting
// (editable where the entry takes typing, keeping text exactly as typed),
// the colour buttons, the commands and the flash timer. Then it sets the
// tab order, the names screen readers announce and the pointer over each
// kind of control. Later it writes the changes the program makes in the
// settings into the boxes. It connects no handler and styles nothing: frm1
// and MainLook do.
class MainControls {
public:
    static void build(frm1& window);

    // Writes a change the program made in entry `index` of `settings` into
    // its box. Setting a box's text raises its change handler, which
    // repaints a colour box; it raises no user signal, so nothing travels
    // back into the record.
    static void show(QComboBox* box, const halvero::MenuSettings& settings, int index,
                     halvero::MenuSettings::Change change);

private:
    static void setTabOrder(frm1& window);
    static void setPointers(frm1& window);
};
