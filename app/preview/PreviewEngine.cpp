#include "app/preview/PreviewEngine.h"

#include "app/preview/InMemoryModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <dlfcn.h>
#include <unistd.h>

#ifdef HALVERO_QT_GL_SHARE_SETTER
// Exported by QtGui but not declared in its public headers; its presence is
// checked when the build is configured.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
#endif

namespace {

const unsigned char* s_imageBegin = nullptr;
const unsigned char* s_imageEnd = nullptr;
PreviewEngine::Factory s_factory = nullptr;

constexpr char kEntryPoint[] = "halvero_load_preview";
constexpr char kModuleFile[] = "halvero_preview.so";

PreviewEngine::Factory entryPoint(void* module, QString* error) {
    auto factory = reinterpret_cast<PreviewEngine::Factory>(::dlsym(module, kEntryPoint));
    if (!factory)
        *error = QString::fromLocal8Bit(::dlerror());
    return factory;
}

} // namespace

void PreviewEngine::configureBeforeApplication() {
#ifdef HALVERO_QT_GL_SHARE_SETTER
    const bool publicRoute = qEnvironmentVariableIntValue("HALVERO_PUBLIC_GL_SHARE") == 1;
#else
    const bool publicRoute = true;
#endif
    if (publicRoute)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void PreviewEngine::prepareEngine() {
    // The engine reports its OpenGL set-up at every start; that is no news
    // for the user. QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#ifdef HALVERO_QT_GL_SHARE_SETTER
    if (!QOpenGLContext::globalShareContext()) {
        auto* context = new QOpenGLContext(QCoreApplication::instance());
        context->create();
        qt_gl_set_global_share_context(context);
    }
#endif
}

// Loads the module once; later calls reuse it.
PreviewEngine::Factory PreviewEngine::loadModule(QString* error) {
    QString inMemoryError = QStringLiteral("this program carries no preview module");
    if (s_imageBegin && s_imageEnd > s_imageBegin) {
        if (InMemoryModule image(s_imageBegin, s_imageEnd, &inMemoryError); image.isValid()) {
            if (void* module = ::dlopen(image.path().constData(), RTLD_NOW | RTLD_LOCAL))
                return entryPoint(module, error);
            inMemoryError = QString::fromLocal8Bit(::dlerror());
        }
    }
    const QByteArray file =
        QFile::encodeName(QDir(QCoreApplication::applicationDirPath()).filePath(kModuleFile));
    if (void* module = ::dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL))
        return entryPoint(module, error);
    *error = inMemoryError;
    return nullptr;
}

Form* PreviewEngine::load(const QString& pagePath, QString* error) {
    prepareEngine();
    if (!s_factory)
        s_factory = loadModule(error);
    return s_factory ? s_factory(pagePath) : nullptr;
}

void PreviewEngine::setModuleImage(const unsigned char* begin, const unsigned char* end) {
    s_imageBegin = begin;
    s_imageEnd = end;
}

void PreviewEngine::setFactory(Factory factory) {
    s_factory = factory;
}
