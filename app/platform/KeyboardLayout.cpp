#include "app/platform/KeyboardLayout.h"

#include "app/platform/X11Connection.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The layout field of the root window's _XKB_RULES_NAMES property: rules,
// model, layout, variant and options as NUL-separated strings.
QString rulesLayouts(Display* display) {
    const Atom names = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (names == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), names, 0, 1024, False, XA_STRING,
                           &type, &format, &count, &remaining, &data) != Success ||
        !data)
        return {};
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count)).split('\0');
    XFree(data);
    return fields.size() > 2 ? QString::fromLatin1(fields[2]) : QString();
}

} // namespace

bool KeyboardLayout::isPersianOrArabic(const QString& layout) {
    const QString base = layout.section(QLatin1Char('('), 0, 0).trimmed();
    return base == QLatin1String("ir") || base == QLatin1String("ara");
}

QStringList KeyboardLayout::layouts() {
    Display* display = X11Connection::display();
    if (!display)
        return {};
    return rulesLayouts(display).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

int KeyboardLayout::currentGroup() {
    Display* display = X11Connection::display();
    XkbStateRec state{};
    if (!display || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return 0;
    return state.group;
}

void KeyboardLayout::lockGroup(int group) {
    Display* display = X11Connection::display();
    if (!display || group < 0)
        return;
    XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group));
    XSync(display, False);
}

bool KeyboardLayout::switchAwayFromRightToLeft() {
    Display* display = X11Connection::display();
    const QStringList list = layouts();
    const int group = currentGroup();
    if (!display || group >= list.size() || !isPersianOrArabic(list[group]))
        return false;
    lockGroup(static_cast<int>((group + 1) % list.size()));
    return true;
}
