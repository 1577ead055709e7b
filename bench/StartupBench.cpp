// Time from process start until a program's first top-level window is shown
// with its first pixels painted, for Halvero and for two baselines built
// alongside it: a bare Qt window, and a plain Qt window with the same
// controls. Measured alternately in the same run on the same X server;
// prints the medians, Halvero's ratio to each baseline, and the memory
// (PSS) of each program once its window is up. Run under an X server
// (xvfb-run).
#include "bench/FirstPaint.h"

#include <X11/Xlib.h>

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
        const FirstPaint::Start warm = FirstPaint::measure(display, argv[k + 1], {}, true);
        if (warm.milliseconds < 0) {
            std::fprintf(stderr, "%s showed no window\n", argv[k + 1]);
            return 1;
        }
        pss[k] = warm.pss;
    }
    std::vector<double> times[3];
    for (int r = 0; r < rounds; ++r)
        for (int k = 0; k < 3; ++k)
            times[k].push_back(FirstPaint::measure(display, argv[k + 1]).milliseconds);
    const double h = FirstPaint::median(times[0]), b = FirstPaint::median(times[1]),
                 p = FirstPaint::median(times[2]);
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
