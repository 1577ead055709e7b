#pragma once

#include "core/settings/MenuSettings.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace halvero {

// Why a site's page cannot take the menu: it is no UTF-8 text, or its
// markers are broken; what() says "line 12: ...", or names no line.
class SitePageError : public std::runtime_error {
public:
    SitePageError(int line, const std::string& problem);
    int line() const { return m_line; }

private:
    int m_line;
};

// The menu written into the pages of a site, on text only (reading the
// pages, writing them and walking the folders are the caller's). A page
// takes the menu between two markers in its body and the menu's style
// between two in its head:
//   <!-- halvero-menu-style --> ... <!-- /halvero-menu-style -->
//   <!-- halvero-menu --> ... <!-- /halvero-menu -->
// What is between each pair is replaced; every byte outside them stays as
// it was. Each pair is optional and at most once in a page. The menu is the
// modern one, for that page: its current item is the one that leads to it,
// and its links are rewritten to work from its folder (PageModel::
// forSitePage); the style is the same for every page.
class SiteUpdate {
public:
    static constexpr std::string_view kMenuOpen = "<!-- halvero-menu -->";
    static constexpr std::string_view kMenuClose = "<!-- /halvero-menu -->";
    static constexpr std::string_view kStyleOpen = "<!-- halvero-menu-style -->";
    static constexpr std::string_view kStyleClose = "<!-- /halvero-menu-style -->";

    // Where the text between a pair of markers is.
    struct Span {
        std::size_t begin = 0, end = 0;
        bool found = false;
    };
    struct Markers {
        Span style, menu;
        bool any() const { return style.found || menu.found; }
    };
    // The markers of `page`. Throws SitePageError for a marker without its
    // pair, a pair inside another, a closing marker before its opening one,
    // a pair given twice, and a marker inside a comment, a <script> or a
    // <style> (where it marks nothing).
    static Markers find(std::string_view page);

    enum class Outcome { Unchanged, Changed, NoMarkers };
    struct Result {
        Outcome outcome = Outcome::NoMarkers;
        std::string text; // the new page, for Changed
    };
    // The page at `pagePath` (from the site's root, "blog/index.html") with
    // the menu of `settings` and `style` (style() of the same settings) in
    // place. Throws SitePageError.
    static Result update(std::string_view page, const MenuSettings& settings,
                         std::string_view pagePath, std::string_view style);
    // The menu's <style> block, the same for every page.
    static std::string style(const MenuSettings& settings);
};

} // namespace halvero
