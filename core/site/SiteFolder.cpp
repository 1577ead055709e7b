#include "core/site/SiteFolder.h"

#include "core/site/SiteUpdate.h"
#include "core/text/AtomicFile.h"
#include "core/text/Descriptor.h"
#include "core/text/FileReader.h"
#include "core/text/LineDiff.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace halvero {

namespace fs = std::filesystem;

namespace {

// Pages larger than this are refused unread: a web page is some KB.
constexpr std::size_t kMaxPageBytes = 64 * 1024 * 1024;

bool isPage(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string extension = asciiLower(name.substr(dot));
    return extension == ".html" || extension == ".htm";
}

// The folder `path` (from the root, "" for the root itself) opened from
// `root` one name at a time, following no link; -1 with errno on failure.
// Holds one descriptor at a time besides the root's.
int openBeneath(int root, std::string_view path) {
    if (path.empty())
        return ::openat(root, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int fd = root; // not closed: the caller's
    while (!path.empty()) {
        const auto slash = path.find('/');
        const std::string name(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        const int next =
            ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int error = errno;
        if (fd != root)
            ::close(fd);
        errno = error;
        fd = next;
        if (fd < 0)
            return -1;
    }
    return fd;
}

std::string folderPart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
std::string namePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string reason(int error) {
    return error == ELOOP || error == ENOTDIR
               ? "a folder on its way is a symbolic link now; it is not followed"
               : std::strerror(error);
}

} // namespace

SiteFolder::SiteFolder(const std::string& root) : m_root(root) {
    m_fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        throw SiteFolderError(errno == ENOTDIR || errno == ENOENT ? "not a folder"
                                                                  : std::strerror(errno));
}

SiteFolder::~SiteFolder() {
    ::close(m_fd);
}

bool SiteFolder::tryLock(Lock lock) {
    const int how = lock == Lock::Alone ? LOCK_EX : LOCK_SH;
    while (::flock(m_fd, how | LOCK_NB) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

void SiteFolder::waitLock(Lock lock) {
    const int how = lock == Lock::Alone ? LOCK_EX : LOCK_SH;
    while (::flock(m_fd, how) != 0 && errno == EINTR) {
    }
}

SiteFolder::Walk SiteFolder::walk() const {
    Walk walk;
    // Links to pages, sorted out once every page is known.
    struct Link {
        std::string path, target; // target: from the root, or empty when outside
    };
    std::vector<Link> links;
    std::error_code failure;
    const fs::path realRoot = fs::canonical(m_root, failure);

    std::vector<std::string> folders{""};
    while (!folders.empty()) {
        const std::string folder = std::move(folders.back());
        folders.pop_back();
        const int fd = openBeneath(m_fd, folder);
        DIR* listing = fd < 0 ? nullptr : ::fdopendir(fd);
        if (!listing) {
            const int error = errno;
            if (fd >= 0)
                ::close(fd);
            walk.folders.push_back({folder.empty() ? "." : folder, reason(error)});
            continue;
        }
        const std::string prefix = folder.empty() ? std::string() : folder + "/";
        int failure = 0;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(listing);
            if (!entry) {
                failure = errno;
                break;
            }
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            unsigned char type = entry->d_type;
            struct stat status = {};
            if (type == DT_UNKNOWN &&
                ::fstatat(fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
                type = S_ISDIR(status.st_mode)   ? DT_DIR
                       : S_ISREG(status.st_mode) ? DT_REG
                       : S_ISLNK(status.st_mode) ? DT_LNK
                                                 : DT_FIFO;
            const std::string path = prefix + name;
            if (name.front() == '.') {
                if (type == DT_REG && AtomicFile::isLeftover(name))
                    walk.leftovers.push_back(path);
                continue;
            }
            if (type == DT_DIR) {
                folders.push_back(path);
                continue;
            }
            if (!isPage(name))
                continue;
            if (type == DT_REG) {
                walk.pages.push_back({path, Outcome::Unchanged, {}, false, 0, {}, {}});
            } else if (type == DT_LNK) {
                links.push_back({path, {}});
            } else {
                walk.pages.push_back(
                    {path, Outcome::NotAPage, "not a regular file; left alone", false, 0, {}, {}});
            }
        }
        if (failure != 0)
            walk.folders.push_back({folder.empty() ? "." : folder, reason(failure)});
        ::closedir(listing);
    }

    // A link is that page, done once in its own place: the page's menu is
    // marked for where it is. A link out of the site, into a hidden folder
    // or to what is no page is left alone.
    std::set<std::string> walked;
    for (const Page& page : walk.pages)
        walked.insert(page.path);
    for (const Link& link : links) {
        std::error_code kind;
        const fs::path target = fs::canonical(fs::path(m_root) / link.path, kind);
        const auto leftAlone = [&](Outcome outcome, std::string problem) {
            walk.pages.push_back({link.path, outcome, std::move(problem), false, 0, {}, {}});
        };
        if (kind) {
            leftAlone(Outcome::NotAPage, kind == std::errc::too_many_symbolic_link_levels
                                             ? "a loop of symbolic links; left alone"
                                             : "a symbolic link to nothing; left alone");
            continue;
        }
        if (!fs::is_regular_file(target, kind)) {
            leftAlone(Outcome::NotAPage, "a link to what is no regular file; left alone");
            continue;
        }
        const auto [rootEnd, unused] =
            std::mismatch(realRoot.begin(), realRoot.end(), target.begin(), target.end());
        (void)unused;
        if (failure || rootEnd != realRoot.end()) {
            leftAlone(Outcome::Outside, "leads out of the site; left alone");
            continue;
        }
        const fs::path inside = target.lexically_relative(realRoot);
        if (std::any_of(inside.begin(), inside.end(),
                        [](const fs::path& part) { return part.string().starts_with('.'); })) {
            leftAlone(Outcome::Outside, "leads into a hidden folder, which is left alone");
            continue;
        }
        if (!walked.contains(inside.generic_string()))
            leftAlone(Outcome::Outside, "leads to a page the update does not reach; left alone");
    }
    std::sort(walk.pages.begin(), walk.pages.end(),
              [](const Page& a, const Page& b) { return a.path < b.path; });
    std::sort(walk.folders.begin(), walk.folders.end(),
              [](const Problem& a, const Problem& b) { return a.path < b.path; });
    std::sort(walk.leftovers.begin(), walk.leftovers.end());
    return walk;
}

void SiteFolder::update(Page& page, const MenuSettings& settings, const SiteUpdate::Site& site,
                        bool check) const {
    const Descriptor folder{openBeneath(m_fd, folderPart(page.path))};
    if (folder.fd < 0) {
        page.outcome = Outcome::Unreadable;
        page.problem = reason(errno);
        return;
    }
    const std::string name = namePart(page.path);
    struct stat before = {};
    std::string text;
    try {
        text = FileReader::readAt(folder.fd, name, kMaxPageBytes, "a web page is some KB", &before);
    } catch (const FileReadError& error) {
        page.outcome = Outcome::Unreadable;
        page.problem = error.what();
        return;
    }
    SiteUpdate::Result result;
    try {
        result = SiteUpdate::update(text, settings, page.path, site);
    } catch (const SitePageError& error) {
        page.outcome = Outcome::Unreadable;
        page.problem = error.what();
        return;
    }
    page.notes = std::move(result.notes);
    page.adoptedLine = result.adoptedLine;
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
        page.diff = LineDiff::unified(text, result.text, page.path);
        return;
    }
    // Another program may have saved the page since it was read: its text
    // is not replaced by a menu put into the old one.
    try {
        AtomicFile::replaceAt(folder.fd, name, result.text, page.path, &before,
                              AtomicFile::Sweep::None);
        page.outcome = Outcome::Updated;
        page.hardLinked = before.st_nlink > 1;
    } catch (const FileWriteError& error) {
        page.outcome = Outcome::Unwritable;
        page.problem = error.reason();
    }
}

bool SiteFolder::holds(const std::string& path) const {
    struct stat status = {};
    return !path.empty() && ::fstatat(m_fd, path.c_str(), &status, 0) == 0;
}

SiteFolder::Outcome SiteFolder::writeFile(const std::string& path, const std::string& text,
                                          bool check, std::string& problem) const {
    const std::string folderPath = folderPart(path);
    int fd = openBeneath(m_fd, folderPath);
    if (fd < 0 && errno == ENOENT && !check) {
        // The stylesheet's folders, made one at a time from the root.
        std::string made;
        for (std::size_t from = 0; from <= folderPath.size();) {
            const std::size_t slash = std::min(folderPath.find('/', from), folderPath.size());
            made = folderPath.substr(0, slash);
            const Descriptor parent{openBeneath(m_fd, folderPart(made))};
            if (parent.fd < 0 ||
                (::mkdirat(parent.fd, namePart(made).c_str(), 0755) != 0 && errno != EEXIST))
                break;
            from = slash + 1;
        }
        fd = openBeneath(m_fd, folderPath);
    }
    const int openError = errno;
    const Descriptor folder{fd};
    const std::string name = namePart(path);
    struct stat before = {};
    std::string old;
    bool exists = false;
    if (folder.fd >= 0) {
        try {
            old = FileReader::readAt(folder.fd, name, kMaxPageBytes, "a style sheet is some KB",
                                     &before);
            exists = true;
        } catch (const FileReadError&) {
            exists = false;
        }
    }
    if (exists && old == text)
        return Outcome::Unchanged;
    if (check)
        return Outcome::Differs;
    if (folder.fd < 0) {
        problem = reason(openError);
        return Outcome::Unwritable;
    }
    try {
        AtomicFile::replaceAt(folder.fd, name, text, path, exists ? &before : nullptr);
    } catch (const FileWriteError& error) {
        problem = error.reason();
        return Outcome::Unwritable;
    }
    return Outcome::Updated;
}

std::string SiteFolder::removeLeftover(const std::string& path) const {
    const Descriptor folder{openBeneath(m_fd, folderPart(path))};
    const std::string name = namePart(path);
    struct stat status = {};
    if (folder.fd < 0 || ::fstatat(folder.fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? std::string() : reason(errno); // gone is as good as removed
    if (!S_ISREG(status.st_mode) || !AtomicFile::isLeftover(name))
        return "no longer a copy left by a stopped write";
    if (::unlinkat(folder.fd, name.c_str(), 0) != 0)
        return std::strerror(errno);
    return {};
}

unsigned SiteFolder::threads() {
    return std::clamp(4 * std::thread::hardware_concurrency(), 4u, 32u);
}

} // namespace halvero
