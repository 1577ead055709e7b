// Build tool: writes the window icon, which the program draws in code, as
// PNG files for the desktop's menu. Usage: icon_writer FOLDER
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const QIcon icon = Pictures::appIcon();
    for (int size : {16, 32, 48}) {
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) ||
            !icon.pixmap(size, size).save(folder + QStringLiteral("/halvero.png")))
            return 1;
    }
    return 0;
}
