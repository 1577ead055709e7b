// Time from process start until a program's first top-level window is shown
// with its first pixels painted, for Halvero and for a bare Qt window built
// alongside it, measured alternately in the same run on the same X server.
// Prints the medians and their ratio. Run under an X server (xvfb-run).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

bool painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, 1,
                              AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) != 0;
}

// Starts `program`, waits for its first painted top-level window, returns
// the milliseconds it took, and ends the program.
double timeToFirstPaint(Display* display, const std::string& program) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Window shown = 0;
    double elapsed = -1;
    while (std::chrono::duration<double>(Clock::now() - start).count() < 10) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                shown = event.xmap.window;
        }
        if (shown && painted(display, shown)) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        usleep(500);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XSelectInput(display, root, NoEventMask);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s HALVERO BARE_WINDOW [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 11;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Warms the file cache for both, and stops early when a program shows no
    // window (another Halvero already runs on this display, say).
    for (int k = 1; k <= 2; ++k)
        if (timeToFirstPaint(display, argv[k]) < 0) {
            std::fprintf(stderr, "%s showed no window\n", argv[k]);
            return 1;
        }
    std::vector<double> halvero, bare;
    for (int r = 0; r < rounds; ++r) {
        halvero.push_back(timeToFirstPaint(display, argv[1]));
        bare.push_back(timeToFirstPaint(display, argv[2]));
    }
    const double h = median(halvero), b = median(bare);
    std::printf("first paint: halvero %.1f ms, bare window %.1f ms, ratio %.2f\n", h, b, h / b);
    XCloseDisplay(display);
    return 0;
}
