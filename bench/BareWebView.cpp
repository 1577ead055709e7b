// The baseline for the preview benchmark: a bare Qt WebEngine view that
// loads a file. Prints the milliseconds from creating the view until the
// page has loaded.
#include <QApplication>
#include <QElapsedTimer>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QElapsedTimer clock;
    clock.start();
    QWebEngineView view;
    view.resize(657, 257);
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool ok) {
        std::printf("%.1f\n", clock.nsecsElapsed() / 1e6);
        application.exit(ok ? 0 : 1);
    });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();
    return application.exec();
}
