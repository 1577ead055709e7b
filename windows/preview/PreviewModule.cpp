// The entry point of the preview module (see PreviewEngine).
#include "app/preview/PreviewEngine.h"
#include "windows/preview/LivePreviewView.h"
#include "windows/preview/PageSnapshots.h"
#include "windows/preview/PreviewWindow.h"

#include <QCoreApplication>
#include <QPointer>

// The preview window is made once per owner and shown again at every
// opening: its web view, page and profile are what take long to make. It
// goes with its owner, or when the application quits; it is no child of
// the owner (see PreviewEngine::load).
extern "C" Q_DECL_EXPORT QDialog* halvero_load_preview(QWidget* owner, const QString& pagePath,
                                                       const QByteArray& pageText) {
    static QPointer<PreviewWindow> kept;
    static QPointer<QWidget> keptFor;
    if (kept && owner && keptFor != owner)
        delete kept.data();
    if (!kept) {
        if (!owner)
            return nullptr; // nothing to update before the first opening
        PreviewEngine::chooseGraphicsApi();
        kept = new PreviewWindow;
        keptFor = owner;
        QObject::connect(owner, &QObject::destroyed, kept, &QObject::deleteLater);
        static const bool once = [] {
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete kept.data(); });
            return true;
        }();
        Q_UNUSED(once);
    }
    kept->setPage(pagePath, pageText);
    return kept;
}

// A live preview view for `parent`, made anew at each call.
extern "C" Q_DECL_EXPORT QWidget* halvero_make_live_preview(QWidget* parent) {
    PreviewEngine::chooseGraphicsApi();
    return new LivePreviewView(parent);
}

// A taker of pages' pictures for `parent` (see PageSnapshots), made anew at
// each call.
extern "C" Q_DECL_EXPORT QObject* halvero_make_page_snapshots(QObject* parent) {
    PreviewEngine::chooseGraphicsApi();
    return new PageSnapshots(parent);
}
