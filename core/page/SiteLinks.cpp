#include "core/page/SiteLinks.h"

#include "core/items/MenuItem.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <vector>

namespace halvero {

namespace {

// A path read from the root: its segments, how many "../" lead above the
// root first, and whether it names a folder.
struct Resolved {
    int above = 0;
    std::vector<std::string_view> segments;
    bool folder = false;
};

Resolved resolve(std::string_view path) {
    Resolved resolved;
    resolved.folder = path.empty() || path.ends_with('/');
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view segment = path.substr(0, slash);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
        const bool last = path.empty() && slash == std::string_view::npos;
        if (segment == "." || segment.empty()) {
            resolved.folder = resolved.folder || last;
            continue;
        }
        if (segment == "..") {
            if (resolved.segments.empty())
                ++resolved.above;
            else
                resolved.segments.pop_back();
            resolved.folder = resolved.folder || last;
            continue;
        }
        resolved.segments.push_back(segment);
    }
    return resolved;
}

// Where a link's query or fragment starts, or npos. One pass: find_first_of
// searches its set for every character, and every page asks for every item.
std::size_t tailOf(std::string_view link) {
    const auto tail =
        std::find_if(link.begin(), link.end(), [](char c) { return c == '?' || c == '#'; });
    return tail == link.end() ? std::string_view::npos
                              : static_cast<std::size_t>(tail - link.begin());
}

// The folder segments of a page's path ("blog/2026/a.html": blog, 2026).
std::vector<std::string_view> folderOf(std::string_view pagePath) {
    Resolved page = resolve(pagePath);
    if (!page.folder && !page.segments.empty())
        page.segments.pop_back();
    return page.segments;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    const auto hex = [](char c) {
        return isAsciiDigit(c)        ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 &&
            hex(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

} // namespace

bool SiteLinks::isFromRoot(std::string_view link) {
    if (link.empty() || link.front() == '/' || link.front() == '#' || link.front() == '?')
        return false;
    return MenuItem::schemeOf(link).empty();
}

std::string SiteLinks::from(std::string_view pagePath, std::string_view link) {
    if (!isFromRoot(link))
        return std::string(link);
    const std::size_t tail = tailOf(link);
    const std::string_view path = link.substr(0, tail);
    const std::string_view suffix = tail == std::string_view::npos ? "" : link.substr(tail);
    const std::vector<std::string_view> folder = folderOf(pagePath);
    const Resolved target = resolve(path);
    std::string result;
    std::size_t common = 0;
    if (target.above == 0) {
        const std::size_t targetFolders = target.segments.size() - (target.folder ? 0 : 1);
        while (common < folder.size() && common < targetFolders &&
               folder[common] == target.segments[common])
            ++common;
    }
    for (std::size_t i = common; i < folder.size(); ++i)
        result += "../";
    for (int i = 0; i < target.above; ++i)
        result += "../";
    for (std::size_t i = common; i < target.segments.size(); ++i) {
        result += target.segments[i];
        if (i + 1 < target.segments.size() || target.folder)
            result += '/';
    }
    if (result.empty())
        result = "./";
    return result + std::string(suffix);
}

std::string SiteLinks::toRoot(std::string_view pagePath, std::string_view link) {
    if (!isFromRoot(link))
        return std::string(link);
    const std::size_t tail = tailOf(link);
    const std::string_view suffix = tail == std::string_view::npos ? "" : link.substr(tail);
    std::string joined;
    for (std::string_view segment : folderOf(pagePath))
        joined.append(segment).append("/");
    joined.append(link.substr(0, tail));
    const Resolved target = resolve(joined);
    std::string result;
    for (int i = 0; i < target.above; ++i)
        result += "../";
    for (std::size_t i = 0; i < target.segments.size(); ++i) {
        result += target.segments[i];
        if (i + 1 < target.segments.size() || target.folder)
            result += '/';
    }
    if (result.empty() && suffix.empty())
        result = "./";
    return result + std::string(suffix);
}

std::string SiteLinks::pageOf(std::string_view link, std::string_view base, bool* folder) {
    if (!base.empty() && link.starts_with(base))
        link.remove_prefix(base.size());
    else if (!isFromRoot(link))
        return {};
    const std::string path = percentDecoded(link.substr(0, tailOf(link)));
    Resolved target = resolve(path);
    if (target.above > 0)
        return {};
    if (folder)
        *folder = target.folder;
    if (target.folder)
        target.segments.push_back("index.html");
    std::string page;
    for (std::string_view segment : target.segments)
        page.append(page.empty() ? "" : "/").append(segment);
    return page;
}

bool SiteLinks::leadsTo(std::string_view link, std::string_view pagePath) {
    if (!isFromRoot(link))
        return false;
    const std::string path = percentDecoded(link.substr(0, tailOf(link)));
    const Resolved target = resolve(path);
    const Resolved page = resolve(pagePath);
    if (target.above > 0 || page.above > 0 || page.folder)
        return false;
    std::vector<std::string_view> segments = target.segments;
    if (target.folder)
        segments.push_back("index.html");
    return segments == page.segments;
}

} // namespace halvero
