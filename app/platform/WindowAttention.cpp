#include "app/platform/WindowAttention.h"

#include "app/platform/X11Connection.h"

#include <QApplication>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

void WindowAttention::set(QWidget* window, bool on) {
    Display* display = X11Connection::display();
    if (!display) {
        // Elsewhere (Wayland) the platform's own request for attention,
        // which lasts until the window is activated.
        if (on)
            QApplication::alert(window);
        return;
    }
    if (!window->testAttribute(Qt::WA_WState_Created))
        return;
    const auto id = static_cast<Window>(window->winId());
    XWMHints* hints = XGetWMHints(display, id);
    XWMHints fresh{};
    XWMHints* target = hints ? hints : &fresh;
    if (on)
        target->flags |= XUrgencyHint;
    else
        target->flags &= ~XUrgencyHint;
    XSetWMHints(display, id, target);
    XFlush(display);
    if (hints)
        XFree(hints);
}
