#include "windows/secondary/LivePreviewView.h"

#include "windows/secondary/PreviewPage.h"
#include "windows/secondary/PreviewWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWebEngineView>

LivePreviewView::LivePreviewView(QWidget* parent)
    : QWidget(parent), m_scroller(new QScrollArea(this)), m_browser(new QWebEngineView),
      m_page(new PreviewPage(this)), m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("livePreviewView"));
    m_browser->setObjectName(QStringLiteral("liveBrowser"));
    m_browser->setPage(m_page);
    m_scroller->setWidget(m_browser);
    m_scroller->setWidgetResizable(true);
    m_scroller->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_status->setObjectName(QStringLiteral("liveStatus"));
    m_status->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_scroller, 1);
    layout->addWidget(m_status);

    connect(m_page, &QWebEnginePage::loadFinished, this, [this] {
        m_loaded = true;
        m_writing = false;
        emit pageShown();
        if (m_queued)
            showQueued();
    });
    connect(m_page, &PreviewPage::linkClicked, this, [this](const QUrl& url) {
        m_status->setText(tr("This item leads to %1").arg(url.toDisplayString()));
    });
    connect(m_page, &QWebEnginePage::linkHovered, this,
            [this](const QString& url) { m_status->setText(url); });
}

void LivePreviewView::setPageWidth(int width) {
    if (width > 0) {
        m_browser->setFixedWidth(width);
    } else {
        m_browser->setMinimumWidth(0);
        m_browser->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

// The first page loads; later ones rewrite the document in place, one at a
// time, the newest winning: typing never queues a page per key.
void LivePreviewView::setPage(const QString& path, const QByteArray& text) {
    m_text = text;
    if (m_loaded && path == m_path) {
        m_queued = true;
        if (!m_writing)
            showQueued();
        return;
    }
    m_path = path;
    m_loaded = false;
    m_writing = true;
    m_queued = false;
    m_page->setHtml(QString::fromUtf8(text), PreviewWindow::addressFor(path));
}

void LivePreviewView::showQueued() {
    m_queued = false;
    m_writing = true;
    const QByteArray literal =
        QJsonDocument(QJsonArray{QString::fromUtf8(m_text)}).toJson(QJsonDocument::Compact);
    m_page->runJavaScript(QStringLiteral("document.open();document.write(%1[0]);document.close();")
                              .arg(QString::fromUtf8(literal)),
                          [this](const QVariant&) {
                              m_writing = false;
                              emit pageShown();
                              if (m_queued)
                                  showQueued();
                          });
}
