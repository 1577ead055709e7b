#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QSocketNotifier;

// Hands a settings file from a second start of the program to the copy
// already running on the same desktop, through a local socket beside the
// single-instance lock. The running copy listens from the moment it holds
// the lock; a second copy sends the file's absolute path and waits for the
// answer, so it never reports a file taken that was not.
//
// A message is a 4-byte big-endian length and the path's bytes as the file
// system holds them (any name arrives whole, newlines included); the answer
// is a length and UTF-8 text, empty when the file was taken, else why not.
// Only this user's processes are heard, and a sender talks only to a
// listener of its own user. The listener checks that the file can be read
// as a settings file before it answers; files wait for the receiver (the
// window) until it is set.
//
// Plain Unix sockets watched by the event loop: the program starts without
// loading a network library for one small message.
class HandOff : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxMessage = 64 * 1024;
    // The most characters of a refusal the answer quotes.
    static constexpr std::size_t kMaxAnswer = 2000;
    // How long a sender waits for the running copy to listen and answer.
    static constexpr int kWaitMs = 5000;

    struct Answer {
        bool taken = false;
        QString reason; // why not, when not taken
    };

    explicit HandOff(QObject* parent = nullptr);
    ~HandOff() override;

    // Starts listening for `desktop`; false when the socket cannot be made.
    bool listen(const QString& desktop);
    // Where handed-over files go, now and from now on.
    void setReceiver(std::function<void(const QString& path)> receiver);
    // Sends `path` to the copy listening for `desktop` (blocking, up to
    // kWaitMs) and returns its answer.
    static Answer send(const QString& desktop, const QString& path);

    // Empty when there is no folder to trust for it.
    static QString socketPath(const QString& desktop);

private:
    void accept();
    void read(QSocketNotifier* connection);
    void deliver();

    int m_listener = -1;
    QString m_socketFile;
    std::function<void(const QString&)> m_receiver;
    QStringList m_waiting;
};
