#include "app/PageCommand.h"

#include "app/CommandLine.h"
#include "app/platform/FileName.h"
#include "core/MenuSettings.h"
#include "core/PageFile.h"
#include "core/PageWriter.h"
#include "core/SettingsFile.h"
#include "core/ValueRules.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

using halvero::EntryTable;

namespace {

void say(const std::string& message) {
    std::fprintf(stderr, "halvero: %s\n", message.c_str());
}

std::string local(const QString& text) {
    return FileName::encode(text).toStdString();
}

} // namespace

int PageCommand::run(const CommandLine& command) {
    halvero::MenuSettings settings;
    settings.initialise();

    if (!command.settingsFile().isEmpty()) {
        const std::string file = FileName::encode(command.settingsFile()).toStdString();
        try {
            const auto contents = halvero::SettingsFile::read(file);
            settings.setValues(contents.values);
            if (!contents.unknownKeys.empty()) {
                std::string keys;
                for (const std::string& key : contents.unknownKeys)
                    keys += (keys.empty() ? "" : ", ") + key;
                say(local(command.settingsFile()) + ": unknown keys left out: " + keys);
            }
        } catch (const halvero::SettingsFileError& error) {
            say(error.describe(local(command.settingsFile())));
            return 1;
        }
    }

    for (const QString& assignment : command.assignments()) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const std::string key = assignment.left(equals).toStdString();
        const halvero::EntryDescriptor* entry = equals < 0 ? nullptr : EntryTable::findByName(key);
        if (equals < 0) {
            say("--set " + local(assignment) + ": expected KEY=VALUE");
            return 1;
        }
        if (!entry) {
            say("--set: no key '" + local(assignment.left(equals)) +
                "' (keys look like normal.fontSize; see --help)");
            return 1;
        }
        std::string value = assignment.mid(equals + 1).toStdString();
        if (const std::string problem = halvero::ValueRules::problem(*entry, value);
            !problem.empty()) {
            say("--set " + key + ": the value " + problem);
            return 1;
        }
        settings.setValue(entry->index, std::move(value));
    }

    const std::string page = halvero::PageWriter::compose(settings, halvero::Timestamp::now());
    if (command.pagePath() == QLatin1String("-")) {
        if (std::fwrite(page.data(), 1, page.size(), stdout) != page.size() ||
            std::fflush(stdout) != 0) {
            say(std::string("standard output: ") + std::strerror(errno));
            return 2;
        }
        return 0;
    }
    try {
        halvero::PageFile::write(FileName::encode(command.pagePath()).toStdString(), page);
    } catch (const halvero::PageWriteError& error) {
        say(error.what());
        return 2;
    }
    return 0;
}
