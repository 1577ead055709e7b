#include "core/text/PathGlob.h"

#include <algorithm>

namespace halvero {

namespace {

// Whether the name `text` matches the name pattern `pattern` ("*", "?").
bool nameMatches(std::string_view pattern, std::string_view text) {
    std::size_t p = 0, t = 0, star = std::string_view::npos, resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string_view> segments(std::string_view path) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0; from < path.size();) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        if (slash > from)
            parts.push_back(path.substr(from, slash - from));
        from = slash + 1;
    }
    return parts;
}

// Whether the segments `pattern` match a leading run of `path`'s: a folder
// that matches holds what is under it.
bool leadingMatch(const std::vector<std::string_view>& pattern, std::size_t p,
                  const std::vector<std::string_view>& path, std::size_t t) {
    if (p == pattern.size())
        return true;
    if (pattern[p] == "**") {
        for (std::size_t skip = t; skip <= path.size(); ++skip)
            if (leadingMatch(pattern, p + 1, path, skip))
                return true;
        return false;
    }
    return t < path.size() && nameMatches(pattern[p], path[t]) &&
           leadingMatch(pattern, p + 1, path, t + 1);
}

} // namespace

std::vector<std::string_view> PathGlob::split(std::string_view patterns) {
    std::vector<std::string_view> parts;
    if (patterns.find_first_not_of(' ') == std::string_view::npos)
        return parts;
    for (std::size_t from = 0; from <= patterns.size();) {
        const std::size_t comma = std::min(patterns.find(',', from), patterns.size());
        std::string_view pattern = patterns.substr(from, comma - from);
        while (pattern.starts_with(' '))
            pattern.remove_prefix(1);
        while (pattern.ends_with(' '))
            pattern.remove_suffix(1);
        parts.push_back(pattern);
        from = comma + 1;
    }
    return parts;
}

PathGlob::PathGlob(std::string_view patterns) {
    for (std::string_view pattern : split(patterns))
        if (!pattern.empty())
            m_patterns.emplace_back(pattern);
}

bool PathGlob::matches(std::string_view path) const {
    const std::vector<std::string_view> parts = segments(path);
    for (const std::string& pattern : m_patterns) {
        const std::vector<std::string_view> wanted = segments(pattern);
        // A pattern of "**" alone takes everything; one ending in "**"
        // needs something under it, as a folder's contents.
        if (!wanted.empty() && leadingMatch(wanted, 0, parts, 0))
            return true;
    }
    return false;
}

} // namespace halvero
