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
    connect(m_browser, &QWebEngineView::loadFinished, this, &PreviewWindow::onLoadFinished);
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

    // Until the page of this opening has loaded, a blank sheet covers the
    // view, which may still hold the page of the last opening.
    m_cover = new QWidget(this);
    m_cover->setObjectName(QStringLiteral("pageCover"));
    m_cover->setGeometry(m_browser->geometry());
    m_cover->setAutoFillBackground(true);
    QPalette blank = m_cover->palette();
    blank.setColor(QPalette::Window, Qt::white);
    m_cover->setPalette(blank);
    m_cover->hide();

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
    m_pageStatus.clear();
    showStatus(QString());
    m_cover->raise();
    m_cover->show();
    m_browser->load(addressFor(m_pagePath));
}

void PreviewWindow::onLoadFinished() {
    // Loads of an earlier address (the blank page after the last opening)
    // end here too; only this opening's page lifts the cover.
    if (m_browser->url() == addressFor(m_pagePath))
        m_cover->hide();
}

// A window kept for the next opening lets go of its page: the next one
// never shows the last one's, and the page's memory is freed.
void PreviewWindow::hideEvent(QHideEvent* event) {
    m_browser->setUrl(QUrl(QStringLiteral("about:blank")));
    BorderlessForm::hideEvent(event);
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
