#pragma once

class QWidget;

// Asks for the user's attention the way the window system offers it: on X11
// the urgency hint of the window, which task bars show by flashing the
// window's entry. Toggling it once a second stands in for a flashing caption.
class WindowAttention {
public:
    static void set(QWidget* window, bool on);
};
