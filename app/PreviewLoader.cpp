#include "PreviewLoader.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

// Exported by QtGui but not declared in its public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

const unsigned char* s_imageBegin = nullptr;
const unsigned char* s_imageEnd = nullptr;
PreviewLoader::Factory s_factory = nullptr;

constexpr char kEntryPoint[] = "halvero_load_preview";

// The browser engine draws in OpenGL contexts shared with the application's
// global one. Applications that link the engine get it at start; creating it
// costs tens of milliseconds, so here it is made only when the preview is
// first needed, before the engine is loaded.
void prepareSharedOpenGl() {
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

// Loads the carried module once; later calls reuse it.
PreviewLoader::Factory loadModule(QString* error) {
    if (!s_imageBegin || s_imageEnd <= s_imageBegin) {
        *error = QStringLiteral("this program carries no preview module");
        return nullptr;
    }
    const int fd = ::memfd_create("halvero-preview", MFD_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    const unsigned char* at = s_imageBegin;
    while (at < s_imageEnd) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(s_imageEnd - at));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return nullptr;
        }
        at += written;
    }
    prepareSharedOpenGl();
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(fd);
    void* module = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    ::close(fd); // the mapping outlives the descriptor
    if (!module) {
        *error = QString::fromLocal8Bit(::dlerror());
        return nullptr;
    }
    auto factory = reinterpret_cast<PreviewLoader::Factory>(::dlsym(module, kEntryPoint));
    if (!factory)
        *error = QString::fromLocal8Bit(::dlerror());
    return factory;
}

} // namespace

void PreviewLoader::setModuleImage(const unsigned char* begin, const unsigned char* end) {
    s_imageBegin = begin;
    s_imageEnd = end;
}

void PreviewLoader::setFactory(Factory factory) {
    s_factory = factory;
}

Form* PreviewLoader::Load(const QString& pathName, QString* error) {
    if (!s_factory)
        s_factory = loadModule(error);
    return s_factory ? s_factory(pathName) : nullptr;
}
