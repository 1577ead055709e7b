#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace halvero {

// Why a file could not be read: the system's reason, or the file's kind
// or size ("not a regular file", "larger than 1 MB; ...").
class FileReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a small input file whole, refusing anything that is not a regular
// file (a folder, a FIFO, a device, a socket) before it is opened, so no
// input can block the program or feed it without end: the file is opened
// without blocking and checked again once open, in case it was swapped.
class FileReader {
public:
    // The bytes of the file at `path`, at most `maxBytes` of them; a larger
    // file is refused with "larger than N MB; " followed by `sizeHint`.
    // Throws FileReadError.
    static std::string read(const std::string& path, std::size_t maxBytes,
                            const std::string& sizeHint);
    // The same for the file `name` in the open folder `folder`, following
    // no link: a name that is a symbolic link is refused. `status` gets the
    // status of the file read, taken before its text.
    static std::string readAt(int folder, const std::string& name, std::size_t maxBytes,
                              const std::string& sizeHint, struct ::stat* status);
};

} // namespace halvero
