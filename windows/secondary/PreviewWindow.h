#pragma once

#include "BorderlessForm.h"

class PreviewPage;
class QWebEngineView;

// The preview window: shows the written page in an embedded browser, reloads
// it on "Refresh", and repeats the browser's status text in a status line:
// the link address while the pointer is over a link, or the page's own
// message when its script sets one. It does not check that the page exists:
// a missing file shows the browser's error page.
class frm3 : public BorderlessForm {
    Q_OBJECT
public:
    frm3();

    // The full path of the page to show, stored unchanged.
    void setPathName(const QString& path) { m_pathName = path; }

    void Form_Load() override;
    void Form_Activate() override;
    void cmdRefresh_Click();
    void MyWebBrowser_StatusTextChange(const QString& text);

    // The address shown for a path: a proper file URL, so folders with
    // spaces, "#", "%" or non-ASCII letters load.
    static QUrl addressFor(const QString& path);

    QWebEngineView* MyWebBrowser = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QLabel* lblStatusBar = nullptr;

private:
    void onLinkHovered(const QString& url);
    void onStatusWritten(const QString& text);

    QString m_pathName;
    QString m_pageStatus; // the page's own message while one is set
};
