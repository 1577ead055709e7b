#include "main/SiteCommand.h"

#include "app/platform/FileName.h"
#include "core/FileReader.h"
#include "core/PageFile.h"
#include "core/SiteUpdate.h"
#include "main/CommandLine.h"
#include "main/PageCommand.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Pages larger than this are refused unread: a web page is some KB.
constexpr std::size_t kMaxPageBytes = 64 * 1024 * 1024;

enum class Outcome { Updated, Unchanged, Differs, NoMarkers, Outside, Unreadable, Unwritable };

struct Page {
    std::string path;    // from the site's root, with "/"
    std::string file;    // where it is on disk
    std::string target;  // the file it is, links followed
    bool linked = false; // a symbolic link
    Outcome outcome = Outcome::Unchanged;
    std::string problem; // for Unreadable and Unwritable
};

bool isPage(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".html" || extension == ".htm";
}

bool isHidden(const fs::path& path) {
    return path.filename().string().starts_with('.');
}

// The pages under `root`, sorted by their path from it; hidden files and
// folders are passed over, and links to folders not followed.
std::vector<Page> pagesUnder(const fs::path& root, std::error_code& failure) {
    std::vector<Page> pages;
    const fs::path realRoot = fs::canonical(root, failure);
    if (failure)
        return pages;
    fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied,
                                          failure);
    for (const fs::recursive_directory_iterator end; !failure && walk != end;
         walk.increment(failure)) {
        const fs::directory_entry& entry = *walk;
        if (isHidden(entry.path())) {
            if (entry.is_directory(failure) && !entry.is_symlink(failure))
                walk.disable_recursion_pending();
            continue;
        }
        std::error_code kind;
        if (!isPage(entry.path()) || !entry.is_regular_file(kind))
            continue;
        Page page;
        page.path = entry.path().lexically_relative(root).generic_string();
        page.file = entry.path().string();
        page.linked = entry.is_symlink(kind);
        if (entry.is_symlink(kind)) {
            // A link is written through when it stays in the site.
            page.target = fs::canonical(entry.path(), kind).string();
            const fs::path target = page.target;
            const auto [rootEnd, unused] =
                std::mismatch(realRoot.begin(), realRoot.end(), target.begin(), target.end());
            (void)unused;
            if (kind || rootEnd != realRoot.end())
                page.outcome = Outcome::Outside;
        } else {
            page.target = (realRoot / page.path).lexically_normal().string();
        }
        pages.push_back(std::move(page));
    }
    // A link to a page of the site is that page, done once in its own
    // place: the page's menu is marked for where it is.
    std::sort(pages.begin(), pages.end(), [](const Page& a, const Page& b) {
        return std::tie(a.target, a.linked, a.path) < std::tie(b.target, b.linked, b.path);
    });
    pages.erase(std::unique(pages.begin(), pages.end(),
                            [](const Page& a, const Page& b) {
                                return a.outcome != Outcome::Outside && a.target == b.target;
                            }),
                pages.end());
    std::sort(pages.begin(), pages.end(),
              [](const Page& a, const Page& b) { return a.path < b.path; });
    return pages;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

void updatePage(Page& page, const halvero::MenuSettings& settings, const std::string& style,
                bool check) {
    struct stat before {};
    std::string text;
    try {
        if (::stat(page.file.c_str(), &before) != 0)
            throw halvero::FileReadError(std::strerror(errno));
        text = halvero::FileReader::read(page.file, kMaxPageBytes, "a web page is some KB");
    } catch (const halvero::FileReadError& error) {
        page.outcome = Outcome::Unreadable;
        page.problem = error.what();
        return;
    }
    halvero::SiteUpdate::Result result;
    try {
        result = halvero::SiteUpdate::update(text, settings, page.path, style);
    } catch (const halvero::SitePageError& error) {
        page.outcome = Outcome::Unreadable;
        page.problem = error.what();
        return;
    }
    if (result.outcome == halvero::SiteUpdate::Outcome::NoMarkers) {
        page.outcome = Outcome::NoMarkers;
        return;
    }
    if (result.outcome == halvero::SiteUpdate::Outcome::Unchanged) {
        page.outcome = Outcome::Unchanged;
        return;
    }
    if (check) {
        page.outcome = Outcome::Differs;
        return;
    }
    // Another program may have saved the page since it was read: its text
    // is not replaced by a menu put into the old one.
    struct stat now {};
    if (::stat(page.file.c_str(), &now) != 0 || !sameFile(before, now)) {
        page.outcome = Outcome::Unwritable;
        page.problem = "changed on disk while the site was updated; run again";
        return;
    }
    try {
        halvero::PageFile::write(page.file, result.text);
        page.outcome = Outcome::Updated;
    } catch (const halvero::PageWriteError& error) {
        page.outcome = Outcome::Unwritable;
        page.problem = error.reason();
    }
}

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
    if (!fs::is_directory(folder, failure)) {
        say(folder + ": not a folder");
        return 1;
    }
    std::vector<Page> pages = pagesUnder(folder, failure);
    if (failure) {
        say(folder + ": " + failure.message());
        return 1;
    }

    const std::string style = halvero::SiteUpdate::style(settings);
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < pages.size();)
            if (pages[i].outcome != Outcome::Outside)
                updatePage(pages[i], settings, style, command.check());
    };
    // Writing a page waits for the disk more than for a core: a few pages
    // per core keep both busy.
    const unsigned threads = std::clamp(4 * std::thread::hardware_concurrency(), 4u, 32u);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads && t < pages.size(); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    std::vector<const Page*> of[7];
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
