#pragma once

#include <QStringList>

// The settings files the user opened or saved last, newest first, at most
// five, kept in Halvero's own configuration file (ConfigFile). Files that
// no longer exist are dropped whenever the list is read. Knows nothing of
// what the files hold.
class RecentFiles {
public:
    static constexpr int kMax = 5;

    static QStringList list();
    // Puts `path` first, removing it further down and anything past kMax.
    static void add(const QString& path);
};
