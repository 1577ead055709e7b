#include "app/toolkit/Look.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QColor text(const QWidget* w) {
    return w->palette().color(QPalette::Text);
}
bool boldVerdana(const QWidget* w) {
    return w->font().bold() && w->font().families().value(0) == QLatin1String("Verdana");
}

} // namespace

// The look's table, applied: every kind of control of every window gets
// its row, and nothing else is touched.
class LookTest : public QObject {
    Q_OBJECT
private slots:
    void eachKindOfEachWindowGetsItsRow() {
        for (Look::Scheme which :
             {Look::Scheme::CreamForm, Look::Scheme::LavenderSheet, Look::Scheme::CreamSheet}) {
            QWidget window;
            if (which == Look::Scheme::CreamForm)
                Look::prepareSurface(&window);
            auto* button = new QPushButton(&window);
            auto* combo = new QComboBox(&window);
            combo->setEditable(true);
            auto* label = new QLabel(&window);
            // The dialogs' title; the main window's column titles are labels.
            auto* title = new QLabel(&window);
            if (which != Look::Scheme::CreamForm)
                title->setObjectName(QStringLiteral("title"));
            auto* other = new QWidget(&window);
            const QFont before = other->font();
            const int size = label->font().pointSize();
            Look::apply(&window, which);

            const QColor buttonBack =
                which == Look::Scheme::LavenderSheet ? Look::kLavender : Look::kCream;
            QVERIFY(boldVerdana(button));
            QCOMPARE(Look::backColor(button), buttonBack);
            QCOMPARE(button->palette().color(QPalette::ButtonText),
                     QApplication::palette(button).color(QPalette::ButtonText));
            for (QLabel* l : {label, title}) {
                QVERIFY(boldVerdana(l));
                QCOMPARE(l->palette().color(QPalette::WindowText), Look::kOliveYellow);
                QCOMPARE(l->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
                QCOMPARE(l->frameShape(), QFrame::NoFrame);
                QVERIFY(!l->autoFillBackground());
            }
            QCOMPARE(label->font().pointSize(), size);
            QCOMPARE(title->font().pointSize(), which == Look::Scheme::CreamForm ? size : 18);
            if (which == Look::Scheme::CreamForm) {
                QVERIFY(boldVerdana(combo));
                QCOMPARE(text(combo), Look::kNavy);
                QCOMPARE(Look::backColor(combo), Look::kCream);
                // The editable box's field has its own palette.
                QCOMPARE(combo->lineEdit()->palette().color(QPalette::Base), Look::kCream);
            }
            QCOMPARE(other->font(), before);
        }
    }

    // A colour set later leaves what is already so alone; it reaches an
    // editable box's field too.
    void coloursSetLaterReachTheBoxsField() {
        QComboBox combo;
        combo.setEditable(true);
        Look::setBackColor(&combo, QColor(1, 2, 3));
        Look::setTextColor(&combo, Qt::white);
        QCOMPARE(Look::backColor(&combo), QColor(1, 2, 3));
        QCOMPARE(combo.lineEdit()->palette().color(QPalette::Base), QColor(1, 2, 3));
        QCOMPARE(text(&combo), QColor(Qt::white));
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
