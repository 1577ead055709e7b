#include "main/PageCommand.h"

#include "app/platform/FileName.h"
#include "core/items/ItemsText.h"
#include "core/page/PageComposer.h"
#include "core/settings/MenuLook.h"
#include "core/settings/MenuSettings.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/ValueRules.h"
#include "core/site/NavReader.h"
#include "core/text/AtomicFile.h"
#include "core/text/FileReader.h"
#include "core/text/TextEncoding.h"
#include "main/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

using halvero::SettingTable;

namespace {

void say(const std::string& message) {
    std::fprintf(stderr, "halvero: %s\n", message.c_str());
}

std::string local(const QString& text) {
    return FileName::encode(text).toStdString();
}

// The text of `name`, or of standard input for "-", at most the items
// file's limit; nothing (after saying why) when it cannot be read.
std::optional<std::string> readText(const QString& name) {
    const std::size_t limit = halvero::ItemsText::kMaxBytes;
    if (name != QLatin1String("-")) {
        try {
            return halvero::FileReader::read(FileName::encode(name).toStdString(), limit,
                                             "a list of items is a few KB");
        } catch (const halvero::FileReadError& error) {
            say(local(name) + ": " + error.what());
            return std::nullopt;
        }
    }
    std::string text;
    char buffer[8192];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, stdin)) {
        text.append(buffer, got);
        if (text.size() > limit) {
            say("standard input: larger than 1 MB; a list of items is a few KB");
            return std::nullopt;
        }
    }
    if (std::ferror(stdin)) {
        say(std::string("standard input: ") + std::strerror(errno));
        return std::nullopt;
    }
    return text;
}

std::string itemsSource(const QString& name) {
    return name == QLatin1String("-") ? std::string("standard input") : local(name);
}

std::optional<std::vector<halvero::MenuItem>> readItems(const QString& name) {
    const std::optional<std::string> text = readText(name);
    if (!text)
        return std::nullopt;
    try {
        return halvero::ItemsText::parse(*text);
    } catch (const halvero::ItemsTextError& error) {
        say(itemsSource(name) + ":" + std::to_string(error.line()) + ": " +
            std::string(error.what()).substr(std::string(error.what()).find(": ") + 2));
        return std::nullopt;
    }
}

// The items of the navigation of the page `given` ("page.html#id"), its
// links rewritten from the page's folder to `siteRoot` (the page's folder
// when empty), listed on standard error; nothing (after saying why) when
// it cannot be read.
std::optional<std::vector<halvero::MenuItem>> importItems(const QString& given,
                                                          const QString& siteRoot) {
    // "page.html#nav" names an element, unless a file is so named.
    const qsizetype hash = QFileInfo::exists(given) ? -1 : given.lastIndexOf(QLatin1Char('#'));
    const QString file = hash < 0 ? given : given.left(hash);
    const std::string id = hash < 0 ? std::string() : given.mid(hash + 1).toStdString();
    std::string text;
    try {
        text = halvero::FileReader::read(local(file), 64 * 1024 * 1024, "a web page is some KB");
    } catch (const halvero::FileReadError& error) {
        say(local(file) + ": " + error.what());
        return std::nullopt;
    }
    QString fromRoot = QFileInfo(file).fileName();
    if (!siteRoot.isEmpty()) {
        const QString relative =
            QDir(siteRoot).relativeFilePath(QFileInfo(file).absoluteFilePath());
        if (!relative.startsWith(QLatin1String("../")) && relative != QLatin1String(".."))
            fromRoot = relative;
        else
            say(local(file) + ": not in the site's folder " + local(siteRoot) +
                "; its links are kept from its own folder");
    }
    try {
        const halvero::NavReader::Result read =
            halvero::NavReader::read(text, id, fromRoot.toStdString());
        for (const std::string& note : read.notes)
            say(local(file) + ": " + note);
        say(local(file) + ": read " + std::to_string(halvero::MenuItem::countAll(read.items)) +
            " items:");
        halvero::MenuItem::visit(
            read.items, [](const halvero::MenuItem& item, int level, const std::string&) {
                // As --items takes them; each field on its own, so that
                // only a field holding a control character is quoted.
                std::string line(static_cast<std::size_t>(level - 1), '>');
                line += (level > 1 ? " " : "") + halvero::printableName(item.label) + "\t" +
                        halvero::printableName(item.link);
                if (!item.tooltip.empty() || !item.target.empty())
                    line += "\t" + halvero::printableName(item.tooltip);
                if (!item.target.empty())
                    line += "\t" + item.target;
                std::fprintf(stderr, "  %s\n", line.c_str());
            });
        return read.items;
    } catch (const halvero::NavReadError& error) {
        say(local(file) + ": " + error.what());
        return std::nullopt;
    }
}

} // namespace

int PageCommand::settingsFor(const CommandLine& command, halvero::MenuSettings& settings) {
    settings.initialise();

    if (!command.settingsFile().isEmpty()) {
        const std::string file = FileName::encode(command.settingsFile()).toStdString();
        try {
            const auto contents = halvero::SettingsFile::read(file);
            settings.restore(contents.snapshot());
            if (!contents.unknownKeys.empty()) {
                const std::vector<std::string> shown = contents.unknownKeysShown();
                std::string keys;
                for (const std::string& key : shown)
                    keys += (keys.empty() ? "" : ", ") + key;
                if (const auto more = contents.unknownKeys.size() - shown.size(); more > 0)
                    keys += " and " + std::to_string(more) + " more";
                say(local(command.settingsFile()) + ": unknown keys left out: " + keys);
            }
            if (contents.itemCountGiven)
                say(local(command.settingsFile()) + ": itemCount " +
                    halvero::firstLineQuoted(*contents.itemCountGiven, 20) +
                    " is not the number of its items; the page shows its " +
                    std::to_string(contents.items.size()) + " items");
        } catch (const halvero::SettingsFileError& error) {
            say(error.describe(local(command.settingsFile())));
            return 1;
        }
    }

    if (!command.look().isEmpty())
        halvero::MenuLook::find(command.look().toStdString())->applyTo(settings);

    // The site's folder is kept relative to the settings file's.
    if (!settings.siteFolder().empty() && !command.settingsFile().isEmpty()) {
        const QString folder = FileName::decode(QByteArray::fromStdString(settings.siteFolder()));
        settings.setSiteFolder(local(QDir::cleanPath(
            QFileInfo(command.settingsFile()).absoluteDir().absoluteFilePath(folder))));
    }

    // A site named on the command line is the menu's site from here on:
    // --import reads links from it, --save keeps it.
    if (!command.siteFolder().isEmpty())
        settings.setSiteFolder(
            local(QDir::cleanPath(QFileInfo(command.siteFolder()).absoluteFilePath())));

    if (!command.importPage().isEmpty()) {
        const QString site = FileName::decode(QByteArray::fromStdString(settings.siteFolder()));
        const std::optional<std::vector<halvero::MenuItem>> items =
            importItems(command.importPage(), site);
        if (!items)
            return 1;
        settings.setMenuItems(*items);
    }

    if (!command.itemsFile().isEmpty()) {
        const std::optional<std::vector<halvero::MenuItem>> items = readItems(command.itemsFile());
        if (!items)
            return 1;
        // An empty list is a mistake of the script that made it, not a menu
        // of placeholders to put on a site.
        if (items->empty()) {
            say(itemsSource(command.itemsFile()) + ": holds no items (one a line: label<TAB>link)");
            return 1;
        }
        settings.setMenuItems(*items);
        // The page shows the items given, as many as it can.
        if (items->size() > halvero::MenuSettings::kMaxPageItems)
            say(itemsSource(command.itemsFile()) + ": " + std::to_string(items->size()) +
                " items; the page shows the first " +
                std::to_string(halvero::MenuSettings::kMaxPageItems));
    }

    for (const QString& assignment : command.assignments()) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const std::string key = assignment.left(equals).toStdString();
        const halvero::Setting* entry = equals < 0 ? nullptr : SettingTable::findByName(key);
        if (equals < 0) {
            say("--set " + local(assignment) + ": expected KEY=VALUE");
            return 1;
        }
        if (!entry) {
            std::string keys;
            if (key.starts_with("page."))
                for (const halvero::Setting& known : SettingTable::page())
                    keys += (keys.empty() ? "page." : ", page.") + std::string(known.key);
            say("--set: no key '" + local(assignment.left(equals)) +
                (keys.empty() ? "' (keys look like normal.fontSize; see --help)"
                              : "' (the page's keys are " + keys + ")"));
            return 1;
        }
        std::string value = assignment.mid(equals + 1).toStdString();
        if (const std::string problem = halvero::MenuSettings::problem(*entry, value);
            !problem.empty()) {
            say("--set " + key + ": the value " + problem);
            return 1;
        }
        settings.setValue(*entry, std::move(value));
    }

    if (!command.saveFile().isEmpty()) {
        halvero::MenuSettings saved = settings;
        saved.setObserver(nullptr);
        // The site's folder, relative to where the file now is.
        if (!saved.siteFolder().empty()) {
            const QString site = FileName::decode(QByteArray::fromStdString(saved.siteFolder()));
            const QString relative =
                QFileInfo(command.saveFile()).absoluteDir().relativeFilePath(site);
            saved.setSiteFolder(local(relative.isEmpty() ? QStringLiteral(".") : relative));
        }
        try {
            halvero::SettingsFile::write(local(command.saveFile()), saved);
        } catch (const halvero::FileWriteError& error) {
            say(error.what());
            return 2;
        }
    }

    return 0;
}

int PageCommand::run(const CommandLine& command) {
    halvero::MenuSettings settings;
    if (const int status = settingsFor(command, settings); status != 0)
        return status;

    // A site's build writes each page's menu with that page marked: the
    // first item that links to it, as a page has one current item.
    if (!command.currentLink().isEmpty()) {
        std::vector<halvero::MenuItem> items = settings.menuItems();
        const bool found =
            halvero::MenuItem::markCurrent(items, command.currentLink().toStdString());
        settings.setMenuItems(std::move(items));
        if (!found)
            say("--current " + local(command.currentLink()) +
                ": no item links to it; no item is marked");
    }

    if (!command.style().isEmpty())
        settings.setPageStyle(command.style() == QLatin1String("modern")
                                  ? halvero::MenuSettings::PageStyle::Modern
                                  : halvero::MenuSettings::PageStyle::Classic);
    if (!command.fragment() && halvero::PageComposer::dropsSubMenus(settings))
        say("the classic page shows the top-level items only; its sub-menus are left out "
            "(--style modern writes them)");
    using Part = halvero::ModernPage::Part;
    const Part part = command.fragmentPart() == QLatin1String("style") ? Part::Style
                      : command.fragmentPart() == QLatin1String("nav") ? Part::Nav
                                                                       : Part::Whole;
    const std::string page =
        command.fragment()
            ? halvero::PageComposer::fragment(
                  settings, local(QFileInfo(command.settingsFile()).fileName()), {}, part)
            : halvero::PageComposer::compose(settings, halvero::Timestamp::now());
    if (command.pagePath() == QLatin1String("-")) {
        if (std::fwrite(page.data(), 1, page.size(), stdout) != page.size() ||
            std::fflush(stdout) != 0) {
            say(std::string("standard output: ") + std::strerror(errno));
            return 2;
        }
        return 0;
    }
    try {
        halvero::AtomicFile::write(FileName::encode(command.pagePath()).toStdString(), page);
    } catch (const halvero::FileWriteError& error) {
        say(error.what());
        return 2;
    }
    return 0;
}

int PageCommand::save(const CommandLine& command) {
    halvero::MenuSettings settings;
    return settingsFor(command, settings);
}
