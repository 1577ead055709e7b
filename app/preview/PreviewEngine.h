#pragma once

#include <QString>

class QByteArray;
class QDialog;
class QObject;
class QWidget;

// The browser engine behind the preview: everything the program does to get
// Qt WebEngine running, in one place.
//
// Why it is loaded late. Linking Qt WebEngine into the executable made every
// start about 60 ms slower (5.4 x a bare Qt window instead of 2.3 x): its
// libraries take that long to load and relocate, and its start-up hook
// creates a shared OpenGL context. So the preview window and the engine live
// in a module, halvero_preview.so, that the first preview loads (0.95 x the
// time a program that links the engine takes from its start to the loaded
// page, bench/preview.sh); the main window starts at the cost of its own
// widgets.
//
// The engine's start-up rules, applied here before its first use:
//  - It draws in OpenGL contexts shared with the application's global one.
//    Where the Qt found at build time exports qt_gl_set_global_share_context
//    (checked at configure time), that context is created at the first
//    preview. Otherwise, or with HALVERO_PUBLIC_GL_SHARE=1 in the
//    environment, the public route is taken: Qt::AA_ShareOpenGLContexts set
//    before the application object exists, which creates the context at
//    every start instead (about 35 ms).
//  - Qt Quick, which draws the engine's pages, must use OpenGL; the module
//    chooses it (it is the part that links Qt Quick).
//  - Run as root, the engine starts only with its sandbox off.
//  - The threads it starts share two heaps (glibc's M_ARENA_MAX), not one
//    each, so freed memory is used again rather than kept per thread.
//  - Its informational logging (the OpenGL set-up) is off.
//
// The module is an ordinary shared library, found relative to the
// executable: beside it in the build folder, in a private library folder
// (lib/halvero/modules) once installed. It links Qt WebEngine itself, and
// the toolkit's shared library, as the program does.
class PreviewEngine {
public:
    // The preview window of `owner` (nullptr: the one made last) for the
    // page; see load().
    // Its arguments: the owner, the page's path and its text.
    using Factory = QDialog* (*)(QWidget*, const QString&, const QByteArray&);
    // A live preview view for `parent` (see makeLiveView).
    using LiveFactory = QWidget* (*)(QWidget*);
    // A taker of pages' pictures for its parent (see makeSnapshots).
    using SnapshotsFactory = QObject* (*)(QObject*);

    // To call before the application object exists: takes the public route
    // for the shared OpenGL context when the private one is missing or
    // HALVERO_PUBLIC_GL_SHARE=1 asks for it.
    static void configureBeforeApplication();

    // The preview window of `owner` for the page `pageText` (UTF-8),
    // composed by the caller, its relative addresses read as those of a
    // page at `pagePath`; not yet shown (made at the first call, the same
    // one later); nullptr with `error` set when the module cannot be loaded.
    // Whatever warmUp() has not done yet is done here.
    //
    // The window is no child of `owner`: the owner of a window that holds
    // the browser view is drawn through OpenGL from then on (it paints
    // nothing that dialogs and menus uncover on X11 without a compositor)
    // and, with Qt 6.8, becomes another native window. The caller makes it
    // transient for its own window before each opening, so the window
    // system keeps it above; it goes when the owner goes.
    static QDialog* load(QWidget* owner, const QString& pagePath, const QByteArray& pageText,
                         QString* error);

    // A view of the page that can be docked beside the settings, updated
    // through its slots setPage(QString path, QByteArray text) and
    // setPageWidth(int), and telling pageShown(); nullptr with `error` set
    // when the module cannot be loaded. Call it once the window has been
    // painted: it starts the engine.
    static QWidget* makeLiveView(QWidget* parent, QString* error);

    // A taker of pictures of pages as the engine draws them, a child of
    // `parent`, reached through its slot take(int key, QByteArray text,
    // QSize size, qreal zoom) and its signal taken(int key, QImage
    // picture); nullptr with `error` set when the module cannot be loaded.
    // It starts the engine.
    static QObject* makeSnapshots(QObject* parent, QString* error);

    // Hands the preview window, once load() has made it, the page as it is
    // now: while the window is closed it loads out of sight, so the next
    // opening shows it at once. Does nothing before the first preview.
    static void update(const QString& pagePath, const QByteArray& pageText);

    // Gets the engine ready ahead of a likely first preview (the pointer on
    // the Preview button, say): the shared context (made on a thread of its
    // own where the platform allows), then the module, in a turn of its own
    // of the event loop, so input keeps flowing. Does nothing once started.
    // An exit or an opening in between leaves nothing half-made: each step
    // is whole, and load() does the rest.
    static void warmUp();
    // Warms up (see warmUp) when the pointer comes onto `control` or the
    // focus comes to it: the moments a preview is likely. Once the window
    // has been made, those moments also tell it an opening is expected
    // (see expectOpening).
    static void warmUpNear(QWidget* control);

    // An opening of the kept preview window is likely (true), or no longer
    // (false): while it is closed, the window keeps its page visible to the
    // engine only while one is expected, so the engine keeps its picture
    // of the page ready for the opening (about 10 ms from the click to the
    // page on the screen, against 25 ms when it must draw it anew). Holding
    // a picture nobody sees has the engine wake sixty times a second, so an
    // expectation lapses on its own: five seconds after it began, 0.3 s
    // after it ended.
    static void expectOpening(bool likely);

    // The module's file, for programs that load it from elsewhere than
    // beside themselves (tests, benches).
    static void setModuleFile(const QString& path);
    // Uses `factory` instead of the module (programs that link the preview
    // window in directly, such as its tests).
    static void setFactory(Factory factory, LiveFactory liveFactory = nullptr,
                           SnapshotsFactory snapshotsFactory = nullptr);

    // The module's part: makes Qt Quick draw with OpenGL. Called by the
    // module before its first window exists.
    static void chooseGraphicsApi();

private:
    static void prepareEngine();
    static void startSharedContext();
    // Loads the module once and takes its entry points; false, with
    // `error` set, when it cannot be loaded.
    static bool loadModule(QString* error);
};
