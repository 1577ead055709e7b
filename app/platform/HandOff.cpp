#include "app/platform/HandOff.h"

#include "app/platform/FileName.h"
#include "app/platform/SingleInstance.h"
#include "core/SettingsFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Whether the process at the other end of `socket` runs as this user.
bool peerIsThisUser(const QLocalSocket* socket) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    const auto fd = static_cast<int>(socket->socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}

QByteArray framed(const QByteArray& body) {
    QByteArray message(4, '\0');
    qToBigEndian(static_cast<quint32>(body.size()), message.data());
    return message + body;
}

// The body of a whole framed message at the start of `buffer`, taken out
// of it; nothing while it is incomplete. `tooLong` is set for a length
// over kMaxMessage.
std::optional<QByteArray> takeMessage(QByteArray& buffer, bool* tooLong) {
    *tooLong = false;
    if (buffer.size() < 4)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData());
    if (length > HandOff::kMaxMessage) {
        *tooLong = true;
        return std::nullopt;
    }
    if (buffer.size() < 4 + static_cast<qsizetype>(length))
        return std::nullopt;
    QByteArray body = buffer.mid(4, length);
    buffer.remove(0, 4 + length);
    return body;
}

// Why `name` cannot be opened as a settings file, or an empty text.
QString refusal(const QByteArray& name) {
    if (name.isEmpty() || name.contains('\0') || !name.startsWith('/'))
        return QStringLiteral("not an absolute file name");
    try {
        halvero::SettingsFile::read(name.toStdString());
    } catch (const halvero::SettingsFileError& error) {
        return QString::fromStdString(error.describe(name.toStdString()));
    }
    return {};
}

} // namespace

HandOff::HandOff(QObject* parent) : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &HandOff::accept);
}

QString HandOff::socketPath(const QString& desktop) {
    QString path = SingleInstance::lockPath(desktop);
    if (path.isEmpty())
        return {};
    path.chop(QStringLiteral(".lock").size());
    return path + QStringLiteral(".socket");
}

bool HandOff::listen(const QString& desktop) {
    // The caller holds the single-instance lock, so a socket file left here
    // belongs to a copy that has ended.
    const QString path = socketPath(desktop);
    if (path.isEmpty())
        return false;
    QLocalServer::removeServer(path);
    return m_server->listen(path);
}

void HandOff::setReceiver(std::function<void(const QString&)> receiver) {
    m_receiver = std::move(receiver);
    deliver();
}

void HandOff::deliver() {
    while (m_receiver && !m_waiting.isEmpty())
        m_receiver(m_waiting.takeFirst());
}

HandOff::Answer HandOff::send(const QString& desktop, const QString& path) {
    const QString socketFile = socketPath(desktop);
    if (socketFile.isEmpty())
        return {false, QStringLiteral("no safe place to reach the running Halvero")};
    // The running copy may have taken the lock a moment ago and not be
    // listening yet: try again until it does.
    const QDeadlineTimer deadline(kWaitMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketFile);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return {false, QStringLiteral("the running Halvero does not answer")};
        QThread::msleep(50);
    }
    if (!peerIsThisUser(&socket))
        return {false, QStringLiteral("the running Halvero belongs to another user")};
    const QString absolute =
        QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QDir::current().absoluteFilePath(path);
    socket.write(framed(FileName::encode(absolute)));
    QByteArray buffer;
    bool tooLong = false;
    while (socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        buffer += socket.readAll();
        if (const auto answer = takeMessage(buffer, &tooLong)) {
            if (answer->isEmpty())
                return {true, {}};
            return {false, QString::fromUtf8(*answer)};
        }
        if (tooLong)
            break;
    }
    return {false, QStringLiteral("the running Halvero does not answer")};
}

void HandOff::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsThisUser(socket)) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A peer that never finishes its message is dropped.
        QTimer::singleShot(kWaitMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void HandOff::read(QLocalSocket* socket) {
    QByteArray buffer = socket->property("received").toByteArray() + socket->readAll();
    bool tooLong = false;
    const std::optional<QByteArray> name = takeMessage(buffer, &tooLong);
    if (tooLong) {
        socket->abort();
        return;
    }
    if (!name) {
        socket->setProperty("received", buffer);
        return;
    }
    const QString why = refusal(*name);
    socket->write(framed(why.toUtf8()));
    socket->flush();
    socket->disconnectFromServer();
    if (!why.isEmpty())
        return;
    m_waiting << FileName::decode(*name);
    // Delivered from the event loop, not from inside the socket's signal.
    QTimer::singleShot(0, this, &HandOff::deliver);
}
