#include "app/platform/RecentFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The recent files: newest first, each once, at most five, and only those
// that still exist.
class RecentFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }

    void newestFirstOnceAtMostFiveAndStillThere() {
        QStringList files;
        for (int i = 0; i < 7; ++i) {
            files << folder.filePath(QStringLiteral("menu%1.halvero").arg(i));
            QFile file(files.last());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        for (const QString& file : files)
            RecentFiles::add(file);
        QCOMPARE(RecentFiles::list(),
                 (QStringList{files[6], files[5], files[4], files[3], files[2]}));
        RecentFiles::add(files[4]);
        QCOMPARE(RecentFiles::list(),
                 (QStringList{files[4], files[6], files[5], files[3], files[2]}));
        QVERIFY(QFile::remove(files[6]));
        QVERIFY(QFile::remove(files[3]));
        QCOMPARE(RecentFiles::list(), (QStringList{files[4], files[5], files[2]}));
    }

private:
    QTemporaryDir config;
    QTemporaryDir folder;
};

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
