#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// Glob patterns over paths from a site's root, parted by commas
// ("drafts/, old/*.html, **/print.html"): "*" is any text within a
// folder's or file's name, "?" one character, "**" any number of folders.
// A pattern names a file or a folder from the root; a folder it names
// holds what it names ("drafts" and "drafts/" both take in
// "drafts/a/b.html").
class PathGlob {
public:
    explicit PathGlob(std::string_view patterns);

    bool empty() const { return m_patterns.empty(); }
    // The patterns of a list as written, trimmed, empty ones too ("a,,b"
    // holds three); none for a list of nothing but spaces.
    static std::vector<std::string_view> split(std::string_view patterns);
    // Whether `path` ("blog/2026/post.html") or a folder holding it matches
    // a pattern.
    bool matches(std::string_view path) const;

private:
    std::vector<std::string> m_patterns;
};

} // namespace halvero
