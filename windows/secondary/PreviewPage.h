#pragma once

#include <QWebEnginePage>

// A browser page that gives old menu pages what modern engines dropped:
// writes to `window.status` are reported through statusWritten(), and
// setting a <bgsound> element's src plays that sound (a missing file stays
// silent). Both come from a script run in the page's own world before its
// scripts; the page file itself is never changed.
class PreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit PreviewPage(QObject* parent = nullptr);

    // The console prefix the injected script uses for status writes.
    static const QString kStatusMarker;

signals:
    void statusWritten(const QString& text);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
};
