#include "app/platform/HandOff.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    }
    void cleanup() { receiver.reset(); }

    void aSecondStartHandsItsFileOver() {
        QSignalSpy handed(receiver.get(), &HandOff::fileHandedOver);
        bool sent = false;
        QTimer::singleShot(0, [&] { sent = HandOff::send(kDesktop, file); });
        QTRY_COMPARE(handed.count(), 1);
        QVERIFY(sent);
        QCOMPARE(handed.first().first().toString(), file);
        QVERIFY(!HandOff::send(QStringLiteral("no-such-desktop"), file));
    }

    // Whatever else arrives leaves the running window as it is.
    void malformedMessagesAreIgnored_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("relative path") << QByteArray("menu.halvero\n");
        QTest::newRow("no such file") << QByteArray("/nonexistent/menu.halvero\n");
        QTest::newRow("a folder") << QByteArray("/tmp\n");
        QTest::newRow("not UTF-8") << QByteArray("/tmp/\xff\xfe.halvero\n");
        QTest::newRow("no newline") << QByteArray("/tmp");
        QTest::newRow("empty") << QByteArray("\n");
        QTest::newRow("over 64 KB") << QByteArray("/") + QByteArray(70 * 1024, 'a') + "\n";
    }
    void malformedMessagesAreIgnored() {
        QFETCH(QByteArray, message);
        QSignalSpy handed(receiver.get(), &HandOff::fileHandedOver);
        QLocalSocket socket;
        socket.connectToServer(HandOff::socketPath(kDesktop));
        QVERIFY(socket.waitForConnected(2000));
        socket.write(message);
        socket.flush();
        QTest::qWait(300);
        socket.disconnectFromServer();
        QTest::qWait(100);
        QCOMPARE(handed.count(), 0);
    }

private:
    const QString kDesktop = QStringLiteral("handoff-test");
    QTemporaryDir runtime;
    std::unique_ptr<HandOff> receiver;
    QString file;
};

QTEST_MAIN(HandOffTest)
#include "HandOffTest.moc"
