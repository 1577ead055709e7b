#include "app/pictures/Pictures.h"

#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void pointersHaveTheirSizeAndHotSpots() {
        const struct {
            QCursor cursor;
            QPoint hotSpot;
        } pointers[] = {{Pictures::handPointer(), {12, 1}},
                        {Pictures::forbiddenHandPointer(), {12, 1}},
                        {Pictures::grabPointer(), {7, 7}},
                        {Pictures::penPointer(), {5, 9}}};
        for (const auto& pointer : pointers) {
            QCOMPARE(pointer.cursor.pixmap().size(), QSize(32, 32));
            QCOMPARE(pointer.cursor.hotSpot(), pointer.hotSpot);
        }
    }

    void handPointsWithItsHotSpot() {
        // The pixel under the hot spot is part of the outline, not empty.
        const QImage hand = Pictures::handPointer().pixmap().toImage();
        QVERIFY(qAlpha(hand.pixel(12, 1)) > 0 || qAlpha(hand.pixel(12, 2)) > 0);
        QCOMPARE(qAlpha(hand.pixel(0, 0)), 0);
    }

    void forbiddenHandAddsARedSign() {
        const QImage plain = Pictures::handPointer().pixmap().toImage();
        const QImage forbidden = Pictures::forbiddenHandPointer().pixmap().toImage();
        int red = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = forbidden.pixel(x, y);
                if (qRed(p) > 180 && qGreen(p) < 80 && qAlpha(p) > 200)
                    ++red;
            }
        QVERIFY(red > 10);
        QVERIFY(plain != forbidden);
    }

    void grabHasABlueCuff() {
        const QImage grab = Pictures::grabPointer().pixmap().toImage();
        const QRgb cuff = grab.pixel(14, 25);
        QVERIFY(qBlue(cuff) > 150 && qRed(cuff) < 100);
    }

    void closeGlyphLooksLikeItsDescription() {
        const QImage glyph = Pictures::closeGlyph().toImage();
        QCOMPARE(glyph.size(), QSize(21, 21));
        QCOMPARE(QColor(glyph.pixel(0, 0)), QColor(Qt::white)); // white square corner
        const QColor disc(glyph.pixel(10, 3));                  // inside the disc, off the X
        QVERIFY(disc.red() < 100 && disc.red() == disc.blue());
        const QColor cross(glyph.pixel(10, 10)); // the X's centre
        QVERIFY(cross.red() > 150);
    }

    void iconHasBothSizes() {
        const QIcon icon = Pictures::appIcon();
        QCOMPARE(icon.availableSizes().size(), 2);
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
