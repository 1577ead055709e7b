#include "frm3.h"
#include "Application.h"
#include "PreviewEngine.h"
#include "frm1.h"
#include "modMain.h"

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

} // namespace

class frm3Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Application::configure();
        modMain::SetApplicationInfo();
        PreviewEngine::setFactory(&halvero_load_preview);
        QVERIFY(folder.isValid());
        // A folder name that a raw "file:///" + path would break.
        pageFolder = folder.path() + QStringLiteral("/my menu #1 %20 caf\u00e9");
        QVERIFY(QDir().mkpath(pageFolder));
    }

    void addressIsAProperFileUrl() {
        const QUrl url = frm3::addressFor(QStringLiteral("/tmp/a b/#1/caf\u00e9/pattern.htm"));
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), QStringLiteral("/tmp/a b/#1/caf\u00e9/pattern.htm"));
        QVERIFY(
            url.toString(QUrl::FullyEncoded).startsWith(QStringLiteral("file:///tmp/a%20b/%231/")));
    }

    void hoverSwapsTheClassAndShowsTheMessage() {
        writePage("No");
        auto* preview = openPreview();
        QWebEngineView* view = preview->MyWebBrowser;
        QCOMPARE(preview->lblTitle->text(), QStringLiteral("HTML Preview"));
        QCOMPARE(firstCellClass(view), QStringLiteral("Menu"));

        const QPoint link = firstLinkCentre(view);
        QVERIFY(!link.isNull());
        QTest::mouseMove(inputWidget(view), link);
        QTRY_COMPARE_WITH_TIMEOUT(firstCellClass(view), QStringLiteral("Hover"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(preview->lblStatusBar->text(), QStringLiteral("Corvantis"),
                                  10000);

        QTest::mouseMove(inputWidget(view), QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(firstCellClass(view), QStringLiteral("Menu"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(preview->lblStatusBar->text(), QString(), 10000);
        delete preview;
    }

    void withTheUrlShownTheStatusLineShowsTheAddress() {
        writePage("Yes");
        auto* preview = openPreview();
        QWebEngineView* view = preview->MyWebBrowser;
        QTest::mouseMove(inputWidget(view), firstLinkCentre(view));
        QTRY_COMPARE_WITH_TIMEOUT(preview->lblStatusBar->text(),
                                  QStringLiteral("http://www.example.com/"), 10000);
        QTest::mouseMove(inputWidget(view), QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(preview->lblStatusBar->text(), QString(), 10000);
        delete preview;
    }

    void refreshReloadsTheFile() {
        writePage("No");
        auto* preview = openPreview();
        QSignalSpy loaded(preview->MyWebBrowser, &QWebEngineView::loadFinished);
        QFile page(pageFolder + QStringLiteral("/pattern.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p id='x'>changed</p></body></html>");
        page.close();
        preview->cmdRefresh->click();
        QVERIFY(waitForLoad(loaded));
        QCOMPARE(evaluate(preview->MyWebBrowser,
                          QStringLiteral("document.getElementById('x').textContent"))
                     .toString(),
                 QStringLiteral("changed"));
        delete preview;
    }

    void missingPageShowsTheEngineErrorAndStaysUsable() {
        QPointer<frm3> preview = Form::Load<frm3>();
        QSignalSpy loaded(preview->MyWebBrowser, &QWebEngineView::loadFinished);
        preview->setPathName(folder.path() + QStringLiteral("/nothing/pattern.htm"));
        preview->Show();
        QVERIFY(waitForLoad(loaded));
        QVERIFY(preview->isVisible());
        preview->cmdRefresh->click();
        QVERIFY(preview->isVisible());
        QTest::keyClick(preview->cmdRefresh, Qt::Key_Escape);
        QTRY_VERIFY(preview.isNull());
    }

    void previewFromTheMainWindowKeepsSettingsAndIsFreshEachTime() {
        QPointer<frm1> main = Form::Load<frm1>();
        main->setProgramFolder(pageFolder);
        main->Show();
        main->cbo[3]->lineEdit()->selectAll();
        QTest::keyClicks(main->cbo[3]->lineEdit(), QStringLiteral("150"));
        main->cmd[0]->click();

        QList<QPointer<QWidget>> seen;
        for (int round = 0; round < 2; ++round) {
            bool loadedPage = false;
            QTimer poll;
            poll.start(20);
            connect(&poll, &QTimer::timeout, [&] {
                // The preview is the window that blocks all others.
                auto* preview = qobject_cast<frm3*>(QApplication::activeModalWidget());
                if (!preview || !preview->isVisible())
                    return;
                poll.stop();
                seen << preview;
                QCOMPARE(main->lngChildShown, 1);
                QSignalSpy loaded(preview->MyWebBrowser, &QWebEngineView::loadFinished);
                loadedPage = waitForLoad(loaded) && loaded.last().value(0).toBool();
                QTest::keyClick(preview->cmdReturn, Qt::Key_Escape);
            });
            main->cmd[1]->click();
            QVERIFY(loadedPage);
        }
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[0].isNull() && seen[1].isNull());
        QCOMPARE(main->lngChildShown, 0);
        QCOMPARE(main->cbo[3]->currentText(), QStringLiteral("150"));
        delete main;
    }

    void titleStripDragsOnlyWithTheLeftButtonAlone() {
        writePage("No");
        auto* preview = openPreview();
        const QPoint start = preview->pos();
        QTest::mousePress(preview->lblTitle, Qt::RightButton, {}, QPoint(100, 10));
        QTest::mouseMove(preview->lblTitle, QPoint(300, 40));
        QTest::mouseRelease(preview->lblTitle, Qt::RightButton, {}, QPoint(300, 40));
        QTest::mousePress(preview->lblStatusBar, Qt::LeftButton, {}, QPoint(100, 5));
        QTest::mouseMove(preview->lblStatusBar, QPoint(300, 40));
        QTest::mouseRelease(preview->lblStatusBar, Qt::LeftButton, {}, QPoint(300, 40));
        QCOMPARE(preview->pos(), start);
        delete preview;
    }

private:
    void writePage(const char* showUrl) {
        frm1* main = Form::Load<frm1>();
        main->setProgramFolder(pageFolder);
        main->Show();
        if (QString::fromLatin1(showUrl) == QLatin1String("Yes"))
            QTest::keyClick(main->cbo[5], Qt::Key_Down);
        main->GenerateHTMLFile("pattern.htm");
        delete main;
    }

    frm3* openPreview() {
        auto* preview = Form::Load<frm3>();
        QSignalSpy loaded(preview->MyWebBrowser, &QWebEngineView::loadFinished);
        preview->setPathName(pageFolder + QStringLiteral("/pattern.htm"));
        preview->Show();
        if (!waitForLoad(loaded) || !loaded.last().value(0).toBool())
            qWarning("the page did not load");
        if (!QTest::qWaitForWindowExposed(preview))
            qWarning("the preview was not shown");
        return preview;
    }

    QTemporaryDir folder;
    QString pageFolder;
};

QTEST_MAIN(frm3Test)
#include "frm3Test.moc"
