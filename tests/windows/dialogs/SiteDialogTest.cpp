#include "tests/windows/WindowTest.h"

// Page > Update Site... reached from the main window: the menu written
// into a site's pages.
class SiteDialogTest : public WindowTest {
    Q_OBJECT

    // Each page listed with what happens to it: "index.html=Update".
    static QStringList rowsOf(const QTreeWidget* list) {
        QStringList rows;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            rows << list->topLevelItem(row)->text(0) + QLatin1Char('=') +
                        list->topLevelItem(row)->text(1);
        return rows;
    }

    // Enter in the dialog, then the update's end (Cancel becomes Close).
    static void updateWithEnter(QWidget* dialog) {
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_COMPARE(dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->text(),
                     QStringLiteral("Close"));
    }

private slots:
    // A hand-written site taken over from the window: File > Import
    // Navigation... reads a page's <nav> as the items; in Update Site,
    // Alt+N asks to adopt the navigation of pages without markers, the
    // list says which <nav> gives way, and Enter puts the menu there.
    void importThenAdoptTheSitesNavigation() {
        const QString site = folder->filePath(QStringLiteral("hand"));
        QVERIFY(QDir().mkpath(site + QStringLiteral("/blog")));
        const auto write = [&](const char* name, const char* up) {
            QFile page(site + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write(
                QStringLiteral("<html><head><title>x</title></head><body>\n"
                               "<nav class=\"top\"><ul><li><a href=\"%1index.html\">Home</a>"
                               "</li><li><a href=\"%1blog/post.html\">Post</a></li></ul></nav>\n"
                               "<main>Text</main></body></html>\n")
                    .arg(QLatin1String(up))
                    .toUtf8());
        };
        write("index.html", "");
        write("blog/post.html", "../");
        answerFileDialogs({site + QStringLiteral("/index.html")});
        whenMessageBoxOpens([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
        window->findChild<QAction*>(QStringLiteral("importNavigation"))->trigger();
        QTRY_COMPARE(box("menu.itemCount")->currentText(), QStringLiteral("2"));

        SiteDialog::setFolderDialog([&](QWidget*, const QString&) { return site; });
        QStringList listed;
        whenModalOpens([&](QWidget* modal) {
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("sitePages"));
            QTRY_COMPARE(list->topLevelItemCount(), 2);
            QTRY_VERIFY(modal->findChild<QLabel*>(QStringLiteral("siteState"))
                            ->text()
                            .contains(QStringLiteral("without markers")));
            QTest::keyClick(modal, Qt::Key_N, Qt::AltModifier);
            auto* update = modal->findChild<QPushButton*>(QStringLiteral("updateButton"));
            QTRY_VERIFY(update->isEnabled());
            listed = rowsOf(list);
            updateWithEnter(modal);
            auto* close = modal->findChild<QPushButton*>(QStringLiteral("closeButton"));
            close->click();
        });
        window->findChild<QAction*>(QStringLiteral("updateSite"))->trigger();
        QCOMPARE(listed, (QStringList{"blog/post.html=Put the menu in place of its <nav> (line 2)",
                                      "index.html=Put the menu in place of its <nav> (line 2)"}));
        const QString post = readAll(site + QStringLiteral("/blog/post.html"));
        QVERIFY(!post.contains(QStringLiteral("class=\"top\"")));
        QVERIFY2(post.contains(QStringLiteral("href=\"post.html\" target=\"_blank\" "
                                              "rel=\"noopener\" aria-current=\"page\"")),
                 qPrintable(post));
        QVERIFY(post.contains(QStringLiteral("<main>Text</main>")));
    }

    // Update Site: the pages of the picked folder are listed with what will
    // happen to each, Enter writes them, the status bar says so, and the
    // folder is kept by the saved file relative to it; New forgets it.
    void updateSiteWritesTheMenuIntoThePages() {
        const QString site = folder->filePath(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(site + QStringLiteral("/blog")));
        const QByteArray marked = "<html><head><title>x</title></head><body>\n"
                                  "<!-- halvero-menu -->\n<!-- /halvero-menu -->\n</body></html>\n";
        for (const char* name : {"index.html", "blog/index.html"}) {
            QFile page(site + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write(marked);
        }
        QFile plain(site + QStringLiteral("/plain.html"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("<p>plain</p>");
        plain.close();
        SiteDialog::setFolderDialog([&](QWidget*, const QString&) { return site; });
        QStringList listed;
        QString state;
        whenModalOpens([&](QWidget* modal) {
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("sitePages"));
            auto* update = modal->findChild<QPushButton*>(QStringLiteral("updateButton"));
            QTRY_VERIFY(update->isEnabled());
            listed = rowsOf(list);
            updateWithEnter(modal);
            auto* close = modal->findChild<QPushButton*>(QStringLiteral("closeButton"));
            state = modal->findChild<QLabel*>(QStringLiteral("siteState"))->text();
            close->click();
        });
        window->findChild<QAction*>(QStringLiteral("updateSite"))->trigger();
        QCOMPARE(listed, (QStringList{"blog/index.html=Update", "index.html=Update",
                                      "plain.html=No markers: left alone"}));
        QCOMPARE(state, QStringLiteral("3 pages: 2 updated, 0 unchanged; 1 without markers"));
        QCOMPARE(
            window->statusBar()->currentMessage(),
            QStringLiteral("Site updated: 3 pages: 2 updated, 0 unchanged; 1 without markers"));
        QVERIFY(
            readAll(site + QStringLiteral("/blog/index.html"))
                .contains(QStringLiteral("<!-- halvero-menu -->\n<nav class=\"halvero-menu\"")));
        QCOMPARE(readAll(site + QStringLiteral("/plain.html")), QStringLiteral("<p>plain</p>"));

        answerFileDialogs({folder->filePath(QStringLiteral("kept.halvero"))});
        QTest::keyClick(box("menu.itemWidth"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(readAll(folder->filePath(QStringLiteral("kept.halvero")))
                    .contains(QStringLiteral("\"siteFolder\": \"site\"")));
        window->findChild<QAction*>(QStringLiteral("newMenu"))->trigger();
        bool asked = false;
        SiteDialog::setFolderDialog([&](QWidget*, const QString& shown) {
            asked = shown.isEmpty();
            return QString();
        });
        whenModalOpens([&](QWidget* modal) {
            QTRY_VERIFY(asked); // a menu without a site asks for the folder first
            qobject_cast<QDialog*>(modal)->reject();
        });
        window->findChild<QAction*>(QStringLiteral("updateSite"))->trigger();
        QVERIFY(asked);
    }
};

QTEST_MAIN(SiteDialogTest)
#include "SiteDialogTest.moc"
