#pragma once

class frm1;

// Builds the main window's controls into its control arrays, where
// MainLayout puts them: the titles and labels, one box per setting
// (editable where the entry takes typing, keeping text exactly as typed),
// the colour buttons, the commands and the flash timer. Then it sets the
// tab order, the names screen readers announce and the pointer over each
// kind of control. It connects no handler and styles nothing: frm1 and
// MainLook do.
class MainControls {
public:
    static void build(frm1& window);

private:
    static void setTabOrder(frm1& window);
    static void setPointers(frm1& window);
};
