#include "core/text/FileReader.h"

#include "core/text/Descriptor.h"

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvero {

namespace {

[[noreturn]] void failWith(int error) {
    throw FileReadError(std::strerror(error));
}

void requireRegular(const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        failWith(EISDIR);
    if (!S_ISREG(info.st_mode))
        throw FileReadError("not a regular file");
}

// The rest of a read of the open `file`, whose status is `info`.
std::string readOpen(const Descriptor& file, struct stat& info, std::size_t maxBytes,
                     const std::string& sizeHint) {
    const std::string tooLarge =
        "larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MB; " + sizeHint;
    if (::fstat(file.fd, &info) != 0)
        failWith(errno);
    requireRegular(info); // the path may name something else by now
    if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        throw FileReadError(tooLarge);

    // Read straight into the text, one byte more than the file's size so
    // that the read that finds its end is the second, not one a block.
    std::string text(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == text.size()) {
            if (have > maxBytes) // grew while being read
                throw FileReadError(tooLarge);
            text.resize(std::min(have * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(file.fd, text.data() + have, text.size() - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failWith(errno);
        if (got == 0) {
            text.resize(have);
            return text;
        }
        have += static_cast<std::size_t>(got);
        if (have > maxBytes)
            throw FileReadError(tooLarge);
    }
}

} // namespace

std::string FileReader::read(const std::string& path, std::size_t maxBytes,
                             const std::string& sizeHint) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        failWith(errno);
    requireRegular(info);
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0)
        failWith(errno);
    return readOpen(file, info, maxBytes, sizeHint);
}

std::string FileReader::readAt(int folder, const std::string& name, std::size_t maxBytes,
                               const std::string& sizeHint, struct ::stat* status) {
    const char* const link = "a symbolic link here; it is not followed";
    struct stat info = {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        failWith(errno);
    if (S_ISLNK(info.st_mode))
        throw FileReadError(link);
    requireRegular(info);
    const Descriptor file{
        ::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW)};
    if (file.fd < 0 && errno == ELOOP)
        throw FileReadError(link);
    if (file.fd < 0)
        failWith(errno);
    std::string text = readOpen(file, info, maxBytes, sizeHint);
    if (status)
        *status = info;
    return text;
}

} // namespace halvero
