#include "core/PageFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <signal.h>
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

// Temporary files that get a name are named ".<page name>.halvero-<writer's
// pid>-XXXXXX", X from this alphabet: a name no one but this writer makes,
// so leftovers of a killed writer can be told from the user's own files and
// from the files of writers still at work.
constexpr std::string_view kTemporaryLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTemporarySuffix = 6;
constexpr std::string_view kTemporaryMark = "halvero-";

std::string temporaryPrefix(const std::string& finalPath) {
    return "." + nameOf(finalPath) + "." + std::string(kTemporaryMark);
}

std::string temporaryName(const std::string& finalPath) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kTemporaryLetters.size() - 1);
    std::string suffix(kTemporarySuffix, 'X');
    for (char& c : suffix)
        c = kTemporaryLetters[letter(random)];
    return folderOf(finalPath) + temporaryPrefix(finalPath) + std::to_string(::getpid()) + "-" +
           suffix;
}

// Whether following the link `link` would cross into another user's file
// the way the kernel's protected_symlinks forbids an ordinary open: a link
// in a world-writable sticky folder (such as /tmp), owned neither by the
// one who follows it nor by the folder's owner.
bool isProtectedLink(const std::string& link, const struct stat& linkStatus) {
    const std::string folder = folderOf(link);
    struct stat folderStatus {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &folderStatus) != 0)
        return false;
    const bool shared = (folderStatus.st_mode & S_ISVTX) && (folderStatus.st_mode & S_IWOTH);
    return shared && linkStatus.st_uid != ::geteuid() && linkStatus.st_uid != folderStatus.st_uid;
}

// The file that `path` finally names: symbolic links are followed, even
// to a target that does not exist yet, so the page is written where the
// link points and the link stays a link.
std::string followLinks(std::string path) {
    const std::string asked = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        if (isProtectedLink(path, status))
            throw PageWriteError(asked, "a symbolic link of another user in a shared folder; "
                                        "it is not followed");
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
// elsewhere it is a named temporary file, removed on failure. Either way
// the descriptor is closed and any name removed unless committed. The file
// is created with mode 0666 less the process's umask, as any new file.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& finalPath) : m_finalPath(finalPath) {
#ifdef O_TMPFILE // Linux: the unnamed file gets its name through /proc
        if (::access("/proc/self/fd", X_OK) == 0) {
            const std::string folder = folderOf(finalPath);
            m_fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                          0666);
            if (m_fd >= 0)
                return;
        }
#endif
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            std::string name = temporaryName(finalPath);
            m_fd = ::open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (m_fd >= 0)
                m_path = std::move(name);
            else if (errno != EEXIST)
                return;
        }
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
            std::string name = temporaryName(m_finalPath);
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

// Whether `name` (after the prefix) is a temporary file's: the writer's
// pid, "-" and six letters; `pid` gets the pid.
bool isTemporaryName(std::string_view name, pid_t* pid) {
    const auto dash = name.find('-');
    if (dash == std::string_view::npos)
        return false;
    const std::string_view digits = name.substr(0, dash);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    *pid = static_cast<pid_t>(std::stol(std::string(digits)));
    name.remove_prefix(dash + 1);
    return *pid > 0 && name.size() == kTemporarySuffix &&
           name.find_first_not_of(kTemporaryLetters) == std::string_view::npos;
}

// Removes temporary files of the page's naming left by earlier writes that
// were killed before they finished: those of writers that no longer run.
// A writer at work, in this process or another, keeps its file. Only
// regular files of this user are touched.
void removeLeftovers(const std::string& finalPath) {
    const std::string folder = folderOf(finalPath);
    const std::string prefix = temporaryPrefix(finalPath);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (const dirent* found = ::readdir(dir)) {
        const std::string_view name = found->d_name;
        pid_t writer = 0;
        if (!name.starts_with(prefix) || !isTemporaryName(name.substr(prefix.size()), &writer))
            continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH)
            continue; // its writer still runs
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
    // A device, FIFO or socket is no page: renaming over it would replace
    // it, and its reader would never see the text.
    if (exists && !S_ISREG(old.st_mode))
        throw PageWriteError(path, "not a regular file; only a file is replaced");
    // The rename below would replace a page the user may not write, since
    // it asks only the folder: ask the page itself first.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        fail(path);

    TemporaryFile temporary(target);
    if (temporary.fd() < 0)
        fail(path);
    // A replaced page keeps its mode; a new one has the mode it was made with.
    if ((exists && ::fchmod(temporary.fd(), old.st_mode & 07777) != 0) ||
        !writeAll(temporary.fd(), text) || ::fsync(temporary.fd()) != 0 || !temporary.commit())
        fail(path);
    // The folder itself is not flushed: after a crash the rename may be
    // undone, but then the old page is there, whole, and the user simply
    // creates the page again. Flushing the folder would double the cost.
    removeLeftovers(target);
}

} // namespace halvero
