// The entry point of the preview module (see PreviewEngine).
#include "app/preview/PreviewEngine.h"
#include "windows/secondary/PreviewWindow.h"

#include <QCoreApplication>
#include <QPointer>

// The preview window is made once and shown again at every opening: its
// web view, page and profile are what take long to make. It goes when the
// application quits.
extern "C" Q_DECL_EXPORT QDialog* halvero_load_preview(const QString& pagePath,
                                                       const QByteArray& pageText) {
    static QPointer<PreviewWindow> kept;
    if (!kept) {
        PreviewEngine::chooseGraphicsApi();
        kept = new PreviewWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete kept.data(); });
    }
    kept->setPage(pagePath, pageText);
    return kept;
}
