// The live preview's edit-to-paint time. With the live preview docked, a
// colour is typed into the normal item's Border Bottom Color box, key by
// key as a user types it, and two times are taken from the key that
// completes the colour:
//  - until the preview's view says the page is shown (the view's own part);
//  - until the new colour is on the screen, read from the X server by a
//    thread of its own with a connection of its own (seen from outside).
// As a baseline, in the same run, the same key repaints a plain widget in
// the same colour, timed the same way: the toolkit's own key-to-screen
// time. Then the same with a page of a site shown in the preview (a page of
// some 20 KB with a style sheet of its own, the menu between its markers),
// reported beside the menu alone. Prints the medians and the ratios.
// Usage: xvfb-run -a live_preview_bench MODULE_FILE [ROUNDS]
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "windows/document/MenuDocument.h"
#include "windows/main/MainWindow.h"
#include "windows/preview/LivePreviewDock.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// A site of one page in `folder`: a header, the menu's markers, twenty
// paragraphs, a style sheet beside it.
QString writeSite(const QString& folder) {
    QDir().mkpath(folder + QStringLiteral("/css"));
    QFile css(folder + QStringLiteral("/css/site.css"));
    if (css.open(QIODevice::WriteOnly))
        css.write("body{margin:0;font-family:Georgia,serif;background:#faf7f2}"
                  "header{padding:8px 16px;border-bottom:1px solid #ddd}"
                  "main{max-width:40rem;margin:2rem auto;line-height:1.6}\n");
    QByteArray page = "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                      "<title>Studio</title><link rel=\"stylesheet\" href=\"css/site.css\">"
                      "<!-- halvero-menu-style --><!-- /halvero-menu-style --></head><body>"
                      "<header><b>Studio</b><!-- halvero-menu --><!-- /halvero-menu --></header>"
                      "<main><h1>Studio</h1>";
    for (int i = 0; i < 20; ++i)
        page += "<p>" + QByteArray(900, 'x').replace(QByteArray("xxxxxx"), "lorem ") + "</p>";
    page += "</main></body></html>\n";
    QFile html(folder + QStringLiteral("/index.html"));
    if (html.open(QIODevice::WriteOnly))
        html.write(page);
    return folder;
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
    // The new colour's pixel: the bottom border of the first item, in
    // the menu alone (a table cell) or in a site's page (the modern link).
    auto borderOf = [&](const char* selector) {
        const QVariantList at =
            evaluate(view, QStringLiteral("(function(){var r=document.querySelector('%1')"
                                          ".getBoundingClientRect();return [r.left+r.width/2,"
                                          "r.bottom-1];})()")
                               .arg(QLatin1String(selector)))
                .toList();
        return view->mapToGlobal(QPoint(at.value(0).toInt(), at.value(1).toInt()));
    };
    auto* colour = main->findChild<QComboBox*>(QStringLiteral("normal.borderBottomColor"));

    // The baseline: a plain widget beside, repainted in the colour typed.
    QWidget plain;
    plain.setGeometry(0, 0, 60, 60);
    plain.show();
    (void)QTest::qWaitForWindowExposed(&plain);
    const QPoint plainAt = plain.mapToGlobal(QPoint(30, 30));

    std::vector<double> shown, painted, baseline;
    auto measure = [&](const QPoint& border) {
        shown.clear();
        painted.clear();
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
                QObject::connect(dock, &LivePreviewDock::pageShown, [&] {
                    shownMs = shownMs < 0 ? clock.nsecsElapsed() / 1e6 : shownMs;
                });
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
    };
    measure(borderOf("td.Menu"));
    const double aloneShown = median(shown), alone = median(painted);

    // The same menu shown in a page of its site.
    main->findChild<MenuDocument*>()->setSiteFolder(writeSite(config.path() + "/site"));
    auto* pages = main->findChild<QComboBox*>(QStringLiteral("previewPage"));
    (void)QTest::qWaitFor([&] { return pages->count() > 1; }, 5000);
    pages->setCurrentIndex(1);
    (void)QTest::qWaitFor(
        [&] {
            return evaluate(view,
                            QStringLiteral("!!document.querySelector('a.halvero-menu__link')"))
                .toBool();
        },
        20000);
    QTest::qWait(1000);
    measure(borderOf("a.halvero-menu__link"));
    const double inSite = median(painted);

    const double live = alone, base = median(baseline);
    std::printf("live preview, key to page shown (the view's part): %.1f ms\n", aloneShown);
    std::printf("live preview, key to new colour on screen:         %.1f ms\n", live);
    std::printf("plain widget, repaint to new colour on screen:     %.1f ms\n", base);
    std::printf("ratio, live preview to plain widget:               %.2f x\n",
                base > 0 ? live / base : 0.0);
    std::printf("in a site's page, key to page shown:               %.1f ms\n", median(shown));
    std::printf("in a site's page, key to new colour on screen:     %.1f ms\n", inSite);
    std::printf("ratio, site's page to the menu alone:              %.2f x\n",
                live > 0 ? inSite / live : 0.0);
    delete main;
    return live > 0 && inSite > 0 ? 0 : 1;
}
