// The watch on the page file: a page written the way the program writes it
// (a new file renamed over the old) is reported each time, not only the
// first, and read() refuses what it cannot compare.
#include "windows/secondary/PageFileWatch.h"
#include "core/PageFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class PageFileWatchTest : public QObject {
    Q_OBJECT
private slots:
    void everyRewriteIsReported() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("pattern.htm"));
        PageFileWatch watch;
        watch.watch(path);
        QSignalSpy changed(&watch, &PageFileWatch::mayHaveChanged);
        for (const char* text : {"<p>one</p>", "<p>two</p>", "<p>three</p>"}) {
            const int before = changed.size();
            halvero::PageFile::write(path.toStdString(), text);
            QTRY_VERIFY(changed.size() > before);
            QCOMPARE(PageFileWatch::read(path).value_or("(none)"), QByteArray(text));
        }
        // Written in place, not renamed over.
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        const int before = changed.size();
        file.write("<p>four</p>");
        file.close();
        QTRY_VERIFY(changed.size() > before);
    }

    void readGivesNothingForMissingOrOversizedFiles() {
        QTemporaryDir folder;
        QVERIFY(!PageFileWatch::read(folder.filePath(QStringLiteral("none.htm"))));
        QFile large(folder.filePath(QStringLiteral("large.htm")));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize((4 << 20) + 1));
        large.close();
        QVERIFY(!PageFileWatch::read(large.fileName()));
        QVERIFY(!PageFileWatch::read(folder.path())); // a folder
    }
};

QTEST_GUILESS_MAIN(PageFileWatchTest)
#include "PageFileWatchTest.moc"
