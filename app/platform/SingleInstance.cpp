#include "app/platform/SingleInstance.h"

#include <QDir>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString SingleInstance::currentDesktop() {
    QString desktop = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (desktop.isEmpty()) {
        desktop = qEnvironmentVariable("DISPLAY");
        // ":0" and ":0.1" are the same desktop: drop a screen number.
        const qsizetype dot = desktop.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && dot + 1 < desktop.size()) {
            bool digits = true;
            for (qsizetype i = dot + 1; i < desktop.size(); ++i)
                digits = digits && desktop[i].isDigit() && desktop[i].unicode() < 128;
            if (digits)
                desktop.truncate(dot);
        }
    }
    if (desktop.isEmpty())
        desktop = QStringLiteral("none");
    // Only characters that are safe in a file name.
    for (QChar& c : desktop) {
        const char16_t u = c.unicode();
        const bool safe = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                          (u >= '0' && u <= '9') || u == '_' || u == '.' || u == '-';
        if (!safe)
            c = QLatin1Char('_');
    }
    return desktop;
}

QString SingleInstance::lockPath(const QString& desktop) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/halvero-%1-%2.lock").arg(getuid()).arg(desktop);
}

bool SingleInstance::acquire(const QString& desktop) {
    const QByteArray path = lockPath(desktop).toLocal8Bit();
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return true; // no place for a lock: better to run than refuse
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    ::close(m_fd);
    m_fd = -1;
    return false;
}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0)
        ::close(m_fd);
}
