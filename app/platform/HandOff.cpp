#include "app/platform/HandOff.h"

#include "app/platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 2000;

// Whether the process at the other end of `socket` runs as this user.
bool peerIsThisUser(const QLocalSocket* socket) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    const auto fd = static_cast<int>(socket->socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}

} // namespace

HandOff::HandOff(QObject* parent) : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &HandOff::accept);
}

QString HandOff::socketPath(const QString& desktop) {
    QString path = SingleInstance::lockPath(desktop);
    path.chop(QStringLiteral(".lock").size());
    return path + QStringLiteral(".socket");
}

bool HandOff::listen(const QString& desktop) {
    // The caller holds the single-instance lock, so a socket file left here
    // belongs to a copy that has ended.
    const QString path = socketPath(desktop);
    QLocalServer::removeServer(path);
    return m_server->listen(path);
}

bool HandOff::send(const QString& desktop, const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(socketPath(desktop));
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(QFileInfo(path).absoluteFilePath().toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

void HandOff::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsThisUser(socket)) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A peer that never finishes its line is dropped.
        QTimer::singleShot(kWaitMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void HandOff::read(QLocalSocket* socket) {
    if (socket->bytesAvailable() > kMaxMessage) {
        socket->abort();
        return;
    }
    if (!socket->canReadLine())
        return;
    QByteArray line = socket->readLine(kMaxMessage);
    socket->abort();
    line.chop(1); // the newline
    auto decode = QStringDecoder(QStringDecoder::Utf8);
    const QString path = decode(line);
    if (decode.hasError() || path.isEmpty() || path.contains(QChar(0)) ||
        !QDir::isAbsolutePath(path))
        return;
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return;
    emit fileHandedOver(file.absoluteFilePath());
}
