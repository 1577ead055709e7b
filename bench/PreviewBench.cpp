// Opens the preview from the main window as the user does, with the preview
// module loaded from its file the way the program loads it from memory.
// Prints the milliseconds from pressing "Preview HTML Page File" until the
// page has loaded, then the memory (proportional set size of this process
// and the browser's helper processes) with the main window only, with the
// preview open, after closing it, and after opening and closing it ten more
// times.
// Usage: preview_bench PAGE_FOLDER MODULE_FILE [MORE_OPENINGS (10)]
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
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

} // namespace

// Notes when a preview window shows, hooks its browser's load, and closes
// the preview once the page has loaded.
class Watcher : public QObject {
    Q_OBJECT
public:
    QElapsedTimer clock;
    QList<double> loadMs;
    long previewKb = 0;
    long closedKb = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("PreviewWindow")) {
            m_preview = static_cast<QWidget*>(watched);
            QObject* view = m_preview->findChild<QObject*>(QStringLiteral("browser"));
            connect(view, SIGNAL(loadFinished(bool)), this, SLOT(loaded(bool)));
        }
        return false;
    }

public slots:
    void loaded(bool) {
        loadMs.append(clock.nsecsElapsed() / 1e6);
        if (loadMs.size() == 1)
            previewKb = treePssKb(getpid());
        QTimer::singleShot(0, m_preview, [preview = m_preview] { preview->close(); });
    }

private:
    QWidget* m_preview = nullptr;
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const int more = argc > 3 ? std::atoi(argv[3]) : 10;
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
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents();
    const long mainKb = treePssKb(getpid());

    Watcher watcher;
    application.installEventFilter(&watcher);
    for (int round = 0; round <= more; ++round) {
        watcher.clock.start();
        main->showPreview(); // returns once the preview has closed again
        if (round == 0) {
            settle.start();
            while (settle.elapsed() < 1000)
                QApplication::processEvents();
            watcher.closedKb = treePssKb(getpid());
        }
    }
    settle.start();
    while (settle.elapsed() < 1000)
        QApplication::processEvents();
    const long afterKb = treePssKb(getpid());

    QList<double> later = watcher.loadMs.mid(1);
    std::sort(later.begin(), later.end());
    std::printf("first preview %.1f ms, later previews (median) %.1f ms\n", watcher.loadMs.value(0),
                later.value(later.size() / 2));
    std::printf("memory: main window %ld KiB, preview open %ld KiB, closed %ld KiB, after %d "
                "more openings %ld KiB (%+ld KiB)\n",
                mainKb, watcher.previewKb, watcher.closedKb, more, afterKb,
                afterKb - watcher.closedKb);
    return 0;
}

#include "PreviewBench.moc"
