#include "frm2.h"
#include "Application.h"
#include "ControlLook.h"
#include "modMain.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class frm2Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::configure(); }

    void showsTheIdentityAndTheFixedLines() {
        modMain::SetApplicationInfo();
        auto* about = Form::Load<frm2>();
        about->setApplicationName(modMain::strAppName);
        about->setApplicationDate(modMain::strAppDate);
        about->setApplicationVersion(modMain::strAppVersion);
        QCOMPARE(about->lbl[0]->text(), QString()); // empty until shown
        about->Show();
        QCOMPARE(about->lblTitle->text(), QStringLiteral("About"));
        QCOMPARE(about->lbl[0]->text(), QStringLiteral("Application Name: Halvero"));
        QCOMPARE(about->lbl[1]->text(),
                 QStringLiteral("Version: 1.0.0 - Date: 2003/10/29 - 1382/08/06"));
        QVERIFY(about->lbl[2]->text().startsWith(QStringLiteral("Written by: ")));
        QVERIFY(about->lbl[2]->text().contains(QStringLiteral(" - From: ")));
        QVERIFY(about->lbl[3]->text().startsWith(QStringLiteral("Phone: +")));
        for (int i = 4; i <= 7; ++i)
            QVERIFY(about->lbl[static_cast<std::int16_t>(i)]->text().startsWith(
                QStringLiteral("EMail: ")));
        for (int i = 4; i <= 9; ++i)
            QVERIFY(about->lbl[static_cast<std::int16_t>(i)]->text().contains(
                QStringLiteral("example.com")));
        QVERIFY(about->lbl[9]->text().endsWith(QStringLiteral(", In FREE utilities part")));
        QCOMPARE(about->lbl[11]->text(), QStringLiteral("IT'S FREE!"));
        delete about;
    }

    void unsetPropertiesLeaveTheirPlaceEmpty() {
        auto* about = Form::Load<frm2>();
        about->Show();
        QCOMPARE(about->lbl[0]->text(), QStringLiteral("Application Name: "));
        QCOMPARE(about->lbl[1]->text(), QStringLiteral("Version:  - Date: "));
        delete about;
    }

    void identityIsShownAsGivenEvenWhenItLooksLikeMarkup() {
        auto* about = Form::Load<frm2>();
        about->setApplicationName(QStringLiteral("<b>x</b> "));
        about->Show();
        QCOMPARE(about->lbl[0]->text(), QStringLiteral("Application Name: <b>x</b> "));
        QCOMPARE(about->lbl[0]->textFormat(), Qt::PlainText);
        delete about;
    }

    void onlyTheLastLineIsRed() {
        auto* about = Form::Load<frm2>();
        for (std::int16_t i = 0; i < frm2::kLines; ++i)
            QCOMPARE(about->lbl[i]->palette().color(QPalette::WindowText),
                     i == 11 ? QColor(255, 0, 0) : ControlLook::kOliveYellow);
        QCOMPARE(about->lblTitle->palette().color(QPalette::WindowText), ControlLook::kOliveYellow);
        QCOMPARE(about->lblTitle->font().pointSize(), 18);
        QCOMPARE(about->cmdReturn->palette().color(QPalette::Button), QColor(192, 192, 255));
        delete about;
    }

    void layoutAndFocus() {
        auto* about = Form::Load<frm2>();
        QCOMPARE(about->size(), QSize(673, 337));
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about->lbl[11]->geometry(), QRect(8, 312, 657, 17));
        QCOMPARE(about->cmdReturn->geometry(), QRect(640, 16, 17, 17));
        QCOMPARE(about->lblTitle->geometry(), QRect(8, 8, 657, 33));
        for (std::int16_t i = 0; i < frm2::kLines; ++i)
            QCOMPARE(about->lbl[i]->focusPolicy(), Qt::NoFocus);
        QVERIFY(about->cmdReturn->focusPolicy() & Qt::TabFocus);
        QCOMPARE(about->cancelButton(), about->cmdReturn);
        delete about;
    }

    void escapeAndTheCloseButtonUnload() {
        QPointer<frm2> about = Form::Load<frm2>();
        about->Show();
        QTest::keyClick(about->cmdReturn, Qt::Key_Escape);
        QVERIFY(about->isUnloaded());
        QTRY_VERIFY(about.isNull());

        QPointer<frm2> again = Form::Load<frm2>();
        again->Show();
        again->cmdReturn->click();
        QTRY_VERIFY(again.isNull());
    }

    // The close button is painted flat in the About table's colour around
    // its glyph, with a navy dotted ring while it holds the focus.
    void closeButtonShowsItsColourAndFocus() {
        auto* about = Form::Load<frm2>();
        about->Show();
        QPushButton* close = about->cmdReturn;
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
        auto* about = Form::Load<frm2>();
        about->Show();
        const QPoint start = about->pos();
        QTest::mousePress(about->lbl[3], Qt::LeftButton);
        QTest::mouseMove(about->lbl[3], QPoint(200, 10));
        QTest::mouseRelease(about->lbl[3], Qt::LeftButton);
        QCOMPARE(about->pos(), start);
        delete about;
    }
};

QTEST_MAIN(frm2Test)
#include "frm2Test.moc"
