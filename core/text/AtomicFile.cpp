#include "core/text/AtomicFile.h"

#include "core/text/Descriptor.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
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

// Whether two statuses are of the same file, unchanged.
bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
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

std::string temporaryName(const std::string& finalName) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kTemporaryLetters.size() - 1);
    std::string suffix(kTemporarySuffix, 'X');
    for (char& c : suffix)
        c = kTemporaryLetters[letter(random)];
    return temporaryPrefix(finalName) + std::to_string(::getpid()) + "-" + suffix;
}

// Whether following the link `link` would cross into another user's file
// the way the kernel's protected_symlinks forbids an ordinary open: a link
// in a world-writable sticky folder (such as /tmp), owned neither by the
// one who follows it nor by the folder's owner.
bool isProtectedLink(const std::string& link, const struct stat& linkStatus) {
    const std::string folder = folderOf(link);
    struct stat folderStatus = {};
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
        struct stat status = {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        if (isProtectedLink(path, status))
            throw FileWriteError(asked, "a symbolic link of another user in a shared folder; "
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

// The page's new content before it gets the page's name, in the open
// folder `folder`. Where the file system offers unnamed temporary files
// (O_TMPFILE), the content has no name until it is complete, so a process
// killed mid-write leaves at most the moment between naming and renaming;
// elsewhere it is a named temporary file, removed on failure. Either way
// the descriptor is closed and any name removed unless committed. The file
// is created with mode 0666 less the process's umask, as any new file.
class TemporaryFile {
public:
    TemporaryFile(int folder, const std::string& finalName)
        : m_folder(folder), m_finalName(finalName) {
#ifdef O_TMPFILE // Linux: the unnamed file gets its name through /proc
        // Asked once: a site's update writes thousands of pages.
        static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
        if (procFds) {
            m_fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd >= 0)
                return;
        }
#endif
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            std::string name = temporaryName(finalName);
            m_fd = ::openat(folder, name.c_str(),
                            O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (m_fd >= 0)
                m_name = std::move(name);
            else if (errno != EEXIST)
                return;
        }
    }
    ~TemporaryFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.empty())
            ::unlinkat(m_folder, m_name.c_str(), 0);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }

    // Gives the complete content the page's name, replacing the old page in
    // one step; returns false (errno set) on failure. An unnamed file first
    // gets a temporary name (a link cannot replace a file), for as long as
    // it takes to rename it. `stillThere` is asked just before the rename.
    template <typename Check> bool commit(Check stillThere) {
        if (m_name.empty() && !linkToTemporaryName())
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 || !stillThere() ||
            ::renameat(m_folder, m_name.c_str(), m_folder, m_finalName.c_str()) != 0)
            return false;
        m_name.clear();
        return true;
    }

private:
    bool linkToTemporaryName() {
        const std::string procPath = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = temporaryName(m_finalName);
            if (::linkat(AT_FDCWD, procPath.c_str(), m_folder, name.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                m_name = std::move(name);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    int m_folder;
    std::string m_finalName;
    int m_fd = -1;
    std::string m_name;
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

// Whether the process `pid` has ended.
bool hasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes temporary files of the page's naming left by earlier writes that
// were killed before they finished: those of writers that no longer run.
// A writer at work, in this process or another, keeps its file. Only
// regular files of this user are touched.
void removeLeftovers(int folder, const std::string& finalName) {
    const std::string prefix = temporaryPrefix(finalName);
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const dirent* found = ::readdir(dir)) {
        const std::string_view name = found->d_name;
        pid_t writer = 0;
        if (!name.starts_with(prefix) || !isTemporaryName(name.substr(prefix.size()), &writer) ||
            !hasEnded(writer))
            continue;
        struct stat status = {};
        if (::fstatat(folder, found->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlinkat(folder, found->d_name, 0);
    }
    ::closedir(dir);
}

// "www-data" for a user or group id, or the number where it has no name.
std::string userName(uid_t id) {
    std::vector<char> buffer(4096);
    struct passwd entry = {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(id, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(id);
}
std::string groupName(gid_t id) {
    std::vector<char> buffer(4096);
    struct group entry = {};
    struct group* found = nullptr;
    if (::getgrgid_r(id, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->gr_name;
    return std::to_string(id);
}

// Gives the new copy `fd` the owner and group of the file it replaces,
// where they differ from its own: who may read a page is not changed by
// writing it. Returns what stands in the way, or an empty text. Sets
// `sameMode` when the copy already has the replaced file's mode, so that
// no call is made that changes nothing (a site's update writes thousands
// of pages).
std::string keepOwner(int fd, const struct stat& old, bool& sameMode) {
    struct stat made = {};
    if (::fstat(fd, &made) != 0)
        return std::strerror(errno);
    sameMode = (made.st_mode & 07777) == (old.st_mode & 07777);
    if (made.st_uid == old.st_uid && made.st_gid == old.st_gid)
        return {};
    sameMode = false; // a change of owner clears the set-id bits
    if (::fchown(fd, old.st_uid, old.st_gid) == 0)
        return {};
    return "it belongs to " + userName(old.st_uid) + ":" + groupName(old.st_gid) +
           ", which a new copy written by " + userName(made.st_uid) +
           " cannot keep; left as it was";
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
    throw FileWriteError(path, std::strerror(errno));
}

} // namespace

FileWriteError::FileWriteError(std::string path, std::string reason)
    : std::runtime_error("Cannot write \"" + path + "\": " + reason), m_path(std::move(path)),
      m_reason(std::move(reason)) {}

std::string AtomicFile::joinPath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    path += fileName;
    return path;
}

void AtomicFile::write(const std::string& path, std::string_view text) {
    const std::string target = followLinks(path);
    const std::string folderPath = folderOf(target);
    const int folder =
        ::open(folderPath.empty() ? "." : folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const Descriptor closed{folder};
    if (folder < 0)
        fail(path);
    replaceAt(folder, nameOf(target), text, path);
}

void AtomicFile::replaceAt(int folder, const std::string& name, std::string_view text,
                           const std::string& shown, const struct ::stat* expected, Sweep sweep) {
    struct stat old = {};
    const bool exists = ::fstatat(folder, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        fail(shown);
    if (expected && (!exists || !sameFile(*expected, old)))
        throw FileWriteError(shown, "changed on disk while it was being updated; run again");
    if (exists && S_ISDIR(old.st_mode)) {
        errno = EISDIR;
        fail(shown);
    }
    if (exists && S_ISLNK(old.st_mode))
        throw FileWriteError(shown, "a symbolic link here; it is not followed");
    // A device, FIFO or socket is no page: renaming over it would replace
    // it, and its reader would never see the text.
    if (exists && !S_ISREG(old.st_mode))
        throw FileWriteError(shown, "not a regular file; only a file is replaced");
    // The rename below would replace a page the user may not write, since
    // it asks only the folder: ask the page itself first.
    // Its owner may, when its mode says so (one call fewer a page); the
    // rename still fails on a page that cannot be replaced at all.
    static const uid_t user = ::geteuid();
    const bool ownWritable = old.st_uid == user && (old.st_mode & S_IWUSR);
    if (exists && !ownWritable && ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0)
        fail(shown);

    TemporaryFile temporary(folder, name);
    if (temporary.fd() < 0)
        fail(shown);
    // A replaced page keeps its owner, group and mode (the owner first: a
    // change of owner clears the set-id bits); a new one has those it was
    // made with.
    if (exists) {
        bool sameMode = false;
        if (const std::string problem = keepOwner(temporary.fd(), old, sameMode); !problem.empty())
            throw FileWriteError(shown, problem);
        if (!sameMode && ::fchmod(temporary.fd(), old.st_mode & 07777) != 0)
            fail(shown);
    }
    // For a page whose text was read, what is renamed over is still that
    // page: a name swapped meanwhile (for a link, say) is not replaced.
    const auto stillThere = [&] {
        if (!expected)
            return true;
        struct stat now = {};
        const bool there = ::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
        if (exists ? there && sameFile(old, now) : !there)
            return true;
        errno = EAGAIN;
        return false;
    };
    if (!writeAll(temporary.fd(), text) || ::fsync(temporary.fd()) != 0)
        fail(shown);
    if (!temporary.commit(stillThere)) {
        if (errno == EAGAIN)
            throw FileWriteError(shown, "changed on disk while it was being updated; run again");
        fail(shown);
    }
    // The folder itself is not flushed: after a crash the rename may be
    // undone, but then the old page is there, whole, and the user simply
    // creates the page again. Flushing the folder would double the cost.
    if (sweep == Sweep::Leftovers)
        removeLeftovers(folder, name);
}

bool AtomicFile::isLeftover(std::string_view name) {
    if (!name.starts_with('.'))
        return false;
    const auto mark = name.rfind("." + std::string(kTemporaryMark));
    pid_t writer = 0;
    return mark != std::string_view::npos && mark > 1 &&
           isTemporaryName(name.substr(mark + 1 + kTemporaryMark.size()), &writer) &&
           hasEnded(writer);
}

} // namespace halvero
