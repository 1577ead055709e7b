#include "Pictures.h"

namespace {

QString resource(const char* name) {
    return QStringLiteral(":/pictures/") + QLatin1String(name);
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
            entry = {name, new QCursor(QPixmap(resource(name)), x, y)};
            return *entry.cursor;
        }
    }
    static const QCursor arrow(Qt::ArrowCursor);
    return arrow;
}

constexpr char kHand[] = "hand.png";
constexpr char kForbiddenHand[] = "forbidden-hand.png";
constexpr char kGrab[] = "grab.png";
constexpr char kPen[] = "pen.png";

} // namespace

QCursor Pictures::HandPointer() {
    return cursor(kHand, 12, 1);
}
QCursor Pictures::ForbiddenHandPointer() {
    return cursor(kForbiddenHand, 12, 1);
}
QCursor Pictures::GrabPointer() {
    return cursor(kGrab, 7, 7);
}
QCursor Pictures::PenPointer() {
    return cursor(kPen, 5, 9);
}

QPixmap Pictures::handImage() {
    return HandPointer().pixmap();
}
QPixmap Pictures::forbiddenHandImage() {
    return ForbiddenHandPointer().pixmap();
}
QPixmap Pictures::grabImage() {
    return GrabPointer().pixmap();
}
QPixmap Pictures::penImage() {
    return PenPointer().pixmap();
}

QPixmap Pictures::closeGlyph() {
    return QPixmap(resource("close.png"));
}

QIcon Pictures::appIcon() {
    // Files added to an icon are read only when a size is first drawn.
    QIcon icon;
    icon.addFile(resource("icon-16.png"), QSize(16, 16));
    icon.addFile(resource("icon-32.png"), QSize(32, 32));
    return icon;
}
