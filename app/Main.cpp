#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/PageCommand.h"
#include "app/platform/HandOff.h"
#include "app/platform/SingleInstance.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

extern "C" const unsigned char halvero_preview_module_begin[];
extern "C" const unsigned char halvero_preview_module_end[];

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The window, once per desktop: a second start hands its settings file to
// the running copy and ends silently.
int runWindow(int argc, char** argv, const CommandLine& command) {
    const QString desktop = SingleInstance::currentDesktop();
    SingleInstance instance;
    if (!instance.acquire(desktop)) {
        if (!command.settingsFile().isEmpty())
            HandOff::send(desktop, command.settingsFile());
        return 0;
    }

    PreviewEngine::configureBeforeApplication();
    QApplication application(argc, argv);
    PreviewEngine::setModuleImage(halvero_preview_module_begin, halvero_preview_module_end);
    Application::configure();
    auto* mainWindow = Form::load<MainWindow>();
    if (!command.settingsFile().isEmpty())
        mainWindow->openSettings(command.settingsFile());
    mainWindow->showModeless();

    HandOff handOff;
    QObject::connect(&handOff, &HandOff::fileHandedOver, mainWindow,
                     [mainWindow](const QString& path) {
                         mainWindow->showNormal();
                         mainWindow->raise();
                         mainWindow->activateWindow();
                         mainWindow->openSettings(path);
                     });
    handOff.listen(desktop);
    return application.exec();
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine command(argumentsOf(argc, argv));
    switch (command.action()) {
    case CommandLine::Action::Help:
        print(stdout, CommandLine::helpText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Action::Error:
        print(stderr, QStringLiteral("halvero: %1\nTry 'halvero --help'.\n").arg(command.error()));
        return 1;
    case CommandLine::Action::WritePage:
        return PageCommand::run(command);
    case CommandLine::Action::Window:
        break;
    }
    return runWindow(argc, argv, command);
}
