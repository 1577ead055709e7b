#include "tests/windows/WindowTest.h"
#include "windows/document/MenuDocument.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>

#include <QCheckBox>
#include <QMap>
#include <QSet>
#include <QTabWidget>

// Page > Page Style... reached from the main window: the bar's look it
// sets, and fields that stay where they are.
class PageStyleDialogTest : public WindowTest {
    Q_OBJECT
private slots:
    // Page > Page Style... through the keys: the modern style, a typed bar
    // colour (a value the page cannot take is refused, said, and left out),
    // a label of the site's language, items spread as wide as their labels,
    // no underline. OK keeps it all and the settings file holds it; Cancel
    // takes back what was changed since the dialog opened.
    void thePageStyleDialogSetsTheBarsLook() {
        QString refused, afterFix;
        editPageStyle([&](QDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(checked(dialog, "modernStyle"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
            auto* bar = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(bar && bar->objectName() == QStringLiteral("barColor"));
            bar->selectAll();
            QTest::keyClicks(bar, QStringLiteral("#1F3A5F;}"));
            auto* problem = dialog->findChild<QLabel*>(QStringLiteral("pageStyleProblem"));
            refused = problem->text();
            QTest::keyClick(bar, Qt::Key_Backspace);
            QTest::keyClick(bar, Qt::Key_Backspace);
            afterFix = problem->text();
            QTest::keyClick(bar, Qt::Key_B, Qt::AltModifier);
            auto* label = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(label && label->objectName() == QStringLiteral("menuButtonLabel"));
            label->selectAll();
            QTest::keyClicks(label, QStringLiteral("Navigation"));
            QTest::keyClick(label, Qt::Key_I, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End); // "Spread out"
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // "As wide as its label"
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
            QTRY_VERIFY(!checked(dialog, "currentUnderline"));
            QTest::keyClick(label, Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY2(refused.startsWith(QStringLiteral("Bar colour: the value is not a colour")),
                 qPrintable(refused));
        QVERIFY(afterFix.isEmpty());
        const QString page = createdPage();
        QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
        for (const char* wanted : {"  background-color: #1F3A5F;\n", "aria-label=\"Navigation\"",
                                   "  align-items: stretch;\n"})
            QVERIFY2(page.contains(QLatin1String(wanted)), wanted);
        for (const char* unwanted : {"width: 120px", "text-decoration-thickness: 0.15em"})
            QVERIFY2(!page.contains(QLatin1String(unwanted)), unwanted);

        answerFileDialogs({folder->filePath(QStringLiteral("bar.halvero"))});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const QString saved = readAll(folder->filePath(QStringLiteral("bar.halvero")));
        for (const char* kept :
             {"\"barColor\": \"#1F3A5F\"", "\"menuButtonLabel\": \"Navigation\"",
              "\"align\": \"spread\"", "\"itemWidth\": \"auto\"", "\"currentUnderline\": \"No\""})
            QVERIFY2(saved.contains(QLatin1String(kept)), kept);

        editPageStyle([](QDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_R, Qt::AltModifier);
            auto* bar = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            bar->selectAll();
            QTest::keyClicks(bar, QStringLiteral("#FFFFFF"));
            QTest::keyClick(dialog, Qt::Key_C, Qt::AltModifier); // Classic
            QTRY_VERIFY(checked(dialog, "classicStyle"));
            QTest::keyClick(bar, Qt::Key_Escape);
        });
        QVERIFY(createdPage().contains(QStringLiteral("  background-color: #1F3A5F;\n")));
        QVERIFY(window->isWindowModified() == false);
    }

    // A refused value's message appears where it moves nothing: a click
    // aimed at the next field still lands in it.
    void pageStyleFieldsStayPutWhenAMessageAppears() {
        editPageStyle([](QDialog* dialog) {
            const auto places = [dialog] {
                QList<QRect> rects{dialog->geometry()};
                for (QWidget* field : dialog->findChildren<QWidget*>())
                    if (field->isVisible() && field->focusPolicy() != Qt::NoFocus)
                        rects << QRect(field->mapTo(dialog, QPoint(0, 0)), field->size());
                return rects;
            };
            const QList<QRect> before = places();
            auto* bar = dialog->findChild<QLineEdit*>(QStringLiteral("barColor"));
            bar->setFocus();
            bar->selectAll();
            QTest::keyClicks(bar, QStringLiteral("not a colour at all, and longer than most"));
            auto* problem = dialog->findChild<QLabel*>(QStringLiteral("pageStyleProblem"));
            QVERIFY(!problem->text().isEmpty());
            QTest::qWait(200); // what must not happen: a field moving once laid out
            QCOMPARE(places(), before);
            QTest::keyClick(bar, Qt::Key_Escape);
        });
    }

    // The page's language, picked by its own name from the keyboard, puts
    // the page's words into it; the word fields show the language's words
    // while empty; a tag that is not one is refused and said.
    void theLanguagePageWritesThePageInIt() {
        QString refused, buttonShows;
        editPageStyle([&](QDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(checked(dialog, "modernStyle"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
            auto* language = qobject_cast<QComboBox*>(QApplication::focusWidget());
            QVERIFY(language && language->objectName() == QStringLiteral("language"));
            language->lineEdit()->selectAll();
            QTest::keyClicks(language, QStringLiteral("de_DE"));
            refused = dialog->findChild<QLabel*>(QStringLiteral("pageStyleProblem"))->text();
            QTest::keyClick(language, Qt::Key_Down, Qt::AltModifier); // the list opens
            QTRY_VERIFY(language->view()->isVisible());
            QTest::keyClick(language->view(), Qt::Key_Down); // de — Deutsch
            QTest::keyClick(language->view(), Qt::Key_Return);
            QTRY_COMPARE(language->currentText(), QStringLiteral("de"));
            buttonShows =
                dialog->findChild<QLineEdit*>(QStringLiteral("menuButtonLabel"))->placeholderText();
            QTest::keyClick(language, Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY2(refused.contains(QStringLiteral("is not a language tag")), qPrintable(refused));
        QCOMPARE(buttonShows, QStringLiteral("Men\u00fc"));
        const QString page = createdPage();
        for (const QString& wanted :
             {QStringLiteral("<html lang=\"de\">"), QStringLiteral("aria-label=\"Men\u00fc\""),
              QStringLiteral("(\u00f6ffnet in einem neuen Tab)")})
            QVERIFY2(page.contains(wanted), qPrintable(wanted));
    }

    // A site's languages typed into their table from the keyboard: the
    // menu takes them once they can be its languages (the dialog says why
    // until then), and the settings file keeps them.
    void theSiteLanguagesAreTypedIntoTheirTable() {
        QString unfinished;
        editPageStyle([&](QDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(checked(dialog, "modernStyle"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("siteLanguages"));
            // Into the cell's editor, once it has the focus.
            const auto typeCell = [&](const QString& cell) {
                QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) &&
                            table->isAncestorOf(QApplication::focusWidget()));
                QTest::keyClicks(QApplication::focusWidget(), cell);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTRY_COMPARE(QApplication::focusWidget(), table);
            };
            const auto typeRow = [&](const QStringList& cells) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
                for (int column = 0; column < cells.size(); ++column) {
                    if (column > 0) {
                        QTest::keyClick(table, Qt::Key_Right);
                        QTest::keyClick(table, Qt::Key_F2);
                    }
                    typeCell(cells[column]);
                }
            };
            typeRow({QStringLiteral("en"), QStringLiteral("English")});
            typeRow({QStringLiteral("de"), QStringLiteral("Deutsch")});
            unfinished = dialog->findChild<QLabel*>(QStringLiteral("pageStyleProblem"))->text();
            QTest::keyClick(table, Qt::Key_Right);
            QTest::keyClick(table, Qt::Key_F2);
            typeCell(QStringLiteral("de/"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY2(unfinished.contains(QStringLiteral("only the first language has the root")),
                 qPrintable(unfinished));
        auto* document = window->findChild<MenuDocument*>();
        const std::vector<halvero::SiteLanguage> expected = {{"en", "English", ""},
                                                             {"de", "Deutsch", "de/"}};
        QVERIFY(document->settings().languages() == expected);
        answerFileDialogs({folder->filePath(QStringLiteral("languages.halvero"))});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(readAll(folder->filePath(QStringLiteral("languages.halvero")))
                    .contains(QStringLiteral("\"folder\": \"de/\"")));
    }

    // The fields' captions come from the table of settings, each with its
    // own Alt letter, and each leads to its field.
    void fieldsAreCaptionedFromTheTable() {
        editPageStyle([](QDialog* dialog) {
            QMap<QString, QString> captions;
            for (QLabel* label : dialog->findChildren<QLabel*>())
                if (label->buddy())
                    captions[label->buddy()->objectName()] = label->text();
            const QMap<QString, QString> expected = {
                {"foldBelow", "&Fold into a menu button below:"},
                {"menuButtonLabel", "Menu &button label:"},
                {"barColor", "Ba&r colour:"},
                {"itemPadding", "Item &padding:"},
                {"align", "&Items on the bar:"},
                {"itemWidth", "Item &width:"},
                {"currentColor", "Current item &text colour:"},
                {"currentBackColor", "Current item bac&kground:"},
                {"itemGap", "&Gap between items:"},
                {"fontWeight", "Font weig&ht:"},
                {"cornerRadius", "C&orner radius:"},
                {"panelBackColor", "Panel &background:"},
                {"panelColor", "Panel &text colour:"},
                {"panelHoverBackColor", "Panel &hovered background:"},
                {"panelHoverColor", "Panel h&overed text colour:"},
                {"panelPadding", "Panel &padding:"},
                {"panelSeparator", "&Line between sub-items:"},
                {"panelRadius", "Panel corner &radius:"},
                {"panelShadow", "Panel &shadow:"},
                {"panelMaxWidth", "Panel &width at most:"},
                {"language", "Page &language:"},
                {"words.menu", "M&enu's name:"},
                {"words.subMenu", "&Sub-menu button's name:"},
                {"words.newTab", "Ne&w tab note:"},
                {"words.breadcrumb", "&Breadcrumb's name:"},
                {"words.skipLink", "S&kip link's text:"},
                {"words.languages", "Lan&guage list's name:"},
                {"siteLanguages", "Site's languages and &folders:"},
                {"missingTranslation", "An item's &page missing in a language:"}};
            QCOMPARE(captions, expected);
            // On each page of fields, with the style above and the pages'
            // tabs, every Alt letter leads to one place.
            auto* pages = dialog->findChild<QTabWidget*>(QStringLiteral("pageStylePages"));
            QStringList shared = {QStringLiteral("c"), QStringLiteral("m")}; // Classic, Modern
            for (int i = 0; i < pages->count(); ++i)
                shared << pages->tabText(i)
                              .mid(pages->tabText(i).indexOf(QLatin1Char('&')) + 1, 1)
                              .toLower();
            for (int i = 0; i < pages->count(); ++i) {
                QStringList letters = shared;
                for (QLabel* label : pages->widget(i)->findChildren<QLabel*>())
                    if (label->buddy())
                        letters << label->text()
                                       .mid(label->text().indexOf(QLatin1Char('&')) + 1, 1)
                                       .toLower();
                for (QAbstractButton* box : pages->widget(i)->findChildren<QCheckBox*>())
                    letters
                        << box->text().mid(box->text().indexOf(QLatin1Char('&')) + 1, 1).toLower();
                QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
            }
            QCOMPARE(dialog->findChild<QCheckBox*>(QStringLiteral("currentUnderline"))->text(),
                     QStringLiteral("&Underline the current item"));
        });
    }
};

QTEST_MAIN(PageStyleDialogTest)
#include "PageStyleDialogTest.moc"
