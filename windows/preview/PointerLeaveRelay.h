#pragma once

#include <QObject>

class QWebEngineView;

// Tells a web view's page when the pointer leaves the view: the browser
// engine is not told by itself, so a sub-menu the pointer opened would
// stay open once the pointer went on to the rest of the window. The page
// sees the pointer move off its edge, as in a browser's window.
class PointerLeaveRelay : public QObject {
public:
    // Watches `view`, and goes with it.
    static void watch(QWebEngineView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
