// Opens the preview from the main window as the user does, with the preview
// module loaded from its file the way the program loads it from memory.
// Prints the milliseconds from pressing "Preview HTML Page File":
//  - for the first opening, until the page has loaded (as a bare web view
//    program is timed, bench/BareWebView.cpp);
//  - for the later ones, until the page is on the screen (its pixels, read
//    from the X server by a thread of its own), with the page unchanged and
//    after a Create that changed it; as a person opens it, the pointer
//    comes to the button, rests there 300 ms, clicks, and after closing the
//    preview (by its Close button) goes elsewhere for half a second;
// then the memory (proportional set size of this process and the browser's
// helper processes) with the main window only, with the preview open, after
// closing it, and after the later openings. With "warm", the pointer rests
// on the button for 400 ms first: prints that first opening and the longest
// time the event loop stalled meanwhile.
// Usage: preview_bench PAGE_FOLDER MODULE_FILE [cold|warm] [MORE_OPENINGS]
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef KeyPress // X11's, not QEvent's
#undef KeyRelease
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Proportional set size: shared pages are split between the processes that
// share them, so the browser's helper processes add up honestly.
long pssKb(int pid) {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : rollup.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLong();
    return 0;
}

// How many descendants this process has.
int descendants(int pid) {
    int count = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const int child = entry.toInt(&number);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (!number || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        if (text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toInt() == pid)
            count += 1 + descendants(child);
    }
    return count;
}

// This process and all its descendants.
long treePssKb(int pid) {
    long total = pssKb(pid);
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const int child = entry.toInt(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toInt() == pid)
            total += treePssKb(child);
    }
    return total;
}

// One row of pixels of the screen, read from the X server.
struct ScreenRow {
    int x = 0, y = 0, width = 0;

    std::vector<unsigned long> read(Display* display) const {
        std::vector<unsigned long> pixels;
        XImage* image =
            XGetImage(display, DefaultRootWindow(display), x, y, width, 1, AllPlanes, ZPixmap);
        if (!image)
            return pixels;
        for (int column = 0; column < width; ++column)
            pixels.push_back(XGetPixel(image, column, 0) & 0xFFFFFF);
        XDestroyImage(image);
        return pixels;
    }
};

// The row of the web view, where its page shows now, that tells most about
// the page: the one with the most changes of colour along it.
ScreenRow telltaleRow(Display* display, QWidget* view) {
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    ScreenRow best{origin.x(), origin.y(), view->width()};
    int bestChanges = -1;
    for (int y = 0; y < view->height(); y += 2) {
        const ScreenRow row{origin.x(), origin.y() + y, view->width()};
        const std::vector<unsigned long> pixels = row.read(display);
        int changes = 0;
        for (size_t i = 1; i < pixels.size(); ++i)
            changes += pixels[i] != pixels[i - 1];
        if (changes > bestChanges) {
            best = row;
            bestChanges = changes;
        }
    }
    return best;
}

void settle(int milliseconds);

// Times each opening of the preview. The first: from pressing the button
// until the blank sheet over the view lifts, which it does once the page of
// this opening has loaded; the preview then stays open a second, for its
// memory and for the look of its page on the screen. The later ones: until
// a thread with a connection of its own sees that look on the screen.
class Watcher : public QObject {
    Q_OBJECT
public:
    QElapsedTimer clock;
    QList<double> openMs;
    long previewKb = 0;
    QWidget* preview = nullptr;
    ScreenRow row;
    std::vector<unsigned long> look;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->objectName() == QLatin1String("pageCover") &&
            openMs.isEmpty()) {
            preview = static_cast<QWidget*>(watched)->window();
            if (!preview->isVisible())
                return false;
            openMs.append(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            if (!keepFirstOpen) {
                QTimer::singleShot(0, preview, [this] { closePreview(); });
                return false;
            }
            QTimer::singleShot(1000, preview, [this] {
                previewKb = treePssKb(getpid());
                Display* display = XOpenDisplay(nullptr);
                row = telltaleRow(display, preview->findChild<QWidget*>(QStringLiteral("browser")));
                look = row.read(display);
                XCloseDisplay(display);
                closePreview();
            });
        }
        return false;
    }

    void closePreview() {
        preview->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    }

    // Brings the pointer to `button`, presses it and returns once the
    // preview, opened by it, has shown its page on the screen and been
    // closed again, and the pointer has left.
    void timeOpening(QPushButton* button) {
        std::atomic<bool> opened{false};
        double shownMs = 0;
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        settle(300);
        clock.start();
        std::thread watching([&] {
            Display* display = XOpenDisplay(nullptr);
            while (clock.elapsed() < 5000 && row.read(display) != look)
                usleep(500);
            shownMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            XCloseDisplay(display);
            opened = true;
        });
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (opened && preview->isVisible())
                closePreview();
        });
        poll.start(1);
        button->click(); // returns once the preview has closed again
        watching.join();
        openMs.append(shownMs);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }

    bool keepFirstOpen = true;
};

// Types a letter at the end of the status bar message, as the user would,
// and writes the page: the page changes, and not where it shows.
void changePage(MainWindow* main) {
    QLineEdit* edit =
        main->findChild<QComboBox*>(QStringLiteral("menu.statusbarMessage"))->lineEdit();
    edit->end(false);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
    main->createPage();
}

// The longest time the event loop kept a 5 ms timer waiting, while it runs
// for `milliseconds`.
double longestStall(int milliseconds) {
    QElapsedTimer clock, since;
    clock.start();
    since.start();
    double longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, static_cast<double>(since.nsecsElapsed()) / 1e6 - 5);
        since.start();
    });
    tick.start(5);
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return longest;
}

void settle(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const bool warm = argc > 3 && QByteArray(argv[3]) == "warm";
    const int more = argc > 4 ? std::atoi(argv[4]) : 20;
    Application::configure();
    if (!QFile::exists(QString::fromLocal8Bit(argv[2])))
        return 2;
    PreviewEngine::setModuleFile(QString::fromLocal8Bit(argv[2]));

    auto* main = new MainWindow;
    main->setProgramFolder(QString::fromLocal8Bit(argv[1]));
    main->show();
    main->createPage();
    settle(300);
    const long mainKb = treePssKb(getpid());
    auto* button = main->findChild<QPushButton*>(QStringLiteral("previewButton"));

    Watcher watcher;
    application.installEventFilter(&watcher);
    if (warm) {
        watcher.keepFirstOpen = false;
        // The pointer comes to rest on the button; the click follows 400 ms
        // later.
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        const double stall = longestStall(400);
        watcher.clock.start();
        button->click(); // returns once the preview has closed again
        std::printf("warmed first opening %.1f ms, longest stall while warming %.1f ms\n",
                    watcher.openMs.value(0), stall);
        return 0;
    }
    watcher.clock.start();
    button->click();
    settle(1000);
    const long closedKb = treePssKb(getpid()), closedSelfKb = pssKb(getpid());
    const int closedHelpers = descendants(getpid());
    // A person's pointer is elsewhere for a while before coming back.
    for (int round = 0; round < more; ++round) {
        settle(500);
        watcher.timeOpening(button);
    }
    settle(1000);
    const long afterKb = treePssKb(getpid()), afterSelfKb = pssKb(getpid());
    const QList<double> unchanged = watcher.openMs.mid(1);
    for (int round = 0; round < more / 2; ++round) {
        changePage(main);
        settle(500);
        watcher.timeOpening(button);
    }
    settle(1000);
    const long changedKb = treePssKb(getpid());
    const QList<double> changed = watcher.openMs.mid(1 + unchanged.size());

    auto median = [](QList<double> values) {
        std::sort(values.begin(), values.end());
        return values.value(values.size() / 2);
    };
    std::printf("first opening %.1f ms, later openings (median) %.1f ms\n", watcher.openMs.value(0),
                median(unchanged));
    std::printf("after a Create that changed the page: later openings (median) %.1f ms, "
                "memory %ld KiB (%+ld KiB)\n",
                median(changed), changedKb, changedKb - closedKb);
    std::printf("slowest later openings: %.1f ms, after a Create %.1f ms\n",
                *std::max_element(unchanged.begin(), unchanged.end()),
                *std::max_element(changed.begin(), changed.end()));
    std::printf("memory: main window %ld KiB, preview open %ld KiB, closed %ld KiB, after %d "
                "more openings %ld KiB (%+ld KiB)\n",
                mainKb, watcher.previewKb, closedKb, more, afterKb, afterKb - closedKb);
    std::printf("of which the program's own process: closed %ld KiB, after %ld KiB (%+ld KiB); "
                "helper processes %d, then %d\n",
                closedSelfKb, afterSelfKb, afterSelfKb - closedSelfKb, closedHelpers,
                descendants(getpid()));
    return 0;
}

#include "PreviewBench.moc"
