#include "app/toolkit/ControlLook.h"
#include "app/toolkit/ControlKind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class ControlLookTest : public QObject {
    Q_OBJECT
private slots:
    void kindNamesOfTheControls() {
        QWidget window;
        QCOMPARE(ControlKind::of(new QPushButton(&window)), QStringLiteral("CommandButton"));
        QCOMPARE(ControlKind::of(new QCheckBox(&window)), QStringLiteral("CheckBox"));
        QCOMPARE(ControlKind::of(new QLineEdit(&window)), QStringLiteral("TextBox"));
        QCOMPARE(ControlKind::of(new QComboBox(&window)), QStringLiteral("ComboBox"));
        QCOMPARE(ControlKind::of(new QGroupBox(&window)), QStringLiteral("Frame"));
        QCOMPARE(ControlKind::of(new QLabel(&window)), QStringLiteral("Label"));
        QCOMPARE(ControlKind::of(new QTimer(&window)), QStringLiteral("Timer"));
        auto* named = new QWidget(&window);
        named->setProperty("kindName", QStringLiteral("WebBrowser"));
        QCOMPARE(ControlKind::of(named), QStringLiteral("WebBrowser"));
    }

    void firstMatchingRowDecidesAndCaseCounts() {
        QStringList applied;
        const ControlLook::Table table = {
            {QStringLiteral("Label"), [&](QWidget*) { applied << QStringLiteral("first"); }},
            {QStringLiteral("Label"), [&](QWidget*) { applied << QStringLiteral("second"); }},
        };
        QWidget window;
        auto* label = new QLabel(&window);
        auto* odd = new QWidget(&window);
        odd->setProperty("kindName", QStringLiteral("label"));
        auto* timer = new QTimer(&window);
        ControlLook::apply({label, odd, timer}, table);
        QCOMPARE(applied, QStringList{QStringLiteral("first")});
        QVERIFY(ControlLook::rowFor(QStringLiteral("LABEL"), table) == nullptr);
        QVERIFY(ControlLook::rowFor(QStringLiteral("Label"), table) == &table[0]);
    }

    void controlsAreStyledInTheGivenOrder() {
        QStringList order;
        const ControlLook::Table table = {
            {QStringLiteral("CommandButton"), [&](QWidget* w) { order << w->objectName(); }},
        };
        QWidget window;
        auto* a = new QPushButton(&window);
        a->setObjectName(QStringLiteral("a"));
        auto* b = new QPushButton(&window);
        b->setObjectName(QStringLiteral("b"));
        ControlLook::apply({b, a}, table);
        QCOMPARE(order, (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    }

    void helpersSetOnlyTheirProperty() {
        QWidget window;
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        const int size = combo->font().pointSize();
        ControlLook::setBold(combo);
        ControlLook::setFace(combo, QStringLiteral("Verdana"));
        QVERIFY(combo->font().bold());
        QCOMPARE(combo->font().families().value(0), QStringLiteral("Verdana"));
        QCOMPARE(combo->font().pointSize(), size);

        ControlLook::setBackColor(combo, ControlLook::kCream);
        QCOMPARE(ControlLook::backColor(combo), QColor(255, 255, 204));
        QCOMPARE(combo->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 204));
        ControlLook::setTextColor(combo, ControlLook::kNavy);
        QCOMPARE(combo->palette().color(QPalette::Text), QColor(0, 0, 128));

        auto* label = new QLabel(&window);
        ControlLook::setAlignment(label, Qt::AlignHCenter);
        QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        ControlLook::setSingleBorder(label, true);
        QCOMPARE(label->frameShape(), QFrame::Box);
        ControlLook::setTransparent(label);
        QVERIFY(!label->autoFillBackground());
    }
};

QTEST_MAIN(ControlLookTest)
#include "ControlLookTest.moc"
