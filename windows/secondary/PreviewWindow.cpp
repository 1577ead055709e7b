#include "windows/secondary/PreviewWindow.h"

#include "app/pictures/Pictures.h"
#include "app/toolkit/Twips.h"
#include "windows/secondary/PreviewPage.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

PreviewWindow::PreviewWindow() {
    setWindowTitle(QStringLiteral("HTML Preview"));
    createTitle();
    createCloseButton();

    m_browser = new QWebEngineView(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setProperty("kindName", QStringLiteral("WebBrowser"));
    m_browser->setGeometry(Twips::rect(120, 720, 9855, 3855));
    auto* page = new PreviewPage(m_browser);
    m_browser->setPage(page);
    // An empty page makes the view build its drawing surface now. Built
    // later, while the window is showing, it would make Qt rebuild the
    // native window and drop it from the list of modal windows, leaving the
    // main window clickable behind the preview.
    page->setUrl(QUrl(QStringLiteral("about:blank")));
    connect(page, &PreviewPage::statusWritten, this, &PreviewWindow::onStatusWritten);
    connect(page, &QWebEnginePage::linkHovered, this, &PreviewWindow::onLinkHovered);

    m_refreshButton = new QPushButton(QStringLiteral("Refresh"), this);
    m_refreshButton->setObjectName(QStringLiteral("refreshButton"));
    m_refreshButton->setGeometry(Twips::rect(240, 180, 1215, 375));
    m_refreshButton->setCursor(Pictures::handPointer());
    m_refreshButton->setAutoDefault(false);
    connect(m_refreshButton, &QPushButton::clicked, this, &PreviewWindow::refresh);

    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_statusLine->setGeometry(Twips::rect(120, 4680, 9855, 255));
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setFocusPolicy(Qt::NoFocus);
    m_statusLine->setCursor(Pictures::grabPointer());

    // Both buttons lie on the title strip.
    closeButton()->raise();
    m_refreshButton->raise();
    QWidget::setTabOrder(closeButton(), m_browser);
    QWidget::setTabOrder(m_browser, m_refreshButton);
}

QUrl PreviewWindow::addressFor(const QString& path) {
    return QUrl::fromLocalFile(path);
}

void PreviewWindow::onLoad() {
    loadCommon(ControlLook::kCream);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void PreviewWindow::onActivate() {
    setTitle(QStringLiteral("HTML Preview"));
    m_browser->load(addressFor(m_pagePath));
}

void PreviewWindow::refresh() {
    m_browser->reload();
}

void PreviewWindow::showStatus(const QString& text) {
    m_statusLine->setText(text);
}

void PreviewWindow::onLinkHovered(const QString& url) {
    if (url.isEmpty()) {
        m_pageStatus.clear();
        showStatus(QString());
    } else if (m_pageStatus.isEmpty()) {
        showStatus(url);
    }
}

void PreviewWindow::onStatusWritten(const QString& text) {
    m_pageStatus = text;
    showStatus(text);
}
