#include "windows/preview/PreviewWindow.h"

#include "app/pictures/Pictures.h"
#include "app/toolkit/Twips.h"
#include "windows/preview/PointerLeaveRelay.h"
#include "windows/preview/PreviewPage.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QQuickWidget>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <malloc.h>

PreviewWindow::PreviewWindow(QWidget* parent) : BorderlessForm(parent) {
    setWindowTitle(tr("HTML Preview"));
    createTitle();
    createCloseButton();

    m_browser = new QWebEngineView(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setProperty("kindName", QStringLiteral("WebBrowser"));
    m_browser->setGeometry(Twips::rect(120, 720, 9855, 3855));
    PointerLeaveRelay::watch(m_browser);

    m_refreshButton = new QPushButton(tr("Refresh"), this);
    m_refreshButton->setObjectName(QStringLiteral("refreshButton"));
    m_refreshButton->setGeometry(Twips::rect(240, 180, 1215, 375));
    m_refreshButton->setCursor(Pictures::handPointer());
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
    m_pump = new QTimer(this);
    m_pump->setInterval(kFrameMs);
    connect(m_pump, &QTimer::timeout, this, &PreviewWindow::takeFrame);
    loadCommon(Look::Scheme::CreamSheet);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QUrl PreviewWindow::addressFor(const QString& path) {
    return QUrl::fromLocalFile(path);
}

// The first page starts loading as soon as it is known, while the window
// is still being made ready to show. While the kept window is closed, a
// new text is written into the loaded document (a new path loads anew),
// ready for the next opening; an open window keeps its page until Refresh
// or the next opening.
void PreviewWindow::setPage(const QString& path, const QByteArray& text) {
    m_pagePath = path;
    m_pageText = text;
    if (m_page && (isVisible() || holdsPage()))
        return;
    if (m_page && m_loadEnded && m_loadedPath == m_pagePath && m_writes < kWritesPerPage)
        writePageInPlace();
    else
        loadPage();
}

// Runs before the window shows, so the view has its drawing surface (made
// by the first load) before the window appears: made while it shows, Qt
// would rebuild the native window and drop it from the list of modal
// windows, leaving the main window clickable behind the preview.
void PreviewWindow::prepare() {
    setTitle(tr("HTML Preview"));
    if (!holdsPage())
        loadPage();
    m_page->setAudioMuted(false);
    showStatus(m_pageStatus);
    m_cover->raise();
    m_cover->setVisible(!m_drawn);
}

// Whether the browser page holds (or is loading) the page to show: then
// it need not load again.
bool PreviewWindow::holdsPage() const {
    return m_page && m_loadedText == m_pageText && m_loadedPath == m_pagePath;
}

// The window's own browser page, in place of the one before, which goes
// with its renderer process and all the memory of the pages it showed.
void PreviewWindow::useNewPage() {
    PreviewPage* old = m_page;
    m_page = new PreviewPage(this);
    connect(m_page, &PreviewPage::statusWritten, this, &PreviewWindow::onStatusWritten);
    connect(m_page, &QWebEnginePage::loadFinished, this, &PreviewWindow::onLoadFinished);
    connect(m_page, &QWebEnginePage::linkHovered, this, &PreviewWindow::onLinkHovered);
    connect(m_page, &PreviewPage::linkClicked, this, &PreviewWindow::onLinkClicked);
    connect(m_page, &PreviewPage::drawn, this, &PreviewWindow::onDrawn);
    m_browser->setPage(m_page);
    delete old;
    m_loadEnded = false;
    m_drawn = false;
    m_writes = 0;
}

// Every load has a browser page of its own: the memory of the pages before
// goes with theirs, and the end of a load never reports for another. The
// text is the page's own; its relative addresses (style sheet, sound) are
// read as those of a page at its path.
void PreviewWindow::loadPage() {
    useNewPage();
    m_pageStatus.clear();
    showStatus(QString());
    m_loadedText = m_pageText;
    m_loadedPath = m_pagePath;
    m_page->setAudioMuted(!isVisible());
    m_page->setHtml(QString::fromUtf8(m_pageText), addressFor(m_pagePath));
}

// A new text for the page while the window is closed: written into the
// document the browser page holds, it keeps the page's renderer and
// drawing surface, so the engine can draw it before the next opening (see
// expectOpening) instead of after it.
void PreviewWindow::writePageInPlace() {
    m_pageStatus.clear();
    showStatus(QString());
    m_loadedText = m_pageText;
    ++m_writes;
    m_page->writeInPlace(m_pageText);
    awaitDrawing();
}

// Until the engine has drawn the page as it is now, the blank sheet is to
// cover it; while an opening is expected it draws out of sight.
void PreviewWindow::awaitDrawing() {
    m_drawn = false;
    m_page->tellWhenDrawn(++m_marks);
    pumpWhileExpected();
}

// The engine has drawn the page as it was last asked; its picture reaches
// the view with a frame or two more.
void PreviewWindow::onDrawn(int mark) {
    if (mark != m_marks)
        return;
    QTimer::singleShot(kPictureArrivesMs, m_page, [this, mark] {
        if (mark != m_marks || m_drawn)
            return;
        m_drawn = true;
        m_cover->hide();
        pumpWhileExpected();
    });
}

void PreviewWindow::expectOpening(bool likely) {
    m_expected = likely;
    if (m_page && !isVisible())
        m_page->setVisible(likely);
    pumpWhileExpected();
}

// With the window closed, nothing takes the engine's frames, and it stops
// drawing after the first few: while an opening is expected and the page's
// text is not drawn yet, the view's frames are taken out of sight.
void PreviewWindow::pumpWhileExpected() {
    if (m_expected && !isVisible() && m_page && m_loadEnded && !m_drawn)
        m_pump->start();
    else
        m_pump->stop();
}

// Has the hidden view draw the engine's latest frame, as it would on the
// screen, so the engine goes on to the next.
void PreviewWindow::takeFrame() {
    if (auto* view = qobject_cast<QQuickWidget*>(m_browser->focusProxy()))
        (void)view->grabFramebuffer();
    pumpWhileExpected();
}

// A browser page's first drawing comes only once its view is on the
// screen: a page loaded out of sight lifts the blank sheet at once too.
void PreviewWindow::onLoadFinished() {
    m_loadEnded = true;
    m_drawn = true;
    m_cover->hide();
    // Loaded out of sight: what the pages before freed goes back to the
    // system rather than staying with the heap.
    trimMemory();
}

void PreviewWindow::showEvent(QShowEvent* event) {
    BorderlessForm::showEvent(event);
    m_expected = false;
    m_pump->stop();
    qApp->installEventFilter(this);
}

// The page has Escape first: a menu's open sub-menu closes, and only an
// Escape the page leaves alone closes the preview.
void PreviewWindow::escapeInsidePage() {
    const QPointer<PreviewWindow> self = this;
    const QPointer<QWebEnginePage> page = m_page;
    m_page->runJavaScript(
        QStringLiteral("(function () {"
                       "  var e = new KeyboardEvent('keydown', {key: 'Escape', code: 'Escape',"
                       "    keyCode: 27, bubbles: true, cancelable: true});"
                       "  (document.activeElement || document.body || document).dispatchEvent(e);"
                       "  return e.defaultPrevented;"
                       "})()"),
        [self, page](const QVariant& handled) {
            if (self && page && page == self->m_page && !handled.toBool() && self->isVisible())
                self->reject();
        });
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // Only an Escape is looked at further: the browser engine's own objects
    // (of types the program cannot see) pass every other key through here.
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && isVisible() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            if (type == QEvent::KeyPress && m_page && m_browser->isAncestorOf(widget))
                escapeInsidePage();
            else if (type == QEvent::KeyPress)
                reject();
            event->accept();
            return true;
        }
    }
    return BorderlessForm::eventFilter(watched, event);
}

// Kept for the next opening, the page stays, silent. What showing it took
// (pictures of the window, mostly) goes back to the system once it is
// closed.
void PreviewWindow::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    m_page->setAudioMuted(true);
    BorderlessForm::hideEvent(event);
    QTimer::singleShot(kTrimAfterClosingMs, this, &PreviewWindow::trimMemory);
}

// As QDialog's, but the window is only hidden (which ends exec()), its
// native window kept: made anew, with its drawing surface, at every
// opening, it took a good part of the opening's time.
void PreviewWindow::done(int result) {
    setResult(result);
    hide();
    emit finished(result);
    if (result == Accepted)
        emit accepted();
    else
        emit rejected();
}

void PreviewWindow::trimMemory() {
    if (!isVisible())
        ::malloc_trim(0);
}

void PreviewWindow::refresh() {
    loadPage();
}

// The menu stays in view; the status line says where the item leads.
void PreviewWindow::onLinkClicked(const QUrl& url) {
    m_pageStatus = tr("This item leads to %1").arg(url.toDisplayString());
    showStatus(m_pageStatus);
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
