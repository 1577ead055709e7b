// The baseline for the start-up benchmark: the smallest Qt Widgets program
// that shows a window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(921, 489);
    window.show();
    return application.exec();
}
