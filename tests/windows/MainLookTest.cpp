#include "windows/main/MainLook.h"
#include "app/toolkit/ControlLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

QColor text(const QWidget* w) {
    return w->palette().color(QPalette::Text);
}
QColor back(const QWidget* w) {
    return ControlLook::backColor(w);
}
bool bold(const QWidget* w) {
    return w->font().bold();
}
QString face(const QWidget* w) {
    return w->font().families().value(0);
}

} // namespace

class MainLookTest : public QObject {
    Q_OBJECT
private slots:
    void eachKindGetsItsRow() {
        QWidget window;
        auto* button = new QPushButton(&window);
        auto* check = new QCheckBox(&window);
        auto* combo = new QComboBox(&window);
        auto* frame = new QGroupBox(&window);
        auto* label = new QLabel(&window);
        auto* timer = new QTimer(&window);
        const int size = label->font().pointSize();
        ControlLook::apply({button, check, combo, frame, label, timer}, MainLook::table());

        QVERIFY(bold(button) && face(button) == "Verdana" && back(button) == ControlLook::kCream);
        QVERIFY(bold(check) && face(check) == "Verdana" && text(check) == ControlLook::kNavy);
        QVERIFY(bold(combo) && face(combo) == "Verdana" && text(combo) == ControlLook::kNavy &&
                back(combo) == ControlLook::kCream);
        QVERIFY(bold(frame) && face(frame) == "Verdana" && text(frame) == ControlLook::kNavy);
        QVERIFY(bold(label) && face(label) == "Verdana");
        QCOMPARE(label->palette().color(QPalette::WindowText), ControlLook::kOliveYellow);
        QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(label->font().pointSize(), size);
    }

    void textBoxTagChoosesTheRightToLeftField_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("F") << "F" << true;
        QTest::newRow("f") << "f" << true;
        QTest::newRow("F with a blank") << "F " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("other") << "x" << false;
    }
    void textBoxTagChoosesTheRightToLeftField() {
        QFETCH(QString, tag);
        QFETCH(bool, rightToLeft);
        QWidget window;
        auto* edit = new QLineEdit(&window);
        edit->setProperty("tag", tag);
        ControlLook::apply({edit}, MainLook::table());
        QCOMPARE(edit->layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask,
                 rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        QCOMPARE(face(edit), rightToLeft ? QStringLiteral("Tahoma") : QStringLiteral("Verdana"));
        QVERIFY(bold(edit) && edit->hasFrame());
        QCOMPARE(text(edit), ControlLook::kNavy);
        QCOMPARE(back(edit), ControlLook::kCream);
    }

    // Every class mapped to a kind takes all of its row.
    void multiLineTextBoxesTakeTheTextBoxRow() {
        QWidget window;
        auto* rich = new QTextEdit(&window);
        auto* plain = new QPlainTextEdit(&window);
        rich->setProperty("tag", QStringLiteral("f"));
        ControlLook::apply({rich, plain}, MainLook::table());
        QCOMPARE(rich->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QCOMPARE(rich->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(face(rich), QStringLiteral("Tahoma"));
        QCOMPARE(plain->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        for (QFrame* box : {static_cast<QFrame*>(rich), static_cast<QFrame*>(plain)}) {
            QCOMPARE(box->frameShape(), QFrame::Box);
            QCOMPARE(text(box), ControlLook::kNavy);
            QCOMPARE(back(box), ControlLook::kCream);
        }
    }

    void groupBoxTakesTheFramesSingleBorder() {
        QWidget window;
        auto* group = new QGroupBox(&window);
        group->setFlat(true);
        ControlLook::apply({group}, MainLook::table());
        QVERIFY(!group->isFlat());
        QVERIFY(bold(group) && face(group) == "Verdana");
    }

    void unknownOrMiscasedKindsAreLeftAlone() {
        QWidget window;
        auto* odd = new QLabel(&window);
        odd->setProperty("kindName", QStringLiteral("label"));
        const QFont before = odd->font();
        ControlLook::apply({odd}, MainLook::table());
        QCOMPARE(odd->font(), before);
    }
};

QTEST_MAIN(MainLookTest)
#include "MainLookTest.moc"
