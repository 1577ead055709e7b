// The live preview's edit-to-paint time. With the live preview docked, a
// colour is typed into the normal item's Border Bottom Color box, key by
// key as a user types it, and two times are taken from the key that
// completes the colour:
//  - until the preview's view says the page is shown (the view's own part);
//  - until the new colour is on the screen, read from the X server by a
//    thread of its own with a connection of its own (seen from outside).
// As a baseline, in the same run, the same key repaints a plain widget in
// the same colour, timed the same way: the toolkit's own key-to-screen
// time. Prints the medians and the live preview's ratio to the baseline.
// Usage: xvfb-run -a live_preview_bench MODULE_FILE [ROUNDS]
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MainWindow.h"
#include "windows/preview/LivePreviewDock.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef KeyPress
#undef KeyRelease
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Waits, on a thread of its own, until the screen pixel at (x, y) has the
// colour `rgb`; returns the milliseconds since `clock` started, or -1.
class PixelWatch {
public:
    PixelWatch(int x, int y, unsigned long rgb, const QElapsedTimer& clock)
        : m_thread([this, x, y, rgb, &clock] {
              Display* display = XOpenDisplay(nullptr);
              for (int tries = 0; display && tries < 20000 && !m_stop; ++tries) {
                  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1,
                                            AllPlanes, ZPixmap);
                  const unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
                  if (image)
                      XDestroyImage(image);
                  if (pixel == rgb) {
                      m_ms = clock.nsecsElapsed() / 1e6;
                      break;
                  }
                  std::this_thread::sleep_for(std::chrono::microseconds(250));
              }
              if (display)
                  XCloseDisplay(display);
              m_done = true;
          }) {}
    ~PixelWatch() {
        m_stop = true;
        m_thread.join();
    }
    // Runs the event loop until the pixel is seen; its time, or -1.
    double wait() {
        (void)QTest::qWaitFor([this] { return m_done.load(); }, 5000);
        return m_ms;
    }

private:
    std::atomic<bool> m_stop{false}, m_done{false};
    double m_ms = -1;
    std::thread m_thread;
};

QVariant evaluate(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    (void)QTest::qWaitFor([&] { return done; }, 10000);
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
    Application::configure();
    PreviewEngine::setModuleFile(QString::fromLocal8Bit(argv[1]));

    auto* main = new MainWindow;
    main->setProgramFolder(config.path());
    main->show();
    main->findChild<QAction*>(QStringLiteral("livePreview"))->setChecked(true);
    QWebEngineView* view = nullptr;
    (void)QTest::qWaitFor(
        [&] { return (view = main->findChild<QWebEngineView*>(QStringLiteral("liveBrowser"))); },
        30000);
    auto* dock = main->findChild<LivePreviewDock*>();
    if (!view || !dock) {
        std::fprintf(stderr, "the live preview did not start\n");
        return 1;
    }
    QTest::qWait(3000);
    const QVariantList at =
        evaluate(view, QStringLiteral("(function(){var r=document.querySelector('td.Menu')"
                                      ".getBoundingClientRect();return [r.left+r.width/2,"
                                      "r.bottom-1];})()"))
            .toList();
    const QPoint border = view->mapToGlobal(QPoint(at.value(0).toInt(), at.value(1).toInt()));
    auto* colour = main->findChild<QComboBox*>(QStringLiteral("normal.borderBottomColor"));

    // The baseline: a plain widget beside, repainted in the colour typed.
    QWidget plain;
    plain.setGeometry(0, 0, 60, 60);
    plain.show();
    (void)QTest::qWaitForWindowExposed(&plain);
    const QPoint plainAt = plain.mapToGlobal(QPoint(30, 30));

    std::vector<double> shown, painted, baseline;
    const char* colours[] = {"#12A4E6", "#E61290"};
    for (int round = 0; round < rounds; ++round) {
        const QString target = QString::fromLatin1(colours[round % 2]);
        const unsigned long rgb = target.mid(1).toULong(nullptr, 16);
        main->activateWindow();
        colour->lineEdit()->setFocus();
        colour->lineEdit()->selectAll();
        QTest::keyClicks(colour->lineEdit(), target.left(6)); // unfinished: no change
        QTest::qWait(300);
        QElapsedTimer clock;
        double shownMs = -1;
        const QMetaObject::Connection once =
            QObject::connect(dock, &LivePreviewDock::pageShown,
                             [&] { shownMs = shownMs < 0 ? clock.nsecsElapsed() / 1e6 : shownMs; });
        clock.start();
        {
            PixelWatch watch(border.x(), border.y(), rgb, clock);
            QTest::keyClick(colour->lineEdit(), target.at(6).toLatin1());
            painted.push_back(watch.wait());
        }
        QObject::disconnect(once);
        shown.push_back(shownMs);

        QElapsedTimer plainClock;
        plainClock.start();
        {
            PixelWatch watch(plainAt.x(), plainAt.y(), rgb, plainClock);
            plain.setStyleSheet(QStringLiteral("background: %1").arg(target));
            baseline.push_back(watch.wait());
        }
        QTest::qWait(100);
    }
    const double live = median(painted), base = median(baseline);
    std::printf("live preview, key to page shown (the view's part): %.1f ms\n", median(shown));
    std::printf("live preview, key to new colour on screen:         %.1f ms\n", live);
    std::printf("plain widget, repaint to new colour on screen:     %.1f ms\n", base);
    std::printf("ratio, live preview to plain widget:               %.2f x\n",
                base > 0 ? live / base : 0.0);
    delete main;
    return live > 0 ? 0 : 1;
}
