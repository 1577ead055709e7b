#include "windows/document/MenuDocument.h"

#include "core/settings/SettingTable.h"
#include "core/settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using halvero::SettingTable;

// The open menu as every view sees it: one changed() an edit, the keys
// typed into one entry one step, "saved" following the history, and a
// file that cannot be read leaving the menu as it was.
class MenuDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void everyEditIsOneChangeAndTypingOneStep() {
        MenuDocument document;
        document.startNew();
        QSignalSpy changed(&document, &MenuDocument::changed);
        QSignalSpy saved(&document, &MenuDocument::savedStateChanged);
        for (const char* typed : {"1", "12", "123"})
            document.type(SettingTable::kItemWidth, typed);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(document.history()->count(), 1);
        QVERIFY(document.isModified());
        QCOMPARE(saved.count(), 1);
        document.pick(SettingTable::kDirection, "Horizontal");
        document.setPageLook(halvero::PageLook::kAlign, "end");
        QCOMPARE(changed.count(), 5);
        QCOMPARE(document.history()->count(), 3);
        // A pick of what the entry already holds is no step and no change.
        document.pick(SettingTable::kDirection, "Horizontal");
        QCOMPARE(document.history()->count(), 3);
        QCOMPARE(changed.count(), 5);
        for (int i = 0; i < 3; ++i)
            document.history()->undo();
        QCOMPARE(changed.count(), 8);
        QCOMPARE(document.settings().value(SettingTable::kItemWidth), std::string("120"));
        QVERIFY(!document.isModified());
        QCOMPARE(saved.count(), 2);
    }

    // Saved into one folder and opened again, the site folder is the same
    // folder, whichever folder the file is in; the file keeps it relative.
    void saveAndOpenKeepTheSiteFolder() {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkpath(QStringLiteral("menus/client")));
        QVERIFY(QDir(work.path()).mkpath(QStringLiteral("site")));
        const QString file = work.filePath(QStringLiteral("menus/client/menu.halvero"));
        MenuDocument document;
        document.startNew();
        document.setSiteFolder(work.filePath(QStringLiteral("site")));
        document.saveAs(file);
        QVERIFY(!document.isModified());
        QCOMPARE(halvero::SettingsFile::read(file.toStdString()).siteFolder,
                 std::string("../../site"));

        MenuDocument other;
        other.startNew();
        QSignalSpy replaced(&other, &MenuDocument::replaced);
        other.type(SettingTable::kItemWidth, "99");
        other.open(file);
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(other.siteFolder(), work.filePath(QStringLiteral("site")));
        QCOMPARE(other.settings().value(SettingTable::kItemWidth), std::string("120"));
        QCOMPARE(other.history()->count(), 0);
        QVERIFY(!other.isModified());
    }

    void aFileThatCannotBeReadChangesNothing() {
        QTemporaryDir work;
        const QString bad = work.filePath(QStringLiteral("bad.halvero"));
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("{\"format\": \"halvero-menu\", \"version\": 1, \"normal\": {\"fontSize\": 9}}");
        out.close();
        MenuDocument document;
        document.startNew();
        document.type(SettingTable::kItemWidth, "77");
        QSignalSpy changed(&document, &MenuDocument::changed);
        QVERIFY_THROWS_EXCEPTION(halvero::SettingsFileError, document.open(bad));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(document.settings().value(SettingTable::kItemWidth), std::string("77"));
        QVERIFY(document.path().isEmpty());
        QCOMPARE(document.history()->count(), 1);
        QVERIFY(document.isModified());
    }

    void anotherProgramsSaveIsNoticed() {
        QTemporaryDir work;
        const QString file = work.filePath(QStringLiteral("menu.halvero"));
        MenuDocument document;
        document.startNew();
        document.saveAs(file);
        QVERIFY(!document.fileChangedOnDisk());
        QFile out(file);
        QVERIFY(out.open(QIODevice::Append));
        out.write("\n");
        out.close();
        QVERIFY(document.fileChangedOnDisk());
        document.saveAs(file);
        QVERIFY(!document.fileChangedOnDisk());
    }
};

QTEST_GUILESS_MAIN(MenuDocumentTest)
#include "MenuDocumentTest.moc"
