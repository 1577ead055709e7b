#include "windows/preview/LivePreviewView.h"

#include "windows/preview/PointerLeaveRelay.h"
#include "windows/preview/PreviewPage.h"
#include "windows/preview/PreviewWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <algorithm>

LivePreviewView::LivePreviewView(QWidget* parent)
    : QWidget(parent), m_scroller(new QScrollArea(this)), m_browser(new QWebEngineView),
      m_page(new PreviewPage(this)), m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("livePreviewView"));
    m_browser->setObjectName(QStringLiteral("liveBrowser"));
    m_browser->setPage(m_page);
    PointerLeaveRelay::watch(m_browser);
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
    m_pageWidth = width;
    fitWidth();
}

// A page wider than the view (a tablet's in a narrow dock) is shown whole,
// scaled down, rather than cut and scrolled sideways.
void LivePreviewView::fitWidth() {
    if (m_pageWidth <= 0) {
        m_browser->setMinimumWidth(0);
        m_browser->setMaximumWidth(QWIDGETSIZE_MAX);
        m_browser->setZoomFactor(1);
        return;
    }
    const int room = width(); // the scroller fills the view, without a frame
    const qreal scale =
        room > 0 && room < m_pageWidth ? std::max(0.25, qreal(room) / m_pageWidth) : 1.0;
    m_browser->setFixedWidth(qRound(m_pageWidth * scale));
    m_browser->setZoomFactor(scale);
}

void LivePreviewView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitWidth();
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

namespace {

// Brings the shown document to the page `html` with as little work as the
// change needs: a change of look rewrites the style blocks' text, a change
// of items the body; anything else (the head's script, say) writes the
// document anew.
const char kUpdate[] = R"JS(
(function (html) {
  var fresh = new DOMParser().parseFromString(html, 'text/html');
  function headBesidesStyles(doc) {
    return Array.prototype.filter.call(doc.head ? doc.head.children : [], function (e) {
      return e.tagName !== 'STYLE';
    }).map(function (e) { return e.outerHTML; }).join('\n');
  }
  var styles = document.querySelectorAll('head style');
  var freshStyles = fresh.querySelectorAll('head style');
  if (!document.body || styles.length !== freshStyles.length ||
      headBesidesStyles(document) !== headBesidesStyles(fresh) ||
      fresh.body.querySelector('script')) {
    document.open();
    document.write(html);
    document.close();
    return;
  }
  for (var i = 0; i < styles.length; ++i)
    if (styles[i].textContent !== freshStyles[i].textContent)
      styles[i].textContent = freshStyles[i].textContent;
  if (document.body.innerHTML !== fresh.body.innerHTML)
    document.body.innerHTML = fresh.body.innerHTML;
})(%1[0]);
)JS";

} // namespace

void LivePreviewView::showQueued() {
    m_queued = false;
    m_writing = true;
    const QByteArray literal =
        QJsonDocument(QJsonArray{QString::fromUtf8(m_text)}).toJson(QJsonDocument::Compact);
    m_page->runJavaScript(QString::fromLatin1(kUpdate).arg(QString::fromUtf8(literal)),
                          [this](const QVariant&) {
                              m_writing = false;
                              emit pageShown();
                              if (m_queued)
                                  showQueued();
                          });
}
