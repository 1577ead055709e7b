#include "app/pictures/Pictures.h"

#include <QResource>
#include <cmath>

namespace {

// A picture as picture_writer stored it: square, premultiplied ARGB32
// pixels, uncompressed, so the image uses the resource's bytes in place.
QPixmap picture(const char* name) {
    const QResource resource(QStringLiteral(":/pictures/") + QLatin1String(name));
    const int side = static_cast<int>(std::lround(std::sqrt(resource.size() / 4.0)));
    if (resource.data() == nullptr || resource.size() != qint64(side) * side * 4)
        return {};
    return QPixmap::fromImage(
        QImage(resource.data(), side, side, side * 4, QImage::Format_ARGB32_Premultiplied));
}

// Decoded at the first call, then shared: cursors and pixmaps share their
// pixels, so handing out copies is cheap. Held for the program's life.
const QCursor& cursor(const char* name, int x, int y) {
    struct Cached {
        const char* name;
        QCursor* cursor;
    };
    static Cached cache[4] = {};
    for (Cached& entry : cache) {
        if (entry.name == name)
            return *entry.cursor;
        if (!entry.name) {
            entry = {name, new QCursor(picture(name), x, y)};
            return *entry.cursor;
        }
    }
    static const QCursor arrow(Qt::ArrowCursor);
    return arrow;
}

constexpr char kHand[] = "hand.argb";
constexpr char kForbiddenHand[] = "forbidden-hand.argb";
constexpr char kGrab[] = "grab.argb";
constexpr char kPen[] = "pen.argb";

} // namespace

QCursor Pictures::handPointer() {
    return cursor(kHand, 12, 1);
}
QCursor Pictures::forbiddenHandPointer() {
    return cursor(kForbiddenHand, 12, 1);
}
QCursor Pictures::grabPointer() {
    return cursor(kGrab, 7, 7);
}
QCursor Pictures::penPointer() {
    return cursor(kPen, 5, 9);
}

QPixmap Pictures::closeGlyph() {
    return picture("close.argb");
}

QIcon Pictures::appIcon() {
    QIcon icon;
    icon.addPixmap(picture("icon-16.argb"));
    icon.addPixmap(picture("icon-32.argb"));
    return icon;
}
