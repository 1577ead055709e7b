// The baseline for the preview benchmark: a bare Qt WebEngine view that
// loads a file. Prints the milliseconds until the page has loaded, counted
// from the wall-clock time in nanoseconds given as the second argument (the
// moment its starter ran it), so loading the engine's libraries counts too.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const long long startedNs = std::atoll(argv[2]);
    QWebEngineView view;
    view.resize(657, 257);
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool ok) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const long long nowNs = now.tv_sec * 1000000000LL + now.tv_nsec;
        std::printf("%.1f\n", (nowNs - startedNs) / 1e6);
        application.exit(ok ? 0 : 1);
    });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();
    return application.exec();
}
