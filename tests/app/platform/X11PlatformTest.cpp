#include "app/platform/KeyboardLayout.h"
#include "app/platform/WindowAttention.h"
#include "app/platform/X11Connection.h"
#include "windows/main/MainWindow.h"
#include <QDialog>

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

bool setLayouts(const QString& layouts) {
    return QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layouts}) ==
           0;
}

// The urgency hint as the X server holds it for `window`.
bool isUrgent(QWidget* window) {
    Display* display = X11Connection::display();
    XWMHints* hints = XGetWMHints(display, static_cast<Window>(window->winId()));
    if (!hints)
        return false;
    const bool urgent = (hints->flags & XUrgencyHint) != 0;
    XFree(hints);
    return urgent;
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
        QVERIFY(isUrgent(&window));
        WindowAttention::set(&window, false);
        QVERIFY(!isUrgent(&window));
    }

    // The main window asks for attention once a second, on and off, for as
    // long as it runs.
    void mainWindowFlashesOnceASecond() {
        auto* window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const bool first = isUrgent(window);
        QTRY_VERIFY_WITH_TIMEOUT(isUrgent(window) != first, 1500);
        QTRY_VERIFY_WITH_TIMEOUT(isUrgent(window) == first, 1500);
        delete window;
    }
};

QTEST_MAIN(X11PlatformTest)
#include "X11PlatformTest.moc"
