#include "SingleInstance.h"

#include <QDir>
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString SingleInstance::currentDesktop() {
    QString desktop = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (desktop.isEmpty()) {
        desktop = qEnvironmentVariable("DISPLAY");
        // ":0" and ":0.1" are the same desktop.
        desktop.remove(QRegularExpression(QStringLiteral("\\.\\d+$")));
    }
    if (desktop.isEmpty())
        desktop = QStringLiteral("none");
    desktop.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
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
