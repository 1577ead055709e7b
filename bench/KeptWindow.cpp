// The floor for the preview's later openings: a kept window of the
// preview's size, a Qt Quick widget in it (composed through OpenGL, as the
// browser view is), shown again. Prints the median of twenty showings, in
// milliseconds from show() until its pixels are on the screen (read from the
// X server by a thread of its own), each after half a second hidden.
#include <QApplication>
#include <QElapsedTimer>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QWidget>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

void settle(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents();
}

unsigned long pixelAt(Display* display, const QPoint& point) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), point.x(), point.y(), 1, 1,
                              AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

} // namespace

int main(int argc, char** argv) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    window.setFixedSize(673, 337);
    window.setStyleSheet(QStringLiteral("background: #204080"));
    auto* view = new QQuickWidget(&window);
    view->setGeometry(8, 48, 657, 257);
    view->setClearColor(QColor(0x60, 0xa0, 0x40));
    window.move(100, 100);
    window.show();
    settle(1000);
    const QPoint inView = window.mapToGlobal(QPoint(300, 150));
    const QPoint onWindow = window.mapToGlobal(QPoint(300, 20));
    Display* display = XOpenDisplay(nullptr);
    const unsigned long viewColour = pixelAt(display, inView);
    const unsigned long windowColour = pixelAt(display, onWindow);
    XCloseDisplay(display);

    std::vector<double> shownMs;
    for (int round = 0; round < 20; ++round) {
        window.hide();
        settle(500);
        QElapsedTimer clock;
        std::atomic<bool> shown{false};
        double ms = 0;
        clock.start();
        std::thread watching([&] {
            Display* own = XOpenDisplay(nullptr);
            while (clock.elapsed() < 5000 &&
                   (pixelAt(own, inView) != viewColour || pixelAt(own, onWindow) != windowColour))
                usleep(500);
            ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            XCloseDisplay(own);
            shown = true;
        });
        window.show();
        while (!shown)
            QApplication::processEvents();
        watching.join();
        shownMs.push_back(ms);
    }
    std::sort(shownMs.begin(), shownMs.end());
    std::printf("%.1f\n", shownMs[shownMs.size() / 2]);
    return 0;
}
