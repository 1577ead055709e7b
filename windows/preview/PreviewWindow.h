#pragma once

#include "app/toolkit/BorderlessForm.h"

#include <QByteArray>

class PreviewPage;
class QWebEngineView;

// The preview window: shows the page the main window's settings make now,
// composed in memory (no file is written or needed), in an embedded
// browser; reloads it on "Refresh", and repeats the browser's status text in
// a status line: the link address while the pointer is over a link, or the
// page's own message when its script sets one. A click on an item keeps the
// menu in view and says where the item leads.
//
// Kept, it is shown again at the next opening with the page as it
// is then: an opening whose page text is the one last loaded shows that
// page at once; one with another text loads it behind a blank sheet, so no
// earlier page is ever seen. Each load has a browser page of its own, so
// the memory of the pages before goes with their renderer process. Closing
// only hides the window: its native window and drawing surface stay for
// the next opening, and while one is expected (expectOpening) so does the
// engine's picture of the page.
class PreviewWindow : public BorderlessForm {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    // The page to show, as UTF-8 text, and the path it stands for, which
    // its relative addresses are read against; the first starts loading at
    // once.
    void setPage(const QString& path, const QByteArray& text);

    // The address shown for a path: a proper file URL, so folders with
    // spaces, "#", "%" or non-ASCII letters load.
    static QUrl addressFor(const QString& path);

public slots:
    void refresh();
    // Whether an opening is likely now (the pointer or the focus on the
    // control that opens the window): while the window is closed, its page
    // stays visible to the engine only then, which keeps its picture ready
    // for the opening, and rests otherwise.
    void expectOpening(bool likely);

protected:
    void prepare() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Hides the window without destroying its native window, which a
    // dialog's closing does.
    void done(int result) override;
    // Escape closes the window wherever its focus is, the page included,
    // which would otherwise take the key for itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool holdsPage() const;
    void useNewPage();
    void loadPage();
    void onLinkClicked(const QUrl& url);
    void trimMemory();
    void showStatus(const QString& text);
    void onLinkHovered(const QString& url);
    void onStatusWritten(const QString& text);
    void onLoadFinished();
    void escapeInsidePage();

    static constexpr int kTrimAfterClosingMs = 500;

    QWebEngineView* m_browser = nullptr;
    PreviewPage* m_page = nullptr; // none until the first load
    QPushButton* m_refreshButton = nullptr;
    QLabel* m_statusLine = nullptr;
    QWidget* m_cover = nullptr;
    QString m_pagePath;
    QString m_pageStatus; // the page's own message while one is set
    // The page file's bytes as they were when the browser page's load
    // began; none when they could not be read.
    QByteArray m_pageText;
    // What the browser page holds (or is loading): the text and its path.
    QByteArray m_loadedText;
    QString m_loadedPath;
    bool m_loadEnded = false;
};
