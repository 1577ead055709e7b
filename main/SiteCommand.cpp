#include "main/SiteCommand.h"

#include "app/platform/FileName.h"
#include "core/SiteFolder.h"
#include "core/SiteUpdate.h"
#include "main/CommandLine.h"
#include "main/PageCommand.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

using halvero::SiteFolder;
using Outcome = SiteFolder::Outcome;
using Page = SiteFolder::Page;

void say(const std::string& message) {
    std::fprintf(stderr, "halvero: %s\n", message.c_str());
}

// "plain.html", "a.html, b.html and 3 more".
std::string names(const std::vector<const Page*>& pages) {
    constexpr std::size_t kShown = 5;
    std::string text;
    for (std::size_t i = 0; i < pages.size() && i < kShown; ++i)
        text += (i ? ", " : "") + pages[i]->path;
    if (pages.size() > kShown)
        text += " and " + std::to_string(pages.size() - kShown) + " more";
    return text;
}

} // namespace

int SiteCommand::run(const CommandLine& command) {
    halvero::MenuSettings settings;
    if (const int status = PageCommand::settingsFor(command, settings); status != 0)
        return status;
    const std::string folder = FileName::encode(command.siteFolder()).toStdString();
    std::error_code failure;
    if (!std::filesystem::is_directory(folder, failure)) {
        say(folder + ": not a folder");
        return 1;
    }
    std::vector<Page> pages = SiteFolder::pages(folder, failure);
    if (failure) {
        say(folder + ": " + failure.message());
        return 1;
    }

    const std::string style = halvero::SiteUpdate::style(settings);
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < pages.size();)
            if (pages[i].outcome != Outcome::Outside)
                SiteFolder::update(pages[i], settings, style, command.check());
    };
    const unsigned threads = SiteFolder::threads();
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads && t < pages.size(); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    std::vector<const Page*> of[SiteFolder::kOutcomes];
    for (const Page& page : pages) {
        of[static_cast<int>(page.outcome)].push_back(&page);
        switch (page.outcome) {
        case Outcome::Updated:
            std::printf("updated: %s\n", page.path.c_str());
            break;
        case Outcome::Differs:
            std::printf("differs: %s\n", page.path.c_str());
            break;
        case Outcome::Outside:
            say(page.path + ": leads out of the site; left alone");
            break;
        case Outcome::Unreadable:
        case Outcome::Unwritable:
            say(page.path + ": " + page.problem);
            break;
        default:
            break;
        }
    }
    const auto count = [&](Outcome outcome) { return of[static_cast<int>(outcome)].size(); };
    std::string summary =
        std::to_string(pages.size()) + (pages.size() == 1 ? " page: " : " pages: ");
    summary += command.check() ? std::to_string(count(Outcome::Differs)) + " differ, "
                               : std::to_string(count(Outcome::Updated)) + " updated, ";
    summary += std::to_string(count(Outcome::Unchanged)) + " unchanged";
    if (const std::size_t failed = count(Outcome::Unreadable) + count(Outcome::Unwritable))
        summary += ", " + std::to_string(failed) + " failed";
    if (count(Outcome::NoMarkers))
        summary += "; " + std::to_string(count(Outcome::NoMarkers)) +
                   " without markers: " + names(of[static_cast<int>(Outcome::NoMarkers)]);
    if (count(Outcome::Outside))
        summary += "; " + std::to_string(count(Outcome::Outside)) + " leading out of the site";
    std::printf("%s\n", summary.c_str());
    if (std::fflush(stdout) != 0)
        return 2;

    if (count(Outcome::Unwritable))
        return 2;
    return count(Outcome::Unreadable) || count(Outcome::Differs) ? 1 : 0;
}
