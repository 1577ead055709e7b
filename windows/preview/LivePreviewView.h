#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class PreviewPage;
class QLabel;
class QScrollArea;
class QWebEngineView;

// The live preview's view, for docking beside the settings: the page the
// menu makes now, laid out at a phone's or a tablet's width (scaled down
// to fit a narrower view) or filling the view, updated in place as it changes (the document is
// written anew, no navigation, so nothing flashes). Links clicked in it stay in it; the line below
// says where they lead. The program reaches its slots by name: it lives in the preview module,
// which the program does not link.
class LivePreviewView : public QWidget {
    Q_OBJECT
public:
    explicit LivePreviewView(QWidget* parent = nullptr);

public slots:
    // The page to show, as UTF-8 text, and the path its relative addresses
    // are read against.
    void setPage(const QString& path, const QByteArray& text);
    // The width the page is laid out at, in pixels; 0 fills the view.
    void setPageWidth(int width);

signals:
    // The page given last is on screen (its load or rewrite has ended).
    void pageShown();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showQueued();
    void fitWidth();

    QScrollArea* m_scroller;
    QWebEngineView* m_browser;
    PreviewPage* m_page;
    QLabel* m_status;
    QString m_path;
    int m_pageWidth = 0;
    QByteArray m_text;
    bool m_loaded = false;  // the first page has loaded
    bool m_writing = false; // a rewrite is under way
    bool m_queued = false;  // a page came in meanwhile
};
