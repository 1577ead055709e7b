#pragma once

#include <QFileSystemWatcher>
#include <QTimer>
#include <optional>

// Tells when a page file may have changed on disk: written in place, or
// replaced by another file renamed over it (as the program writes its
// pages), seen through the file and its folder. It says "may": a change in
// the folder to another file is reported too, so whoever listens compares
// the bytes (read()). Where the system cannot watch, nothing is reported.
class PageFileWatch : public QObject {
    Q_OBJECT
public:
    explicit PageFileWatch(QObject* parent = nullptr);

    // Watches `path` from now on, instead of the file watched before.
    void watch(const QString& path);

    // The file as it is now; none when it cannot be read, or is larger than
    // any page the program writes.
    static std::optional<QByteArray> read(const QString& path);

signals:
    // Once for a burst of changes, a moment after the last.
    void mayHaveChanged();

private:
    void rewatch();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
};
