#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QQueue>
#include <QSize>

class QTimer;
class QWebEngineView;
class QWidget;

// Pictures of pages as the browser engine draws them, taken one at a time
// in a browser view that is never on screen: the looks' pictures. Each is
// the part of the page that holds its menu, with the first sub-menu open.
// The program reaches it by name: it lives in the preview module, which
// the program does not link.
class PageSnapshots : public QObject {
    Q_OBJECT
public:
    explicit PageSnapshots(QObject* parent = nullptr);
    ~PageSnapshots() override;

public slots:
    // Draws the page `text` (UTF-8) in a view of `size` pixels whose page
    // is scaled by `zoom`, and tells taken(key, picture) once drawn; a page
    // that does not finish drawing within seconds gives a null picture.
    void take(int key, const QByteArray& text, const QSize& size, qreal zoom);

signals:
    void taken(int key, const QImage& picture);

private:
    struct Job {
        int key;
        QByteArray text;
        QSize size;
        qreal zoom;
    };

    void startNext();
    void finish(const QImage& picture);

    QWidget* m_window; // never on the screen
    QWebEngineView* m_view;
    QTimer* m_giveUp;
    QQueue<Job> m_jobs;
    bool m_busy = false;
    int m_drawn = 0; // pages drawn so far: names each one's title
};
