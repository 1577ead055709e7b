#include "tests/windows/WindowTest.h"

#include "windows/document/MenuDocument.h"

#include <QListWidget>

// The looks Halvero ships, reached from the main window: Page > Apply
// Look... and File > New From Look..., through the keys.
class LookDialogTest : public WindowTest {
    Q_OBJECT
private slots:
    // A look highlighted reaches the menu at once (the live preview shows
    // it); the one applied is one step that Undo takes back whole, and the
    // menu's own items and target stay. Cancel leaves the menu as it was.
    void applyLookIsOneStepThatUndoTakesBack() {
        const QString plain = createdPage();
        auto* document = window->findChild<MenuDocument*>();
        QString whileOpen;
        bool itemsKept = false;
        auto apply = [this](const std::function<void(QDialog*)>& pick) {
            inDialog(
                [this] { window->findChild<QAction*>(QStringLiteral("applyLook"))->trigger(); },
                pick);
        };
        apply([&](QDialog* dialog) {
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("looks"));
            QCOMPARE(QApplication::focusWidget(), list);
            for (int i = 0; i < 3; ++i) // Classic, Brand bar, Underline tabs, Pills
                QTest::keyClick(list, Qt::Key_Down);
            whileOpen = QString::fromStdString(document->page({2026, 1, 2, 3, 4, 5}));
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY(whileOpen.contains(QStringLiteral("border-radius: 999px;")));
        const QString pills = createdPage();
        QVERIFY(pills.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(pills.contains(QStringLiteral("border-radius: 999px;")));
        QVERIFY2(pills.contains(QStringLiteral("target=\"_blank\"")), "the menu's target stays");
        itemsKept = box(SettingTable::kItemCount)->currentText() == QStringLiteral("5");
        QVERIFY(itemsKept);
        QVERIFY(document->isModified());

        window->findChild<QAction*>(QStringLiteral("undo"))->trigger(); // Edit > Undo
        QCOMPARE(stamped(createdPage()), stamped(plain));
        QCOMPARE(box("normal.fontName")->currentText(), QStringLiteral("Tahoma"));

        apply([](QDialog* dialog) {
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("looks"));
            QTest::keyClick(list, Qt::Key_End); // Sidebar, shown live
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QCOMPARE(stamped(createdPage()), stamped(plain));
        QVERIFY(!document->isModified());
    }

    // New From Look starts a new menu in the look picked, its links
    // opening in the same tab, nothing to save yet; Cancel keeps the menu.
    void newFromLookStartsANewMenuInIt() {
        auto* document = window->findChild<MenuDocument*>();
        box("menu.itemWidth")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
        QVERIFY(document->isModified());
        auto newFromLook = [this](const std::function<void(QDialog*)>& pick) {
            inDialog(
                [this] { window->findChild<QAction*>(QStringLiteral("newFromLook"))->trigger(); },
                pick);
        };
        newFromLook([](QDialog* dialog) {
            QTest::keyClick(dialog->findChild<QListWidget*>(), Qt::Key_Down);
            QTest::keyClick(dialog->findChild<QListWidget*>(), Qt::Key_Escape);
        });
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("1200"));

        QString asked;
        newFromLook([&asked](QDialog* dialog) {
            whenMessageBoxOpens([&asked](QMessageBox* question) {
                asked = question->objectName();
                question->button(QMessageBox::Discard)->click();
            });
            QTest::keyClick(dialog->findChild<QListWidget*>(), Qt::Key_Down); // Brand bar
            QTest::keyClick(dialog->findChild<QListWidget*>(), Qt::Key_Return);
        });
        QTRY_COMPARE(asked, QStringLiteral("unsavedChanges"));
        QTRY_COMPARE(box(SettingTable::kTarget)->currentText(), QStringLiteral("_self"));
        const QString page = createdPage();
        QVERIFY(page.contains(QStringLiteral("background-color: #1F3A5F;")));
        QVERIFY(!page.contains(QStringLiteral("target=")));
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("120"));
        QVERIFY(!document->isModified());
    }

private:
    // A page without its time stamp.
    static QString stamped(QString page) {
        return page.replace(QRegularExpression(QStringLiteral("content='20[^']*'")), QString());
    }
};

QTEST_MAIN(LookDialogTest)
#include "LookDialogTest.moc"
