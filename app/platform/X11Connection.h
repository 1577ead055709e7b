#pragma once

typedef struct _XDisplay Display;

// The X server connection of the running application, or nullptr when the
// program does not run on X11 (Wayland, or the offscreen platform of tests,
// which may hold a display of its own for other purposes).
class X11Connection {
public:
    static Display* display();
};
