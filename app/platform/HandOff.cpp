#include "app/platform/HandOff.h"

#include "app/platform/FileName.h"
#include "app/platform/SingleInstance.h"
#include "core/settings/SettingsFile.h"
#include "core/text/TextEncoding.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

// A socket descriptor closed when it goes out of scope.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// The address of the socket file `path`; nothing when the name does not fit.
std::optional<sockaddr_un> addressOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return address;
}

// Whether the process at the other end of `fd` runs as this user.
bool peerIsThisUser(int fd) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}

// Writes all of `data`; false when the peer is gone or would not take it.
bool sendAll(int fd, const QByteArray& data) {
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + sent,
                                 static_cast<std::size_t>(data.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
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

// A connection to the listener at `address`, retried until `deadline`
// while the running copy is not listening yet; -1 when it never answers.
int connectBefore(const sockaddr_un& address, const QDeadlineTimer& deadline) {
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return -1;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        ::close(fd);
        if (deadline.hasExpired())
            return -1;
        QThread::msleep(50);
    }
}

// Ends a connection: no more reading, and its socket closes as the
// notifier goes.
void drop(QSocketNotifier* connection) {
    connection->setEnabled(false);
    connection->deleteLater();
}

} // namespace

HandOff::HandOff(QObject* parent) : QObject(parent) {}

HandOff::~HandOff() {
    if (m_listener < 0)
        return;
    ::close(m_listener);
    QFile::remove(m_socketFile);
}

QString HandOff::socketPath(const QString& desktop) {
    QString path = SingleInstance::lockPath(desktop);
    if (path.isEmpty())
        return {};
    path.chop(QStringLiteral(".lock").size());
    return path + QStringLiteral(".socket");
}

bool HandOff::listen(const QString& desktop) {
    const QString path = socketPath(desktop);
    const std::optional<sockaddr_un> address = addressOf(path);
    if (m_listener >= 0 || !address)
        return false;
    Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (listener.fd < 0)
        return false;
    // The caller holds the single-instance lock, so a socket file left here
    // belongs to a copy that has ended.
    ::unlink(address->sun_path);
    if (::bind(listener.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0)
        return false;
    // Besides the check of each peer's user, only this user may connect.
    if (::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener.fd, 8) != 0) {
        ::unlink(address->sun_path);
        return false;
    }
    m_listener = std::exchange(listener.fd, -1);
    m_socketFile = path;
    auto* incoming = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, &HandOff::accept);
    return true;
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
    const std::optional<sockaddr_un> address = addressOf(socketPath(desktop));
    if (!address)
        return {false, QStringLiteral("no safe place to reach the running Halvero")};
    const Answer silent{false, QStringLiteral("the running Halvero does not answer")};
    const QDeadlineTimer deadline(kWaitMs);
    const Descriptor socket(connectBefore(*address, deadline));
    if (socket.fd < 0)
        return silent;
    if (!peerIsThisUser(socket.fd))
        return {false, QStringLiteral("the running Halvero belongs to another user")};
    const QString absolute =
        QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QDir::current().absoluteFilePath(path);
    if (!sendAll(socket.fd, framed(FileName::encode(absolute))))
        return silent;
    QByteArray buffer;
    bool tooLong = false;
    for (;;) {
        pollfd ready{socket.fd, POLLIN, 0};
        const int waited = ::poll(&ready, 1, static_cast<int>(deadline.remainingTime()));
        if (waited < 0 && errno == EINTR)
            continue;
        if (waited <= 0)
            return silent;
        char chunk[4096];
        const ssize_t got = ::read(socket.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return silent;
        buffer.append(chunk, got);
        if (const auto answer = takeMessage(buffer, &tooLong)) {
            if (answer->isEmpty())
                return {true, {}};
            return {false, QString::fromUtf8(*answer)};
        }
        if (tooLong)
            return silent;
    }
}

void HandOff::accept() {
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // none waiting
        }
        if (!peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        auto* connection = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(connection, &QObject::destroyed, [fd] { ::close(fd); });
        connect(connection, &QSocketNotifier::activated, this,
                [this, connection] { read(connection); });
        // A peer that never finishes its message is dropped.
        QTimer::singleShot(kWaitMs, connection, [connection] { drop(connection); });
    }
}

void HandOff::read(QSocketNotifier* connection) {
    const int fd = static_cast<int>(connection->socket());
    QByteArray buffer = connection->property("received").toByteArray();
    bool ended = false;
    for (;;) {
        char chunk[4096];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0) {
            buffer.append(chunk, got);
            if (buffer.size() > 4 + kMaxMessage)
                break; // more than any message: it is whole or refused by now
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    bool tooLong = false;
    const std::optional<QByteArray> name = takeMessage(buffer, &tooLong);
    if (!name) {
        if (tooLong || ended)
            drop(connection);
        else
            connection->setProperty("received", buffer);
        return;
    }
    const QString why = refusal(*name);
    // The answer is short enough to go whole through the socket's buffer,
    // however long the name or the reason it quotes.
    sendAll(fd, framed(QByteArray::fromStdString(
                    halvero::firstLineQuoted(why.toUtf8().toStdString(), kMaxAnswer))));
    drop(connection);
    if (!why.isEmpty())
        return;
    m_waiting << FileName::decode(*name);
    // Delivered from the event loop, not from inside the notifier's signal.
    QTimer::singleShot(0, this, &HandOff::deliver);
}
