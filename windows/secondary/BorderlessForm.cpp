#include "BorderlessForm.h"

#include "Pictures.h"
#include "Twips.h"
#include "modMain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

BorderlessForm::BorderlessForm() {
    // A dialog to the window system: kept above the window it is transient for.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowIcon(Pictures::appIcon());
    setFixedSize(Twips::toPixels(10095), Twips::toPixels(5055));
    setCursor(Pictures::ForbiddenHandPointer());
}

void BorderlessForm::createTitle() {
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(Twips::rect(120, 120, 9855, 495));
    lblTitle->setCursor(Pictures::GrabPointer());
    lblTitle->setFocusPolicy(Qt::NoFocus);
    lblTitle->setTextFormat(Qt::PlainText);
    lblTitle->installEventFilter(this);
}

void BorderlessForm::createCloseButton() {
    cmdReturn = new QPushButton(this);
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    cmdReturn->setGeometry(Twips::rect(9600, 240, 255, 255));
    cmdReturn->setIcon(Pictures::closeGlyph());
    // The glyph sits centred inside the button's edge and a ring of its
    // face, where the focus mark goes.
    cmdReturn->setIconSize(cmdReturn->size() - QSize(4, 4));
    cmdReturn->setCursor(Pictures::HandPointer());
    cmdReturn->setToolTip(QStringLiteral("Close"));
    cmdReturn->setAccessibleName(QStringLiteral("Close"));
    connect(cmdReturn, &QPushButton::clicked, this, &BorderlessForm::cmdReturn_Click);
}

void BorderlessForm::loadCommon(const QColor& buttonColor) {
    modMain::frmBackdrop = this;
    modMain::PaintBackdrop();

    using L = ControlLook;
    const ControlLook::Table table = {
        {QStringLiteral("CommandButton"),
         [buttonColor](QWidget* w) { L::setButtonLook(w, buttonColor); }},
        {QStringLiteral("Label"), L::setLabelLook},
    };
    ControlLook::apply(controls(), table);

    QFont font = lblTitle->font();
    font.setPointSize(18);
    lblTitle->setFont(font);

    setCancelButton(cmdReturn);
    cmdReturn->setFocusPolicy(Qt::StrongFocus);
}

void BorderlessForm::showEvent(QShowEvent* event) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    Form::showEvent(event);
}

void BorderlessForm::cmdReturn_Click() {
    Unload();
}

void BorderlessForm::lblTitle_MouseDown(Qt::MouseButtons button, Qt::KeyboardModifiers shift,
                                        QPoint) {
    modMain::DragWindow(this, button, shift);
}

bool BorderlessForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblTitle && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        lblTitle_MouseDown(mouse->buttons(), mouse->modifiers(), mouse->position().toPoint());
        return true;
    }
    return Form::eventFilter(watched, event);
}
