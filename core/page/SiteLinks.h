#pragma once

#include <string>
#include <string_view>

namespace halvero {

// The links of a menu written into every page of a site. Item links are
// written from the site's root ("about.html", "blog/"); a page in a folder
// reaches them by a path from its own folder. Links with a scheme
// ("https:", "mailto:"), and those starting with "/", "#" or "?", lead to
// the same place from every page and stay as they are.
class SiteLinks {
public:
    // Whether `link` is written from the site's root and so changes from
    // page to page.
    static bool isFromRoot(std::string_view link);
    // `link` as the page at `pagePath` (from the root, "blog/index.html")
    // reaches it: "about.html" from "blog/index.html" is "../about.html",
    // "blog/" from it is "./"; its query and fragment are kept.
    static std::string from(std::string_view pagePath, std::string_view link);
    // The other way: `link` as written in the page at `pagePath` made a
    // link from the root ("../about.html" in "blog/index.html" is
    // "about.html", "post.html" there "blog/post.html"); links that are
    // not relative stay as they are, and one leading above the root keeps
    // its "../".
    static std::string toRoot(std::string_view pagePath, std::string_view link);
    // The page of the site `link` (written from the root, or starting with
    // `base`, the path the site is served under: "/" or "/docs/") leads
    // to, as a path from the root with a folder's index.html
    // ("blog/index.html"), percent escapes read; empty for a link that
    // leaves the site or is no path of it. `folder`, when given, is told
    // whether the link names a folder (and the page is its index.html).
    static std::string pageOf(std::string_view link, std::string_view base = {},
                              bool* folder = nullptr);
    // Whether `link` leads to the page at `pagePath`: the same file once
    // "./", "../" and percent escapes are read, a folder ("blog/") meaning
    // its index.html; query and fragment do not count.
    static bool leadsTo(std::string_view link, std::string_view pagePath);
};

} // namespace halvero
