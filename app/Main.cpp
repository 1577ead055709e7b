#include "Application.h"
#include "PreviewEngine.h"
#include "SingleInstance.h"
#include "frm1.h"
#include "modMain.h"

#include <QApplication>

extern "C" const unsigned char halvero_preview_module_begin[];
extern "C" const unsigned char halvero_preview_module_end[];

int modMain::Main(int argc, char** argv) {
    SingleInstance instance;
    if (!instance.acquire(SingleInstance::currentDesktop()))
        return 0; // another copy runs on this desktop: end silently

    PreviewEngine::configureBeforeApplication();
    QApplication application(argc, argv);
    PreviewEngine::setModuleImage(halvero_preview_module_begin, halvero_preview_module_end);
    Application::configure();
    SetApplicationInfo();
    auto* mainWindow = Form::Load<frm1>();
    mainWindow->Show();
    return application.exec();
}

int main(int argc, char** argv) {
    return modMain::Main(argc, argv);
}
