#include "core/SiteFolder.h"

#include "core/FileReader.h"
#include "core/PageFile.h"
#include "core/SiteUpdate.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <tuple>

namespace halvero {

namespace fs = std::filesystem;

namespace {

// Pages larger than this are refused unread: a web page is some KB.
constexpr std::size_t kMaxPageBytes = 64 * 1024 * 1024;

bool isPage(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".html" || extension == ".htm";
}

bool isHidden(const fs::path& path) {
    return path.filename().string().starts_with('.');
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

std::vector<SiteFolder::Page> SiteFolder::pages(const std::string& root, std::error_code& failure) {
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

void SiteFolder::update(Page& page, const MenuSettings& settings, const std::string& style,
                        bool check) {
    struct stat before {};
    std::string text;
    try {
        if (::stat(page.file.c_str(), &before) != 0)
            throw FileReadError(std::strerror(errno));
        text = FileReader::read(page.file, kMaxPageBytes, "a web page is some KB");
    } catch (const FileReadError& error) {
        page.outcome = Outcome::Unreadable;
        page.problem = error.what();
        return;
    }
    SiteUpdate::Result result;
    try {
        result = SiteUpdate::update(text, settings, page.path, style);
    } catch (const SitePageError& error) {
        page.outcome = Outcome::Unreadable;
        page.problem = error.what();
        return;
    }
    if (result.outcome == SiteUpdate::Outcome::NoMarkers) {
        page.outcome = Outcome::NoMarkers;
        return;
    }
    if (result.outcome == SiteUpdate::Outcome::Unchanged) {
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
        PageFile::write(page.file, result.text);
        page.outcome = Outcome::Updated;
    } catch (const PageWriteError& error) {
        page.outcome = Outcome::Unwritable;
        page.problem = error.reason();
    }
}

unsigned SiteFolder::threads() {
    return std::clamp(4 * std::thread::hardware_concurrency(), 4u, 32u);
}

} // namespace halvero
