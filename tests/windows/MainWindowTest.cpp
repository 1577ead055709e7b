#include "frm1.h"
#include "Application.h"
#include "ColorValues.h"
#include "ControlLook.h"
#include "Pictures.h"
#include "modMain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs `answer` on the next modal window that opens (a message box or a
// child window), once the event loop is running it.
void whenModalOpens(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Makes `folder` refuse writes: for root, who may write any folder, a
// read-only bind mount seen by this thread alone; for anyone else, its
// permissions. False where neither can be done.
bool makeReadOnly(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::geteuid() != 0)
        return ::chmod(path.constData(), 0555) == 0;
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

void makeWritableAgain(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::geteuid() != 0)
        ::chmod(path.constData(), 0755);
    else
        ::umount2(path.constData(), MNT_DETACH);
}

} // namespace

class frm1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Application::configure();
        modMain::SetApplicationInfo();
    }

    void init() {
        folder = std::make_unique<QTemporaryDir>();
        window = Form::Load<frm1>();
        window->setProgramFolder(folder->path());
        window->Show();
    }
    void cleanup() {
        delete window.data();
        folder.reset();
    }

    void everyEntryShowsItsDefaultAfterStartUp() {
        const halvero::MenuSettings& settings = window->settings();
        for (int i = 0; i < halvero::MenuSettings::kEntryCount; ++i) {
            QComboBox* box = window->cbo[static_cast<std::int16_t>(i)];
            QCOMPARE(box->currentText().toStdString(), settings.value(i));
            QCOMPARE(box->count(), static_cast<int>(settings.items(i).size()));
            for (int k = 0; k < box->count(); ++k)
                QCOMPARE(box->itemText(k).toStdString(), settings.items(i)[static_cast<size_t>(k)]);
        }
        QCOMPARE(window->cbo[0]->currentText(), QStringLiteral("5"));
        QCOMPARE(window->cbo[6]->currentText(), QStringLiteral("Corvantis"));
        QVERIFY(window->cbo[6]->isEnabled());
        QCOMPARE(window->cboTarget->currentText(), QStringLiteral("_blank"));
        QStringList targets;
        for (int k = 0; k < window->cboTarget->count(); ++k)
            targets << window->cboTarget->itemText(k);
        QCOMPARE(targets, (QStringList{"_top", "_self", "_blank", "_parent"}));
    }

    void inputKindsOfTheBoxes() {
        QVERIFY(!window->cbo[0]->isEditable());
        QVERIFY(!window->cbo[5]->isEditable());
        QVERIFY(window->cbo[3]->isEditable() && !window->cbo[3]->lineEdit()->isReadOnly());
        QVERIFY(window->cboTarget->isEditable());
        for (int i : halvero::MenuSettings::kColorEntries) {
            QComboBox* box = window->cbo[static_cast<std::int16_t>(i)];
            QVERIFY(box->isEditable());
            QCOMPARE(box->lineEdit()->isReadOnly(), i != 23 && i != 40);
        }
    }

    void colourBoxesShowTheirColours() {
        QCOMPARE(ControlLook::backColor(window->cbo[11]), QColor(0xFE, 0xF0, 0xBA));
        QCOMPARE(ControlLook::backColor(window->cbo[9]), QColor(0, 0, 255));
        QCOMPARE(ControlLook::backColor(window->cbo[20]), QColor(0x99, 0x99, 0x99));
        // A box without a colour keeps the cream of its look.
        QCOMPARE(ControlLook::backColor(window->cbo[7]), ControlLook::kCream);
    }

    void designGeometry() {
        QCOMPARE(window->size(), QSize(921, 489));
        QCOMPARE(window->y(), QGuiApplication::primaryScreen()->geometry().top() + 50);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(window->x() + window->width() / 2 - screen.center().x()) <= 1);
        QCOMPARE(window->cbo[9]->geometry(), QRect(464, 88, 121, 21));
        QCOMPARE(window->cmdChangeColor[9]->geometry(), QRect(584, 88, 25, 21));
        QCOMPARE(window->cmdChangeColor[40]->geometry(), QRect(888, 456, 25, 21));
        QCOMPARE(window->cmd[3]->text(), QStringLiteral("&Exit"));
        QCOMPARE(window->cmd[3]->geometry(), QRect(8, 456, 145, 25));
        QCOMPARE(window->lbl[23]->text(), QStringLiteral("Borde Button Color"));
        QCOMPARE(window->lbl[40]->text(), QStringLiteral("Border Button Color"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Halvero"));
        QCOMPARE(window->cmdChangeColor.count(), std::int16_t(12));
    }

    void loadStepsLeaveTimerCancelButtonAndFlag() {
        QVERIFY(window->tmrFlashForm->isActive());
        QCOMPARE(window->tmrFlashForm->interval(), 1000);
        QCOMPARE(window->cancelButton(), window->cmd[3]);
        QCOMPARE(window->lngChildShown, 0);
        QVERIFY(!window->backdrop().isNull());
        QCOMPARE(window->backdrop().height(), window->height());
    }

    void tabOrderFollowsTheColumns() {
        QList<QWidget*> expected;
        for (int i = 0; i <= 6; ++i)
            expected << window->cbo[static_cast<std::int16_t>(i)];
        expected << window->cboTarget;
        for (int i = 7; i <= 40; ++i) {
            expected << window->cbo[static_cast<std::int16_t>(i)];
            if (auto* button = window->cmdChangeColor[static_cast<std::int16_t>(i)])
                expected << button;
        }
        for (int i = 0; i < 4; ++i)
            expected << window->cmd[static_cast<std::int16_t>(i)];
        // Walk the focus chain, keeping only what Tab can reach.
        QList<QWidget*> chain;
        QWidget* w = window->cbo[0];
        do {
            QWidget* control = w->focusProxy() ? w->focusProxy() : w;
            if ((w->focusPolicy() & Qt::TabFocus) && w->parentWidget() == window.data() &&
                !chain.contains(w) && control)
                chain << w;
            w = w->nextInFocusChain();
        } while (w != window->cbo[0]);
        QCOMPARE(chain.mid(0, expected.size()), expected);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : window->focusWidget(),
                 window->cbo[0]->focusProxy() ? window->cbo[0]->focusProxy() : window->cbo[0]);
    }

    void pointersPerKindOfControl() {
        const QImage hand = Pictures::handImage().toImage();
        QCOMPARE(window->cursor().pixmap().toImage(), Pictures::forbiddenHandImage().toImage());
        QCOMPARE(window->cmd[0]->cursor().pixmap().toImage(), hand);
        QCOMPARE(window->cmdChangeColor[9]->cursor().pixmap().toImage(), hand);
        QCOMPARE(window->cbo[0]->cursor().pixmap().toImage(), hand);
        QCOMPARE(window->cbo[9]->cursor().pixmap().toImage(), Pictures::grabImage().toImage());
        QCOMPARE(window->cbo[23]->lineEdit()->cursor().pixmap().toImage(),
                 Pictures::grabImage().toImage());
        QCOMPARE(window->cbo[3]->lineEdit()->cursor().pixmap().toImage(),
                 Pictures::penImage().toImage());
        QCOMPARE(window->cboTarget->cursor().pixmap().toImage(), Pictures::penImage().toImage());
        QCOMPARE(window->lbl[0]->cursor().shape(), Qt::ArrowCursor);
    }

    void statusBarRuleBothWays() {
        QComboBox* message = window->cbo[6];
        message->lineEdit()->selectAll();
        QTest::keyClicks(message->lineEdit(), QStringLiteral("Hello there"));
        QCOMPARE(window->settings().value(6), std::string("Hello there"));

        QTest::keyClick(window->cbo[5], Qt::Key_Down); // "Yes"
        QCOMPARE(window->cbo[5]->currentText(), QStringLiteral("Yes"));
        QVERIFY(!message->isEnabled());
        QCOMPARE(message->currentText(), QString());

        QTest::keyClick(window->cbo[5], Qt::Key_Up); // "No"
        QVERIFY(message->isEnabled());
        QCOMPARE(message->currentText(), QStringLiteral("Corvantis"));
        QCOMPARE(window->settings().value(6), std::string("Corvantis"));
    }

    void eachColourButtonWritesOnlyIntoItsOwnEntry() {
        int next = 1;
        QColor offered;
        window->MyDialog = [&](const QColor& initial) -> std::optional<QColor> {
            offered = initial;
            return QColor(next, 2 * next, 3 * next);
        };
        for (int i : halvero::MenuSettings::kColorEntries) {
            const auto index = static_cast<std::int16_t>(i);
            std::vector<std::string> before;
            for (int k = 0; k < halvero::MenuSettings::kIndexCount; ++k)
                before.push_back(window->settings().value(k));
            const QColor current = ControlLook::backColor(window->cbo[index]);
            next = i;
            window->cmdChangeColor[index]->click();
            QCOMPARE(offered, current); // the dialog opens on the entry's colour
            const QColor expected(i, 2 * i, 3 * i);
            QCOMPARE(window->cbo[index]->currentText(),
                     QString::fromStdString(halvero::ColorToHex(
                         expected.red() + 256 * expected.green() + 65536 * expected.blue())));
            QCOMPARE(ControlLook::backColor(window->cbo[index]), expected);
            for (int k = 0; k < halvero::MenuSettings::kIndexCount; ++k)
                if (k != i)
                    QCOMPARE(window->settings().value(k), before[static_cast<size_t>(k)]);
        }
    }

    void pureRedFromButtonNine() {
        window->MyDialog = [](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); };
        window->cmdChangeColor[9]->click();
        QCOMPARE(window->cbo[9]->currentText(), QStringLiteral("#FF0000"));
        QCOMPARE(ControlLook::backColor(window->cbo[9]), QColor(255, 0, 0));
    }

    void cancellingTheDialogChangesNothing() {
        window->MyDialog = [](const QColor&) { return std::optional<QColor>(); };
        window->cmdChangeColor[26]->click();
        QCOMPARE(window->cbo[26]->currentText(), QStringLiteral("#0000FF"));
        QCOMPARE(ControlLook::backColor(window->cbo[26]), QColor(0, 0, 255));
    }

    void typedColoursKeepTheLastGoodColourUntilReadable() {
        for (std::int16_t index : {std::int16_t(23), std::int16_t(40)}) {
            QLineEdit* edit = window->cbo[index]->lineEdit();
            const QColor start = ControlLook::backColor(window->cbo[index]);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace); // ""
            QCOMPARE(ControlLook::backColor(window->cbo[index]), start);
            for (const char* typed : {"#", "#F", "red"}) {
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(typed));
                QCOMPARE(window->cbo[index]->currentText(), QString::fromLatin1(typed));
                QCOMPARE(ControlLook::backColor(window->cbo[index]), start);
            }
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("#00FF00"));
            QCOMPARE(ControlLook::backColor(window->cbo[index]), QColor(0, 255, 0));
            QCOMPARE(window->settings().value(index), std::string("#00FF00"));
        }
    }

    void escapeAsksAndNoKeepsEverything() {
        window->cbo[3]->lineEdit()->selectAll();
        QTest::keyClicks(window->cbo[3]->lineEdit(), QStringLiteral("333"));
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool noIsDefault = false;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            box->button(QMessageBox::No)->click();
        });
        QTest::keyClick(window->cbo[7], Qt::Key_Escape);
        QCOMPARE(text, QStringLiteral("Do you want to exit?"));
        QCOMPARE(title, QStringLiteral("Question"));
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY(noIsDefault);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->cbo[3]->currentText(), QStringLiteral("333"));
    }

    void createWritesTheEntriesOfThatMoment() {
        window->cbo[3]->lineEdit()->selectAll();
        QTest::keyClicks(window->cbo[3]->lineEdit(), QStringLiteral("200"));
        QTest::keyClick(window->cbo[7], Qt::Key_Up);   // "Verdana"
        QTest::keyClick(window->cbo[0], Qt::Key_Down); // "6"
        window->cmd[0]->click();
        const QString page = readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")));
        QCOMPARE(page.count(QStringLiteral("width='200'")), 7);
        QVERIFY(page.contains(QStringLiteral("font-family:Verdana;")));
        QCOMPARE(page.count(QStringLiteral(">Corvantis</a>")), 6);
        QCOMPARE(page.count(QStringLiteral("\r\n")), 108 + 6 * 6);

        window->cboTarget->lineEdit()->selectAll();
        QTest::keyClicks(window->cboTarget->lineEdit(), QStringLiteral("main"));
        window->cmd[0]->click();
        QCOMPARE(readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")))
                     .count(QStringLiteral("target='main'")),
                 6);
    }

    void failedWriteShowsTheErrorAndKeepsEverything() {
        const QString page = QDir(folder->path()).filePath(QStringLiteral("pattern.htm"));
        window->cmd[0]->click();
        const QString oldPage = readAll(page);
        QVERIFY(!oldPage.isEmpty());

        window->cbo[3]->lineEdit()->selectAll();
        QTest::keyClicks(window->cbo[3]->lineEdit(), QStringLiteral("77"));
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
        window->cmd[0]->click();
        QVERIFY(shown.contains(missing + QStringLiteral("/pattern.htm")));
        QVERIFY(shown.contains(QStringLiteral("No such file or directory")));
        QVERIFY(window->isVisible());
        QCOMPARE(window->cbo[3]->currentText(), QStringLiteral("77"));

        // The name taken by a folder: the error again, the folder untouched.
        window->setProgramFolder(folder->path());
        QFile::remove(page);
        QDir(folder->path()).mkdir(QStringLiteral("pattern.htm"));
        whenModalOpens([&](QWidget* modal) {
            shown = qobject_cast<QMessageBox*>(modal)->informativeText();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        window->cmd[0]->click();
        QVERIFY(shown.contains(QStringLiteral("Is a directory")));
        QVERIFY(QFileInfo(page).isDir());
    }

    void aboutOpensModallyAndKeepsTypedSettings() {
        window->cbo[4]->lineEdit()->selectAll();
        QTest::keyClicks(window->cbo[4]->lineEdit(), QStringLiteral("not a number"));
        QString firstLine;
        int flagWhileOpen = -1;
        whenModalOpens([&](QWidget* modal) {
            flagWhileOpen = window->lngChildShown;
            firstLine = modal->findChild<QLabel*>(QStringLiteral("lbl0"))->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QCOMPARE(window->cmd.count() - 2, 2);
        window->cmd[2]->click();
        QCOMPARE(flagWhileOpen, 1);
        QCOMPARE(firstLine, QStringLiteral("Application Name: Halvero"));
        QCOMPARE(window->lngChildShown, 0);
        QCOMPARE(window->cbo[4]->currentText(), QStringLiteral("not a number"));
        QCOMPARE(window->cbo[9]->currentText(), QStringLiteral("#0000FF"));
    }

    void previewThatCannotLoadSaysSoAndKeepsEverything() {
        // This test program carries no preview module.
        window->cbo[3]->lineEdit()->selectAll();
        QTest::keyClicks(window->cbo[3]->lineEdit(), QStringLiteral("99"));
        QString what, why;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            what = box->text();
            why = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        window->cmd[1]->click();
        QCOMPARE(what, QStringLiteral("The preview could not be opened."));
        QVERIFY(!why.isEmpty());
        QCOMPARE(window->lngChildShown, 0);
        QCOMPARE(window->cbo[3]->currentText(), QStringLiteral("99"));
    }

    void activationWithTheFlagSetKeepsTypedTexts() {
        window->cbo[6]->lineEdit()->selectAll();
        QTest::keyClicks(window->cbo[6]->lineEdit(), QStringLiteral("kept"));
        window->lngChildShown = 1;
        window->Form_Activate();
        QCOMPARE(window->lngChildShown, 0);
        QCOMPARE(window->cbo[6]->currentText(), QStringLiteral("kept"));
        window->Form_Activate(); // flag 0: defaults again
        QCOMPARE(window->cbo[6]->currentText(), QStringLiteral("Corvantis"));
        QCOMPARE(window->cboTarget->count(), 4);
    }

    // Typing goes into the page as typed: the caret, the selection and the
    // undo history stay where the user put them, and nothing completes the
    // text to an offered item.
    void typingGoesIntoThePageAsTyped_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("inPage"); // where the value lands, %1 for it
        QTest::addColumn<QString>("prefix"); // of an offered item, kept as typed
        QTest::newRow("number") << "cbo3"
                                << "width='%1'"
                                << "2";
        QTest::newRow("message") << "cbo6"
                                 << "window.status = \"%1\";"
                                 << "Welcome";
        QTest::newRow("target") << "cboTarget"
                                << "target='%1'"
                                << "_";
        QTest::newRow("colour 23") << "cbo23"
                                   << "border-bottom:2px solid %1;"
                                   << "#9";
        QTest::newRow("colour 40") << "cbo40"
                                   << "border-bottom:1px solid %1;"
                                   << "#F";
    }
    void typingGoesIntoThePageAsTyped() {
        QFETCH(QString, box);
        QFETCH(QString, inPage);
        QFETCH(QString, prefix);
        QLineEdit* edit = window->findChild<QComboBox*>(box)->lineEdit();
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
        QLineEdit* edit = window->cbo[6]->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral("corvantis"));
        QTest::keyClick(edit, Qt::Key_Return);
        window->cbo[7]->setFocus(); // editing ends
        QCOMPARE(edit->text(), QStringLiteral("corvantis"));
        QVERIFY(createdPage().contains(QStringLiteral("window.status = \"corvantis\";")));
    }

    void pickingFromTheListWithTheKeyboard() {
        QComboBox* target = window->cboTarget;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Down, Qt::AltModifier); // opens on "_blank"
        QTRY_VERIFY(target->view()->isVisible());
        QTest::keyClick(target->view(), Qt::Key_Down);
        QTest::keyClick(target->view(), Qt::Key_Return);
        QTRY_VERIFY(!target->view()->isVisible());
        QCOMPARE(target->currentText(), QStringLiteral("_parent"));
        QCOMPARE(createdPage().count(QStringLiteral("target='_parent'")), 5);
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
        QCOMPARE(nameOf(window->cbo[3]), QStringLiteral("Menu Item Width"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window->cbo[3])->role(),
                 QAccessible::ComboBox);
        QCOMPARE(nameOf(window->cbo[23]), QStringLiteral("Borde Button Color"));
        QCOMPARE(nameOf(window->cbo[40]), QStringLiteral("Border Button Color"));
        QCOMPARE(nameOf(window->cboTarget), QStringLiteral("Target"));
        QCOMPARE(nameOf(window->cmdChangeColor[9]), QStringLiteral("Choose Font Color"));
        QCOMPARE(nameOf(window->cmdChangeColor[23]), QStringLiteral("Choose Borde Button Color"));
        for (int i = 0; i < halvero::MenuSettings::kEntryCount; ++i)
            QVERIFY(!nameOf(window->cbo[static_cast<std::int16_t>(i)]).isEmpty());
    }

    // Graphical buttons are cream, flat from top to bottom, darker while
    // pressed.
    void buttonFacesAreFlatCream() {
        for (QPushButton* button : {window->cmd[0], window->cmd[3], window->cmdChangeColor[9]}) {
            const QImage face = button->grab().toImage();
            for (int y : {3, face.height() / 2, face.height() - 4})
                QCOMPARE(face.pixelColor(3, y), ControlLook::kCream);
        }
        window->cmd[1]->setDown(true);
        const QImage pressed = window->cmd[1]->grab().toImage();
        window->cmd[1]->setDown(false);
        QVERIFY(pressed.pixelColor(3, 3) != ControlLook::kCream);
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
        QTest::mouseClick(window->cmd[0], Qt::LeftButton);
        QTest::mouseClick(window->cmd[0], Qt::LeftButton);
        QCOMPARE(told, QStringList{"pageWrittenElsewhere: " + page});
        QVERIFY(readAll(page).contains(QStringLiteral("width='120'")));
        QVERIFY(!QFile::exists(folder->path() + "/pattern.htm"));
        QCOMPARE(window->pagePath(), page);

        // A per-user folder that cannot be made gives the usual error.
        QFile(home.path() + "/taken").open(QIODevice::WriteOnly);
        qputenv("HOME", QFile::encodeName(home.path() + "/taken"));
        window->setProgramFolder(folder->path());
        told.clear();
        QTest::mouseClick(window->cmd[0], Qt::LeftButton);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("commandError: ") && told[0].contains("Not a directory"),
                 qPrintable(told[0]));

        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        makeWritableAgain(folder->path());
    }

    void timerTogglesWithoutStopping() {
        window->tmrFlashForm_Timer();
        window->tmrFlashForm_Timer();
        QVERIFY(window->tmrFlashForm->isActive());
    }

private:
    // Presses Create and reads what it wrote.
    QString createdPage() {
        QTest::mouseClick(window->cmd[0], Qt::LeftButton);
        return readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")));
    }

    std::unique_ptr<QTemporaryDir> folder;
    QPointer<frm1> window;
};

QTEST_MAIN(frm1Test)
#include "frm1Test.moc"
