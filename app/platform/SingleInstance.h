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

    // The lock file for `desktop`, in runtimeFolder(); empty when there is
    // no folder to trust, and then acquire() runs unlocked.
    static QString lockPath(const QString& desktop);
    // The folder the lock and the hand-off's socket live in: the user's
    // runtime folder ($XDG_RUNTIME_DIR), or else "halvero-UID" in the
    // temporary folder, made for this user alone and checked to be so (a
    // name in /tmp can be taken by anyone first). Empty, with the reason in
    // `why`, when neither can be trusted.
    static QString runtimeFolder(QString* why = nullptr);

private:
    int m_fd = -1;
};
