#include "windows/preview/PreviewWindow.h"
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "core/items/ItemsText.h"
#include "core/page/PageComposer.h"
#include "core/settings/SettingTable.h"
#include "windows/document/MenuDocument.h"
#include "windows/main/MainWindow.h"
#include "windows/preview/LivePreviewDock.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <functional>

extern "C" QDialog* halvero_load_preview(QWidget* owner, const QString& pagePath,
                                         const QByteArray& pageText);
extern "C" QWidget* halvero_make_live_preview(QWidget* parent);
extern "C" QObject* halvero_make_page_snapshots(QObject* parent);

namespace {

// The live preview's browser in `window`, once it has started (up to 20 s),
// or null.
QWebEngineView* liveBrowserOf(QWidget* window) {
    QWebEngineView* live = nullptr;
    (void)QTest::qWaitFor(
        [&] { return (live = window->findChild<QWebEngineView*>(QStringLiteral("liveBrowser"))); },
        20000);
    return live;
}

QVariant evaluate(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        qWarning("script did not return: %s", qPrintable(script));
    return result;
}

// Waits until the view has finished loading its current page.
bool waitForLoad(QSignalSpy& spy) {
    return spy.count() > 0 || spy.wait(30000);
}

// The widget that takes the view's mouse input.
QWidget* inputWidget(QWebEngineView* view) {
    return view->focusProxy() ? view->focusProxy() : view;
}

// The centre of the first element of the page that `selector` finds, in
// the view; a null point when there is none.
QPoint centreOf(QWebEngineView* view, const QString& selector) {
    const QVariantList box =
        evaluate(view, QStringLiteral("(function(){var e=document.querySelector('%1');"
                                      "if(!e)return [];var r=e.getBoundingClientRect();"
                                      "return [r.left+r.width/2,r.top+r.height/2];})()")
                           .arg(selector))
            .toList();
    return box.size() == 2 ? QPoint(box[0].toInt(), box[1].toInt()) : QPoint();
}

QPoint firstLinkCentre(QWebEngineView* view) {
    return centreOf(view, QStringLiteral("a.Menu"));
}

QString firstCellClass(QWebEngineView* view) {
    return evaluate(view, QStringLiteral("document.querySelector('td.Menu, td.Hover').className"))
        .toString();
}

template <typename T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

QWebEngineView* browser(QWidget* preview) {
    return child<QWebEngineView>(preview, "browser");
}

// Presses Preview in `main`, runs `then` in the preview as soon as it has
// opened, and closes it with Escape, as a user does; returns the preview.
PreviewWindow* whilePreviewOpen(QWidget* main, const std::function<void(PreviewWindow*)>& then) {
    PreviewWindow* opened = nullptr;
    QTimer poll;
    poll.start(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible())
            return;
        poll.stop();
        opened = preview;
        then(preview);
        QTest::keyClick(child<QPushButton>(preview, "closeButton"), Qt::Key_Escape);
    });
    child<QPushButton>(main, "previewButton")->click();
    return opened;
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Application::configure();
        PreviewEngine::setFactory(&halvero_load_preview, &halvero_make_live_preview,
                                  &halvero_make_page_snapshots);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("/config")));
        QVERIFY(folder.isValid());
        // A folder name that a raw "file:///" + path would break.
        pageFolder = folder.path() + QStringLiteral("/my menu #1 %20 caf\u00e9");
        QVERIFY(QDir().mkpath(pageFolder));
    }

    // The dock alone, on a bare main window: it composes the page once for
    // any number of edits made together, shows what the last one made, and
    // its close button unticks its action and is remembered.
    void theDockFollowsEditsOnceAndClosesByItsButton() {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Settings")));
        window.resize(900, 500);
        MenuDocument document;
        document.startNew();
        int composed = 0;
        QAction* toggle = dockLivePreview(window, document, &composed);
        QVERIFY(toggle);
        auto* dock = window.findChild<LivePreviewDock*>();
        QSignalSpy shown(dock, &LivePreviewDock::pageShown);
        auto* live = window.findChild<QWebEngineView*>(QStringLiteral("liveBrowser"));
        QVERIFY(live);
        const int before = composed;
        for (const char* width : {"1", "13", "130"})
            document.type(halvero::SettingTable::kItemWidth, width);
        document.pick(halvero::SettingTable::kDirection, "Horizontal");
        QVERIFY(shown.wait(30000));
        QCOMPARE(composed, before + 1);
        QTRY_COMPARE_WITH_TIMEOUT(
            evaluate(live, QStringLiteral("document.querySelector('td[height]').width")).toString(),
            QStringLiteral("130"), 10000);
        dock->close();
        QVERIFY(!toggle->isChecked());
        QVERIFY(!LivePreviewDock::wasShown());
    }

    // A sub-menu the pointer opened in the live preview closes a moment
    // after the pointer leaves the view, as it does on a page in a browser.
    void aPointerLeavingTheLivePreviewClosesWhatItOpened() {
        QMainWindow window;
        auto* settingsSide = new QLabel(QStringLiteral("Settings"));
        window.setCentralWidget(settingsSide);
        window.resize(1200, 500);
        MenuDocument document;
        document.startNew();
        document.change(QStringLiteral("menu"), [](halvero::MenuSettings& settings) {
            settings.setPageStyle(halvero::MenuSettings::PageStyle::Modern);
            settings.setMenuItems(halvero::ItemsText::parse(
                "Home\tindex.html\nServices\tservices/\n> Web design\tweb.html\n"));
        });
        document.pick(halvero::SettingTable::kDirection, "Horizontal");
        QVERIFY(dockLivePreview(window, document));
        window.resizeDocks({window.findChild<LivePreviewDock*>()}, {900}, Qt::Horizontal);
        window.findChild<QAbstractButton*>(QStringLiteral("fillWidth"))->click();
        auto* live = window.findChild<QWebEngineView*>(QStringLiteral("liveBrowser"));
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(live, QStringLiteral("innerWidth")).toInt() == live->width(), 10000);
        const QString expanded = QStringLiteral(
            "document.querySelector('.halvero-menu__toggle').getAttribute('aria-expanded')");
        const QPoint link = centreOf(live, QStringLiteral("a[href=\"services/\"]"));
        QVERIFY(!link.isNull());
        QTRY_VERIFY_WITH_TIMEOUT((QTest::mouseMove(inputWidget(live), link),
                                  evaluate(live, expanded).toString() == QStringLiteral("true")),
                                 10000);
        QTest::mouseMove(settingsSide, QPoint(10, 10));
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(live, expanded).toString(), QStringLiteral("false"),
                                  3000);
    }

    void addressIsAProperFileUrl() {
        const QUrl url =
            PreviewWindow::addressFor(QStringLiteral("/tmp/a b/#1/caf\u00e9/pattern.htm"));
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), QStringLiteral("/tmp/a b/#1/caf\u00e9/pattern.htm"));
        QVERIFY(
            url.toString(QUrl::FullyEncoded).startsWith(QStringLiteral("file:///tmp/a%20b/%231/")));
    }

    void hoverSwapsTheClassAndShowsTheMessage() {
        auto* preview = openPreview(pageFor("No"));
        QWebEngineView* view = browser(preview);
        QCOMPARE(child<QLabel>(preview, "title")->text(), QStringLiteral("HTML Preview"));
        QCOMPARE(firstCellClass(view), QStringLiteral("Menu"));

        const QPoint link = firstLinkCentre(view);
        QVERIFY(!link.isNull());
        QTest::mouseMove(inputWidget(view), link);
        QTRY_COMPARE_WITH_TIMEOUT(firstCellClass(view), QStringLiteral("Hover"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(preview, "statusLine")->text(),
                                  QStringLiteral("Corvantis"), 10000);

        QTest::mouseMove(inputWidget(view), QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(firstCellClass(view), QStringLiteral("Menu"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(preview, "statusLine")->text(), QString(), 10000);
        delete preview;
    }

    void withTheUrlShownTheStatusLineShowsTheAddress() {
        auto* preview = openPreview(pageFor("Yes"));
        QWebEngineView* view = browser(preview);
        // A busy engine may miss the first move onto a page just shown (as
        // a visitor's pointer, it is moved again).
        const QPoint link = firstLinkCentre(view);
        QTRY_VERIFY_WITH_TIMEOUT((QTest::mouseMove(inputWidget(view), link),
                                  child<QLabel>(preview, "statusLine")->text() ==
                                      QStringLiteral("http://www.example.com/")),
                                 10000);
        QTest::mouseMove(inputWidget(view), QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(preview, "statusLine")->text(), QString(), 10000);
        delete preview;
    }

    // Escape closes the preview even after a click has put the focus in
    // its page, which would otherwise keep the key for itself.
    void escapeClosesThePreviewFromInsideItsPage() {
        auto* preview = openPreview(pageFor("No"));
        preview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(preview));
        QWebEngineView* view = browser(preview);
        QTest::mouseClick(inputWidget(view), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(view->isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == view);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!preview->isVisible());
        delete preview;
    }

    // Sub-menus work inside the preview: a click and a tap open them,
    // Enter on the focused button too, and Escape closes the open
    // sub-menu first and the preview only after.
    void subMenusOpenInsideThePreview() {
        halvero::MenuSettings settings;
        settings.initialise();
        settings.setPageStyle(halvero::MenuSettings::PageStyle::Modern);
        settings.setMenuItems(halvero::ItemsText::parse(
            "Home\tindex.html\nServices\tservices/\n> Web design\tweb.html\n"));
        auto* preview = openPreview(QByteArray::fromStdString(
            halvero::PageComposer::compose(settings, halvero::Timestamp::now())));
        preview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(preview));
        QWebEngineView* view = browser(preview);
        const QString expanded = QStringLiteral(
            "document.querySelector('.halvero-menu__toggle').getAttribute('aria-expanded')");
        const QPoint button = centreOf(view, QStringLiteral(".halvero-menu__toggle"));
        QVERIFY(!button.isNull());
        QTest::mouseClick(inputWidget(view), Qt::LeftButton, {}, button);
        QTRY_COMPARE(evaluate(view, expanded).toString(), QStringLiteral("true"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(evaluate(view, expanded).toString(), QStringLiteral("false"));
        QTest::qWait(200);
        QVERIFY(preview->isVisible());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(evaluate(view, expanded).toString(), QStringLiteral("true"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(evaluate(view, expanded).toString(), QStringLiteral("false"));

        QPointingDevice* touch = QTest::createTouchDevice();
        // A tap as a finger makes it: down, a moment, up. A busy engine may
        // take it for a long press (seen once with every test running at
        // once): the finger taps again, as a visitor's would.
        bool opened = false;
        for (int tap = 0; tap < 3 && !opened; ++tap) {
            QTest::touchEvent(inputWidget(view), touch).press(0, button);
            QTest::qWait(80);
            QTest::touchEvent(inputWidget(view), touch).release(0, button);
            opened = QTest::qWaitFor(
                [&] { return evaluate(view, expanded).toString() == QStringLiteral("true"); },
                3000);
        }
        QVERIFY(opened);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(evaluate(view, expanded).toString(), QStringLiteral("false"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!preview->isVisible());
        delete preview;
    }

    // The live preview follows the menu as it is typed and undone, and is
    // there again, at the width chosen, when the program starts next.
    void theLivePreviewFollowsTypingAndUndo() {
        auto* main = new MainWindow;
        main->setProgramFolder(pageFolder);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QWebEngineView* live = liveBrowserOf(main);
        QVERIFY(live);
        const QString bottom =
            QStringLiteral("(function(){var c=document.querySelector('td.Menu');"
                           "return c ? getComputedStyle(c).borderBottomColor : '';})()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(live, bottom).toString(),
                                  QStringLiteral("rgb(153, 153, 153)"), 20000);
        auto* colour = main->findChild<QComboBox*>(QStringLiteral("normal.borderBottomColor"));
        colour->lineEdit()->setFocus();
        colour->lineEdit()->selectAll();
        QTest::keyClicks(colour->lineEdit(), QStringLiteral("#123456"));
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(live, bottom).toString(),
                                  QStringLiteral("rgb(18, 52, 86)"), 10000);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(colour, Qt::Key_Z, Qt::ControlModifier); // the box's own typing
        QTest::keyClick(colour, Qt::Key_Z, Qt::ControlModifier); // the window's step
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(live, bottom).toString(),
                                  QStringLiteral("rgb(153, 153, 153)"), 10000);
        // A tablet's page in a dock narrower than a tablet: laid out at 768
        // pixels, shown whole, scaled down.
        main->findChild<QAbstractButton*>(QStringLiteral("tabletWidth"))->click();
        QTRY_COMPARE(evaluate(live, QStringLiteral("innerWidth")).toInt(), 768);
        QVERIFY(live->width() <= live->parentWidget()->width());
        QVERIFY(live->width() < 768 || main->findChild<LivePreviewDock*>()->width() > 780);
        delete main;

        main = new MainWindow;
        main->show();
        auto* action = main->findChild<QAction*>(QStringLiteral("livePreview"));
        QTRY_VERIFY(action->isChecked()); // once the window has been painted
        QTRY_VERIFY_WITH_TIMEOUT(main->findChild<QWebEngineView*>(QStringLiteral("liveBrowser")),
                                 20000);
        QTRY_COMPARE(evaluate(main->findChild<QWebEngineView*>(QStringLiteral("liveBrowser")),
                              QStringLiteral("innerWidth"))
                         .toInt(),
                     768);
        action->trigger();
        delete main;
        main = new MainWindow;
        main->show();
        QTest::qWait(200);
        QVERIFY(!main->findChild<QAction*>(QStringLiteral("livePreview"))->isChecked());
        QVERIFY(!main->findChild<QDockWidget*>());
        delete main;
    }

    // With a site, the live preview offers its pages: one picked shows as
    // the browser loads it from disk after Update Site, its own style and
    // the menu between its markers with that page's current item, and
    // follows the edits; the menu alone comes back on the list.
    void theLivePreviewShowsTheMenuInASitePage() {
        const QString site = folder.path() + QStringLiteral("/site");
        QVERIFY(QDir().mkpath(site + QStringLiteral("/css")));
        auto write = [&](const QString& name, const QByteArray& text) {
            QFile file(site + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        };
        write(QStringLiteral("css/site.css"), "body { background: rgb(250, 247, 242); }\n");
        for (const char* name : {"index.html", "about.html"})
            write(QLatin1String(name),
                  QByteArray("<!DOCTYPE html><html lang=\"en\"><head><title>Studio ") + name +
                      "</title><link rel=\"stylesheet\" href=\"css/site.css\">"
                      "<!-- halvero-menu-style --><!-- /halvero-menu-style --></head><body>"
                      "<!-- halvero-menu --><!-- /halvero-menu --><main>Text</main></body></html>");
        QPointer<MainWindow> main = new MainWindow;
        main->setProgramFolder(pageFolder);
        auto* document = main->findChild<MenuDocument*>();
        document->setSiteFolder(site);
        document->change(QStringLiteral("Items"), [](halvero::MenuSettings& settings) {
            settings.setMenuItems({{"Home", "index.html", "", "", false, {}},
                                   {"About", "about.html", "", "", false, {}}});
        });
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QWebEngineView* live = liveBrowserOf(main);
        QVERIFY(live);
        auto* pages = main->findChild<QComboBox*>(QStringLiteral("previewPage"));
        QTRY_VERIFY(pages->isVisible());
        QCOMPARE(pages->count(), 3); // the menu alone, index.html, about.html
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), pages);
        QTest::keyClick(pages, Qt::Key_End);
        const QString shown =
            QStringLiteral("(function(){var c=document.querySelector('[aria-current=page]');"
                           "return document.title+'|'+(c?c.textContent:'')+'|'+"
                           "getComputedStyle(document.body).backgroundColor;})()");
        QTRY_COMPARE_WITH_TIMEOUT(
            evaluate(live, shown).toString(),
            QStringLiteral("Studio about.html|About (opens in a new tab)|rgb(250, 247, 242)"),
            20000);
        auto* colour = main->findChild<QComboBox*>(QStringLiteral("normal.backColor"));
        colour->lineEdit()->setFocus();
        colour->lineEdit()->selectAll();
        QTest::keyClicks(colour->lineEdit(), QStringLiteral("#123456"));
        const QString item = QStringLiteral(
            "(function(){var a=document.querySelector('a.halvero-menu__link');"
            "return document.title+'|'+(a?getComputedStyle(a).backgroundColor:'');})()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(live, item).toString(),
                                  QStringLiteral("Studio about.html|rgb(18, 52, 86)"), 10000);
        pages->setFocus();
        QTest::keyClick(pages, Qt::Key_Home);
        QTRY_COMPARE_WITH_TIMEOUT(
            evaluate(live, QStringLiteral("document.querySelector('td.Menu')?'menu':'other'"))
                .toString(),
            QStringLiteral("menu"), 20000);
        main->findChild<QAction*>(QStringLiteral("livePreview"))->trigger();
        delete main;
    }

    // With the live preview docked, every Alt+letter of the window is one
    // command's: Alt+P opens the Page menu, not a width of the dock.
    void everyMnemonicIsOneCommandsWithTheLivePreviewDocked() {
        QPointer<MainWindow> main = new MainWindow;
        main->setProgramFolder(pageFolder);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto* toggle = main->findChild<QAction*>(QStringLiteral("livePreview"));
        QTest::qWait(200); // the preview's state from the last run is taken once painted
        if (!toggle->isChecked())
            toggle->trigger();
        QTRY_VERIFY(main->findChild<QDockWidget*>() &&
                    main->findChild<QDockWidget*>()->isVisible());
        QMap<QKeySequence, QStringList> owners;
        const auto add = [&](const QString& text) {
            if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
                owners[key] << text;
        };
        for (QAction* menu : main->menuBar()->actions())
            add(menu->text());
        for (QAbstractButton* button : main->findChildren<QAbstractButton*>())
            if (button->isVisible())
                add(button->text());
        for (QLabel* label : main->findChildren<QLabel*>())
            if (label->isVisible() && label->buddy())
                add(label->text());
        for (auto it = owners.cbegin(); it != owners.cend(); ++it)
            QVERIFY2(it.value().size() == 1, qPrintable(it.value().join(QStringLiteral(", "))));
        QTest::keyClick(main, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(),
                 QStringLiteral("&Page"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        toggle->trigger();
        delete main;
    }

    // Page > Page Style... shows the live preview while it is open: the
    // modern style and a bar colour typed there reach it at once; Cancel
    // takes them back, and the preview, hidden before, goes again.
    void thePageStyleDialogIsPreviewedLive() {
        QPointer<MainWindow> main = new MainWindow;
        main->setProgramFolder(pageFolder);
        main->show();
        auto* toggle = main->findChild<QAction*>(QStringLiteral("livePreview"));
        QTest::qWait(200); // the preview's state from the last run is taken once painted
        if (toggle->isChecked())
            toggle->trigger();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QWebEngineView* live = liveBrowserOf(main);
            QVERIFY(live);
            QTest::mouseClick(child<QAbstractButton>(dialog, "modernStyle"), Qt::LeftButton);
            auto* colour = child<QLineEdit>(dialog, "barColor");
            colour->setFocus();
            colour->selectAll();
            QTest::keyClicks(colour, QStringLiteral("#1F3A5F"));
            const QString bar =
                QStringLiteral("(function(){var n=document.querySelector('.halvero-menu');"
                               "return n ? getComputedStyle(n).backgroundColor : '';})()");
            QTRY_COMPARE_WITH_TIMEOUT(evaluate(live, bar).toString(),
                                      QStringLiteral("rgb(31, 58, 95)"), 20000);
            seen = true;
            QTest::keyClick(colour, Qt::Key_Escape);
        });
        main->findChild<QAction*>(QStringLiteral("pageStyle"))->trigger();
        QVERIFY(seen);
        QVERIFY(!toggle->isChecked());
        QTRY_VERIFY(!main->findChild<QDockWidget*>()->isVisible());
        QVERIFY(!main->isWindowModified());
        delete main;
    }

    // The looks are pictures of pages the page writer wrote, drawn by the
    // engine out of sight: each in its own colours, and no other window
    // comes on the screen meanwhile.
    void theLooksArePicturesOfTheirPages() {
        QPointer<MainWindow> main = new MainWindow;
        main->setProgramFolder(pageFolder);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        auto holds = [](const QIcon& icon, QRgb wanted) {
            const QImage image = icon.pixmap(QSize(210, 110)).toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF))
                        return true;
            return false;
        };
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* looks = child<QListWidget>(dialog, "looks");
            QTRY_VERIFY_WITH_TIMEOUT(
                [looks] {
                    for (int row = 0; row < looks->count(); ++row)
                        if (!looks->item(row)->data(Qt::UserRole).toBool())
                            return false;
                    return true;
                }(),
                30000);
            for (QWindow* shown : QGuiApplication::topLevelWindows())
                QVERIFY2(!shown->isVisible() || shown == main->windowHandle() ||
                             shown == dialog->windowHandle(),
                         qPrintable(shown->objectName()));
            QVERIFY2(holds(looks->item(0)->icon(), 0xFEF0BA), "Classic: cream items");
            QVERIFY2(holds(looks->item(1)->icon(), 0x1F3A5F), "Brand bar: its dark bar");
            QVERIFY2(holds(looks->item(3)->icon(), 0x4338CA), "Pills: the current one filled");
            QVERIFY(!holds(looks->item(3)->icon(), 0x1F3A5F));
            seen = true;
            QTest::keyClick(looks, Qt::Key_Escape);
        });
        main->findChild<QAction*>(QStringLiteral("newFromLook"))->trigger();
        QVERIFY(seen);
        delete main;
    }

    // Refresh shows the page as it was given, whatever its script did.
    void refreshShowsThePageAgain() {
        auto* preview = openPreview(pageFor("No"));
        QWebEngineView* view = browser(preview);
        evaluate(view, QStringLiteral("document.querySelector('a.Menu').textContent='changed'"));
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        child<QPushButton>(preview, "refreshButton")->click();
        QVERIFY(waitForLoad(loaded));
        QCOMPARE(evaluate(view, QStringLiteral("document.querySelector('a.Menu').textContent"))
                     .toString(),
                 QStringLiteral("Corvantis"));
        delete preview;
    }

    // A page that is no menu at all still shows, and the window stays usable.
    void emptyPageShowsAndStaysUsable() {
        QPointer<PreviewWindow> preview = new PreviewWindow;
        QSignalSpy loaded(browser(preview), &QWebEngineView::loadFinished);
        preview->setPage(folder.path() + QStringLiteral("/nothing/pattern.htm"), QByteArray());
        preview->show();
        QVERIFY(waitForLoad(loaded));
        QVERIFY(preview->isVisible());
        child<QPushButton>(preview, "refreshButton")->click();
        QVERIFY(preview->isVisible());
        QTest::keyClick(child<QPushButton>(preview, "refreshButton"), Qt::Key_Escape);
        QVERIFY(!preview->isVisible());
        delete preview;
    }

    // The preview window is kept between openings; each opening shows the
    // menu as the settings make it then, items included, with nothing
    // written. A click on an item keeps the menu and says where it leads.
    void everyOpeningShowsTheMenuAsItIsNow() {
        QPointer<MainWindow> main = new MainWindow;
        main->setProgramFolder(pageFolder);
        main->show();
        QComboBox* width = child<QComboBox>(main, "menu.itemWidth");

        QList<QPointer<QWidget>> seen;
        // The page in the preview, as `read` finds it once the blank sheet
        // over the view lifts; `then` runs in the open preview.
        auto openAndRead = [&](const QString& read, std::function<void(PreviewWindow*)> then = {}) {
            QString shown;
            seen << whilePreviewOpen(main, [&](PreviewWindow* preview) {
                (void)QTest::qWaitFor(
                    [&] {
                        if (child<QWidget>(preview, "pageCover")->isVisible())
                            return false;
                        shown = evaluate(browser(preview), read).toString();
                        return !shown.isEmpty();
                    },
                    20000);
                if (then)
                    then(preview);
            });
            return shown;
        };
        const QString tableWidth =
            QStringLiteral("(function(){var t=document.querySelector('table');"
                           "return t ? t.getAttribute('width') : '';})()");
        for (const char* typed : {"150", "175"}) {
            width->lineEdit()->selectAll();
            QTest::keyClicks(width->lineEdit(), QLatin1String(typed));
            QCOMPARE(openAndRead(tableWidth), QLatin1String(typed));
        }

        // An item typed into the editor, previewed without Create.
        bool edited = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QVERIFY(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
            // Typed key by key into what has the focus, as a user types.
            for (const QChar c : QStringLiteral("Home\tindex.html\t")) {
                if (c == QLatin1Char('\t'))
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                else
                    QTest::keyClicks(QApplication::focusWidget(), QString(c));
                QCoreApplication::processEvents();
            }
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            edited = true;
        });
        main->editMenuItems();
        QVERIFY(edited);
        QString status;
        const QString label = openAndRead(
            QStringLiteral("document.querySelector('a.Menu').textContent"),
            [&](PreviewWindow* preview) {
                QWebEngineView* view = browser(preview);
                QTest::mouseClick(inputWidget(view), Qt::LeftButton, {}, firstLinkCentre(view));
                QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(preview, "statusLine")
                                             ->text()
                                             .startsWith(QStringLiteral("This item leads to")),
                                         10000);
                status = child<QLabel>(preview, "statusLine")->text();
                QTest::qWait(300); // a navigation would have begun by now
                QCOMPARE(evaluate(view, QStringLiteral("document.querySelectorAll('a.Menu')"
                                                       ".length"))
                             .toInt(),
                         1);
            });
        QCOMPARE(label, QStringLiteral("Home"));
        QVERIFY2(status.endsWith(QStringLiteral("/index.html")), qPrintable(status));
        QVERIFY(!QFile::exists(pageFolder + QStringLiteral("/pattern.htm")));

        QCOMPARE(seen.size(), 3);
        QVERIFY(seen[0] && seen[0] == seen[2]); // one window, kept
        QCOMPARE(width->currentText(), QStringLiteral("175"));
        delete main;
    }

    // Closed, the kept preview keeps its native window, and its page rests
    // (hidden from the engine, which would otherwise wake for it sixty
    // times a second) but while the pointer is on Preview, and for a few
    // seconds at most: then the engine keeps its picture for the opening.
    void theClosedPreviewRestsUnlessAnOpeningIsExpected() {
        MainWindow main;
        main.setProgramFolder(pageFolder);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* button = child<QPushButton>(&main, "previewButton");
        WId nativeWindow = 0;
        PreviewWindow* preview = whilePreviewOpen(&main, [&](PreviewWindow* open) {
            QTRY_VERIFY_WITH_TIMEOUT(!child<QWidget>(open, "pageCover")->isVisible(), 20000);
            nativeWindow = open->winId();
        });
        QVERIFY(preview);
        QWebEnginePage* page = browser(preview)->page();
        QVERIFY(!page->isVisible());

        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        QVERIFY(page->isVisible());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QTRY_VERIFY_WITH_TIMEOUT(!page->isVisible(), 2000);

        QApplication::sendEvent(button, &enter);
        QTest::qWait(300);
        bool covered = true;
        WId reopened = 0;
        QCOMPARE(whilePreviewOpen(&main,
                                  [&](PreviewWindow* open) {
                                      covered = child<QWidget>(open, "pageCover")->isVisible();
                                      reopened = open->winId();
                                  }),
                 preview);
        QVERIFY(!covered);
        QCOMPARE(reopened, nativeWindow);
        // The pointer stays on the button: the expectation lapses.
        QVERIFY(QTest::qWaitFor([&] { return !page->isVisible(); }, 8000));
    }

    // A page changed while the preview is closed is written into its
    // document and drawn out of sight while an opening is expected (the
    // pointer on Preview): the opening shows it at once, without the blank
    // sheet, and its script and sound work as in a page loaded anew.
    void aChangedPageIsDrawnBeforeAnExpectedOpening() {
        MainWindow main;
        main.setProgramFolder(pageFolder);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        PreviewWindow* preview = whilePreviewOpen(&main, [](PreviewWindow* open) {
            QTRY_VERIFY_WITH_TIMEOUT(!child<QWidget>(open, "pageCover")->isVisible(), 20000);
        });
        QVERIFY(preview);
        QComboBox* width = child<QComboBox>(&main, "menu.itemWidth");
        width->lineEdit()->selectAll();
        QTest::keyClicks(width->lineEdit(), QStringLiteral("180"));
        const QString tableWidth = QStringLiteral("document.querySelector('table').width");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(browser(preview), tableWidth).toString(),
                                  QStringLiteral("180"), 10000);

        auto* button = child<QPushButton>(&main, "previewButton");
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        QTest::qWait(500); // the pointer rests on the button a moment
        bool covered = true, soundArmed = false;
        QString shownWidth, status;
        whilePreviewOpen(&main, [&](PreviewWindow* open) {
            covered = child<QWidget>(open, "pageCover")->isVisible();
            QWebEngineView* view = browser(open);
            shownWidth = evaluate(view, tableWidth).toString();
            soundArmed = evaluate(view, QStringLiteral("!!Object.getOwnPropertyDescriptor("
                                                       "document.getElementById('BGSound'),"
                                                       "'src')"))
                             .toBool();
            const QPoint link = firstLinkCentre(view);
            QTRY_VERIFY_WITH_TIMEOUT(
                (QTest::mouseMove(inputWidget(view), link),
                 !(status = child<QLabel>(open, "statusLine")->text()).isEmpty()),
                10000);
        });
        QVERIFY2(!covered, "the changed page was not drawn before the opening");
        QCOMPARE(shownWidth, QStringLiteral("180"));
        QVERIFY2(soundArmed, "the page written anew cannot play its sound");
        QCOMPARE(status, QStringLiteral("Corvantis"));
    }

    // The modern menu shows in the preview as chosen, and axe-core, run in
    // the same browser engine, finds no violation of WCAG 2.2 A and AA.
    void modernPageHasNoAccessibilityViolations() {
        QFile axe(QStringLiteral(HALVERO_AXE_SCRIPT));
        QVERIFY2(axe.open(QIODevice::ReadOnly), "axe-core is missing: scripts/test.sh installs it");
        halvero::MenuSettings settings;
        settings.initialise();
        settings.setPageStyle(halvero::MenuSettings::PageStyle::Modern);
        settings.setMenuItems({{"Home", "index.html", "", "", false, {}},
                               {"About us", "about.html", "Who we are", "_self", false, {}},
                               {"Blog", "https://blog.example.org/", "", "_blank", false, {}}});
        settings.setValue(halvero::SettingTable::kItemCount, "3");
        auto* preview = openPreview(QByteArray::fromStdString(
            halvero::PageComposer::compose(settings, halvero::Timestamp::now())));
        QWebEngineView* view = browser(preview);
        QCOMPARE(
            evaluate(view, QStringLiteral("document.querySelectorAll('nav li a').length")).toInt(),
            3);
        evaluate(view,
                 QString::fromUtf8(axe.readAll()) +
                     QStringLiteral(";window.axeFound=null;axe.run(document,{runOnly:['wcag2a',"
                                    "'wcag2aa','wcag21a','wcag21aa','wcag22aa']}).then(function(r){"
                                    "window.axeFound=JSON.stringify(r.violations.map(function(v){"
                                    "return v.id+': '+v.help;}));});true;"));
        QString found;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(found = evaluate(view, QStringLiteral("window.axeFound")).toString()).isEmpty(),
            30000);
        QCOMPARE(found, QStringLiteral("[]"));
        delete preview;
    }

    void titleStripDragsOnlyWithTheLeftButtonAlone() {
        auto* preview = openPreview(pageFor("No"));
        const QPoint start = preview->pos();
        QTest::mousePress(child<QLabel>(preview, "title"), Qt::RightButton, {}, QPoint(100, 10));
        QTest::mouseMove(child<QLabel>(preview, "title"), QPoint(300, 40));
        QTest::mouseRelease(child<QLabel>(preview, "title"), Qt::RightButton, {}, QPoint(300, 40));
        QTest::mousePress(child<QLabel>(preview, "statusLine"), Qt::LeftButton, {}, QPoint(100, 5));
        QTest::mouseMove(child<QLabel>(preview, "statusLine"), QPoint(300, 40));
        QTest::mouseRelease(child<QLabel>(preview, "statusLine"), Qt::LeftButton, {},
                            QPoint(300, 40));
        QCOMPARE(preview->pos(), start);
        delete preview;
    }

private:
    // The default menu's page, with "Show URL in Statusbar" at `showUrl`.
    static QByteArray pageFor(const char* showUrl) {
        halvero::MenuSettings settings;
        settings.initialise();
        settings.setValue(halvero::SettingTable::kStatusUrl, showUrl);
        settings.applyStatusBarRule();
        const std::string page =
            halvero::PageComposer::compose(settings, halvero::Timestamp::now());
        return QByteArray::fromStdString(page);
    }

    PreviewWindow* openPreview(const QByteArray& text) {
        auto* preview = new PreviewWindow;
        QSignalSpy loaded(browser(preview), &QWebEngineView::loadFinished);
        preview->setPage(pageFolder + QStringLiteral("/pattern.htm"), text);
        preview->show();
        if (!waitForLoad(loaded) || !loaded.last().value(0).toBool())
            qWarning("the page did not load");
        if (!QTest::qWaitForWindowExposed(preview))
            qWarning("the preview was not shown");
        return preview;
    }

    // Docks a live preview of `document` in `window`, as the program does,
    // shows it and waits for its first page; `composed` counts the pages
    // asked of the document. Returns the action that shows the dock, or
    // null when it did not come.
    QAction* dockLivePreview(QMainWindow& window, MenuDocument& document, int* composed = nullptr) {
        auto* toggle = new QAction(QStringLiteral("Live Preview"), &window);
        toggle->setCheckable(true);
        LivePreviewDock::attach(
            &window, toggle, document, [this, &document, composed](const QString&) {
                if (composed)
                    ++*composed;
                const std::string page = document.page(halvero::Timestamp{2026, 1, 2, 3, 4, 5});
                return std::pair{pageFolder + QStringLiteral("/pattern.htm"),
                                 QByteArray::fromStdString(page)};
            });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return nullptr;
        toggle->setChecked(true);
        if (!QTest::qWaitFor([&] { return window.findChild<LivePreviewDock*>() != nullptr; }, 5000))
            return nullptr;
        QSignalSpy shown(window.findChild<LivePreviewDock*>(), &LivePreviewDock::pageShown);
        return shown.wait(30000) ? toggle : nullptr;
    }

    QTemporaryDir folder;
    QString pageFolder;
};

QTEST_MAIN(PreviewWindowTest)
#include "PreviewWindowTest.moc"
