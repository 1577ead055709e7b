#include "windows/secondary/PageFileWatch.h"

#include <QFile>
#include <QFileInfo>

PageFileWatch::PageFileWatch(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(50);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, [this] {
        rewatch();
        emit mayHaveChanged();
    });
}

void PageFileWatch::watch(const QString& path) {
    if (path == m_path)
        return;
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_path = path;
    rewatch();
}

// A file renamed over the watched one, or deleted, ends the watch on it:
// the one now at the path is watched again.
void PageFileWatch::rewatch() {
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

std::optional<QByteArray> PageFileWatch::read(const QString& path) {
    constexpr qint64 kLargest = 4 << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest)
        return std::nullopt;
    QByteArray bytes = file.read(kLargest + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kLargest)
        return std::nullopt;
    return bytes;
}
