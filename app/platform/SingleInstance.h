#pragma once

#include <QString>

// One running copy per user and desktop. The lock is an advisory file lock
// that the system drops when the process ends in any way, so a copy that was
// killed or crashed never blocks the next start.
class SingleInstance {
public:
    // The desktop the program runs on: the X display (without a screen
    // number) or the Wayland display, as part of a file name.
    static QString currentDesktop();

    // Takes the lock for `desktop`; false when another process holds it.
    // The lock is kept until the object is destroyed.
    bool acquire(const QString& desktop);
    ~SingleInstance();

    static QString lockPath(const QString& desktop);

private:
    int m_fd = -1;
};
