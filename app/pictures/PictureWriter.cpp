// Build tool: saves the program's pictures for its resources, as raw
// premultiplied ARGB32 pixels in this machine's byte order (the program
// uses them in place: no decoder, no image-format plugins to look up at
// start), and the window icon as PNG files for the desktop's menu.
// Usage: picture_writer PICTURES_FOLDER ICON_THEME_FOLDER
#include "app/pictures/PictureDrawings.h"

#include <QDir>
#include <QFile>
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
        {"hand.argb", PictureDrawings::hand()},
        {"forbidden-hand.argb", PictureDrawings::forbiddenHand()},
        {"grab.argb", PictureDrawings::grab()},
        {"pen.argb", PictureDrawings::pen()},
        {"close.argb", PictureDrawings::closeGlyph()},
        {"icon-16.argb", PictureDrawings::icon(16)},
        {"icon-32.argb", PictureDrawings::icon(32)}};
    for (const auto& [name, picture] : files) {
        // Square pictures, rows without padding: the size follows from the
        // byte count.
        const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QFile file(pictures + QLatin1Char('/') + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) !=
                image.sizeInBytes())
            return 1;
    }
    for (int size : {16, 32, 48}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        if (!QDir().mkpath(folder) ||
            !PictureDrawings::icon(size).save(folder + QStringLiteral("/halvero.png")))
            return 1;
    }
    return 0;
}
