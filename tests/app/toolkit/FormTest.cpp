#include "app/toolkit/Form.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Records what the toolkit layer calls, in order.
class ProbeForm : public Form {
public:
    ProbeForm() {
        button = new QPushButton(QStringLiteral("Cancel"), this);
        button->setObjectName(QStringLiteral("cancel"));
        connect(button, &QPushButton::clicked, this, [this] {
            log << QStringLiteral("cancel");
            if (unloadOnCancel)
                unload();
        });
    }
    void onLoad() override {
        log << (isVisible() ? QStringLiteral("load-visible") : QStringLiteral("load"));
        setCancelButton(button);
    }
    void onActivate() override { log << QStringLiteral("activate"); }

    QStringList log;
    QPushButton* button;
    bool unloadOnCancel = true;
};

} // namespace

class FormTest : public QObject {
    Q_OBJECT
private slots:
    void loadRunsFormLoadHiddenAndShowActivatesOnce() {
        auto* form = Form::load<ProbeForm>();
        QCOMPARE(form->log, QStringList{QStringLiteral("load")});
        form->showModeless();
        form->showModeless();
        QCOMPARE(form->log, (QStringList{QStringLiteral("load"), QStringLiteral("activate")}));
        delete form;
    }

    void modalShowBlocksUntilUnloadThenReactivatesTheOpener() {
        auto* opener = Form::load<ProbeForm>();
        opener->showModeless();
        QPointer<ProbeForm> child = Form::load<ProbeForm>();
        bool closedWhileShowing = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(child && child->isVisible());
            QCOMPARE(child->log, (QStringList{QStringLiteral("load"), QStringLiteral("activate")}));
            QVERIFY(QApplication::activeModalWidget() == child);
            closedWhileShowing = true;
            child->unload();
        });
        child->showModal();
        QVERIFY(closedWhileShowing);
        QVERIFY(child.isNull()); // gone by the time showModal returns
        QCOMPARE(opener->log, (QStringList{QStringLiteral("load"), QStringLiteral("activate"),
                                           QStringLiteral("activate")}));
        delete opener;
    }

    void focusChangesAreNoActivation() {
        auto* form = Form::load<ProbeForm>();
        form->showModeless();
        QWidget other;
        other.show();
        other.activateWindow();
        form->activateWindow();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form, &activate);
        QCOMPARE(form->log.count(QStringLiteral("activate")), 1);
        delete form;
    }

    void escapeAnywherePressesTheCancelButton() {
        auto* form = Form::load<ProbeForm>();
        form->unloadOnCancel = false;
        auto* inner = new QPushButton(form);
        form->showModeless();
        QTest::keyClick(inner, Qt::Key_A);
        QCOMPARE(form->log.count(QStringLiteral("cancel")), 0);
        QTest::keyClick(inner, Qt::Key_Escape);
        QCOMPARE(form->log.count(QStringLiteral("cancel")), 1);
        // Escape with a modifier, or with the button disabled, does nothing.
        QTest::keyClick(inner, Qt::Key_Escape, Qt::ShiftModifier);
        form->button->setEnabled(false);
        QTest::keyClick(inner, Qt::Key_Escape);
        QCOMPARE(form->log.count(QStringLiteral("cancel")), 1);
        delete form;
    }

    // Enter and the keypad's Enter press the focused button, as Space does;
    // with a modifier they do not.
    void enterPressesTheFocusedButton() {
        auto* form = Form::load<ProbeForm>();
        form->unloadOnCancel = false;
        form->showModeless();
        int pressed = 0;
        auto* other = new QPushButton(form);
        connect(other, &QPushButton::clicked, [&] { ++pressed; });
        QTest::keyClick(other, Qt::Key_Return);
        QTest::keyClick(other, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(other, Qt::Key_Space);
        QTest::keyClick(other, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(pressed, 3);
        QCOMPARE(form->log.count(QStringLiteral("cancel")), 0);
        delete form;
    }

    void unloadDestroysAndTheNextLoadIsFresh() {
        QPointer<ProbeForm> first = Form::load<ProbeForm>();
        first->showModeless();
        first->unload();
        QVERIFY(!first->isVisible());
        QTRY_VERIFY(first.isNull());
        auto* second = Form::load<ProbeForm>();
        QCOMPARE(second->log, QStringList{QStringLiteral("load")});
        delete second;
    }

    void windowCloseUnloadsAModalForm() {
        QPointer<ProbeForm> child = Form::load<ProbeForm>();
        QTimer::singleShot(0, [&] { child->close(); });
        child->showModal();
        QVERIFY(child.isNull());
    }

    void controlsAreListedInCreationOrder() {
        auto* form = Form::load<ProbeForm>();
        auto* timer = new QTimer(form);
        auto* second = new QPushButton(form);
        const QList<QObject*> controls = form->controls();
        QCOMPARE(controls, (QList<QObject*>{form->button, timer, second}));
        delete form;
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
