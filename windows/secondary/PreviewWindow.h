#pragma once

#include "windows/secondary/BorderlessForm.h"

class QWebEngineView;

// The preview window: shows the written page in an embedded browser, reloads
// it on "Refresh", and repeats the browser's status text in a status line:
// the link address while the pointer is over a link, or the page's own
// message when its script sets one. It does not check that the page exists:
// a missing file shows the browser's error page. Made reusable, it is shown
// again at the next opening with the page as it is then.
class PreviewWindow : public BorderlessForm {
    Q_OBJECT
public:
    PreviewWindow();

    // The full path of the page to show, stored unchanged.
    void setPagePath(const QString& path) { m_pagePath = path; }

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
    void showStatus(const QString& text);
    void onLinkHovered(const QString& url);
    void onStatusWritten(const QString& text);
    void onLoadFinished();

    QWebEngineView* m_browser = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QLabel* m_statusLine = nullptr;
    QWidget* m_cover = nullptr;
    QString m_pagePath;
    QString m_pageStatus; // the page's own message while one is set
};
