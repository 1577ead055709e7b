#include "PageFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace halvero {

namespace {

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& finalPath) {
        const auto slash = finalPath.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "" : finalPath.substr(0, slash + 1);
        const std::string name =
            slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
        std::string pattern = folder + "." + name + ".XXXXXX";
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

    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }
    // Closes the file; returns false (errno set) if the close reports an error.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    // The file now lives under its final name: nothing to remove.
    void release() { m_path.clear(); }

private:
    int m_fd = -1;
    std::string m_path;
};

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
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) {
        errno = EISDIR;
        fail(path);
    }
    const mode_t mode = pageMode(exists ? &target : nullptr);

    TemporaryFile temporary(path);
    if (temporary.fd() < 0)
        fail(path);
    if (::fchmod(temporary.fd(), mode) != 0 || !writeAll(temporary.fd(), text) ||
        ::fsync(temporary.fd()) != 0 || !temporary.close())
        fail(path);
    if (::rename(temporary.path().c_str(), path.c_str()) != 0)
        fail(path);
    // The folder itself is not flushed: after a crash the rename may be
    // undone, but then the old page is there, whole, and the user simply
    // creates the page again. Flushing the folder would double the cost.
    temporary.release();
}

} // namespace halvero
