// Opens the preview from the main window as the user does, with the preview
// module loaded from its file the way the program loads it from memory.
// Prints the milliseconds from pressing "Preview HTML Page File" until the
// page is shown, for the first opening and the later ones, then the memory
// (proportional set size of this process and the browser's helper
// processes) with the main window only, with the preview open, after
// closing it, and after twenty more openings. With "warm", the pointer
// rests on the button for 400 ms first: prints that first opening and the
// longest time the event loop stalled meanwhile.
// Usage: preview_bench PAGE_FOLDER MODULE_FILE [cold|warm] [MORE_OPENINGS]
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

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

// Times each opening of the preview: from pressing the button until the
// blank sheet over the view lifts, which it does once the page of this
// opening has loaded; then closes the preview again.
class Watcher : public QObject {
    Q_OBJECT
public:
    QElapsedTimer clock;
    QList<double> openMs;
    long previewKb = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->objectName() == QLatin1String("pageCover")) {
            auto* window = static_cast<QWidget*>(watched)->window();
            if (!window->isVisible())
                return false;
            openMs.append(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            if (openMs.size() == 1)
                previewKb = treePssKb(getpid());
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
        return false;
    }
};

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
    QFile module(QString::fromLocal8Bit(argv[2]));
    if (!module.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray image = module.readAll();
    const auto* bytes = reinterpret_cast<const unsigned char*>(image.constData());
    PreviewEngine::setModuleImage(bytes, bytes + image.size());

    auto* main = Form::load<MainWindow>();
    main->setProgramFolder(QString::fromLocal8Bit(argv[1]));
    main->showModeless();
    main->createPage();
    settle(300);
    const long mainKb = treePssKb(getpid());
    auto* button = main->findChild<QPushButton*>(QStringLiteral("previewButton"));

    Watcher watcher;
    application.installEventFilter(&watcher);
    if (warm) {
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
    for (int round = 0; round < more; ++round) {
        watcher.clock.start();
        button->click();
    }
    settle(1000);
    const long afterKb = treePssKb(getpid()), afterSelfKb = pssKb(getpid());

    QList<double> later = watcher.openMs.mid(1);
    std::sort(later.begin(), later.end());
    std::printf("first opening %.1f ms, later openings (median) %.1f ms\n", watcher.openMs.value(0),
                later.value(later.size() / 2));
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
