// The part of PreviewEngine that lives in the preview module, the part of the
// program that links Qt Quick.
#include "app/preview/PreviewEngine.h"

#include <QQuickWindow>

void PreviewEngine::chooseGraphicsApi() {
    static const bool chosen = [] {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
        return true;
    }();
    Q_UNUSED(chosen);
}
