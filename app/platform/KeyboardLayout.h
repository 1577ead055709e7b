#pragma once

#include <QString>
#include <QStringList>

// The keyboard layouts of the X11 desktop: the user's list (from the XKB
// rules names, e.g. "ir,us") and the active group. On another window system
// the list is empty and nothing is switched.
class KeyboardLayout {
public:
    static QStringList layouts();
    static int currentGroup();
    // Makes `group` the active layout; does nothing without an X server.
    static void lockGroup(int group);

    // When the active layout is Persian ("ir") or Arabic ("ara"), switches to
    // the next layout in the user's list (wrapping round); any other layout
    // is left alone. Returns true when it switched.
    static bool switchAwayFromRightToLeft();

    // Whether a layout name is Persian or Arabic ("ir", "ara", "ir(pes)").
    static bool isPersianOrArabic(const QString& layout);
};
