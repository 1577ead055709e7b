// Prints the active keyboard layout group of the X server, for the
// end-to-end test.
#include <X11/XKBlib.h>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    XkbStateRec state{};
    if (!display || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return 1;
    std::printf("%d\n", state.group);
    XCloseDisplay(display);
    return 0;
}
