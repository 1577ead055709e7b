#include "app/Application.h"
#include "app/platform/SingleInstance.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MainWindow.h"

#include <QApplication>

extern "C" const unsigned char halvero_preview_module_begin[];
extern "C" const unsigned char halvero_preview_module_end[];

// Ends silently when another copy runs on this desktop; otherwise loads and
// shows the main window and runs the event loop until Exit ends it.
int main(int argc, char** argv) {
    SingleInstance instance;
    if (!instance.acquire(SingleInstance::currentDesktop()))
        return 0; // another copy runs on this desktop: end silently

    PreviewEngine::configureBeforeApplication();
    QApplication application(argc, argv);
    PreviewEngine::setModuleImage(halvero_preview_module_begin, halvero_preview_module_end);
    Application::configure();
    auto* mainWindow = Form::load<MainWindow>();
    mainWindow->showModeless();
    return application.exec();
}
