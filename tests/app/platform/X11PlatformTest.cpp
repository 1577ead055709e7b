#include "KeyboardLayout.h"
#include "WindowAttention.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace {

bool setLayouts(const QString& layouts) {
    return QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layouts}) ==
           0;
}

} // namespace

class X11PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
            QSKIP("needs setxkbmap");
    }
    void cleanupTestCase() { setLayouts(QStringLiteral("us")); }

    void persianMovesOnToTheNextLayout() {
        QVERIFY(setLayouts(QStringLiteral("ir,us")));
        KeyboardLayout::lockGroup(0);
        QCOMPARE(KeyboardLayout::layouts(),
                 (QStringList{QStringLiteral("ir"), QStringLiteral("us")}));
        QCOMPARE(KeyboardLayout::currentGroup(), 0);
        QVERIFY(KeyboardLayout::switchAwayFromRightToLeft());
        QTRY_COMPARE(KeyboardLayout::currentGroup(), 1);
    }

    void arabicLastWrapsToTheFirst() {
        QVERIFY(setLayouts(QStringLiteral("us,ara")));
        KeyboardLayout::lockGroup(0);
        QTRY_COMPARE(KeyboardLayout::currentGroup(), 0);
        QVERIFY(!KeyboardLayout::switchAwayFromRightToLeft()); // "us" is left alone
        QCOMPARE(KeyboardLayout::currentGroup(), 0);
        KeyboardLayout::lockGroup(1);
        QTRY_COMPARE(KeyboardLayout::currentGroup(), 1);
        QVERIFY(KeyboardLayout::switchAwayFromRightToLeft());
        QTRY_COMPARE(KeyboardLayout::currentGroup(), 0);
    }

    void layoutNames() {
        QVERIFY(KeyboardLayout::isPersianOrArabic(QStringLiteral("ir")));
        QVERIFY(KeyboardLayout::isPersianOrArabic(QStringLiteral("ara")));
        QVERIFY(KeyboardLayout::isPersianOrArabic(QStringLiteral("ir(pes)")));
        QVERIFY(!KeyboardLayout::isPersianOrArabic(QStringLiteral("iq")));
        QVERIFY(!KeyboardLayout::isPersianOrArabic(QStringLiteral("us")));
    }

    void urgencyHintToggles() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowAttention::set(&window, true);
        QVERIFY(WindowAttention::isSet(&window));
        WindowAttention::set(&window, false);
        QVERIFY(!WindowAttention::isSet(&window));
    }
};

QTEST_MAIN(X11PlatformTest)
#include "X11PlatformTest.moc"
