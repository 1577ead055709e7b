#include "app/preview/PreviewEngine.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLibrary>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <future>
#include <malloc.h>
#include <unistd.h>

#ifdef HALVERO_QT_GL_SHARE_SETTER
// Exported by QtGui but not declared in its public headers; its presence is
// checked when the build is configured.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
#endif

namespace {

QString s_moduleFile; // set by programs other than halvero itself
PreviewEngine::Factory s_factory = nullptr;
PreviewEngine::LiveFactory s_liveFactory = nullptr;
PreviewEngine::SnapshotsFactory s_snapshotsFactory = nullptr;
bool s_prepared = false;
bool s_warming = false;
bool s_opened = false;      // load() has made the preview window
QPointer<QDialog> s_window; // the window load() made last
// How long an expected opening is awaited: from the pointer or the focus
// coming to the control, and from their going.
constexpr int kExpectedForMs = 5000;
constexpr int kStillExpectedForMs = 300;
// The shared context being made on a thread of its own, while warming.
std::future<QOpenGLContext*> s_contextMaking;

bool sharedContextReady() {
    return !s_contextMaking.valid() ||
           s_contextMaking.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

constexpr char kEntryPoint[] = "halvero_load_preview";
constexpr char kLiveEntryPoint[] = "halvero_make_live_preview";
constexpr char kSnapshotsEntryPoint[] = "halvero_make_page_snapshots";
constexpr char kModuleFile[] = "halvero_preview.so";

// Where the module stands, seen from the executable's folder: beside it in
// the build folder, in the private library folder once installed (the
// relative path from the installed bin folder to it, so any prefix chosen
// at install time works).
QStringList moduleFiles() {
    if (!s_moduleFile.isEmpty())
        return {s_moduleFile};
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QLatin1String(kModuleFile)),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(HALVERO_MODULE_FOLDER "/") +
                                                   QLatin1String(kModuleFile)))};
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
    if (s_prepared)
        return;
    s_prepared = true;
    // The engine reports its OpenGL set-up at every start; that is no news
    // for the user. QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The engine starts some twenty threads here. glibc would give the busy
    // ones up to eight heaps per core, each keeping what it freed and
    // growing with every page shown; two keep the heap to what is in use
    // (twenty openings of the preview: +1 to 2 MB in this process; with two,
    // +0.1 to 0.2 MB).
    ::mallopt(M_ARENA_MAX, 2);
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#ifdef HALVERO_QT_GL_SHARE_SETTER
    if (!QOpenGLContext::globalShareContext()) {
        QOpenGLContext* context = nullptr;
        if (s_contextMaking.valid()) {
            context = s_contextMaking.get();
        } else {
            context = new QOpenGLContext;
            context->create();
        }
        context->setParent(QCoreApplication::instance());
        qt_gl_set_global_share_context(context);
    }
#endif
}

// Most of the shared context's cost is loading the GL driver, which a
// thread of its own can do while the event loop goes on.
void PreviewEngine::startSharedContext() {
#ifdef HALVERO_QT_GL_SHARE_SETTER
    if (QOpenGLContext::globalShareContext() || s_contextMaking.valid() ||
        !QOpenGLContext::supportsThreadedOpenGL())
        return;
    QThread* mainThread = QCoreApplication::instance()->thread();
    // A program that quits meanwhile waits for the thread, so the context
    // is not being made while the application goes away.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
        if (s_contextMaking.valid())
            delete s_contextMaking.get();
    });
    s_contextMaking = std::async(std::launch::async, [mainThread] {
        auto* context = new QOpenGLContext;
        context->create();
        context->moveToThread(mainThread);
        return context;
    });
#endif
}

// Loads the module once; later calls reuse it.
// The module is an ordinary shared library; it takes the toolkit from the
// program that loads it, which exports it.
bool PreviewEngine::loadModule(QString* error) {
    if (s_factory)
        return true;
    const QStringList files = moduleFiles();
    for (const QString& file : files) {
        if (!QFile::exists(file))
            continue;
        QLibrary module(file);
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        s_factory = reinterpret_cast<Factory>(module.resolve(kEntryPoint));
        s_liveFactory = reinterpret_cast<LiveFactory>(module.resolve(kLiveEntryPoint));
        s_snapshotsFactory =
            reinterpret_cast<SnapshotsFactory>(module.resolve(kSnapshotsEntryPoint));
        if (s_factory && s_liveFactory)
            return true;
        s_factory = nullptr;
        *error = module.errorString();
        return false;
    }
    *error = QStringLiteral("the preview module is missing (looked for %1)")
                 .arg(files.join(QStringLiteral(" and ")));
    return false;
}

QDialog* PreviewEngine::load(QWidget* owner, const QString& pagePath, const QByteArray& pageText,
                             QString* error) {
    prepareEngine();
    s_opened = loadModule(error);
    s_window = s_opened ? s_factory(owner, pagePath, pageText) : nullptr;
    return s_window;
}

QWidget* PreviewEngine::makeLiveView(QWidget* parent, QString* error) {
    prepareEngine();
    if (!loadModule(error))
        return nullptr;
    if (!s_liveFactory) {
        *error = QStringLiteral("this preview has no live view");
        return nullptr;
    }
    return s_liveFactory(parent);
}

QObject* PreviewEngine::makeSnapshots(QObject* parent, QString* error) {
    prepareEngine();
    if (!loadModule(error))
        return nullptr;
    if (!s_snapshotsFactory) {
        *error = QStringLiteral("this preview takes no pictures");
        return nullptr;
    }
    return s_snapshotsFactory(parent);
}

void PreviewEngine::update(const QString& pagePath, const QByteArray& pageText) {
    if (s_opened)
        s_factory(nullptr, pagePath, pageText);
}

void PreviewEngine::warmUp() {
    if (s_warming)
        return;
    s_warming = true;
    startSharedContext();
    // Waits for the context's thread without blocking, then goes on.
    auto* poll = new QTimer(qApp);
    poll->start(5);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (!sharedContextReady())
            return;
        poll->deleteLater();
        poll->stop();
        prepareEngine();
        // The module in a turn of its own. The window is left to the
        // click: making its browser page starts the whole engine at once
        // (60 to 90 ms here, about half of it waiting for the engine's
        // helper processes to start), too long a stall for the event loop.
        QTimer::singleShot(0, qApp, [] {
            QString error;
            loadModule(&error);
        });
    });
}

namespace {

class WarmUpNear : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::Enter || type == QEvent::FocusIn) {
            PreviewEngine::warmUp();
            PreviewEngine::expectOpening(true);
        } else if ((type == QEvent::Leave && !static_cast<QWidget*>(watched)->hasFocus()) ||
                   (type == QEvent::FocusOut && !static_cast<QWidget*>(watched)->underMouse())) {
            PreviewEngine::expectOpening(false);
        }
        return false;
    }
};

// Ends an expected opening when it lapses; goes with the application.
QTimer* expectation() {
    static QPointer<QTimer> lapse;
    if (!lapse) {
        lapse = new QTimer(qApp);
        lapse->setSingleShot(true);
        QObject::connect(lapse, &QTimer::timeout, [] {
            if (s_window)
                QMetaObject::invokeMethod(s_window, "expectOpening", Q_ARG(bool, false));
        });
    }
    return lapse;
}

} // namespace

void PreviewEngine::expectOpening(bool likely) {
    if (!s_window)
        return;
    if (likely) {
        QMetaObject::invokeMethod(s_window, "expectOpening", Q_ARG(bool, true));
        expectation()->start(kExpectedForMs);
    } else if (expectation()->isActive()) {
        expectation()->start(kStillExpectedForMs);
    }
}

void PreviewEngine::warmUpNear(QWidget* control) {
    control->installEventFilter(new WarmUpNear(control));
}

void PreviewEngine::setModuleFile(const QString& path) {
    s_moduleFile = path;
}

void PreviewEngine::setFactory(Factory factory, LiveFactory liveFactory,
                               SnapshotsFactory snapshotsFactory) {
    s_factory = factory;
    s_liveFactory = liveFactory;
    s_snapshotsFactory = snapshotsFactory;
}
