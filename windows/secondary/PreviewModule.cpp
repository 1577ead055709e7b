// The entry point of the preview module (see PreviewLoader).
#include "frm3.h"

#include <QQuickWindow>

extern "C" Q_DECL_EXPORT Form* halvero_load_preview(const QString& pathName) {
    // The engine draws through Qt Quick on OpenGL; that has to be chosen
    // before its first window exists.
    static const bool chosen = [] {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
        return true;
    }();
    Q_UNUSED(chosen);
    auto* preview = Form::Load<frm3>();
    preview->setPathName(pathName);
    return preview;
}
