#include "windows/secondary/PreviewWindow.h"
#include "app/Application.h"
#include "app/preview/PreviewEngine.h"
#include "core/EntryTable.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

extern "C" Form* halvero_load_preview(const QString& pathName);

namespace {

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

QPoint firstLinkCentre(QWebEngineView* view) {
    const QVariantList box =
        evaluate(view, QStringLiteral("(function(){var r=document.querySelector('a.Menu')"
                                      ".getBoundingClientRect();return [r.left+r.width/2,"
                                      "r.top+r.height/2];})()"))
            .toList();
    return box.size() == 2 ? QPoint(box[0].toInt(), box[1].toInt()) : QPoint();
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

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Application::configure();
        PreviewEngine::setFactory(&halvero_load_preview);
        QVERIFY(folder.isValid());
        // A folder name that a raw "file:///" + path would break.
        pageFolder = folder.path() + QStringLiteral("/my menu #1 %20 caf\u00e9");
        QVERIFY(QDir().mkpath(pageFolder));
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
        writePage("No");
        auto* preview = openPreview();
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
        writePage("Yes");
        auto* preview = openPreview();
        QWebEngineView* view = browser(preview);
        QTest::mouseMove(inputWidget(view), firstLinkCentre(view));
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(preview, "statusLine")->text(),
                                  QStringLiteral("http://www.example.com/"), 10000);
        QTest::mouseMove(inputWidget(view), QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(preview, "statusLine")->text(), QString(), 10000);
        delete preview;
    }

    void refreshReloadsTheFile() {
        writePage("No");
        auto* preview = openPreview();
        QSignalSpy loaded(browser(preview), &QWebEngineView::loadFinished);
        QFile page(pageFolder + QStringLiteral("/pattern.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p id='x'>changed</p></body></html>");
        page.close();
        child<QPushButton>(preview, "refreshButton")->click();
        QVERIFY(waitForLoad(loaded));
        QCOMPARE(
            evaluate(browser(preview), QStringLiteral("document.getElementById('x').textContent"))
                .toString(),
            QStringLiteral("changed"));
        delete preview;
    }

    void missingPageShowsTheEngineErrorAndStaysUsable() {
        QPointer<PreviewWindow> preview = Form::load<PreviewWindow>();
        QSignalSpy loaded(browser(preview), &QWebEngineView::loadFinished);
        preview->setPagePath(folder.path() + QStringLiteral("/nothing/pattern.htm"));
        preview->showModeless();
        QVERIFY(waitForLoad(loaded));
        QVERIFY(preview->isVisible());
        child<QPushButton>(preview, "refreshButton")->click();
        QVERIFY(preview->isVisible());
        QTest::keyClick(child<QPushButton>(preview, "refreshButton"), Qt::Key_Escape);
        QTRY_VERIFY(preview.isNull());
    }

    // The preview window is kept between openings; each opening shows the
    // page as Create last wrote it, never the one shown before, and a page
    // deleted in between shows the engine's message. The settings stay.
    void everyOpeningShowsThePageAsItIsNow() {
        QPointer<MainWindow> main = Form::load<MainWindow>();
        main->setProgramFolder(pageFolder);
        main->showModeless();
        QComboBox* width = child<QComboBox>(main, "menu.itemWidth");
        const QString page = pageFolder + QStringLiteral("/pattern.htm");

        QList<QPointer<QWidget>> seen;
        // What the page in the preview says: its table's width, or the
        // text of the engine's error page.
        auto openAndRead = [&] {
            QString shown;
            QTimer poll;
            poll.start(20);
            connect(&poll, &QTimer::timeout, [&] {
                auto* preview = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
                if (!preview || !preview->isVisible())
                    return;
                poll.stop();
                seen << preview;
                const QString read =
                    QStringLiteral("(function(){var t=document.querySelector('table');"
                                   "return t ? 'width ' + t.getAttribute('width') : "
                                   "(document.body ? document.body.innerText : '');})()");
                // What the user sees once the blank sheet over the view lifts.
                (void)QTest::qWaitFor(
                    [&] {
                        if (child<QWidget>(preview, "pageCover")->isVisible())
                            return false;
                        shown = evaluate(browser(preview), read).toString();
                        return shown.startsWith(QStringLiteral("width ")) ||
                               shown.contains(QStringLiteral("ERR_FILE_NOT_FOUND"));
                    },
                    20000);
                QTest::keyClick(child<QPushButton>(preview, "closeButton"), Qt::Key_Escape);
            });
            child<QPushButton>(main, "previewButton")->click();
            return shown;
        };

        auto create = [&](const char* typed) {
            width->lineEdit()->selectAll();
            QTest::keyClicks(width->lineEdit(), QLatin1String(typed));
            child<QPushButton>(main, "createPageButton")->click();
        };
        for (const char* typed : {"150", "175"}) {
            create(typed);
            QCOMPARE(openAndRead(), QStringLiteral("width ") + QLatin1String(typed));
        }
        // Written while the preview is closed, a page loads out of sight;
        // written again during that load, the opening shows the newer one.
        create("190");
        QTest::qWait(80);
        create("200");
        QCOMPARE(openAndRead(), QStringLiteral("width 200"));
        QVERIFY(QFile::remove(page));
        QVERIFY(openAndRead().contains(QStringLiteral("ERR_FILE_NOT_FOUND")));

        QCOMPARE(seen.size(), 4);
        QVERIFY(seen[0] && seen[0] == seen[3]); // one window, kept
        QCOMPARE(width->currentText(), QStringLiteral("200"));
        delete main;
    }

    void titleStripDragsOnlyWithTheLeftButtonAlone() {
        writePage("No");
        auto* preview = openPreview();
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
    void writePage(const char* showUrl) {
        MainWindow* main = Form::load<MainWindow>();
        main->setProgramFolder(pageFolder);
        main->showModeless();
        if (QString::fromLatin1(showUrl) == QLatin1String("Yes"))
            QTest::keyClick(child<QComboBox>(main, "menu.showUrlInStatusbar"), Qt::Key_Down);
        main->createPage();
        delete main;
    }

    PreviewWindow* openPreview() {
        auto* preview = Form::load<PreviewWindow>();
        QSignalSpy loaded(browser(preview), &QWebEngineView::loadFinished);
        preview->setPagePath(pageFolder + QStringLiteral("/pattern.htm"));
        preview->showModeless();
        if (!waitForLoad(loaded) || !loaded.last().value(0).toBool())
            qWarning("the page did not load");
        if (!QTest::qWaitForWindowExposed(preview))
            qWarning("the preview was not shown");
        return preview;
    }

    QTemporaryDir folder;
    QString pageFolder;
};

QTEST_MAIN(PreviewWindowTest)
#include "PreviewWindowTest.moc"
