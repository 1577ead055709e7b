// What keeping a menu as a file costs, against the window's own start:
//  - opening a settings file in the running window and applying all its
//    values to the boxes (in this process, alternating two files);
//  - `halvero --write PAGE --settings FILE` as a whole process;
//  - baseline: the time from halvero's start to its first painted window,
//    measured in the same run on the same X server.
// Prints medians and both as ratios to the baseline. Run under xvfb-run:
//   settings_bench HALVERO [ROUNDS]
#include "app/Application.h"
#include "bench/FirstPaint.h"
#include "core/settings/MenuSettings.h"
#include "core/settings/SettingsFile.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <X11/Xlib.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A menu with every value changed from the defaults, so applying it
// rewrites every box.
void writeMenu(const std::string& path, int variant) {
    halvero::MenuSettings settings;
    settings.initialise();
    for (const halvero::Setting& entry : halvero::SettingTable::entries()) {
        const std::vector<std::string> items = entry.offeredItems();
        std::string value = items.empty() ? (entry.isColor() ? "#12345" + std::to_string(variant)
                                                             : "text " + std::to_string(variant))
                                          : items[static_cast<std::size_t>(variant) % items.size()];
        settings.setValue(entry.index, value);
    }
    halvero::SettingsFile::write(path, settings);
}

double runWrite(const std::string& halvero, const std::string& page, const std::string& menu) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(halvero.c_str(), halvero.c_str(), "--write", page.c_str(), "--settings", menu.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s HALVERO [ROUNDS]\n", argv[0]);
        return 2;
    }
    const std::string halvero = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 11;
    QTemporaryDir folder;
    const std::string menus[2] = {folder.filePath("a.halvero").toStdString(),
                                  folder.filePath("b.halvero").toStdString()};
    writeMenu(menus[0], 1);
    writeMenu(menus[1], 2);
    const std::string page = folder.filePath("page.htm").toStdString();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Warm the file cache, then measure the two processes alternately.
    if (FirstPaint::measure(display, halvero).milliseconds < 0 ||
        runWrite(halvero, page, menus[0]) < 0) {
        std::fprintf(stderr, "%s showed no window or could not write the page\n", argv[1]);
        return 1;
    }
    std::vector<double> paint, write;
    for (int r = 0; r < rounds; ++r) {
        paint.push_back(FirstPaint::measure(display, halvero).milliseconds);
        write.push_back(runWrite(halvero, page, menus[r % 2]));
    }
    XCloseDisplay(display);

    QApplication application(argc, argv);
    Application::configure();
    auto* window = new MainWindow;
    window->show();
    QApplication::processEvents();
    std::vector<double> open;
    for (int r = 0; r < rounds * 4; ++r) {
        QElapsedTimer clock;
        clock.start();
        if (!window->openSettings(QString::fromStdString(menus[r % 2])))
            return 1;
        QApplication::processEvents(); // the boxes repaint
        open.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    delete window;

    const double p = FirstPaint::median(paint), w = FirstPaint::median(write),
                 o = FirstPaint::median(open);
    std::printf("medians: first paint of the window %.1f ms, halvero --write %.1f ms, opening a "
                "settings file in the window %.2f ms\n",
                p, w, o);
    std::printf("ratio to the first paint: --write %.2f x, opening a settings file %.3f x\n", w / p,
                o / p);
    return 0;
}
