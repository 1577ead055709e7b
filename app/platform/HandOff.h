#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Hands a settings file from a second start of the program to the copy
// already running on the same desktop, through a local socket in the
// user's runtime folder. The running copy listens; a second copy sends
// the file's absolute path and exits. Only this user's processes are
// heard (the socket is the user's alone and the peer's user id is
// checked); a message that is malformed, over 64 KB or names no readable
// file is ignored. It does not open the file: the window does.
class HandOff : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxMessage = 64 * 1024;

    explicit HandOff(QObject* parent = nullptr);

    // Starts listening for `desktop`; false when the socket cannot be made.
    bool listen(const QString& desktop);
    // Sends `path` to the copy listening for `desktop`; false when none
    // took it.
    static bool send(const QString& desktop, const QString& path);

    static QString socketPath(const QString& desktop);

signals:
    void fileHandedOver(const QString& path);

private:
    void accept();
    void read(QLocalSocket* socket);

    QLocalServer* m_server;
};
