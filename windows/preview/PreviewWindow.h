#pragma once

#include "app/toolkit/BorderlessForm.h"

#include <QByteArray>

class PreviewPage;
class QTimer;
class QWebEngineView;

// The preview window: shows the page the main window's settings make now,
// composed in memory (no file is written or needed), in an embedded
// browser; reloads it on "Refresh", and repeats the browser's status text in
// a status line: the link address while the pointer is over a link, or the
// page's own message when its script sets one. A click on an item keeps the
// menu in view and says where the item leads.
//
// Kept, it is shown again at the next opening with the page as it is
// then. Closing only hides the window: its native window and drawing
// surface stay for the next opening. A text that changes while it is
// closed is written into the loaded document in place, and until the
// engine has drawn it a blank sheet covers the view, so no earlier page is
// ever seen; while an opening is expected (expectOpening) the engine draws
// it out of sight and keeps its picture, so the opening shows the page at
// once. A page with another path, Refresh, and every few texts load into a
// browser page of their own, so the memory of the pages before goes with
// their renderer process.
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
    // stays visible to the engine only then, which draws it and keeps its
    // picture ready for the opening, and rests otherwise.
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
    void writePageInPlace();
    void awaitDrawing();
    void onDrawn(int mark);
    void pumpWhileExpected();
    void takeFrame();
    void onLinkClicked(const QUrl& url);
    void trimMemory();
    void showStatus(const QString& text);
    void onLinkHovered(const QString& url);
    void onStatusWritten(const QString& text);
    void onLoadFinished();
    void escapeInsidePage();

    static constexpr int kTrimAfterClosingMs = 500;
    static constexpr int kPictureArrivesMs = 50;
    static constexpr int kFrameMs = 16;
    // The documents written before stay in the renderer's memory until the
    // engine collects them, which a page at rest hardly does: after this
    // many writes the next text loads into a new browser page, and their
    // memory goes with the old one's renderer.
    static constexpr int kWritesPerPage = 6;

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
    bool m_loadEnded = false; // the browser page's first load has finished
    // ... and its text has been drawn since: no blank sheet need cover it.
    bool m_drawn = false;
    int m_writes = 0; // in-place writes into this browser page
    int m_marks = 0;  // drawings awaited: names each
    bool m_expected = false;
    QTimer* m_pump = nullptr;
};
