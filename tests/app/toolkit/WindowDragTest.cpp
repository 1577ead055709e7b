#include "app/toolkit/WindowDrag.h"

#include <QTest>
#include <QWidget>

class WindowDragTest : public QObject {
    Q_OBJECT
private slots:
    void otherButtonsAndModifiersMoveNothing_data() {
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
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
    void otherButtonsAndModifiersMoveNothing() {
        QFETCH(Qt::MouseButtons, buttons);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QWidget window;
        window.move(100, 100);
        window.show();
        const QPoint before = window.pos();
        QVERIFY(!WindowDrag::begin(&window, buttons, modifiers));
        QTest::mouseMove(&window, QPoint(50, 50));
        QCOMPARE(window.pos(), before);
    }

    void theLeftButtonAloneStartsAMove() {
        QWidget window;
        window.setGeometry(100, 100, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(WindowDrag::begin(&window, Qt::LeftButton, Qt::NoModifier));
        QVERIFY(!WindowDrag::begin(nullptr, Qt::LeftButton, Qt::NoModifier));
    }
};

QTEST_MAIN(WindowDragTest)
#include "WindowDragTest.moc"
