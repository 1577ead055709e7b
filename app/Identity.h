#pragma once

#include <QString>

// The application's identity as the About window shows it: its name, the
// text of its release date (two dates in two calendars, shown as written)
// and its version, taken from the one version the build sets. Fixed text,
// computed from nothing; the main window's caption is its own.
class Identity {
public:
    static QString name();
    static QString date();
    static QString version();
};
