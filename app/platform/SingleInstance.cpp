#include "app/platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

QString SingleInstance::runtimeFolder(QString* why) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString folder = QDir::tempPath() + QStringLiteral("/halvero-%1").arg(::getuid());
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), 0700);
    struct stat info = {};
    QString problem;
    if (::lstat(path.constData(), &info) != 0)
        problem = QString::fromLocal8Bit(std::strerror(errno));
    else if (!S_ISDIR(info.st_mode))
        problem = QStringLiteral("it is not a folder");
    else if (info.st_uid != ::getuid())
        problem = QStringLiteral("it belongs to another user");
    else if ((info.st_mode & 077) != 0)
        problem = QStringLiteral("others may use it");
    if (problem.isEmpty())
        return folder;
    if (why)
        *why = QStringLiteral("%1 cannot be trusted (%2), so files are not handed to a running "
                              "Halvero; set XDG_RUNTIME_DIR")
                   .arg(folder, problem);
    return {};
}

QString SingleInstance::lockPath(const QString& desktop) {
    const QString folder = runtimeFolder();
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/halvero-%1-%2.lock").arg(getuid()).arg(desktop);
}

bool SingleInstance::acquire(const QString& desktop) {
    const QString lock = lockPath(desktop);
    if (lock.isEmpty())
        return true; // no place to trust for a lock: better to run than refuse
    const QByteArray path = QFile::encodeName(lock);
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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
