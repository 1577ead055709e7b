#include "core/PageFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace halvero {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporary files are named ".<page name>.XXXXXX", X from this alphabet, the
// way mkstemp names them.
constexpr std::string_view kTemporaryLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTemporarySuffix = 6;

std::string temporaryPattern(const std::string& finalPath) {
    return folderOf(finalPath) + "." + nameOf(finalPath) + ".";
}

std::string randomSuffix() {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kTemporaryLetters.size() - 1);
    std::string suffix(kTemporarySuffix, 'X');
    for (char& c : suffix)
        c = kTemporaryLetters[letter(random)];
    return suffix;
}

// The file that `path` finally names: symbolic links are followed, even
// to a target that does not exist yet, so the page is written where the
// link points and the link stays a link.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (length < 0)
            return path;
        std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : folderOf(path) + next;
    }
    return path; // a loop of links: let the write report it
}

// The page's new content before it gets the page's name. Where the file
// system offers unnamed temporary files (O_TMPFILE), the content has no name
// until it is complete, so a process killed mid-write leaves nothing behind;
// elsewhere it is a named ".pattern.htm.XXXXXX" file, removed on failure.
// Either way the descriptor is closed and any name removed unless committed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& finalPath) : m_finalPath(finalPath) {
#ifdef O_TMPFILE // Linux: the unnamed file gets its name through /proc
        if (::access("/proc/self/fd", X_OK) == 0) {
            const std::string folder = folderOf(finalPath);
            m_fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                          0600);
            if (m_fd >= 0)
                return;
        }
#endif
        std::string pattern = temporaryPattern(finalPath) + std::string(kTemporarySuffix, 'X');
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        m_fd = ::mkstemp(buffer.data());
        if (m_fd >= 0)
            m_path = buffer.data();
    }
    ~TemporaryFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const {
        return m_fd;
    }

    // Gives the complete content the page's name, replacing the old page in
    // one step; returns false (errno set) on failure. An unnamed file first
    // gets a temporary name (a link cannot replace a file), for as long as
    // it takes to rename it.
    bool commit() {
        if (m_path.empty() && !linkToTemporaryName())
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 || ::rename(m_path.c_str(), m_finalPath.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    bool linkToTemporaryName() {
        const std::string procPath = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = temporaryPattern(m_finalPath) + randomSuffix();
            if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                m_path = std::move(name);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    std::string m_finalPath;
    int m_fd = -1;
    std::string m_path;
};

// Removes temporary files of the page's naming left by earlier writes that
// were killed before they finished. Only regular files of this user that
// match the name exactly are touched.
void removeLeftovers(const std::string& finalPath) {
    const std::string folder = folderOf(finalPath);
    const std::string prefix = "." + nameOf(finalPath) + ".";
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (const dirent* found = ::readdir(dir)) {
        const std::string_view name = found->d_name;
        if (name.size() != prefix.size() + kTemporarySuffix || !name.starts_with(prefix) ||
            name.substr(prefix.size()).find_first_not_of(kTemporaryLetters) !=
                std::string_view::npos)
            continue;
        const std::string path = folder + std::string(name);
        struct stat status {};
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new page gets the mode a newly created file would get; a replaced page
// keeps the mode it had. `existing` is the old page's status, if there is one.
mode_t pageMode(const struct stat* existing) {
    if (existing && S_ISREG(existing->st_mode))
        return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

[[noreturn]] void fail(const std::string& path) {
    throw PageWriteError(path, std::strerror(errno));
}

} // namespace

PageWriteError::PageWriteError(std::string path, std::string reason)
    : std::runtime_error("Cannot write \"" + path + "\": " + reason), m_path(std::move(path)),
      m_reason(std::move(reason)) {}

std::string PageFile::joinPath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    path += fileName;
    return path;
}

void PageFile::write(const std::string& path, std::string_view text) {
    const std::string target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        errno = EISDIR;
        fail(path);
    }
    // The rename below would replace a page the user may not write, since
    // it asks only the folder: ask the page itself first.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        fail(path);
    const mode_t mode = pageMode(exists ? &old : nullptr);

    TemporaryFile temporary(target);
    if (temporary.fd() < 0)
        fail(path);
    if (::fchmod(temporary.fd(), mode) != 0 || !writeAll(temporary.fd(), text) ||
        ::fsync(temporary.fd()) != 0 || !temporary.commit())
        fail(path);
    // The folder itself is not flushed: after a crash the rename may be
    // undone, but then the old page is there, whole, and the user simply
    // creates the page again. Flushing the folder would double the cost.
    removeLeftovers(target);
}

} // namespace halvero
