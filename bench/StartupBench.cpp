// Time from process start until a program's first top-level window is shown
// with its first pixels painted, for Halvero and for two baselines built
// alongside it: a bare Qt window, and a plain Qt window with the same
// controls. Measured alternately in the same run on the same X server;
// prints the medians, Halvero's ratio to each baseline, and the memory
// (PSS) of each program once its window is up. Run under an X server
// (xvfb-run).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
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

// The proportional set size of a process, in megabytes.
double pssMegabytes(pid_t pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line))
        if (line.rfind("Pss:", 0) == 0) {
            std::istringstream fields(line.substr(4));
            double kilobytes = 0;
            fields >> kilobytes;
            return kilobytes / 1024;
        }
    return -1;
}

struct Start {
    double milliseconds = -1;
    double pss = -1; // MB, a second after the first paint
};

// Starts `program`, waits for its first painted top-level window, measures
// the time it took (and, when asked, its memory a second later), and ends
// the program.
Start timeToFirstPaint(Display* display, const std::string& program, bool memory = false) {
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
    Start result;
    while (std::chrono::duration<double>(Clock::now() - start).count() < 10) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                shown = event.xmap.window;
        }
        if (shown && painted(display, shown)) {
            result.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (memory) {
                usleep(1000000);
                result.pss = pssMegabytes(child);
            }
            break;
        }
        usleep(500);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XSelectInput(display, root, NoEventMask);
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s HALVERO BARE_WINDOW PLAIN_FORM [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 11;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Warms the file cache for all three and measures their memory; stops
    // early when a program shows no window (another Halvero already runs on
    // this display, say).
    double pss[3];
    for (int k = 0; k < 3; ++k) {
        const Start warm = timeToFirstPaint(display, argv[k + 1], true);
        if (warm.milliseconds < 0) {
            std::fprintf(stderr, "%s showed no window\n", argv[k + 1]);
            return 1;
        }
        pss[k] = warm.pss;
    }
    std::vector<double> times[3];
    for (int r = 0; r < rounds; ++r)
        for (int k = 0; k < 3; ++k)
            times[k].push_back(timeToFirstPaint(display, argv[k + 1]).milliseconds);
    const double h = median(times[0]), b = median(times[1]), p = median(times[2]);
    std::printf("first paint (median of %d): halvero %.1f ms, bare window %.1f ms, plain form "
                "%.1f ms\n",
                rounds, h, b, p);
    std::printf("ratio: %.2f x the bare window, %.2f x the plain form\n", h / b, h / p);
    std::printf("memory (PSS): halvero %.1f MB, bare window %.1f MB, plain form %.1f MB "
                "(halvero %+.1f MB over the plain form)\n",
                pss[0], pss[1], pss[2], pss[0] - pss[2]);
    XCloseDisplay(display);
    return 0;
}
