#include "app/Application.h"
#include "app/Translations.h"
#include "app/platform/FileName.h"
#include "app/platform/HandOff.h"
#include "app/platform/SingleInstance.h"
#include "app/preview/PreviewEngine.h"
#include "core/settings/MenuLook.h"
#include "main/CommandLine.h"
#include "main/PageCommand.h"
#include "main/SiteCommand.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileName::decode(QByteArray(argv[i]));
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The window, once per desktop: a second start hands its settings file to
// the running copy and ends, with status 1 when the file was not taken.
int runWindow(int argc, char** argv, const CommandLine& command) {
    const QString desktop = SingleInstance::currentDesktop();
    QString untrusted;
    const bool canHandOff = !SingleInstance::runtimeFolder(&untrusted).isEmpty();
    if (!canHandOff)
        print(stderr, QStringLiteral("halvero: %1\n").arg(untrusted));
    SingleInstance instance;
    if (!instance.acquire(desktop)) {
        if (command.settingsFile().isEmpty())
            return 0;
        const HandOff::Answer answer = HandOff::send(desktop, command.settingsFile());
        if (answer.taken)
            return 0;
        print(stderr, QStringLiteral("halvero: %1 was not opened: %2\n")
                          .arg(command.settingsFile(), answer.reason));
        return 1;
    }

    PreviewEngine::configureBeforeApplication();
    QApplication application(argc, argv);
    // Listening before any window or message, so a file handed over while
    // the window loads waits for it instead of being lost.
    HandOff handOff;
    if (canHandOff)
        handOff.listen(desktop);
    Application::configure();
    Translations::install(&application);
    auto* mainWindow = new MainWindow;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    if (!command.settingsFile().isEmpty())
        mainWindow->openSettings(command.settingsFile());
    mainWindow->show();
    mainWindow->raise();
    mainWindow->activateWindow();

    handOff.setReceiver([mainWindow](const QString& path) { mainWindow->openHandedOver(path); });
    return application.exec();
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentsOf(argc, argv);
    if (CommandLine(arguments).action() == CommandLine::Action::Window)
        return runWindow(argc, argv, CommandLine(arguments));
    // Without a window: the command line's own texts (--help, its errors)
    // in the user's language, read again once the translation is in. The
    // application object that needs is made only then: under a locale that
    // is not UTF-8 (plain C), Qt warns on standard error as it makes one.
    std::optional<QCoreApplication> application;
    if (Translations::has()) {
        application.emplace(argc, argv);
        Translations::install(&*application);
    }
    const CommandLine command(arguments);
    switch (command.action()) {
    case CommandLine::Action::Help:
        print(stdout, CommandLine::helpText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Action::Looks:
        for (const halvero::MenuLook& look : halvero::MenuLook::all())
            print(stdout, QString::fromStdString(look.name() + "\t" + look.sentence() + "\n"));
        return 0;
    case CommandLine::Action::Error:
        print(stderr, QStringLiteral("halvero: %1\n%2\n")
                          .arg(command.error(), CommandLine::tr("Try 'halvero --help'.")));
        return 1;
    case CommandLine::Action::WritePage:
        return PageCommand::run(command);
    case CommandLine::Action::UpdateSite:
        return SiteCommand::run(command);
    case CommandLine::Action::SaveSettings:
        return PageCommand::save(command);
    case CommandLine::Action::Window:
        break;
    }
    return 0;
}
