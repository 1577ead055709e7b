#pragma once

#include "windows/secondary/BorderlessForm.h"

#include <optional>

class PageFileWatch;
class PreviewPage;
class QWebEngineView;

// The preview window: shows the written page in an embedded browser, reloads
// it on "Refresh", and repeats the browser's status text in a status line:
// the link address while the pointer is over a link, or the page's own
// message when its script sets one. It does not check that the page exists:
// a missing file shows the browser's error page.
//
// Made reusable, it is shown again at the next opening with the page as it
// is then: an opening that finds the file as the last load read it shows
// that page at once; one that finds it changed loads it anew behind a blank
// sheet, so no earlier page is ever seen. While the window is closed, a page
// written anew is loaded out of sight, ready for the next opening. Each load
// has a browser page of its own, so the memory of the pages before goes
// with their renderer process.
class PreviewWindow : public BorderlessForm {
    Q_OBJECT
public:
    PreviewWindow();

    // The full path of the page to show, stored unchanged; the first one
    // starts loading at once.
    void setPagePath(const QString& path);

    // The address shown for a path: a proper file URL, so folders with
    // spaces, "#", "%" or non-ASCII letters load.
    static QUrl addressFor(const QString& path);

public slots:
    void refresh();

protected:
    void onLoad() override;
    void onActivate() override;
    void hideEvent(QHideEvent* event) override;

private:
    bool holds(const std::optional<QByteArray>& bytes) const;
    void useNewPage();
    void loadPage(std::optional<QByteArray> bytes);
    void onPageFileChanged();
    void trimMemory();
    void showStatus(const QString& text);
    void onLinkHovered(const QString& url);
    void onStatusWritten(const QString& text);
    void onLoadFinished();

    static constexpr int kTrimAfterClosingMs = 500;

    QWebEngineView* m_browser = nullptr;
    PreviewPage* m_page = nullptr; // none until the first load
    PageFileWatch* m_pageWatch = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QLabel* m_statusLine = nullptr;
    QWidget* m_cover = nullptr;
    QString m_pagePath;
    QString m_pageStatus; // the page's own message while one is set
    // The page file's bytes as they were when the browser page's load
    // began; none when they could not be read.
    std::optional<QByteArray> m_loadedBytes;
    bool m_loadEnded = false;
};
