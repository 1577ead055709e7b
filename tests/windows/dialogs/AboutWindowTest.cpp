#include "windows/dialogs/AboutWindow.h"
#include "app/Application.h"
#include "app/Identity.h"
#include "app/toolkit/Look.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QLabel* line(QWidget* about, int i) {
    return about->findChild<QLabel*>(QStringLiteral("line%1").arg(i));
}
QLabel* title(QWidget* about) {
    return about->findChild<QLabel*>(QStringLiteral("title"));
}
QPushButton* closeButton(QWidget* about) {
    return about->findChild<QPushButton*>(QStringLiteral("closeButton"));
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::configure(); }

    void showsTheIdentityAndTheFixedLines() {
        auto* about = new AboutWindow;
        about->setApplicationName(Identity::name());
        about->setApplicationDate(Identity::date());
        about->setApplicationVersion(Identity::version());
        QCOMPARE(line(about, 0)->text(), QString()); // empty until shown
        about->show();
        QCOMPARE(title(about)->text(), QStringLiteral("About"));
        QCOMPARE(line(about, 0)->text(), QStringLiteral("Application Name: Halvero"));
        QCOMPARE(line(about, 1)->text(),
                 QStringLiteral("Version: 1.0.0 - Date: 2003/10/29 - 1382/08/06"));
        QVERIFY(line(about, 2)->text().startsWith(QStringLiteral("Written by: ")));
        QVERIFY(line(about, 2)->text().contains(QStringLiteral(" - From: ")));
        QVERIFY(line(about, 3)->text().startsWith(QStringLiteral("Phone: +")));
        for (int i = 4; i <= 7; ++i)
            QVERIFY(line(about, i)->text().startsWith(QStringLiteral("EMail: ")));
        for (int i = 4; i <= 9; ++i)
            QVERIFY(line(about, i)->text().contains(QStringLiteral("example.com")));
        QVERIFY(line(about, 9)->text().endsWith(QStringLiteral(", In FREE utilities part")));
        QCOMPARE(line(about, 11)->text(), QStringLiteral("IT'S FREE!"));
        delete about;
    }

    void unsetPropertiesLeaveTheirPlaceEmpty() {
        auto* about = new AboutWindow;
        about->show();
        QCOMPARE(line(about, 0)->text(), QStringLiteral("Application Name: "));
        QCOMPARE(line(about, 1)->text(), QStringLiteral("Version:  - Date: "));
        delete about;
    }

    void identityIsShownAsGivenEvenWhenItLooksLikeMarkup() {
        auto* about = new AboutWindow;
        about->setApplicationName(QStringLiteral("<b>x</b> "));
        about->show();
        QCOMPARE(line(about, 0)->text(), QStringLiteral("Application Name: <b>x</b> "));
        QCOMPARE(line(about, 0)->textFormat(), Qt::PlainText);
        delete about;
    }

    void onlyTheLastLineIsRed() {
        auto* about = new AboutWindow;
        for (int i = 0; i < AboutWindow::kLines; ++i)
            QCOMPARE(line(about, i)->palette().color(QPalette::WindowText),
                     i == 11 ? QColor(255, 0, 0) : Look::kOliveYellow);
        QCOMPARE(title(about)->palette().color(QPalette::WindowText), Look::kOliveYellow);
        QCOMPARE(title(about)->font().pointSize(), 18);
        QCOMPARE(closeButton(about)->palette().color(QPalette::Button), QColor(192, 192, 255));
        delete about;
    }

    void layoutAndFocus() {
        auto* about = new AboutWindow;
        QCOMPARE(about->size(), QSize(673, 337));
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(line(about, 11)->geometry(), QRect(8, 312, 657, 17));
        QCOMPARE(closeButton(about)->geometry(), QRect(640, 16, 17, 17));
        QCOMPARE(title(about)->geometry(), QRect(8, 8, 657, 33));
        for (int i = 0; i < AboutWindow::kLines; ++i)
            QCOMPARE(line(about, i)->focusPolicy(), Qt::NoFocus);
        QVERIFY(closeButton(about)->focusPolicy() & Qt::TabFocus);
        delete about;
    }

    // The windows' life cycle, a dialog's: Escape (alone) and the close
    // button close it; Enter and the keypad's Enter press the focused
    // button, as Space does; exec() returns once the window
    // system closes it; it is transient for the window that opens it.
    void escapeEnterAndCloseAreADialogs() {
        QWidget opener;
        opener.show();
        QPointer<AboutWindow> about = new AboutWindow(&opener);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowHandle()->transientParent(), opener.windowHandle());
        QTest::keyClick(closeButton(about), Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(about->isVisible());
        QTest::keyClick(closeButton(about), Qt::Key_Escape);
        QVERIFY(!about->isVisible());

        about->show();
        int pressed = 0;
        auto* other = new QPushButton(about);
        connect(other, &QPushButton::clicked, [&] { ++pressed; });
        other->show();
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QTest::keyClick(other, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(other, Qt::Key_Space);
        QCOMPARE(pressed, 3);
        QVERIFY(about->isVisible());
        closeButton(about)->click();
        QVERIFY(!about->isVisible());

        QTimer::singleShot(0, about, [&] { about->close(); });
        QCOMPARE(about->exec(), int(QDialog::Rejected));
        delete about;
    }

    // The close button is painted flat in the About table's colour around
    // its glyph, with a navy dotted ring while it holds the focus.
    void closeButtonShowsItsColourAndFocus() {
        auto* about = new AboutWindow;
        about->show();
        QPushButton* close = closeButton(about);
        const QColor lavender(0xC0, 0xC0, 0xFF), navy(0, 0, 128);
        auto ringRow = [&] {
            QList<QColor> row;
            const QImage image = close->grab().toImage();
            for (int x = 2; x < image.width() - 2; ++x)
                row << image.pixelColor(x, 1);
            return row;
        };
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTRY_VERIFY(close->hasFocus());
        const QList<QColor> focused = ringRow();
        QVERIFY(focused.contains(navy));
        close->clearFocus();
        const QList<QColor> plain = ringRow();
        QCOMPARE(plain.count(lavender), plain.size());
        const QImage image = close->grab().toImage();
        QVERIFY(image.pixelColor(image.width() / 2, image.height() / 2) != lavender); // the glyph
        delete about;
    }

    void textLinesDoNotMoveTheWindow() {
        auto* about = new AboutWindow;
        about->show();
        const QPoint start = about->pos();
        QTest::mousePress(line(about, 3), Qt::LeftButton);
        QTest::mouseMove(line(about, 3), QPoint(200, 10));
        QTest::mouseRelease(line(about, 3), Qt::LeftButton);
        QCOMPARE(about->pos(), start);
        delete about;
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
