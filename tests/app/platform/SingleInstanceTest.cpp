#include "app/platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        desktop = QStringLiteral("test-%1-%2").arg(getpid()).arg(QTest::currentTestFunction());
    }
    void cleanup() { QFile::remove(SingleInstance::lockPath(desktop)); }

    void secondCopyOnTheSameDesktopIsRefused() {
        SingleInstance first;
        QVERIFY(first.acquire(desktop));
        SingleInstance second;
        QVERIFY(!second.acquire(desktop));
        SingleInstance elsewhere;
        QVERIFY(elsewhere.acquire(desktop + QStringLiteral("-other")));
        QFile::remove(SingleInstance::lockPath(desktop + QStringLiteral("-other")));
    }

    // Without a runtime folder, the lock and socket go to a folder in /tmp
    // that must be this user's alone: one that others may use, or have
    // taken first, is not trusted, and the lock is off.
    void aFolderInTmpIsTrustedOnlyWhenItIsPrivate() {
        QTemporaryDir tmp;
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        const QString folder = tmp.filePath(QStringLiteral("halvero-%1").arg(::getuid()));
        QVERIFY(QDir().mkdir(folder));
        ::chmod(QFile::encodeName(folder).constData(), 0777);
        QString why;
        QVERIFY(SingleInstance::runtimeFolder(&why).isEmpty());
        QVERIFY2(why.contains(QStringLiteral("others may use it")), qPrintable(why));
        QVERIFY(SingleInstance::lockPath(desktop).isEmpty());
        QVERIFY(QDir().rmdir(folder));
        QCOMPARE(SingleInstance::runtimeFolder(), folder);
        QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions());
        qunsetenv("TMPDIR");
        qputenv("XDG_RUNTIME_DIR", runtime);
    }

    void lockEndsWithItsHolder() {
        {
            SingleInstance first;
            QVERIFY(first.acquire(desktop));
        }
        SingleInstance next;
        QVERIFY(next.acquire(desktop));
    }

    void killedHolderNeverBlocksTheNextStart() {
        int ready[2];
        QCOMPARE(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance held;
            const char ok = held.acquire(desktop) ? '1' : '0';
            (void)!write(ready[1], &ok, 1);
            pause();
            _exit(0);
        }
        char ok = 0;
        QCOMPARE(read(ready[0], &ok, 1), ssize_t(1));
        QCOMPARE(ok, '1');
        SingleInstance whileHeld;
        QVERIFY(!whileHeld.acquire(desktop));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        SingleInstance after;
        QVERIFY(after.acquire(desktop));
        close(ready[0]);
        close(ready[1]);
    }

    void desktopNameIsSafeForAFileName() {
        qputenv("WAYLAND_DISPLAY", "");
        qputenv("DISPLAY", ":7.1");
        QCOMPARE(SingleInstance::currentDesktop(), QStringLiteral("_7"));
        qputenv("DISPLAY", "host/../x:3");
        QVERIFY(!SingleInstance::currentDesktop().contains(QLatin1Char('/')));
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        QCOMPARE(SingleInstance::currentDesktop(), QStringLiteral("wayland-0"));
    }

private:
    QString desktop;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
