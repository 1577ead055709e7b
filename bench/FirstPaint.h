#pragma once

#include <string>
#include <vector>

typedef struct _XDisplay Display;

// Time from a program's start until its first top-level window is shown
// with its first pixels painted, on an X server (xvfb-run), for the
// benchmarks that weigh other work against a window's start.
class FirstPaint {
public:
    struct Start {
        double milliseconds = -1; // -1: no window within 10 s
        double pss = -1;          // MB, a second after the first paint
    };

    // Starts `program` with `arguments`, waits for its first painted
    // window, measures the time it took (and, when asked, its memory a
    // second later), and ends the program.
    static Start measure(Display* display, const std::string& program,
                         const std::vector<std::string>& arguments = {}, bool memory = false);

    static double median(std::vector<double> values);
};
