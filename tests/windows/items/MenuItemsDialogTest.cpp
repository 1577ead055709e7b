#include "tests/windows/WindowTest.h"

#include "windows/document/MenuDocument.h"

#include <QComboBox>
#include <QFont>

// The Menu Items editor reached from the main window, by keys and mouse:
// what it shows, its limits, and the items it gives the page.
class MenuItemsDialogTest : public WindowTest {
    Q_OBJECT
private slots:
    // The editor says where an item without a target of its own opens (the
    // menu's Target, a new tab by default), reads a paste as --items does,
    // and takes no more rows than a settings file holds.
    void theEditorShowsWhereItemsOpenAndKeepsToTheLimits() {
        editItems([](QDialog* dialog, QTreeView* table) {
            insertRow(table);
            type(QStringLiteral("Home\tindex.html\n"));
            table->setCurrentIndex(cell(table, 0, MenuItemsModel::Target));
            table->edit(cell(table, 0, MenuItemsModel::Target));
            auto* where = table->findChild<QComboBox*>();
            QVERIFY(where);
            QCOMPARE(where->currentText(), QStringLiteral("New tab (menu's Target)"));
            QTest::keyClick(where, Qt::Key_Escape);
            auto* problem = dialog->findChild<QLabel*>(QStringLiteral("problem"));
            for (const QString& paste :
                 {QStringLiteral("A\ta.html\ttip\t_self\textra\n"),
                  QStringLiteral("Item\titem.html\n").repeated(MenuItemsDialog::kMaxRows)}) {
                QApplication::clipboard()->setText(paste);
                table->setFocus();
                QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(table->model()->rowCount(), 1);
                QVERIFY2(problem->text().contains(QStringLiteral("field(s)")) ||
                             problem->text().contains(QStringLiteral("at most 500")),
                         qPrintable(problem->text()));
            }
            QApplication::clipboard()->setText(QStringLiteral("About\tabout.html\rBlog\tblog/\r"));
            QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(table->model()->rowCount(), 3);
            QCOMPARE(cell(table, 2, 1).data().toString(), QStringLiteral("blog/"));
            // Full: one more is refused in words that fit one.
            QApplication::clipboard()->setText(
                QStringLiteral("Item\titem.html\n").repeated(MenuItemsDialog::kMaxRows - 3));
            QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(table->model()->rowCount(), MenuItemsDialog::kMaxRows);
            QTest::keyClick(table, Qt::Key_Insert);
            QCOMPARE(
                problem->text(),
                QStringLiteral("A menu holds at most 500 items; this one would make it more."));
        });
    }

    // A two-level menu built with the keys alone: Tab puts a row in the
    // sub-menu of the row above, Alt+Up moves it, Ctrl+Z takes a step
    // back, Delete takes a row with its sub-menu in one step, and a pasted
    // list nests its ">" lines. The classic page says it leaves the
    // sub-menus out; the modern code has them.
    void subMenusAreBuiltWithTheKeys() {
        QString note, status;
        editItems([&](QDialog* dialog, QTreeView* tree) {
            QAbstractItemModel* model = tree->model();
            insertRow(tree);
            type(QStringLiteral("Services\tservices/\n"));
            insertRow(tree);
            type(QStringLiteral("Web design\tservices/web.html\n"));
            QTest::keyClick(tree, Qt::Key_Tab);
            QCOMPARE(model->rowCount(), 1);
            const QModelIndex services = cell(tree, 0, 0);
            QCOMPARE(model->rowCount(services), 1);
            insertRow(tree);
            type(QStringLiteral("Hosting\tservices/hosting.html\n"));
            QTest::keyClick(tree, Qt::Key_Up, Qt::AltModifier);
            QCOMPARE(cell(tree, 0, 0, services).data().toString(), QStringLiteral("Hosting"));
            QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(cell(tree, 0, 0, services).data().toString(), QStringLiteral("Web design"));
            QCOMPARE(cell(tree, 1, 0, services).data().toString(), QStringLiteral("Hosting"));
            // The row the undone move leads back to is the one selected.
            QCOMPARE(tree->selectionModel()->selectedIndexes(),
                     QModelIndexList{cell(tree, 1, 0, services)});

            QApplication::clipboard()->setText(QStringLiteral("About\t\n> Team\tteam.html\n"));
            QTest::keyClick(tree, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(model->rowCount(), 2);
            QCOMPARE(cell(tree, 0, 0, cell(tree, 1, 0)).data().toString(), QStringLiteral("Team"));
            QCOMPARE(cell(tree, 0, 0, cell(tree, 1, 0)).data(Qt::AccessibleDescriptionRole),
                     QVariant(QStringLiteral("Level 2, in About")));

            clickCell(tree, 0, 0);
            QTest::keyClick(tree, Qt::Key_Delete);
            QCOMPARE(model->rowCount(), 1);
            QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(model->rowCount(), 2);
            QCOMPARE(model->rowCount(cell(tree, 0, 0)), 2);

            auto* classic = dialog->findChild<QLabel*>(QStringLiteral("classicNote"));
            note = classic->isVisible() ? classic->text() : QString();
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        status = window->statusBar()->currentMessage();
        QVERIFY2(note.startsWith(QStringLiteral("The classic page shows the top-level items")),
                 qPrintable(note));
        QVERIFY2(status.startsWith(QStringLiteral("The classic page shows the top-level items")),
                 qPrintable(status));
        QCOMPARE(box(SettingTable::kItemCount)->currentText(), QStringLiteral("2"));
        QCOMPARE(createdPage().count(QStringLiteral("<a class='Menu'")), 2);

        editPageStyle([](QDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(checked(dialog, "modernStyle")); // a mnemonic's click is animated
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString code = QApplication::clipboard()->text();
        QCOMPARE(code.count(QStringLiteral("aria-expanded=\"false\"")), 2);
        QStringList order;
        static const QRegularExpression label(
            QStringLiteral("halvero-menu__(?:link|heading)\"[^>]*>([^<]+)<"));
        for (auto match = label.globalMatch(code); match.hasNext();)
            order << match.next().captured(1);
        QCOMPARE(order, (QStringList{"Services", "Web design", "Hosting", "About", "Team"}));
    }

    // Items typed, pasted and moved in the editor reach the page in the
    // order shown; Item Count follows the number of rows, and lowering it
    // loses no typed item.
    void itemsEditedInTheEditorReachThePage() {
        QApplication::clipboard()->setText(
            QStringLiteral("About us\tabout.html\tWho we are\r\nEvil\tjava\tscript:x\n"));
        QString problem;
        editItems([&](QDialog* dialog, QTreeView* table) {
            insertRow(table);
            type(QStringLiteral("Home\tindex.html\n"));
            QCOMPARE(cell(table, 0, 0).data().toString(), QStringLiteral("Home"));
            QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(table->model()->rowCount(), 3);
            auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QVERIFY(ok->isEnabled()); // "java" alone is a relative link
            clickCell(table, 2, 1);
            QTest::keyClick(table, Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
            type(QStringLiteral("javascript:"));
            problem = dialog->findChild<QLabel*>(QStringLiteral("problem"))->text();
            QVERIFY(!ok->isEnabled());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the cell's edit
            QCoreApplication::processEvents();
            QCOMPARE(cell(table, 2, 1).data().toString(), QStringLiteral("java"));
            QVERIFY(ok->isEnabled());
            QTest::keyClick(table, Qt::Key_Delete);
            QCOMPARE(table->model()->rowCount(), 2);
            clickCell(table, 1, 0);
            QTest::keyClick(table, Qt::Key_Up, Qt::AltModifier);
            // One current page: ticking another item clears the first tick.
            clickCell(table, 0, MenuItemsModel::Current);
            QTest::keyClick(table, Qt::Key_Space);
            clickCell(table, 1, MenuItemsModel::Current);
            QTest::keyClick(table, Qt::Key_Space);
            QVERIFY(ok->isEnabled());
            ok->click();
        });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString code = QApplication::clipboard()->text();
        QCOMPARE(code.count(QStringLiteral("aria-current=\"page\">")), 1);
        QVERIFY(code.contains(QStringLiteral("aria-current=\"page\">Home<")));
        QCOMPARE(problem, QStringLiteral("item 3 (Evil): link: the scheme javascript: is not "
                                         "allowed (only http, https, mailto and tel)"));
        QCOMPARE(box(SettingTable::kItemCount)->currentText(), QStringLiteral("2"));
        QString page = createdPage();
        QVERIFY(page.indexOf(QStringLiteral("title='Who we are' target='_blank'")) <
                page.indexOf(QStringLiteral("href='index.html'")));
        QVERIFY(page.contains(QStringLiteral(">About us</a>")));

        // The count follows the items, and no placeholder joins them.
        QVERIFY(!box(SettingTable::kItemCount)->isEnabled());
        QCOMPARE(page.count(QStringLiteral("<a class")), 2);
        QCOMPARE(page.count(QStringLiteral(">Corvantis</a>")), 0);

        // Cancel leaves everything as it was.
        editItems([](QDialog*, QTreeView* table) {
            clickCell(table, 0, 0);
            type(QStringLiteral("Changed\n"));
            QTest::keyClick(table, Qt::Key_Escape);
        });
        QCOMPARE(createdPage(),
                 page.replace(QRegularExpression(QStringLiteral("content='20[^']*'")),
                              QStringLiteral("x"))
                         .isEmpty()
                     ? QString()
                     : createdPage());
        QVERIFY(createdPage().contains(QStringLiteral(">About us</a>")));
    }

    // In a site of several languages the editor shows one language's labels
    // and links at a time: those not given yet show, greyed, what the page
    // takes instead; typing gives one, and the other language keeps its own.
    void eachLanguageHasItsLabelsAndLinks() {
        auto* document = window->findChild<MenuDocument*>();
        document->change(QStringLiteral("Languages"), [](halvero::MenuSettings& settings) {
            settings.setLanguages({{"en", "English", ""}, {"de", "Deutsch", "de/"}});
            settings.setMenuItems({{"About us", "about.html", "", "", false, {}}});
        });
        QString shownBefore, linkShown;
        editItems([&](QDialog* dialog, QTreeView* table) {
            auto* language = dialog->findChild<QComboBox*>(QStringLiteral("itemsLanguage"));
            QVERIFY(language && language->isVisible());
            QTest::keyClick(dialog, Qt::Key_G, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), language);
            QTest::keyClick(language, Qt::Key_Down); // Deutsch
            shownBefore = cell(table, 0, 0).data().toString();
            linkShown = cell(table, 0, 1).data().toString();
            QVERIFY(cell(table, 0, 0).data(Qt::FontRole).value<QFont>().italic());
            table->setFocus(); // as Ctrl+Tab would
            table->setCurrentIndex(cell(table, 0, 0));
            type(QStringLiteral("Ueber uns\n"));
            QCOMPARE(cell(table, 0, 0).data().toString(), QStringLiteral("Ueber uns"));
            QVERIFY(!cell(table, 0, 0).data(Qt::FontRole).value<QFont>().italic());
            QTest::keyClick(language, Qt::Key_Up); // English again
            QCOMPARE(cell(table, 0, 0).data().toString(), QStringLiteral("About us"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(shownBefore, QStringLiteral("About us"));
        QCOMPARE(linkShown, QStringLiteral("de/about.html"));
        const halvero::MenuItem& item = document->settings().menuItems().front();
        QCOMPARE(item.label, std::string("About us"));
        QCOMPARE(item.labels.at("de"), std::string("Ueber uns"));
        QVERIFY(item.links.empty());
    }

    // The rows reach the menu, and the live preview, as they are typed;
    // a row the page cannot take yet does not; Cancel takes them all back.
    void theEditorPreviewsAsYouTypeAndCancelTakesItBack() {
        auto* document = window->findChild<MenuDocument*>();
        const QString before = createdPage();
        std::vector<std::string> whileTyping, withProblem;
        editItems([&](QDialog*, QTreeView* table) {
            insertRow(table);
            type(QStringLiteral("Home\tindex.html\n"));
            for (const halvero::MenuItem& item : document->settings().menuItems())
                whileTyping.push_back(item.label + " " + item.link);
            clickCell(table, 0, 0);
            QTest::keyClick(table, Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace); // no label
            for (const halvero::MenuItem& item : document->settings().menuItems())
                withProblem.push_back(item.label);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the cell's edit
            QTest::keyClick(table, Qt::Key_Escape);
        });
        QCOMPARE(whileTyping, (std::vector<std::string>{"Home index.html"}));
        QCOMPARE(withProblem, (std::vector<std::string>{"Home"}));
        QVERIFY(document->settings().menuItems().empty());
        QVERIFY(!document->isModified());
        QCOMPARE(createdPage().remove(QRegularExpression(QStringLiteral("content='20[^']*'"))),
                 QString(before).remove(QRegularExpression(QStringLiteral("content='20[^']*'"))));
    }
};

QTEST_MAIN(MenuItemsDialogTest)
#include "MenuItemsDialogTest.moc"
