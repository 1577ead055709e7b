#pragma once

class QWidget;

// Asks for the user's attention the way the window system offers it: on X11
// the urgency hint of the window, which task bars show by flashing the
// window's entry (toggling it once a second stands in for a flashing
// caption); elsewhere the platform's own alert, through Qt. No X11 call is
// made where the program does not run on X11.
class WindowAttention {
public:
    static void set(QWidget* window, bool on);
};
