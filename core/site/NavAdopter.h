#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace halvero {

// A page without markers given them in place of its own navigation: the
// <nav> whose links lead to most of the menu's pages (after each is read
// from the page's folder) is replaced by the menu's markers, and the
// style's markers go before </head>. Every other byte stays.
class NavAdopter {
public:
    struct Adopted {
        std::string text; // the page with empty marker pairs, for SiteUpdate to fill
        int line = 0;     // where the replaced <nav> started
    };
    // `wanted`: the pages the menu leads to (PageModel::sitePages); `base`:
    // the path the site is served under, or empty. Nothing when no <nav>
    // holds most of them.
    static std::optional<Adopted> adopt(std::string_view page, std::string_view pagePath,
                                        const std::set<std::string, std::less<>>& wanted,
                                        std::string_view base);
};

} // namespace halvero
