#include "windows/secondary/BorderlessForm.h"

#include "app/pictures/Pictures.h"
#include "app/toolkit/Twips.h"
#include "app/toolkit/WindowDrag.h"

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
    setCursor(Pictures::forbiddenHandPointer());
}

void BorderlessForm::createTitle() {
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setGeometry(Twips::rect(120, 120, 9855, 495));
    m_title->setCursor(Pictures::grabPointer());
    m_title->setFocusPolicy(Qt::NoFocus);
    m_title->setTextFormat(Qt::PlainText);
    m_title->installEventFilter(this);
}

void BorderlessForm::createCloseButton() {
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(Twips::rect(9600, 240, 255, 255));
    m_closeButton->setIcon(Pictures::closeGlyph());
    // The glyph sits centred inside the button's edge and a ring of its
    // face, where the focus mark goes.
    m_closeButton->setIconSize(m_closeButton->size() - QSize(4, 4));
    m_closeButton->setCursor(Pictures::handPointer());
    m_closeButton->setToolTip(QStringLiteral("Close"));
    m_closeButton->setAccessibleName(QStringLiteral("Close"));
    connect(m_closeButton, &QPushButton::clicked, this, &BorderlessForm::unload);
}

void BorderlessForm::setTitle(const QString& text) {
    m_title->setText(text);
}

void BorderlessForm::loadCommon(const QColor& buttonColor) {
    paintBackdrop();

    using L = ControlLook;
    const ControlLook::Table table = {
        {QStringLiteral("CommandButton"),
         [buttonColor](QWidget* w) { L::setButtonLook(w, buttonColor); }},
        {QStringLiteral("Label"), L::setLabelLook},
    };
    ControlLook::apply(controls(), table);

    QFont font = m_title->font();
    font.setPointSize(18);
    m_title->setFont(font);

    setCancelButton(m_closeButton);
    m_closeButton->setFocusPolicy(Qt::StrongFocus);
}

void BorderlessForm::showEvent(QShowEvent* event) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    Form::showEvent(event);
}

bool BorderlessForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_title && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        WindowDrag::begin(this, mouse->buttons(), mouse->modifiers());
        return true;
    }
    return Form::eventFilter(watched, event);
}
