#include "app/toolkit/Backdrop.h"
#include "app/toolkit/BackdropWidget.h"

#include <QLabel>
#include <QTest>

namespace {

using PlainForm = BackdropWidget;

int blueAt(const QImage& image, int x, int y) {
    return qBlue(image.pixel(x, y));
}

// Checks the gradient down column x: 256 bands from blue 255 to blue 0, each
// one step darker, of equal height give or take the rounding pixel, and with
// no red or green anywhere.
void verifyGradient(const QImage& image, int x) {
    const int height = image.height();
    int band = 0, bandStart = 0;
    QCOMPARE(blueAt(image, x, 0), 255);
    for (int y = 0; y < height; ++y) {
        const QRgb pixel = image.pixel(x, y);
        QCOMPARE(qRed(pixel), 0);
        QCOMPARE(qGreen(pixel), 0);
        const int expectedBlue = 255 - band;
        if (qBlue(pixel) != expectedBlue) {
            QCOMPARE(qBlue(pixel), expectedBlue - 1);
            const int rows = y - bandStart;
            QVERIFY2(rows >= height / 256 && rows <= height / 256 + 1,
                     qPrintable(QStringLiteral("band %1 has %2 rows").arg(band).arg(rows)));
            ++band;
            bandStart = y;
        }
    }
    QCOMPARE(band, 255);
    QCOMPARE(blueAt(image, x, height - 1), 0);
}

} // namespace

class BackdropTest : public QObject {
    Q_OBJECT
private slots:
    void bandsRunFromBlueToBlack_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("main window") << QSize(921, 489);
        QTest::newRow("secondary window") << QSize(673, 337);
        QTest::newRow("exactly 256 rows") << QSize(10, 256);
        QTest::newRow("tall") << QSize(20, 1500);
    }
    void bandsRunFromBlueToBlack() {
        QFETCH(QSize, size);
        const QImage image = Backdrop::paint(size);
        QCOMPARE(image.size(), size);
        verifyGradient(image, 0);
        verifyGradient(image, size.width() - 1);
        // Colour never changes across a band.
        for (int y = 0; y < size.height(); y += 7)
            for (int x = 1; x < size.width(); x += 13)
                QCOMPARE(image.pixel(x, y), image.pixel(0, y));
    }

    void tinyWindowsDoNotBreakIt() {
        QCOMPARE(Backdrop::paint(QSize(0, 0)).size(), QSize(1, 1));
        // Fewer rows than bands: each row takes a band it covers, still
        // darkening downwards.
        const QImage short3 = Backdrop::paint(QSize(5, 3));
        QVERIFY(blueAt(short3, 0, 0) > blueAt(short3, 0, 1));
        QVERIFY(blueAt(short3, 0, 1) > blueAt(short3, 0, 2));
    }

    void surfaceStaysAfterHideShowAndFollowsAResizeBeforePainting() {
        PlainForm form;
        form.resize(300, 100);
        form.resize(400, 512); // sized before painting: the gradient spans the final height
        form.paintBackdrop();
        auto* label = new QLabel(QStringLiteral("Menu Settings"), &form);
        label->setGeometry(10, 200, 200, 25);
        form.show();
        form.hide();
        form.show();
        const QImage shown = form.grab().toImage();
        QCOMPARE(shown.size(), QSize(400, 512));
        verifyGradient(shown, 399);
        // The transparent label shows the gradient around its text.
        QCOMPARE(shown.pixel(12, 202), Backdrop::paint(QSize(400, 512)).pixel(12, 202));
    }
};

QTEST_MAIN(BackdropTest)
#include "BackdropTest.moc"
