#include "frm3.h"

#include "Pictures.h"
#include "PreviewPage.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

frm3::frm3() {
    setWindowTitle(QStringLiteral("HTML Preview"));
    createTitle();
    createCloseButton();

    MyWebBrowser = new QWebEngineView(this);
    MyWebBrowser->setObjectName(QStringLiteral("MyWebBrowser"));
    MyWebBrowser->setProperty("kindName", QStringLiteral("WebBrowser"));
    MyWebBrowser->setGeometry(Twips::rect(120, 720, 9855, 3855));
    auto* page = new PreviewPage(MyWebBrowser);
    MyWebBrowser->setPage(page);
    // An empty page makes the view build its drawing surface now. Built
    // later, while the window is showing, it would make Qt rebuild the
    // native window and drop it from the list of modal windows, leaving the
    // main window clickable behind the preview.
    page->setUrl(QUrl(QStringLiteral("about:blank")));
    connect(page, &PreviewPage::statusWritten, this, &frm3::onStatusWritten);
    connect(page, &QWebEnginePage::linkHovered, this, &frm3::onLinkHovered);

    cmdRefresh = new QPushButton(QStringLiteral("Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    cmdRefresh->setGeometry(Twips::rect(240, 180, 1215, 375));
    cmdRefresh->setCursor(Pictures::HandPointer());
    cmdRefresh->setAutoDefault(false);
    connect(cmdRefresh, &QPushButton::clicked, this, &frm3::cmdRefresh_Click);

    lblStatusBar = new QLabel(this);
    lblStatusBar->setObjectName(QStringLiteral("lblStatusBar"));
    lblStatusBar->setGeometry(Twips::rect(120, 4680, 9855, 255));
    lblStatusBar->setTextFormat(Qt::PlainText);
    lblStatusBar->setFocusPolicy(Qt::NoFocus);
    lblStatusBar->setCursor(Pictures::GrabPointer());

    // Both buttons lie on the title strip.
    cmdReturn->raise();
    cmdRefresh->raise();
    QWidget::setTabOrder(cmdReturn, MyWebBrowser);
    QWidget::setTabOrder(MyWebBrowser, cmdRefresh);
}

QUrl frm3::addressFor(const QString& path) {
    return QUrl::fromLocalFile(path);
}

void frm3::Form_Load() {
    loadCommon(ControlLook::kCream);
    lblStatusBar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void frm3::Form_Activate() {
    lblTitle->setText(QStringLiteral("HTML Preview"));
    MyWebBrowser->load(addressFor(m_pathName));
}

void frm3::cmdRefresh_Click() {
    MyWebBrowser->reload();
}

void frm3::MyWebBrowser_StatusTextChange(const QString& text) {
    lblStatusBar->setText(text);
}

void frm3::onLinkHovered(const QString& url) {
    if (url.isEmpty()) {
        m_pageStatus.clear();
        MyWebBrowser_StatusTextChange(QString());
    } else if (m_pageStatus.isEmpty()) {
        MyWebBrowser_StatusTextChange(url);
    }
}

void frm3::onStatusWritten(const QString& text) {
    m_pageStatus = text;
    MyWebBrowser_StatusTextChange(text);
}
