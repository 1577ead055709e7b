// The entry point of the preview module (see PreviewEngine).
#include "app/preview/PreviewEngine.h"
#include "windows/secondary/PreviewWindow.h"

extern "C" Q_DECL_EXPORT Form* halvero_load_preview(const QString& pagePath) {
    PreviewEngine::chooseGraphicsApi();
    auto* preview = Form::load<PreviewWindow>();
    preview->setPagePath(pagePath);
    return preview;
}
