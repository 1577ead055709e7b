#include "windows/preview/PageSnapshots.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickWidget>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Opens the first sub-menu and, two frames later (the page drawn with it
// open), puts the box around the menu's items, those it opened included, in CSS pixels,
// in the title, which tells the view the page is ready.
const char kOpenAndMeasure[] = R"JS(
(function (name) {
  var toggle = document.querySelector('nav .halvero-menu__toggle');
  if (toggle) toggle.click();
  requestAnimationFrame(function () { requestAnimationFrame(function () {
    var parts = document.querySelectorAll('nav li');
    if (!parts.length) parts = document.querySelectorAll('td');
    if (!parts.length) parts = [document.body];
    var box = null;
    Array.prototype.forEach.call(parts, function (part) {
      var r = part.getBoundingClientRect();
      if (r.width === 0 || r.height === 0) return;
      if (!box) { box = {left: r.left, top: r.top, right: r.right, bottom: r.bottom}; return; }
      box.left = Math.min(box.left, r.left); box.top = Math.min(box.top, r.top);
      box.right = Math.max(box.right, r.right); box.bottom = Math.max(box.bottom, r.bottom);
    });
    box = box || {left: 0, top: 0, right: 0, bottom: 0};
    box.name = name;
    document.title = JSON.stringify(box);
  }); });
})(%1);
)JS";

// Room left around the menu in a picture, in CSS pixels.
constexpr int kMargin = 8;

} // namespace

PageSnapshots::PageSnapshots(QObject* parent)
    : QObject(parent), m_window(new QWidget), m_view(new QWebEngineView(m_window)),
      m_giveUp(new QTimer(this)) {
    // Shown, so that the engine draws, but never on the screen. The empty
    // Qt Quick widget has the window composed through OpenGL from the
    // start: switched to it when the engine's own first draws, the window
    // would be made anew, and shown on the screen.
    m_window->setAttribute(Qt::WA_DontShowOnScreen);
    (new QQuickWidget(m_window))->resize(1, 1);
    m_view->raise();
    m_giveUp->setSingleShot(true);
    m_giveUp->setInterval(5000);
    connect(m_giveUp, &QTimer::timeout, this, [this] { finish(QImage()); });
    connect(m_view, &QWebEngineView::loadFinished, this, [this] {
        if (m_busy)
            m_view->page()->runJavaScript(QString::fromLatin1(kOpenAndMeasure).arg(m_drawn));
    });
    connect(m_view, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        const QJsonObject box = QJsonDocument::fromJson(title.toUtf8()).object();
        if (!m_busy || box.value(QLatin1String("name")).toInt(-1) != m_drawn)
            return;
        const qreal zoom = m_jobs.head().zoom;
        const QRect area = QRectF(QPointF(box.value(QLatin1String("left")).toDouble() - kMargin,
                                          box.value(QLatin1String("top")).toDouble() - kMargin),
                                  QPointF(box.value(QLatin1String("right")).toDouble() + kMargin,
                                          box.value(QLatin1String("bottom")).toDouble() + kMargin))
                               .toAlignedRect();
        const QRect shown(QPoint(), m_view->size());
        const QRect picture = QRect(area.topLeft() * zoom, area.size() * zoom) & shown;
        // The frame the title came with reaches the view a moment later.
        QTimer::singleShot(50, this, [this, picture] {
            if (m_busy)
                finish(m_view->grab(picture).toImage());
        });
    });
}

PageSnapshots::~PageSnapshots() {
    delete m_window;
}

void PageSnapshots::take(int key, const QByteArray& text, const QSize& size, qreal zoom) {
    m_jobs.enqueue({key, text, size, zoom});
    if (!m_busy)
        startNext();
}

void PageSnapshots::startNext() {
    if (m_jobs.isEmpty())
        return;
    const Job& job = m_jobs.head();
    m_busy = true;
    ++m_drawn;
    m_window->resize(job.size);
    m_view->resize(job.size);
    m_view->setZoomFactor(job.zoom);
    m_window->show();
    m_view->setHtml(QString::fromUtf8(job.text));
    m_giveUp->start();
}

void PageSnapshots::finish(const QImage& picture) {
    m_giveUp->stop();
    m_busy = false;
    const int key = m_jobs.dequeue().key;
    emit taken(key, picture);
    startNext();
}
