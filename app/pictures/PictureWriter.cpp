// Build tool: saves the program's pictures as PNG files, for the program's
// resources and, for the icon, for the desktop's menu.
// Usage: picture_writer PICTURES_FOLDER ICON_THEME_FOLDER
#include "PictureDrawings.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const QString pictures = QString::fromLocal8Bit(argv[1]);
    const QString theme = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(pictures))
        return 1;
    const std::pair<const char*, QImage> files[] = {
        {"hand.png", PictureDrawings::hand()},
        {"forbidden-hand.png", PictureDrawings::forbiddenHand()},
        {"grab.png", PictureDrawings::grab()},
        {"pen.png", PictureDrawings::pen()},
        {"close.png", PictureDrawings::closeGlyph()},
        {"icon-16.png", PictureDrawings::icon(16)},
        {"icon-32.png", PictureDrawings::icon(32)}};
    for (const auto& [name, image] : files)
        if (!image.save(pictures + QLatin1Char('/') + QLatin1String(name)))
            return 1;
    for (int size : {16, 32, 48}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        if (!QDir().mkpath(folder) ||
            !PictureDrawings::icon(size).save(folder + QStringLiteral("/halvero.png")))
            return 1;
    }
    return 0;
}
