#include "Application.h"
#include "SingleInstance.h"
#include "frm1.h"
#include "modMain.h"

#include <QApplication>

int modMain::Main(int argc, char** argv) {
    SingleInstance instance;
    if (!instance.acquire(SingleInstance::currentDesktop()))
        return 0; // another copy runs on this desktop: end silently

    QApplication application(argc, argv);
    Application::configure();
    SetApplicationInfo();
    auto* mainWindow = Form::Load<frm1>();
    mainWindow->Show();
    return application.exec();
}

int main(int argc, char** argv) {
    return modMain::Main(argc, argv);
}
