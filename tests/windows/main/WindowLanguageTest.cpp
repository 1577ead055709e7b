// The window in the language the test is started in (LANG, one run per
// shipped language): its captions, menus and dialogs translated, and no
// text cut short where the translation is longer than the English.

#include "../WindowTest.h"

#include "app/Translations.h"
#include "windows/dialogs/AboutWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMap>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

QString described(const QWidget* widget, const QString& text) {
    return QStringLiteral("%1 \"%2\" in %3")
        .arg(QLatin1String(widget->metaObject()->className()), text,
             widget->window()->windowTitle());
}

// The texts among `root`'s visible widgets that do not fit where they are
// shown: a label or button narrower or lower than its text, a tab whose
// caption is elided.
QStringList cutShort(QWidget* root) {
    QStringList cut;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width() &&
                                        label->fontMetrics().height() <= label->height();
            if (!fits)
                cut << described(label, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button && !button->text().isEmpty()) {
            // A push button's text within its frame; a check or radio box
            // with its mark.
            const QString shown = QString(button->text()).remove(QLatin1Char('&'));
            const int needed = qobject_cast<QPushButton*>(button)
                                   ? button->fontMetrics().horizontalAdvance(shown) + 4
                                   : button->sizeHint().width();
            if (needed > button->width())
                cut << described(button, button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (group->minimumSizeHint().width() > group->width())
                cut << described(group, group->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QString shown = QString(tabs->tabText(i)).remove(QLatin1Char('&'));
                if (tabs->tabRect(i).width() < tabs->fontMetrics().horizontalAdvance(shown) + 8)
                    cut << described(tabs, tabs->tabText(i));
            }
        }
    }
    return cut;
}

// The access keys that two of `root`'s visible controls (or its menu
// bar's menus) share: Alt and the letter would reach only one.
QStringList sharedAccessKeys(QWidget* root) {
    QMap<QChar, QStringList> owners;
    auto add = [&](const QString& text) {
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at >= 0)
            owners[text.at(at + 1).toLower()] << text;
    };
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || qobject_cast<QMenu*>(widget))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            add(label->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group->title());
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* menu : bar->actions())
                add(menu->text());
    }
    QStringList shared;
    for (const QStringList& texts : owners)
        if (texts.size() > 1)
            shared << texts.join(QStringLiteral(" / "));
    return shared;
}

} // namespace

class WindowLanguageTest : public WindowTest {
    Q_OBJECT
private slots:
    // A sample of every kind of text: the form's captions and commands,
    // the menu bar, and the status bar's messages.
    void theWindowSpeaksTheLanguage() {
        QVERIFY(label("menu.itemCount")->text() != QLatin1String("Menu Item Count"));
        QVERIFY(button("createPageButton")->text() != QLatin1String("Create HTML Page File"));
        const QList<QAction*> menus = window->menuBar()->actions();
        QVERIFY(!menus.isEmpty());
        QVERIFY(menus.first()->text() != QLatin1String("&File"));
        window->findChild<QAction*>(QStringLiteral("copyMenuCode"))->trigger();
        QVERIFY(!window->statusBar()->currentMessage().isEmpty());
        QVERIFY(!window->statusBar()->currentMessage().startsWith(QLatin1String("Menu code")));
    }

    void noTextOfTheMainWindowIsCutShort() {
        const QStringList cut = cutShort(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        const QStringList shared = sharedAccessKeys(window);
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
    }

    void noTextOfADialogIsCutShort() {
        QStringList cut;
        auto look = [&](QDialog* dialog) {
            for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>())
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                    cut << cutShort(dialog) << sharedAccessKeys(tabs->currentWidget());
                }
            cut << cutShort(dialog);
        };
        editPageStyle(look);
        editItems([&](QDialog* dialog, QTreeView*) { look(dialog); });
        // Update Site on a folder of one page, which it lists.
        const QString site = folder->filePath(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(site));
        QFile page(site + QStringLiteral("/index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><!-- halvero-menu --><!-- /halvero-menu --></body></html>\n");
        page.close();
        SiteDialog::setFolderDialog([site](QWidget*, const QString&) { return site; });
        for (const char* action : {"updateSite", "applyLook"})
            inDialog(
                [this, action] { window->findChild<QAction*>(QLatin1String(action))->trigger(); },
                look);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void noTextOfAboutIsCutShort() {
        auto* about = new AboutWindow;
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QStringList cut = cutShort(about);
        about->close();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

// The translation comes from the system's locale, as when the program
// starts: the test is run with LANG set to a shipped language.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (Translations::install(&application).isEmpty()) {
        std::fprintf(stderr, "no translation for LANG=%s\n", qgetenv("LANG").constData());
        return 1;
    }
    WindowLanguageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "WindowLanguageTest.moc"
