#pragma once

#include "core/items/MenuItem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // `links`: the pages the menu leads to (SiteLinks::pageOf of each
    // item's link); `base`: the path the site is served under, or empty.
    // Nothing when no <nav> holds most of them.
    static std::optional<Adopted> adopt(std::string_view page, std::string_view pagePath,
                                        const std::vector<std::string>& links,
                                        std::string_view base);
    // The pages `items` lead to, each once, for adopt().
    static std::vector<std::string> pagesOf(const std::vector<MenuItem>& items,
                                            std::string_view base);
};

} // namespace halvero
