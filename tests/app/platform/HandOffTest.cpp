#include "app/platform/HandOff.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <future>
#include <sys/stat.h>

class HandOffTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        receiver = std::make_unique<HandOff>();
        QVERIFY(receiver->listen(kDesktop));
        file = runtime.filePath(QStringLiteral("menu.halvero"));
        QFile menu(file);
        QVERIFY(menu.open(QIODevice::WriteOnly));
        menu.write(R"({"format": "halvero-menu", "version": 1})");
    }
    void cleanup() { receiver.reset(); }

    // A file sent before the window is ready waits for it; the sender is
    // told the file was taken only once the running copy has it.
    void aSecondStartHandsItsFileOver() {
        auto answer = sendInBackground(file);
        QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(answer.get().taken);
        QStringList handed;
        receiver->setReceiver([&](const QString& path) { handed << path; });
        QCOMPARE(handed, QStringList{file});

        // Any name a file system allows arrives whole, newlines included.
        const QString odd = runtime.filePath(QStringLiteral("two\nlines \xE2\x80\xA8.halvero"));
        QVERIFY(QFile::copy(file, odd));
        answer = sendInBackground(odd);
        QTRY_COMPARE(handed.size(), 2);
        QVERIFY(answer.get().taken);
        QCOMPARE(handed.last(), odd);
    }

    // A file the running copy cannot open is refused to the sender, with
    // the reason, and never reaches the window.
    void filesThatCannotBeOpenedAreRefusedToTheSender() {
        QStringList handed;
        receiver->setReceiver([&](const QString& path) { handed << path; });
        const QString fifo = runtime.filePath(QStringLiteral("fifo.halvero"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString& path :
             {runtime.filePath(QStringLiteral("missing.halvero")), fifo, runtime.path()}) {
            auto answer = sendInBackground(path);
            QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
            const HandOff::Answer got = answer.get();
            QVERIFY2(!got.taken, qPrintable(path));
            QVERIFY2(got.reason.startsWith(path), qPrintable(got.reason));
        }
        QTest::qWait(50);
        QVERIFY(handed.isEmpty());
        const HandOff::Answer nobody = HandOff::send(QStringLiteral("no-such-desktop"), file);
        QVERIFY(!nobody.taken);
    }

    // A refusal whose reason would quote much of the file still reaches
    // the sender whole, short, and as a refusal.
    void aLongRefusalArrivesAsARefusal() {
        const QString odd = runtime.filePath(QStringLiteral("odd.halvero"));
        QFile menu(odd);
        QVERIFY(menu.open(QIODevice::WriteOnly));
        menu.write("{\"format\": \"" + QByteArray(300 * 1024, 'x') + "\", \"version\": 1}");
        menu.close();
        auto answer = sendInBackground(odd);
        QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        const HandOff::Answer got = answer.get();
        QVERIFY(!got.taken);
        QVERIFY2(got.reason.startsWith(odd) && got.reason.contains(QStringLiteral("format")),
                 qPrintable(got.reason.left(200)));
        QVERIFY(got.reason.size() < 1000);
    }

    // A message that arrives in pieces, split inside its length, is put
    // back together and answered.
    void aMessageInPiecesIsJoined() {
        QStringList handed;
        receiver->setReceiver([&](const QString& path) { handed << path; });
        QLocalSocket socket;
        socket.connectToServer(HandOff::socketPath(kDesktop));
        QVERIFY(socket.waitForConnected(2000));
        const QByteArray message = frame(QFile::encodeName(file));
        for (const QByteArray& piece : {message.left(2), message.mid(2, 9), message.mid(11)}) {
            socket.write(piece);
            socket.flush();
            QTest::qWait(30);
        }
        QTRY_COMPARE(handed, QStringList{file});
        QByteArray answer;
        QTRY_VERIFY((answer += socket.readAll()).size() >= 4);
        QCOMPARE(answer, frame(""));
    }

    // Whatever else arrives leaves the running window as it is.
    void malformedMessagesAreIgnored_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("relative path") << frame("menu.halvero");
        QTest::newRow("empty") << frame("");
        QTest::newRow("cut short") << frame("/tmp/menu.halvero").chopped(3);
        QTest::newRow("a line, no length") << QByteArray("/tmp/menu.halvero\n");
        QTest::newRow("over 64 KB") << frame("/" + QByteArray(70 * 1024, 'a'));
    }
    void malformedMessagesAreIgnored() {
        QFETCH(QByteArray, message);
        QStringList handed;
        receiver->setReceiver([&](const QString& path) { handed << path; });
        QLocalSocket socket;
        socket.connectToServer(HandOff::socketPath(kDesktop));
        QVERIFY(socket.waitForConnected(2000));
        socket.write(message);
        socket.flush();
        QTest::qWait(300);
        socket.disconnectFromServer();
        QTest::qWait(100);
        QVERIFY(handed.isEmpty());
    }

private:
    static QByteArray frame(const QByteArray& body) {
        QByteArray length(4, '\0');
        qToBigEndian(static_cast<quint32>(body.size()), length.data());
        return length + body;
    }
    // A second start's send, from a thread of its own, as another process
    // would; this thread's event loop answers it.
    std::future<HandOff::Answer> sendInBackground(const QString& path) {
        return std::async(std::launch::async,
                          [this, path] { return HandOff::send(kDesktop, path); });
    }

    const QString kDesktop = QStringLiteral("handoff-test");
    QTemporaryDir runtime;
    std::unique_ptr<HandOff> receiver;
    QString file;
};

QTEST_MAIN(HandOffTest)
#include "HandOffTest.moc"
