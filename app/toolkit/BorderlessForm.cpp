#include "app/toolkit/BorderlessForm.h"

#include "app/Application.h"
#include "app/pictures/Pictures.h"
#include "app/toolkit/Backdrop.h"
#include "app/toolkit/Twips.h"
#include "app/toolkit/WindowDrag.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

BorderlessForm::BorderlessForm(QWidget* parent) : QDialog(parent) {
    // Kept above the window it is transient for by the window system.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFont(Application::windowFont());
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
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setAccessibleName(tr("Close"));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void BorderlessForm::setTitle(const QString& text) {
    m_title->setText(text);
}

void BorderlessForm::loadCommon(Look::Scheme which) {
    m_backdrop = Backdrop::column(height());
    // The backdrop paints every pixel: Qt need not fill the window first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    Look::apply(this, which);
    m_closeButton->setFocusPolicy(Qt::StrongFocus);
}

void BorderlessForm::setVisible(bool visible) {
    if (visible && !isVisible())
        prepare();
    QDialog::setVisible(visible);
}

void BorderlessForm::paintEvent(QPaintEvent* event) {
    if (m_backdrop.isNull())
        return;
    QPainter painter(this);
    Backdrop::paintExposed(painter, *this, m_backdrop, event->rect());
}

void BorderlessForm::showEvent(QShowEvent* event) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    QDialog::showEvent(event);
}

bool BorderlessForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_title && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        WindowDrag::begin(this, mouse->buttons(), mouse->modifiers());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
