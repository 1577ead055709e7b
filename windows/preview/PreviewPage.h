#pragma once

#include <QWebEnginePage>

// A browser page that gives old menu pages what modern engines dropped:
// writes to `window.status` are reported through statusWritten(), and
// setting a <bgsound> element's src plays that sound (a missing file stays
// silent). Both come from a script run in the page's own world before its
// scripts; the page itself is never changed. A click on a link, in this
// page or meant for a new one, does not leave the menu: linkClicked() says
// where it would have gone.
class PreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit PreviewPage(QObject* parent = nullptr);

    // The console prefix the injected script uses for status writes.
    static const QString kStatusMarker;

    // Writes the document anew with `text` (UTF-8), in place: no
    // navigation, the same renderer and drawing surface.
    void writeInPlace(const QByteArray& text);
    // Tells drawn(mark) once the engine has drawn the document as it is
    // now, which it does only while the page is visible.
    void tellWhenDrawn(int mark);

signals:
    void statusWritten(const QString& text);
    void drawn(int mark);
    void linkClicked(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
};
