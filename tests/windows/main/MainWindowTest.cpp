#include "tests/windows/WindowTest.h"

// The main window as a user works it: its boxes, colours, keys, files,
// questions and pages.
class MainWindowTest : public WindowTest {
    Q_OBJECT
private slots:
    void everyEntryShowsItsDefaultAfterStartUp() {
        for (const halvero::Setting& entry : SettingTable::entries()) {
            QComboBox* entryBox = box(entry.index);
            QCOMPARE(entryBox->currentText().toStdString(), entry.defaultValue);
            const std::vector<std::string> items = entry.offeredItems();
            QCOMPARE(entryBox->count(), static_cast<int>(items.size()));
            for (int k = 0; k < entryBox->count(); ++k)
                QCOMPARE(entryBox->itemText(k).toStdString(), items[static_cast<size_t>(k)]);
        }
        QCOMPARE(box("menu.itemCount")->currentText(), QStringLiteral("5"));
        QCOMPARE(box("menu.statusbarMessage")->currentText(), QStringLiteral("Corvantis"));
        QVERIFY(box("menu.statusbarMessage")->isEnabled());
        QCOMPARE(box(SettingTable::kTarget)->currentText(), QStringLiteral("_blank"));
        QStringList targets;
        for (int k = 0; k < box(SettingTable::kTarget)->count(); ++k)
            targets << box(SettingTable::kTarget)->itemText(k);
        QCOMPARE(targets, (QStringList{"_top", "_self", "_blank", "_parent"}));
    }

    void inputKindsOfTheBoxes() {
        QVERIFY(!box("menu.itemCount")->isEditable());
        QVERIFY(!box("menu.showUrlInStatusbar")->isEditable());
        QVERIFY(box("menu.itemWidth")->isEditable() &&
                !box("menu.itemWidth")->lineEdit()->isReadOnly());
        QVERIFY(box(SettingTable::kTarget)->isEditable());
        for (int i : colorEntries())
            QVERIFY(box(i)->isEditable() && !box(i)->lineEdit()->isReadOnly());
        // A font is typed as a font stack, or picked.
        QVERIFY(box(SettingTable::kNormal.fontName)->isEditable());
    }

    void colourBoxesShowTheirColours() {
        QCOMPARE(Look::backColor(box("normal.backColor")), QColor(0xFE, 0xF0, 0xBA));
        QCOMPARE(Look::backColor(box("normal.fontColor")), QColor(0, 0, 255));
        QCOMPARE(Look::backColor(box("normal.borderRightColor")), QColor(0x99, 0x99, 0x99));
        // A box without a colour keeps the cream of its look.
        QCOMPARE(Look::backColor(box("normal.fontName")), Look::kCream);

        // The text on each reads, at 4.5:1 or more, on the defaults and on
        // a dark blue picked for one of them.
        window->setColorDialog(
            [](const QColor&) { return std::optional<QColor>(QColor(0x1F, 0x3A, 0x5F)); });
        colorButton("hover.backColor")->click();
        for (int index : colorEntries()) {
            const QColor text =
                box(index)->lineEdit()->palette().color(QPalette::Active, QPalette::Text);
            QVERIFY2(contrast(text, Look::backColor(box(index))) >= 4.5,
                     qPrintable(box(index)->currentText()));
        }
    }

    void designGeometry() {
        QWidget* surface = window->centralWidget();
        QCOMPARE(surface->size(), QSize(921, 489));
        QCOMPARE(window->size(),
                 QSize(921, window->menuBar()->height() + 489 + window->statusBar()->height()));
        QCOMPARE(window->y(), QGuiApplication::primaryScreen()->geometry().top() + 50);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(window->x() + window->width() / 2 - screen.center().x()) <= 1);
        QCOMPARE(box("normal.fontColor")->geometry(), QRect(464, 88, 121, 21));
        QCOMPARE(colorButton("normal.fontColor")->geometry(), QRect(584, 88, 25, 21));
        QCOMPARE(colorButton("hover.borderBottomColor")->geometry(), QRect(888, 456, 25, 21));
        QCOMPARE(button("exitButton")->text(), QStringLiteral("&Exit"));
        QCOMPARE(button("exitButton")->geometry(), QRect(8, 456, 145, 25));
        QCOMPARE(label("normal.borderBottomColor")->text(), QStringLiteral("Border Bottom Color"));
        QCOMPARE(label("hover.borderBottomColor")->text(), QStringLiteral("Border Bottom Color"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Halvero"));
        QCOMPARE(window->findChildren<QPushButton*>(QRegularExpression("chooseColor$")).size(), 12);
    }

    // The window is painted before it shows: the gradient runs from blue
    // at the top to black at the bottom of the window's final height.
    void backdropSpansTheWholeWindow() {
        const QImage shown = window->centralWidget()->grab().toImage();
        QCOMPARE(shown.height(), window->centralWidget()->height());
        QCOMPARE(shown.pixelColor(2, 0), QColor(0, 0, 255));
        QVERIFY(shown.pixelColor(2, shown.height() - 1).blue() <= 1);
    }

    void tabOrderFollowsTheColumns() {
        QList<QWidget*> expected;
        for (int i = 0; i <= 6; ++i)
            expected << box(i);
        expected << box(SettingTable::kTarget);
        for (int i = 7; i <= 40; ++i) {
            expected << box(i);
            if (auto* button = colorButton(i))
                expected << button;
        }
        for (const char* name : {"createPageButton", "previewButton", "aboutButton", "exitButton"})
            expected << button(name);
        // Walk the focus chain, keeping only what Tab can reach.
        QList<QWidget*> chain;
        QWidget* w = box("menu.itemCount");
        do {
            QWidget* control = w->focusProxy() ? w->focusProxy() : w;
            if ((w->focusPolicy() & Qt::TabFocus) && w->parentWidget() == window->centralWidget() &&
                !chain.contains(w) && control)
                chain << w;
            w = w->nextInFocusChain();
        } while (w != box("menu.itemCount"));
        QCOMPARE(chain.mid(0, expected.size()), expected);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : window->focusWidget(),
                 box("menu.itemCount")->focusProxy() ? box("menu.itemCount")->focusProxy()
                                                     : box("menu.itemCount"));
    }

    void pointersPerKindOfControl() {
        const QImage hand = Pictures::handPointer().pixmap().toImage();
        QCOMPARE(window->centralWidget()->cursor().pixmap().toImage(),
                 Pictures::forbiddenHandPointer().pixmap().toImage());
        QCOMPARE(button("createPageButton")->cursor().pixmap().toImage(), hand);
        QCOMPARE(colorButton("normal.fontColor")->cursor().pixmap().toImage(), hand);
        QCOMPARE(box("menu.itemCount")->cursor().pixmap().toImage(), hand);
        QCOMPARE(box("normal.fontColor")->cursor().pixmap().toImage(),
                 Pictures::grabPointer().pixmap().toImage());
        QCOMPARE(box("normal.borderBottomColor")->lineEdit()->cursor().pixmap().toImage(),
                 Pictures::grabPointer().pixmap().toImage());
        QCOMPARE(box("menu.itemWidth")->lineEdit()->cursor().pixmap().toImage(),
                 Pictures::penPointer().pixmap().toImage());
        QCOMPARE(box(SettingTable::kTarget)->cursor().pixmap().toImage(),
                 Pictures::penPointer().pixmap().toImage());
        QCOMPARE(label("menu.itemCount")->cursor().shape(), Qt::ArrowCursor);
    }

    void statusBarRuleBothWays() {
        QComboBox* message = box("menu.statusbarMessage");
        message->lineEdit()->selectAll();
        QTest::keyClicks(message->lineEdit(), QStringLiteral("Hello there"));
        QVERIFY(createdPage().contains(QStringLiteral("window.status = \"Hello there\";")));

        QTest::keyClick(box("menu.showUrlInStatusbar"), Qt::Key_Down); // "Yes"
        QCOMPARE(box("menu.showUrlInStatusbar")->currentText(), QStringLiteral("Yes"));
        QVERIFY(!message->isEnabled());
        QCOMPARE(message->currentText(), QString());

        QTest::keyClick(box("menu.showUrlInStatusbar"), Qt::Key_Up); // "No"
        QVERIFY(message->isEnabled());
        QCOMPARE(message->currentText(), QStringLiteral("Corvantis"));
        QVERIFY(createdPage().contains(QStringLiteral("window.status = \"Corvantis\";")));
    }

    void eachColourButtonWritesOnlyIntoItsOwnEntry() {
        int next = 1;
        QColor offered;
        window->setColorDialog([&](const QColor& initial) -> std::optional<QColor> {
            offered = initial;
            return QColor(next, 2 * next, 3 * next);
        });
        for (int i : colorEntries()) {
            const int index = i;
            std::vector<std::string> before;
            for (int k = 0; k < SettingTable::kEntryCount; ++k)
                before.push_back(box(k)->currentText().toStdString());
            const QColor current = Look::backColor(box(index));
            next = i;
            colorButton(index)->click();
            QCOMPARE(offered, current); // the dialog opens on the entry's colour
            const QColor expected(i, 2 * i, 3 * i);
            QCOMPARE(box(index)->currentText(),
                     QString::fromStdString(halvero::colorToHex(
                         expected.red() + 256 * expected.green() + 65536 * expected.blue())));
            QCOMPARE(Look::backColor(box(index)), expected);
            for (int k = 0; k < SettingTable::kEntryCount; ++k)
                if (k != i)
                    QCOMPARE(box(k)->currentText().toStdString(), before[static_cast<size_t>(k)]);
        }
    }

    void pureRedFromButtonNine() {
        window->setColorDialog(
            [](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); });
        colorButton("normal.fontColor")->click();
        QCOMPARE(box("normal.fontColor")->currentText(), QStringLiteral("#FF0000"));
        QCOMPARE(Look::backColor(box("normal.fontColor")), QColor(255, 0, 0));
    }

    void cancellingTheDialogChangesNothing() {
        window->setColorDialog([](const QColor&) { return std::optional<QColor>(); });
        colorButton("hover.fontColor")->click();
        QCOMPARE(box("hover.fontColor")->currentText(), QStringLiteral("#0000FF"));
        QCOMPARE(Look::backColor(box("hover.fontColor")), QColor(0, 0, 255));
    }

    // Every colour box takes a typed colour.
    void typedColoursKeepTheLastGoodColourUntilReadable() {
        for (int index : colorEntries()) {
            QLineEdit* edit = box(index)->lineEdit();
            const QColor start = Look::backColor(box(index));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace); // ""
            QCOMPARE(Look::backColor(box(index)), start);
            for (const char* typed : {"#", "#F", "red"}) {
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(typed));
                QCOMPARE(box(index)->currentText(), QString::fromLatin1(typed));
                QCOMPARE(Look::backColor(box(index)), start);
            }
            // A colour of each box's own, so the page shows this box's.
            const QString typed = QStringLiteral("#1F%1%2")
                                      .arg(index, 2, 10, QLatin1Char('0'))
                                      .arg(QStringLiteral("5F"));
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            QCOMPARE(Look::backColor(box(index)), QColor(typed));
            QVERIFY2(createdPage().contains(typed + QLatin1Char(';')), qPrintable(typed));
        }
    }

    // Escape asks what Exit asks: with nothing unsaved whether to exit,
    // with unsaved changes only whether to save them; No and Cancel keep
    // everything.
    void escapeAsksAndNoKeepsEverything() {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool noIsDefault = false;
        int messageFontSize = 0;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            // Qt's own dialogs keep the desktop's font; the window has its 8 pt.
            messageFontSize = box->font().pointSize();
            box->button(QMessageBox::No)->click();
        });
        QTest::keyClick(box("normal.fontName"), Qt::Key_Escape);
        QCOMPARE(messageFontSize, QApplication::font().pointSize());
        QVERIFY(QApplication::font().pointSize() != 8);
        QCOMPARE(window->menuBar()->font().pointSize(), 8);
        QCOMPARE(text, QStringLiteral("Do you want to exit?"));
        QCOMPARE(title, QStringLiteral("Question"));
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY(noIsDefault);
        QVERIFY(window && window->isVisible());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));

        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("333"));
        int questions = 0;
        whenModalOpens([&](QWidget* modal) {
            ++questions;
            text = modal->objectName();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
        });
        QTest::keyClick(box("normal.fontName"), Qt::Key_Escape);
        QTRY_COMPARE(questions, 1);
        QCOMPARE(text, QStringLiteral("unsavedChanges"));
        QVERIFY(window && window->isVisible());
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("333"));
    }

    void createWritesTheEntriesOfThatMoment() {
        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("200"));
        QTest::keyClick(box("normal.fontName"), Qt::Key_Up);  // "Verdana"
        QTest::keyClick(box("menu.itemCount"), Qt::Key_Down); // "6"
        button("createPageButton")->click();
        const QString page = readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")));
        QCOMPARE(page.count(QStringLiteral("width='200'")), 7);
        QVERIFY(page.contains(QStringLiteral("font-family:Verdana;")));
        QCOMPARE(page.count(QStringLiteral(">Corvantis</a>")), 6);
        QCOMPARE(page.count(QStringLiteral("\r\n")), 108 + 6 * 6);

        box(SettingTable::kTarget)->lineEdit()->selectAll();
        QTest::keyClicks(box(SettingTable::kTarget)->lineEdit(), QStringLiteral("main"));
        button("createPageButton")->click();
        QCOMPARE(readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")))
                     .count(QStringLiteral("target='main'")),
                 6);
    }

    void failedWriteShowsTheErrorAndKeepsEverything() {
        const QString page = QDir(folder->path()).filePath(QStringLiteral("pattern.htm"));
        button("createPageButton")->click();
        const QString oldPage = readAll(page);
        QVERIFY(!oldPage.isEmpty());

        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("77"));
        const QString missing = folder->path() + QStringLiteral("/gone");
        window->setProgramFolder(missing);
        QString shown;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->objectName(), QStringLiteral("commandError"));
            shown = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        button("createPageButton")->click();
        QVERIFY(shown.contains(missing + QStringLiteral("/pattern.htm")));
        QVERIFY(shown.contains(QStringLiteral("No such file or directory")));
        QVERIFY(window->isVisible());
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("77"));

        // The name taken by a folder: the error again, the folder untouched.
        window->setProgramFolder(folder->path());
        QFile::remove(page);
        QDir(folder->path()).mkdir(QStringLiteral("pattern.htm"));
        whenModalOpens([&](QWidget* modal) {
            shown = qobject_cast<QMessageBox*>(modal)->informativeText();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        button("createPageButton")->click();
        QVERIFY(shown.contains(QStringLiteral("Is a directory")));
        QVERIFY(QFileInfo(page).isDir());
    }

    void aboutOpensModallyAndKeepsTypedSettings() {
        box("menu.itemHeight")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemHeight")->lineEdit(), QStringLiteral("none"));
        QString firstLine;
        bool mainWindowBlocked = false;
        whenModalOpens([&](QWidget* modal) {
            mainWindowBlocked = QApplication::activeModalWidget() == modal && modal != window;
            firstLine = modal->findChild<QLabel*>(QStringLiteral("line0"))->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        button("aboutButton")->click();
        QVERIFY(mainWindowBlocked);
        QCOMPARE(firstLine, QStringLiteral("Application Name: Halvero"));
        QCOMPARE(box("menu.itemHeight")->currentText(), QStringLiteral("none"));
        QCOMPARE(box("normal.fontColor")->currentText(), QStringLiteral("#0000FF"));
    }

    void previewThatCannotLoadSaysSoAndKeepsEverything() {
        // This test program carries no preview module.
        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("99"));
        QString what, why;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            what = box->text();
            why = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        button("previewButton")->click();
        QCOMPARE(what, QStringLiteral("The preview could not be opened."));
        QVERIFY(!why.isEmpty());
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("99"));
    }

    // Every return to the main window keeps what was typed; only a new
    // window starts from the defaults.
    void returningAgainAndAgainKeepsTypedTexts() {
        box("menu.statusbarMessage")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.statusbarMessage")->lineEdit(), QStringLiteral("kept"));
        for (int round = 0; round < 2; ++round) {
            whenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
            QTest::mouseClick(button("aboutButton"), Qt::LeftButton);
            QCOMPARE(box("menu.statusbarMessage")->currentText(), QStringLiteral("kept"));
            QCOMPARE(box(SettingTable::kTarget)->count(), 4);
        }
        delete window.data();
        window = new MainWindow;
        window->show();
        QCOMPARE(box("menu.statusbarMessage")->currentText(), QStringLiteral("Corvantis"));
    }

    // Typing goes into the page as typed: the caret, the selection and the
    // undo history stay where the user put them, and nothing completes the
    // text to an offered item.
    void typingGoesIntoThePageAsTyped_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("inPage"); // where the value lands, %1 for it
        QTest::addColumn<QString>("prefix"); // of an offered item, kept as typed
        QTest::newRow("message") << "menu.statusbarMessage"
                                 << "window.status = \"%1\";"
                                 << "Welcome";
        QTest::newRow("target") << "menu.target"
                                << "target='%1'"
                                << "_";
    }

    // A width or a colour being typed reaches the page only once it is one:
    // meanwhile the status bar says why and the page keeps the last good
    // value, which the box shows again when the user leaves it.
    void unfinishedValuesStayOutOfThePage() {
        QLineEdit* width = box(SettingTable::kItemWidth)->lineEdit();
        QLineEdit* colour = box(SettingTable::kNormal.bottom.color)->lineEdit();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        colour->setFocus();
        colour->selectAll();
        QTest::keyClicks(colour, QStringLiteral("#12"));
        QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("not a colour")));
        QVERIFY(createdPage().contains(QStringLiteral("border-bottom:2px solid #999999;")));
        QCOMPARE(colour->text(), QStringLiteral("#999999")); // left for the Create button
        colour->setFocus();
        colour->selectAll();
        QTest::keyClicks(colour, QStringLiteral("#123456"));
        QTest::keyClick(colour, Qt::Key_Backspace);
        width->setFocus();
        QCOMPARE(colour->text(), QStringLiteral("#123456"));
        QVERIFY(createdPage().contains(QStringLiteral("border-bottom:2px solid #123456;")));
        width->selectAll();
        QTest::keyClick(width, Qt::Key_Backspace);
        QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("is empty")));
        QTest::keyClicks(width, QStringLiteral("calc(1"));
        QVERIFY(createdPage().contains(QStringLiteral("width='120'")));
        QVERIFY(!createdPage().contains(QStringLiteral("calc")));
    }
    void typingGoesIntoThePageAsTyped() {
        QFETCH(QString, entry);
        QFETCH(QString, inPage);
        QFETCH(QString, prefix);
        QLineEdit* edit = window->findChild<QComboBox*>(entry)->lineEdit();
        const QString start = edit->text();
        QTest::mouseClick(edit, Qt::LeftButton);

        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClicks(edit, QStringLiteral("x"));
        const QString typed =
            QStringLiteral("9") + start.left(2) + QStringLiteral("x") + start.mid(2);
        QCOMPARE(edit->text(), typed);
        QVERIFY(createdPage().contains(inPage.arg(typed)));

        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("9") + start);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), start);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(edit->text(), QStringLiteral("9") + start);

        // Select the two characters after the first and replace them.
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), start.left(2));
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("9ab") + start.mid(2));
        QCOMPARE(edit->cursorPosition(), 3);
        QVERIFY(createdPage().contains(inPage.arg(edit->text())));

        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, prefix);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), prefix);
        QVERIFY(createdPage().contains(inPage.arg(prefix)));
    }

    void enterKeepsTheCaseAsTyped() {
        QLineEdit* edit = box("menu.statusbarMessage")->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral("corvantis"));
        QTest::keyClick(edit, Qt::Key_Return);
        box("normal.fontName")->setFocus(); // editing ends
        QCOMPARE(edit->text(), QStringLiteral("corvantis"));
        QVERIFY(createdPage().contains(QStringLiteral("window.status = \"corvantis\";")));
    }

    void pickingFromTheListWithTheKeyboard() {
        QComboBox* target = box(SettingTable::kTarget);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Down, Qt::AltModifier); // opens on "_blank"
        QTRY_VERIFY(target->view()->isVisible());
        QTest::keyClick(target->view(), Qt::Key_Down);
        QTest::keyClick(target->view(), Qt::Key_Return);
        QTRY_VERIFY(!target->view()->isVisible());
        QCOMPARE(target->currentText(), QStringLiteral("_parent"));
        QCOMPARE(createdPage().count(QStringLiteral("target='_parent'")), 5);
    }

    // Boxes take typing as people expect: a triple click then typing
    // replaces the text; a list-only box picks the offer matching the
    // letters typed; Enter closes an open list with its pick; a long font
    // stack picked shows its start; the Target list's rows are not clipped.
    void boxesTakeTypingAsPeopleExpect() {
        QComboBox* font = box("normal.fontName");
        QTest::mouseDClick(font->lineEdit(), Qt::LeftButton);
        QTest::mouseClick(font->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(font->lineEdit(), QStringLiteral("Verdana"));
        QCOMPARE(font->currentText(), QStringLiteral("Verdana"));

        QComboBox* direction = box(SettingTable::kDirection);
        direction->setFocus();
        QTest::keyClick(direction, Qt::Key_H);
        QCOMPARE(direction->currentText(), QStringLiteral("Horizontal"));
        QComboBox* width = box("normal.borderLeftWidth");
        width->setFocus();
        QTest::keyClicks(width, QStringLiteral("10"));
        QCOMPARE(width->currentText(), QStringLiteral("10"));

        font->setFocus();
        QTest::keyClick(font, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(font->view()->isVisible());
        QTest::keyClick(font->view(), Qt::Key_End);
        QTest::keyClick(font->view(), Qt::Key_Up);
        QTest::keyClick(font->view(), Qt::Key_Up); // Segoe UI, Roboto, ...
        QTest::keyClick(font->view(), Qt::Key_Return);
        QTRY_VERIFY(!font->view()->isVisible());
        QVERIFY(font->currentText().startsWith(QStringLiteral("Segoe UI")));
        QCOMPARE(font->lineEdit()->cursorPosition(), 0);

        QComboBox* target = box(SettingTable::kTarget);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(target->view()->isVisible());
        QAbstractItemView* rows = target->view();
        for (int row = 0; row < target->count(); ++row) {
            const QRect shown = rows->visualRect(rows->model()->index(row, 0));
            QVERIFY2(shown.height() >= rows->fontMetrics().height() + 2,
                     qPrintable(QString::number(shown.height())));
            QVERIFY(rows->viewport()->rect().contains(shown));
        }
        QTest::keyClick(rows, Qt::Key_Escape);
        QCOMPARE(createdPage().count(QStringLiteral("border-left: 10px")), 0); // classic page
    }

    void entriesAreNamedForScreenReaders() {
        // What a screen reader announces: the name of the label that labels
        // the control, or else the control's own name.
        auto nameOf = [](QWidget* w) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            if (!face)
                return QString();
            const auto labels = face->relations(QAccessible::Label);
            return labels.isEmpty() ? face->text(QAccessible::Name)
                                    : labels.first().first->text(QAccessible::Name);
        };
        QCOMPARE(nameOf(box("menu.itemWidth")), QStringLiteral("Menu Item Width"));
        QCOMPARE(QAccessible::queryAccessibleInterface(box("menu.itemWidth"))->role(),
                 QAccessible::ComboBox);
        QCOMPARE(nameOf(box("normal.fontColor")), QStringLiteral("Font Color, Normal Menu Item"));
        QCOMPARE(nameOf(box("hover.fontColor")), QStringLiteral("Font Color, Hover Menu Item"));
        QCOMPARE(nameOf(box("normal.borderBottomColor")),
                 QStringLiteral("Border Bottom Color, Normal Menu Item"));
        QCOMPARE(nameOf(box(SettingTable::kTarget)), QStringLiteral("Target"));
        QCOMPARE(nameOf(colorButton("hover.fontColor")),
                 QStringLiteral("Choose Font Color, Hover Menu Item"));
        // Every entry and colour button is told apart by its name alone,
        // while the captions on screen stay as they are.
        QSet<QString> names;
        int controls = 0;
        for (int i = 0; i < SettingTable::kEntryCount; ++i)
            for (QWidget* control :
                 {static_cast<QWidget*>(box(i)), static_cast<QWidget*>(colorButton(i))})
                if (control) {
                    ++controls;
                    names.insert(nameOf(control));
                }
        QCOMPARE(names.size(), controls);
        QVERIFY(!names.contains(QString()));
        QCOMPARE(label("hover.fontColor")->text(), QStringLiteral("Font Color"));
    }

    // Graphical buttons are cream, flat from top to bottom, darker while
    // pressed.
    void buttonFacesAreFlatCream() {
        for (QPushButton* button :
             {button("createPageButton"), button("exitButton"), colorButton("normal.fontColor")}) {
            const QImage face = button->grab().toImage();
            for (int y : {3, face.height() / 2, face.height() - 4})
                QCOMPARE(face.pixelColor(3, y), Look::kCream);
        }
        button("previewButton")->setDown(true);
        const QImage pressed = button("previewButton")->grab().toImage();
        button("previewButton")->setDown(false);
        QVERIFY(pressed.pixelColor(3, 3) != Look::kCream);
    }

    // List-only and editable boxes alike are flat cream across their face.
    // Once Item Count is disabled (a menu with items of its own) it looks
    // it, and the boxes drawn with the same colours keep their enabled face.
    void listAndEditableBoxesAreFlatCream() {
        auto creamFaces = [this] {
            for (int index : {5, 1, 3, SettingTable::kTarget}) {
                const QImage face = box(index)->grab().toImage();
                // Right of the text, left of the arrow.
                for (int y : {4, face.height() / 2, face.height() - 5})
                    for (int x : {face.width() - 40, face.width() - 30})
                        QCOMPARE(face.pixelColor(x, y), Look::kCream);
            }
        };
        creamFaces();
        QApplication::clipboard()->setText(QStringLiteral("Home\tindex.html\n"));
        editItems([](QDialog* dialog, QTreeView* table) {
            QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
            dialog->accept();
        });
        QVERIFY(!box(SettingTable::kItemCount)->isEnabled());
        const QImage disabled = box(SettingTable::kItemCount)->grab().toImage();
        QVERIFY(disabled.pixelColor(disabled.width() - 40, disabled.height() / 2) != Look::kCream);
        creamFaces();
    }

    // Wherever the keyboard focus is, from the window's first moment on,
    // a two-pixel mark along the control's edge stands out at least 3:1
    // from the backdrop around it and from the control's own face.
    // The focus mark: the pixels that change when a control takes the
    // focus, by 3:1 or more against their colour before, make at least a
    // two-pixel ring, on light and on dark faces, boxes and buttons alike.
    void focusMarkIsATwoPixelRingThatStandsOut() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->setColorDialog(
            [](const QColor&) { return std::optional<QColor>(QColor(0, 0, 90)); });
        colorButton("hover.backColor")->click(); // a dark colour box
        QWidget* away = button("aboutButton");
        for (QWidget* control : {static_cast<QWidget*>(box("menu.itemCount")),
                                 static_cast<QWidget*>(box("menu.itemWidth")),
                                 static_cast<QWidget*>(box("normal.fontColor")), // the default blue
                                 static_cast<QWidget*>(box("hover.backColor")),
                                 static_cast<QWidget*>(colorButton("hover.backColor")),
                                 static_cast<QWidget*>(button("createPageButton"))}) {
            away->setFocus();
            QTRY_VERIFY(away->hasFocus());
            const QImage before = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(control->hasFocus() || control->focusProxy()->hasFocus());
            const QImage after = control->grab().toImage();
            int changed = 0;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x)
                    changed += contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3;
            const int ring = 4 * (after.width() + after.height()) - 16;
            QVERIFY2(changed >= ring, qPrintable(QStringLiteral("%1: %2 of a %3-pixel ring")
                                                     .arg(control->objectName())
                                                     .arg(changed)
                                                     .arg(ring)));
        }
    }

    // An installed program's folder is not the user's to write: the page
    // goes to the user's documents folder, said once, and the preview
    // follows it there.
    void readOnlyProgramFolderSendsThePageToTheUsersFolder() {
        if (!makeReadOnly(folder->path()))
            QSKIP("cannot make a folder read-only here");
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
        window->setProgramFolder(folder->path());

        QStringList told;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told << box->objectName() + ": " + box->informativeText();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(10);
        const QString page = home.path() + "/Documents/Halvero/pattern.htm";
        QTest::mouseClick(button("createPageButton"), Qt::LeftButton);
        QTest::mouseClick(button("createPageButton"), Qt::LeftButton);
        QCOMPARE(told, QStringList{"pageWrittenElsewhere: " + page});
        QVERIFY(readAll(page).contains(QStringLiteral("width='120'")));
        QVERIFY(!QFile::exists(folder->path() + "/pattern.htm"));

        // A per-user folder that cannot be made gives the usual error.
        QFile(home.path() + "/taken").open(QIODevice::WriteOnly);
        qputenv("HOME", QFile::encodeName(home.path() + "/taken"));
        window->setProgramFolder(folder->path());
        told.clear();
        QTest::mouseClick(button("createPageButton"), Qt::LeftButton);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("commandError: ") && told[0].contains("Not a directory"),
                 qPrintable(told[0]));

        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        makeWritableAgain(folder->path());
    }

    // A menu kept with Ctrl+S comes back with Ctrl+O exactly as it was,
    // typing in the middle of an entry and a picked colour included; the
    // title names the file and marks unsaved changes.
    void savedSettingsOpenAgainExactly() {
        const QString file = folder->filePath(QStringLiteral("menu.halvero"));
        answerFileDialogs({file, file});
        QLineEdit* message = box("menu.statusbarMessage")->lineEdit();
        QTest::mouseClick(message, Qt::LeftButton);
        QTest::keyClick(message, Qt::Key_Home);
        QTest::keyClick(message, Qt::Key_Right);
        QTest::keyClicks(message, QStringLiteral(" \"x\" = #1 \\\\ "));
        window->setColorDialog(
            [](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); });
        colorButton("hover.backColor")->click();
        QTest::keyClick(box("menu.itemCount"), Qt::Key_Down);
        const QStringList saved = allValues();

        QTest::keyClick(message, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(window->windowTitle(), QStringLiteral("menu.halvero[*] \u2014 Halvero"));
        QVERIFY(window->windowFilePath().endsWith(QStringLiteral("/menu.halvero")));
        QTest::keyClick(message, Qt::Key_End);
        QTest::keyClicks(message, QStringLiteral("later"));
        QTest::keyClick(box("menu.showUrlInStatusbar"), Qt::Key_Down); // "Yes": the message goes
        QVERIFY(window->isWindowModified());

        QString asked;
        whenModalOpens([&](QWidget* modal) {
            auto* question = qobject_cast<QMessageBox*>(modal);
            asked = question->objectName();
            question->button(QMessageBox::Discard)->click();
        });
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(asked, QStringLiteral("unsavedChanges"));
        QCOMPARE(allValues(), saved);
        QVERIFY(box("menu.statusbarMessage")->isEnabled());
    }

    // A file that cannot be read changes nothing and says where it fails.
    void refusedFileChangesNothingAndSaysWhy() {
        const QString file = folder->filePath(QStringLiteral("bad.halvero"));
        QFile bad(file);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"format\": \"halvero-menu\", \"version\": 1,\n"
                  "\"menu\": {\"itemCount\": \"9\"},\n\"normal\": {\"fontSize\": 12}}");
        bad.close();
        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("77"));
        const QStringList before = allValues();
        answerFileDialogs({file});
        QString shown;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box->objectName() == QLatin1String("unsavedChanges")) {
                box->button(QMessageBox::Discard)->click();
                whenModalOpens([&](QWidget* error) {
                    shown = qobject_cast<QMessageBox*>(error)->informativeText();
                    qobject_cast<QMessageBox*>(error)->button(QMessageBox::Ok)->click();
                });
                return;
            }
            shown = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_O, Qt::ControlModifier);
        QVERIFY2(shown.endsWith(QStringLiteral("bad.halvero:3: normal.fontSize: expected text, "
                                               "found a number")),
                 qPrintable(shown));
        QCOMPARE(allValues(), before);
        QCOMPARE(window->windowTitle(), QStringLiteral("Halvero"));
    }

    // With a file open and changed, Exit asks one question, about the
    // unsaved changes; Cancel keeps the window and every change.
    void exitAsksAboutUnsavedChangesToAnOpenFile() {
        answerFileDialogs({folder->filePath(QStringLiteral("kept.halvero"))});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        box("menu.itemHeight")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemHeight")->lineEdit(), QStringLiteral("33"));
        QStringList asked;
        whenModalOpens([&](QWidget* modal) {
            asked << modal->objectName();
            auto* box = qobject_cast<QMessageBox*>(modal);
            asked << box->button(QMessageBox::Discard)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QTest::keyClick(box("menu.itemHeight"), Qt::Key_Escape);
        QTRY_COMPARE(asked, (QStringList{"unsavedChanges", "&Discard"}));
        QVERIFY(window->isVisible());
        QCOMPARE(box("menu.itemHeight")->currentText(), QStringLiteral("33"));
    }

    // A menu typed in a fresh window, never saved, is not lost when the
    // window system closes the window: Halvero asks, and Cancel keeps it.
    void closingAFreshWindowWithChangesAsks() {
        box("menu.itemHeight")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemHeight")->lineEdit(), QStringLiteral("33"));
        QString asked;
        answerNextQuestion(QMessageBox::Cancel, &asked);
        window->close();
        QCOMPARE(asked, QStringLiteral("unsavedChanges"));
        QVERIFY(window->isVisible());
        QCOMPARE(box("menu.itemHeight")->currentText(), QStringLiteral("33"));
    }

    // Alt+F4 and the window's close button ask what the Exit button asks,
    // changes or not; No keeps the window.
    void closingTheWindowAsksTheExitQuestion() {
        QString asked;
        answerNextQuestion(QMessageBox::No, &asked);
        window->close();
        QCOMPARE(asked, QStringLiteral("exitQuestion"));
        QVERIFY(window->isVisible());
    }

    // A file handed over by a second start while a dialog is open waits
    // for it: the dialog's OK never lands in the other file's menu.
    void aFileHandedOverWaitsForTheOpenDialog() {
        const QString other = folder->filePath(QStringLiteral("other.halvero"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "halvero-menu", "version": 1, "menu": {"itemWidth": "170"}})");
        file.close();
        QString widthUnderTheDialog;
        editItems([&](QDialog* dialog, QTreeView*) {
            window->openHandedOver(other);
            QTest::qWait(300); // what must not happen: the file opening under the dialog
            widthUnderTheDialog = box("menu.itemWidth")->currentText();
            QVERIFY(dialog->isVisible());
        });
        QCOMPARE(widthUnderTheDialog, QStringLiteral("120"));
        QTRY_COMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("170"));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("other.halvero")));
    }

    // Save does not silently overwrite what another program saved since:
    // Cancel leaves that program's file, Overwrite writes the menu.
    void saveAsksBeforeOverwritingAnotherProgramsChanges() {
        const QString kept = folder->filePath(QStringLiteral("kept.halvero"));
        answerFileDialogs({kept});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        box("menu.itemHeight")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemHeight")->lineEdit(), QStringLiteral("33"));
        const QByteArray theirs =
            R"({"format": "halvero-menu", "version": 1, "menu": {"itemWidth": "99"}})";
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(theirs);
        file.close();
        // Shortcuts reach the active window only.
        const auto save = [this] {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier);
        };
        QString asked;
        answerNextQuestion(QMessageBox::Cancel, &asked);
        save();
        QCOMPARE(asked, QStringLiteral("changedOnDisk"));
        QCOMPARE(readAll(kept).toUtf8(), theirs);
        asked.clear();
        answerNextQuestion(QMessageBox::Save, &asked);
        save();
        QCOMPARE(asked, QStringLiteral("changedOnDisk"));
        QVERIFY(readAll(kept).contains(QStringLiteral("\"itemHeight\": \"33\"")));
        // Saved by this window, the file is saved again without a question.
        bool questioned = false;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                questioned = true;
                modal->reject();
            }
        });
        guard.start(10);
        save();
        QTest::qWait(100); // what must not happen: a question after the save
        QVERIFY(!questioned);
    }

    // File > Import Navigation... from the keyboard: the page's <nav> is
    // shown as read, Enter replaces the items (the page written shows
    // them), and one Undo brings the old ones back.
    void importNavigationReplacesTheItemsAsOneStep() {
        const QString page = folder->filePath(QStringLiteral("old.html"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<nav><ul><li><a href=\"index.html\">Start &amp; more</a></li>"
                   "<li><a href=\"shop.html\">Shop</a><ul><li><a href=\"shoes.html\">Shoes</a>"
                   "</ul></ul></nav>");
        file.close();
        answerFileDialogs({page});
        QString shown;
        whenMessageBoxOpens([&](QMessageBox* box) {
            shown = box->text() + QLatin1Char('\n') + box->informativeText();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_I);
        QTRY_VERIFY(!shown.isEmpty());
        QVERIFY2(shown.contains(QStringLiteral("navigation of 3 items")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("  Shoes  \u2192  shoes.html")), qPrintable(shown));
        QTRY_COMPARE(box("menu.itemCount")->currentText(), QStringLiteral("2"));
        button("createPageButton")->click();
        const QString written =
            readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")));
        QVERIFY(written.contains(QStringLiteral(">Start &amp; more</a>")));
        // Shortcuts reach the active window only: the question box was.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box("menu.itemCount")->currentText(), QStringLiteral("5"));
    }

    // Write Fragment To asks for a file of its own beside the settings
    // file, and does not replace a whole page without saying so.
    void writeFragmentToKeepsAWholePageUnlessTold() {
        const QString page = folder->filePath(QStringLiteral("about.html"));
        const QByteArray whole = "<!DOCTYPE html>\n<html><body><p>About us</p></body></html>\n";
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole);
        file.close();
        FileCommands::DialogMode asked{};
        window->setFileDialog([&](FileCommands::DialogMode mode, const QString&, const QString&) {
            asked = mode;
            return page;
        });
        auto* write = window->findChild<QAction*>(QStringLiteral("writeFragmentTo"));
        QString question;
        answerNextQuestion(QMessageBox::No, &question);
        write->trigger();
        QCOMPARE(asked, FileCommands::DialogMode::SaveFragment);
        QCOMPARE(question, QStringLiteral("replacesWholePage"));
        QCOMPARE(readAll(page).toUtf8(), whole);
        answerNextQuestion(QMessageBox::Yes, &question);
        write->trigger();
        QVERIFY(readAll(page).startsWith(QStringLiteral("<!-- Menu written by Halvero")));
        QVERIFY(window->statusBar()->currentMessage().startsWith(
            QStringLiteral("Menu code written to ")));
    }

    // Open Recent tells apart files of one name in different folders.
    void recentFilesOfOneNameAreToldApart() {
        const QStringList captions = FileCommands::recentCaptions(
            {QStringLiteral("/srv/a/site/green.halvero"),
             QStringLiteral("/srv/b/site/green.halvero"), QStringLiteral("/srv/c/green.halvero"),
             QStringLiteral("/srv/c/blue.halvero")});
        QCOMPARE(captions, (QStringList{"green.halvero (in \u2026/a/site)",
                                        "green.halvero (in \u2026/b/site)",
                                        "green.halvero (in \u2026/c)", "blue.halvero"}));
    }

    // Undo takes back whole edits, a word typed into a box as one step and
    // a pick as another, whatever box has the focus; Redo brings them
    // back; back at the saved state the title loses its mark.
    void undoAndRedoTakeBackWholeEdits() {
        answerFileDialogs({folder->filePath(QStringLiteral("kept.halvero"))});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList saved = allValues();
        box("menu.itemWidth")->lineEdit()->setFocus();
        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("333"));
        QTest::keyClick(box("normal.fontName"), Qt::Key_Up); // "Verdana"
        QVERIFY(window->isWindowModified());

        box("normal.fontName")->setFocus();
        QTest::keyClick(box("normal.fontName"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box("normal.fontName")->currentText(), QStringLiteral("Tahoma"));
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("333"));
        QTest::keyClick(box("normal.fontName"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(allValues(), saved);
        QVERIFY(!window->isWindowModified());
        QTest::keyClick(box("normal.fontName"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("333"));
        QVERIFY(createdPage().contains(QStringLiteral("width='333'")));
        QVERIFY(window->isWindowModified());
    }

    // In a box, Ctrl+Z first undoes the box's own typing; once that is used
    // up, the next Ctrl+Z undoes the window's step before it, without
    // leaving the box.
    void ctrlZInABoxReachesTheWindowOnceTheBoxHasNothingToUndo() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(box("normal.fontName"), Qt::Key_Up); // "Verdana"
        QLineEdit* width = box("menu.itemWidth")->lineEdit();
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("333"));
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(width->text(), QStringLiteral("120"));
        QCOMPARE(box("normal.fontName")->currentText(), QStringLiteral("Verdana"));
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box("normal.fontName")->currentText(), QStringLiteral("Tahoma"));
        QVERIFY(box("menu.itemWidth")->hasFocus());
    }

    // The commands in the menu bar are the context menu's own actions;
    // New asks about unsaved changes and returns to the defaults; Create
    // says in the status bar where the page went.
    void menuBarNewAndStatusBar() {
        QStringList menus;
        for (QAction* menu : window->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "E&dit", "&Page", "&Help"}));
        auto* context = window->findChild<QMenu*>(QStringLiteral("contextMenu"));
        auto* file = window->findChild<QMenu*>(QStringLiteral("menuBarFile"));
        auto* save = window->findChild<QAction*>(QStringLiteral("saveSettings"));
        QVERIFY(context->actions().contains(save) && file->actions().contains(save));

        createdPage();
        QVERIFY(
            window->statusBar()->currentMessage().startsWith(QStringLiteral("Page written to ")));
        QVERIFY(window->statusBar()->currentMessage().endsWith(QStringLiteral("pattern.htm")));

        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("333"));
        QString asked;
        answerNextQuestion(QMessageBox::Discard, &asked);
        QTest::keyClick(box("normal.fontName"), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(asked, QStringLiteral("unsavedChanges"));
        QCOMPARE(box("menu.itemWidth")->currentText(), QStringLiteral("120"));
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("undo"))->isEnabled());
    }

    // Ctrl+Shift+C puts the menu's code on the clipboard, typed width and
    // all, ready to paste into a page of one's own.
    void copyMenuCodePutsTheFragmentOnTheClipboard() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        box(SettingTable::kItemWidth)->lineEdit()->selectAll();
        QTest::keyClicks(box(SettingTable::kItemWidth)->lineEdit(), QStringLiteral("140"));
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString code = QApplication::clipboard()->text();
        QVERIFY(code.startsWith(QStringLiteral("<!-- Menu written by Halvero")));
        QVERIFY(code.contains(QStringLiteral("width: 140px;")));
        QVERIFY(code.endsWith(QStringLiteral("</nav>\n")));
    }

    // A font colour that will not read on its background is pointed out
    // beside the commands, with by how much, and the note goes once it reads.
    void hardToReadColoursAreNoted() {
        auto* note = window->findChild<QLabel*>(QStringLiteral("contrastNote"));
        QVERIFY(note->text().isEmpty());
        QColor pick(0xFF, 0xFF, 0x00);
        window->setColorDialog([&](const QColor&) { return std::optional<QColor>(pick); });
        colorButton(SettingTable::kHover.fontColor)->click();
        QCOMPARE(note->text(), QStringLiteral("Hard to read in the page: hovered item 1.0:1, text "
                                              "on background (4.5:1 or more reads well)."));
        pick = QColor(0x33, 0x33, 0x33);
        colorButton(SettingTable::kHover.fontColor)->click();
        QVERIFY(note->text().isEmpty());
    }

    // Write page to... writes what Create writes, wherever the user picks.
    void writePageToWritesWhatCreateWrites() {
        const QString elsewhere = folder->filePath(QStringLiteral("site/menu.htm"));
        QVERIFY(QDir().mkpath(folder->filePath(QStringLiteral("site"))));
        box("menu.itemWidth")->lineEdit()->selectAll();
        QTest::keyClicks(box("menu.itemWidth")->lineEdit(), QStringLiteral("140"));
        answerFileDialogs({elsewhere});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        const QString created = createdPage();
        const QString written = readAll(elsewhere);
        auto withoutStamp = [](QString page) {
            return page.remove(QRegularExpression(QStringLiteral("timestamp' content='[^']*'")));
        };
        QVERIFY(written.contains(QStringLiteral("width='140'")));
        QCOMPARE(withoutStamp(written), withoutStamp(created));
    }

    // Characters that would end a value's place in the page cannot be
    // typed, and a width takes no more than a few characters.
    void charactersThatBreakThePageCannotBeTyped() {
        QLineEdit* width = box(SettingTable::kItemWidth)->lineEdit();
        QTest::mouseClick(width, Qt::LeftButton);
        QTest::keyClick(width, Qt::Key_End);
        QTest::keyClicks(width, QStringLiteral("'\"<>;{}9"));
        QCOMPARE(width->text(), QStringLiteral("1209"));
        QTest::keyClicks(width, QStringLiteral("87654"));
        QCOMPARE(width->text(), QStringLiteral("120987"));
        QLineEdit* target = box(SettingTable::kTarget)->lineEdit();
        target->selectAll();
        QTest::keyClicks(target, QStringLiteral("x' onmouseover='alert(1)"));
        const QString page = createdPage();
        QVERIFY(page.contains(QStringLiteral("width='120987'")));
        QCOMPARE(page.count(QStringLiteral("target='x onmouseover=alert(1)'")), 5);
    }

    // Save as with a name typed without its extension asks before it
    // replaces the file of that name with the extension.
    void saveAsAsksBeforeReplacingTheNameWithItsExtension() {
        const QString existing = folder->filePath(QStringLiteral("menu1.halvero"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
        file.close();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QString asked, proposed;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            whenMessageBoxOpens([&, dialog](QMessageBox* question) {
                asked = question->text();
                question->button(QMessageBox::No)->click();
                QTimer::singleShot(50, dialog, &QDialog::reject);
            });
            dialog->setDirectory(folder->path());
            proposed = name->text();
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, QStringLiteral("menu1"));
            QTest::keyClick(name, Qt::Key_Return);
            QTimer::singleShot(5000, dialog, &QDialog::reject); // never asked
        });
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(proposed, QStringLiteral("menu.halvero"));
        QVERIFY2(asked.contains(QStringLiteral("menu1.halvero")), qPrintable(asked));
        QCOMPARE(readAll(existing), QStringLiteral("kept"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
