// The entry point of the preview module (see PreviewEngine).
#include "PreviewEngine.h"
#include "frm3.h"

extern "C" Q_DECL_EXPORT Form* halvero_load_preview(const QString& pathName) {
    PreviewEngine::chooseGraphicsApi();
    auto* preview = Form::Load<frm3>();
    preview->setPathName(pathName);
    return preview;
}
