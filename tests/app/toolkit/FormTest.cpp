#include "Form.h"
#include "ControlArray.h"
#include "modMain.h"

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
                Unload();
        });
    }
    void Form_Load() override {
        log << (isVisible() ? QStringLiteral("load-visible") : QStringLiteral("load"));
        setCancelButton(button);
    }
    void Form_Activate() override { log << QStringLiteral("activate"); }
    void Form_KeyDown(int key, Qt::KeyboardModifiers) override {
        log << QStringLiteral("key %1").arg(key);
    }

    QStringList log;
    QPushButton* button;
    bool unloadOnCancel = true;
};

} // namespace

class FormTest : public QObject {
    Q_OBJECT
private slots:
    void loadRunsFormLoadHiddenAndShowActivatesOnce() {
        auto* form = Form::Load<ProbeForm>();
        QCOMPARE(form->log, QStringList{QStringLiteral("load")});
        form->Show();
        form->Show();
        QCOMPARE(form->log, (QStringList{QStringLiteral("load"), QStringLiteral("activate")}));
        QCOMPARE(Form::activeForm(), form);
        delete form;
    }

    void modalShowBlocksUntilUnloadThenReactivatesTheOpener() {
        auto* opener = Form::Load<ProbeForm>();
        opener->Show();
        QPointer<ProbeForm> child = Form::Load<ProbeForm>();
        bool closedWhileShowing = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(child && child->isVisible());
            QCOMPARE(child->log, (QStringList{QStringLiteral("load"), QStringLiteral("activate")}));
            QVERIFY(QApplication::activeModalWidget() == child);
            closedWhileShowing = true;
            child->Unload();
        });
        child->ShowModal();
        QVERIFY(closedWhileShowing);
        QVERIFY(child.isNull()); // gone by the time ShowModal returns
        QCOMPARE(opener->log, (QStringList{QStringLiteral("load"), QStringLiteral("activate"),
                                           QStringLiteral("activate")}));
        delete opener;
    }

    void focusChangesAreNoActivation() {
        auto* form = Form::Load<ProbeForm>();
        form->Show();
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(form);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form, &activate);
        QCOMPARE(form->log.count(QStringLiteral("activate")), 1);
        delete form;
    }

    void escapeAnywherePressesTheCancelButtonAndKeyPreviewSeesKeysFirst() {
        auto* form = Form::Load<ProbeForm>();
        form->unloadOnCancel = false;
        auto* inner = new QPushButton(form);
        form->setKeyPreview(true);
        form->Show();
        QTest::keyClick(inner, Qt::Key_A);
        QTest::keyClick(inner, Qt::Key_Escape);
        QVERIFY(form->log.contains(QStringLiteral("key %1").arg(Qt::Key_Escape)));
        QCOMPARE(form->log.count(QStringLiteral("cancel")), 1);
        QCOMPARE(form->log.indexOf(QStringLiteral("key %1").arg(Qt::Key_A)), 2);
        // Escape with a modifier, or with the button disabled, does nothing.
        QTest::keyClick(inner, Qt::Key_Escape, Qt::ShiftModifier);
        form->button->setEnabled(false);
        QTest::keyClick(inner, Qt::Key_Escape);
        QCOMPARE(form->log.count(QStringLiteral("cancel")), 1);
        delete form;
    }

    void unloadDestroysAndTheNextLoadIsFresh() {
        QPointer<ProbeForm> first = Form::Load<ProbeForm>();
        first->Show();
        first->Unload();
        QVERIFY(first->isUnloaded());
        QTRY_VERIFY(first.isNull());
        auto* second = Form::Load<ProbeForm>();
        QCOMPARE(second->log, QStringList{QStringLiteral("load")});
        delete second;
    }

    void windowCloseUnloadsAModalForm() {
        QPointer<ProbeForm> child = Form::Load<ProbeForm>();
        QTimer::singleShot(0, [&] { child->close(); });
        child->ShowModal();
        QVERIFY(child.isNull());
    }

    void controlArraysCarryTheIndex() {
        QWidget parent;
        ControlArray<QPushButton> buttons;
        for (std::int16_t i : {9, 11, 40})
            buttons.add(i, new QPushButton(&parent));
        QCOMPARE(buttons.count(), std::int16_t(3));
        QVERIFY(buttons[10] == nullptr);
        QList<int> pressed;
        buttons.connect(&QPushButton::clicked, [&](std::int16_t i) { pressed << i; });
        buttons[40]->click();
        buttons[9]->click();
        QCOMPARE(pressed, (QList<int>{40, 9}));
    }

    void controlsAreListedInCreationOrder() {
        auto* form = Form::Load<ProbeForm>();
        auto* timer = new QTimer(form);
        auto* second = new QPushButton(form);
        const QList<QObject*> controls = form->controls();
        QCOMPARE(controls, (QList<QObject*>{form->button, timer, second}));
        delete form;
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
