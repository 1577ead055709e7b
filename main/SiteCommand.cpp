#include "main/SiteCommand.h"

#include "app/platform/FileName.h"
#include "core/site/SiteJob.h"
#include "core/text/TextEncoding.h"
#include "main/CommandLine.h"
#include "main/PageCommand.h"

#include <cerrno>
#include <string_view>
#include <unistd.h>

namespace {

// Writes `line` and its newline in one call, so that a line never comes
// out cut in two when standard output and error go to one log.
bool writeLine(int fd, const std::string& line) {
    const std::string text = line + "\n";
    std::string_view rest = text;
    while (!rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void say(const std::string& message) {
    writeLine(STDERR_FILENO, "halvero: " + message);
}

} // namespace

int SiteCommand::run(const CommandLine& command) {
    halvero::MenuSettings settings;
    if (const int status = PageCommand::settingsFor(command, settings); status != 0)
        return status;
    // No folder given: the one the settings file keeps.
    const std::string folder = command.siteFolder().isEmpty()
                                   ? settings.siteFolder()
                                   : FileName::encode(command.siteFolder()).toStdString();
    if (folder.empty()) {
        say("--site: no folder given, and the settings name none (page.siteFolder in the "
            "settings file given with --settings)");
        return 1;
    }
    halvero::SiteJob job(settings, folder, command.adopt());
    const bool check = command.check();
    if (!job.run(check, halvero::SiteJob::Busy::Wait, false, [&] {
            say(halvero::printableName(folder) +
                ": another run is updating this site; waiting for it to finish");
        })) {
        say(halvero::printableName(folder) + ": " + job.problem());
        return 1;
    }
    bool written = true;
    for (const halvero::SiteJob::Line& line : job.report(check))
        written = (line.problem ? (say(line.text), true) : writeLine(STDOUT_FILENO, line.text)) &&
                  written;
    return written ? job.status(check) : 2;
}
