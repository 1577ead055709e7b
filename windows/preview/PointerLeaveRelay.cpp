#include "windows/preview/PointerLeaveRelay.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWebEngineView>

void PointerLeaveRelay::watch(QWebEngineView* view) {
    view->installEventFilter(new PointerLeaveRelay(view));
}

bool PointerLeaveRelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Leave) {
        auto* view = static_cast<QWebEngineView*>(watched);
        if (QWidget* input = view->focusProxy()) {
            // Just off the view's top left corner: over nothing of the page.
            const QPointF off(-1, -1);
            QMouseEvent move(QEvent::MouseMove, off, input->mapToGlobal(off), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(input, &move);
        }
    }
    return QObject::eventFilter(watched, event);
}
