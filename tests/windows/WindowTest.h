#pragma once

// What the window tests share: a fresh main window for each test, run in a
// folder of its own, and the ways a user reaches its boxes and dialogs.

#include "windows/main/MainWindow.h"

#include "app/Application.h"
#include "app/pictures/Pictures.h"
#include "app/toolkit/Look.h"
#include "core/settings/ColorValues.h"
#include "core/settings/SettingTable.h"
#include "windows/dialogs/SiteDialog.h"
#include "windows/items/MenuItemsDialog.h"
#include "windows/items/MenuItemsModel.h"
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <cmath>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Runs `answer` on the next modal window that opens (a message box or a
// child window), once the event loop is running it.
inline void whenModalOpens(std::function<void(QWidget*)> answer) {
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

inline QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Makes `folder` refuse writes: for root, who may write any folder, a
// read-only bind mount seen by this thread alone; for anyone else, its
// permissions. False where neither can be done.
inline bool makeReadOnly(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::geteuid() != 0)
        return ::chmod(path.constData(), 0555) == 0;
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

inline void makeWritableAgain(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::geteuid() != 0)
        ::chmod(path.constData(), 0755);
    else
        ::umount2(path.constData(), MNT_DETACH);
}

using halvero::SettingTable;

// The entries that hold a colour, each with its button.
inline std::vector<int> colorEntries() {
    std::vector<int> entries;
    for (const halvero::Setting& entry : SettingTable::entries())
        if (entry.isColor())
            entries.push_back(entry.index);
    return entries;
}

// The contrast ratio of two colours as accessibility guidelines count it.
inline double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a) + 0.05, y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Application::configure();
        // Recent menus go to a configuration folder of the test's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void init() {
        folder = std::make_unique<QTemporaryDir>();
        window = new MainWindow;
        window->setProgramFolder(folder->path());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() {
        delete window.data();
        folder.reset();
    }

protected:
    // Types `text` key by key into whatever has the focus, as a user does:
    // "\t" and "\n" press Tab and Return.
    static void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus, "nothing has the keyboard focus");
            if (c == QLatin1Char('\t'))
                QTest::keyClick(focus, Qt::Key_Tab);
            else if (c == QLatin1Char('\n'))
                QTest::keyClick(focus, Qt::Key_Return);
            else
                QTest::keyClicks(focus, QString(c));
            QCoreApplication::processEvents(); // an editor closes a moment later
        }
    }
    // Insert in the editor: a row is added and its label's editor takes the
    // keys (once it has the focus: a slow build may get there later).
    static void insertRow(QTreeView* tree) {
        QTest::keyClick(tree, Qt::Key_Insert);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    }
    // The editor's cell at `row` under `parent`.
    static QModelIndex cell(QTreeView* tree, int row, int column, const QModelIndex& parent = {}) {
        return tree->model()->index(row, column, parent);
    }
    static void clickCell(QTreeView* tree, int row, int column, const QModelIndex& parent = {}) {
        const QRect rect = tree->visualRect(cell(tree, row, column, parent));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Runs `open` with the window active, then `edit` in the dialog it
    // opens, once that is the active window and stays so (keys typed before
    // would reach no editor, and the live preview may dock as a dialog
    // opens); a dialog still open afterwards is cancelled.
    void inDialog(const std::function<void()>& open, const std::function<void(QDialog*)>& edit) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        bool opened = false;
        whenModalOpens([&](QWidget* modal) {
            opened = true;
            auto* dialog = qobject_cast<QDialog*>(modal);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
            edit(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        open();
        QVERIFY(opened);
    }
    // Opens the Menu Items editor with its shortcut and runs `edit` in it.
    void editItems(std::function<void(QDialog*, QTreeView*)> edit) {
        inDialog([this] { QTest::keyClick(box("menu.itemWidth"), Qt::Key_I, Qt::ControlModifier); },
                 [&](QDialog* dialog) {
                     auto* table = dialog->findChild<QTreeView*>(QStringLiteral("itemTree"));
                     table->setFocus();
                     edit(dialog, table);
                 });
    }
    static bool checked(QDialog* dialog, const char* name) {
        return dialog->findChild<QAbstractButton*>(QLatin1String(name))->isChecked();
    }
    // Opens Page > Page Style... and runs `edit` on the dialog.
    void editPageStyle(std::function<void(QDialog*)> edit) {
        inDialog([this] { window->findChild<QAction*>(QStringLiteral("pageStyle"))->trigger(); },
                 edit);
    }
    // Presses `button` in the next message box that opens; `asked` gets
    // the box's name.
    static void answerNextQuestion(QMessageBox::StandardButton button, QString* asked) {
        whenModalOpens([button, asked](QWidget* modal) {
            *asked = modal->objectName();
            qobject_cast<QMessageBox*>(modal)->button(button)->click();
        });
    }
    // Runs `answer` on the next message box that opens.
    static void whenMessageBoxOpens(std::function<void(QMessageBox*)> answer) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                answer(box);
            }
        });
        poll->start(10);
    }
    // Answers the next file dialogs with `paths`, in turn. Shortcuts reach
    // the active window only.
    void answerFileDialogs(QStringList paths) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->setFileDialog([paths](FileCommands::DialogMode, const QString&,
                                      const QString&) mutable { return paths.takeFirst(); });
    }
    QStringList allValues() const {
        QStringList values;
        for (const halvero::Setting& entry : SettingTable::entries())
            values << box(entry.index)->currentText();
        return values;
    }

    QComboBox* box(int index) const {
        return window->findChild<QComboBox*>(MainControls::entryName(index));
    }
    QLabel* label(int index) const {
        return window->findChild<QLabel*>(MainControls::entryName(index) + ".label");
    }
    QPushButton* colorButton(int index) const {
        return window->findChild<QPushButton*>(MainControls::entryName(index) + ".chooseColor");
    }
    // The same, by the entry's name in settings files ("menu.itemWidth").
    QComboBox* box(const char* name) const {
        return window->findChild<QComboBox*>(QLatin1String(name));
    }
    QLabel* label(const char* name) const {
        return window->findChild<QLabel*>(QLatin1String(name) + QStringLiteral(".label"));
    }
    QPushButton* colorButton(const char* name) const {
        return window->findChild<QPushButton*>(QLatin1String(name) +
                                               QStringLiteral(".chooseColor"));
    }
    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }

    // Presses Create and reads what it wrote.
    QString createdPage() {
        QTest::mouseClick(button("createPageButton"), Qt::LeftButton);
        return readAll(QDir(folder->path()).filePath(QStringLiteral("pattern.htm")));
    }

    QTemporaryDir config;
    std::unique_ptr<QTemporaryDir> folder;
    QPointer<MainWindow> window;
};
