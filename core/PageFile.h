#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace halvero {

// Thrown when the page cannot be written; says which file and why.
class PageWriteError : public std::runtime_error {
public:
    PageWriteError(std::string path, std::string reason);
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
class PageFile {
public:
    // The folder and the file name with exactly one separator between them;
    // a folder that already ends in one ("/", "C:\") gets none added.
    static std::string joinPath(std::string_view folder, std::string_view fileName);

    // Replaces the file at `path` with `text`. Throws PageWriteError.
    static void write(const std::string& path, std::string_view text);
};

} // namespace halvero
