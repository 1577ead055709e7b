#include "modMain.h"
#include "Form.h"

#include <QTest>

namespace {
class PlainForm : public Form {};
} // namespace

class modMainTest : public QObject {
    Q_OBJECT
private slots:
    void identityIsFixedText() {
        modMain::SetApplicationInfo();
        QCOMPARE(modMain::strAppName, QStringLiteral("Halvero"));
        QCOMPARE(modMain::strAppDate, QStringLiteral("2003/10/29 - 1382/08/06"));
        QCOMPARE(modMain::strAppVersion, QStringLiteral("1.0.0"));
    }

    void dragWindowIgnoresOtherButtonsAndModifiers_data() {
        QTest::addColumn<Qt::MouseButtons>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("shift");
        QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << Qt::KeyboardModifiers();
        QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton) << Qt::KeyboardModifiers();
        QTest::newRow("left and right")
            << Qt::MouseButtons(Qt::LeftButton | Qt::RightButton) << Qt::KeyboardModifiers();
        QTest::newRow("shift") << Qt::MouseButtons(Qt::LeftButton)
                               << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("ctrl") << Qt::MouseButtons(Qt::LeftButton)
                              << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("alt") << Qt::MouseButtons(Qt::LeftButton)
                             << Qt::KeyboardModifiers(Qt::AltModifier);
    }
    void dragWindowIgnoresOtherButtonsAndModifiers() {
        QFETCH(Qt::MouseButtons, button);
        QFETCH(Qt::KeyboardModifiers, shift);
        PlainForm form;
        form.move(100, 100);
        form.show();
        const QPoint before = form.pos();
        QCOMPARE(modMain::DragWindow(&form, button, shift), 0);
        QTest::mouseMove(&form, QPoint(50, 50));
        QCOMPARE(form.pos(), before);
    }

    void dragWindowMovesWithTheLeftButtonUntilRelease() {
        PlainForm form;
        form.setGeometry(100, 100, 200, 100);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(modMain::DragWindow(&form, Qt::LeftButton, Qt::NoModifier), 1);
        QCOMPARE(modMain::DragWindow(nullptr, Qt::LeftButton, Qt::NoModifier), 0);
    }

    void paintBackdropPaintsTheNamedWindowAtItsSize() {
        PlainForm first, second;
        first.resize(50, 300);
        second.resize(80, 256);
        modMain::frmBackdrop = &second;
        modMain::PaintBackdrop();
        QVERIFY(first.backdrop().isNull());
        QCOMPARE(second.backdrop().size(), QSize(80, 256));
        QCOMPARE(qBlue(second.backdrop().pixel(0, 255)), 0);
    }
};

QTEST_MAIN(modMainTest)
#include "modMainTest.moc"
