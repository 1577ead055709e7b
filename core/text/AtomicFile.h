#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace halvero {

// Thrown when the page cannot be written; says which file and why.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(std::string path, std::string reason);
    const std::string& path() const { return m_path; }
    const std::string& reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// Writing the page file. The file is replaced as a whole: the text goes to a
// temporary file in the same folder (unnamed where the file system allows),
// is flushed to disk and then renamed over the old page, so a failure at any
// point, a killed process included, leaves the previous page as it was. A
// page the user may not write is reported, not replaced; a page that is a
// symbolic link is written where the link points, and the link stays.
class AtomicFile {
public:
    // The folder and the file name with exactly one separator between them;
    // a folder that already ends in one ("/", "C:\") gets none added.
    static std::string joinPath(std::string_view folder, std::string_view fileName);

    // Replaces the file at `path` with `text`. Throws FileWriteError.
    static void write(const std::string& path, std::string_view text);

    // Replaces the file `name` in the open folder `folder` with `text`,
    // following no link: a name that is a symbolic link is refused. `shown`
    // names the file in a FileWriteError. The file must still be the one
    // `expected` describes (the status read before its text was), or it
    // is refused as changed on disk; with `expected` null, the name may be
    // new or any regular file. A replaced file keeps its mode, owner and
    // group; where they cannot be kept, the file is refused, not changed.
    // Afterwards the copies earlier writes of that name left behind are
    // removed, unless the caller sweeps the folder itself (`Sweep::None`:
    // a site's update removes the leftovers its walk found once, rather
    // than list a folder after each of its pages).
    enum class Sweep { Leftovers, None };
    static void replaceAt(int folder, const std::string& name, std::string_view text,
                          const std::string& shown, const struct ::stat* expected = nullptr,
                          Sweep sweep = Sweep::Leftovers);

    // Whether `name`, a file in a page's folder, is a copy a write makes
    // before it renames it over the page, left there by a writer that was
    // stopped (killed) before it finished; a writer still at work keeps its
    // copy.
    static bool isLeftover(std::string_view name);
};

} // namespace halvero
