#include "app/platform/PageFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PageFolder::PageFolder(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QString PageFolder::perUserFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Halvero"));
}

void PageFolder::decide() {
    // Asked with the effective user's rights, as the write will be made.
    const QByteArray folder = QFile::encodeName(m_programFolder);
    m_perUser = ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0 &&
                (errno == EACCES || errno == EROFS || errno == EPERM);
    m_path = m_perUser ? perUserFolder() : m_programFolder;
}

QString PageFolder::path() {
    if (!m_path)
        decide();
    return *m_path;
}

bool PageFolder::isPerUser() {
    if (!m_path)
        decide();
    return m_perUser;
}

bool PageFolder::prepare(QString* reason) {
    if (!isPerUser())
        return true;
    // Made one level at a time, so the reason is the system's own.
    const QByteArray folder = QFile::encodeName(*m_path);
    QByteArray partial;
    for (const QByteArray& part : folder.split('/')) {
        partial += part;
        if (!partial.isEmpty() && ::mkdir(partial.constData(), 0777) != 0 && errno != EEXIST) {
            *reason = QFile::decodeName(partial) + QStringLiteral(": ") +
                      QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        partial += '/';
    }
    struct stat status = {};
    if (::stat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        *reason = QFile::decodeName(folder) + QStringLiteral(": ") +
                  QString::fromLocal8Bit(std::strerror(ENOTDIR));
        return false;
    }
    return true;
}
