#pragma once

#include "core/settings/MenuSettings.h"
#include "core/site/MenuBlocks.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
// takes the menu between two markers in its body, the menu's style
// between two in its head, its breadcrumb trail and, in a site of several
// languages, the language switcher between two more each:
//   <!-- halvero-menu-style --> ... <!-- /halvero-menu-style -->
//   <!-- halvero-menu --> ... <!-- /halvero-menu -->
//   <!-- halvero-breadcrumb --> ... <!-- /halvero-breadcrumb -->
//   <!-- halvero-languages --> ... <!-- /halvero-languages -->
// What is between each pair is replaced; every byte outside them stays as
// it was. Each pair is optional and at most once in a page. The menu is the
// modern one, for that page: its current item is the one that leads to it,
// and its links are rewritten to work from its folder (PageModel::
// forSitePage); the style is the same for every page, or, with one
// stylesheet for the site, a <link> to it (and a deferred <script src> for
// the menu's script) from the page's folder. A page without markers may
// be given them in place of its own navigation (NavAdopter).
class SiteUpdate {
public:
    static constexpr std::string_view kMenuOpen = "<!-- halvero-menu -->";
    static constexpr std::string_view kMenuClose = "<!-- /halvero-menu -->";
    static constexpr std::string_view kStyleOpen = "<!-- halvero-menu-style -->";
    static constexpr std::string_view kStyleClose = "<!-- /halvero-menu-style -->";
    static constexpr std::string_view kBreadcrumbOpen = "<!-- halvero-breadcrumb -->";
    static constexpr std::string_view kBreadcrumbClose = "<!-- /halvero-breadcrumb -->";
    static constexpr std::string_view kLanguagesOpen = "<!-- halvero-languages -->";
    static constexpr std::string_view kLanguagesClose = "<!-- /halvero-languages -->";

    // Where the text between a pair of markers is.
    struct Span {
        std::size_t begin = 0, end = 0;
        bool found = false;
    };
    struct Markers {
        Span style, menu, breadcrumb, languages;
        bool any() const {
            return style.found || menu.found || breadcrumb.found || languages.found;
        }
    };
    // The markers of `page`. Throws SitePageError for a marker without its
    // pair, a pair inside another, a closing marker before its opening one,
    // a pair given twice, and a marker inside a comment, a <script> or a
    // <style> (where it marks nothing).
    static Markers find(std::string_view page);

    enum class Outcome { Unchanged, Changed, NoMarkers };
    struct Result {
        Outcome outcome = Outcome::NoMarkers;
        std::string text;               // the new page, for Changed
        int adoptedLine = 0;            // the line of the <nav> the menu took the place of
        std::vector<std::string> notes; // what a visitor would miss: "no element with id ..."
    };
    // What is the same for every page of a run.
    struct Site {
        std::string style;      // the <style> block, without a stylesheet
        std::string stylesheet; // the one stylesheet's path from the root, or empty
        bool script = false;    // with a stylesheet: the menu's script file is linked
        bool adopt = false;     // pages without markers take them in place of their <nav>
                                // (the menu's pages are the blocks')
        std::shared_ptr<const MenuBlocks> blocks; // what the markers take, by folder
    };
    // `pages`: the site's pages, for a menu in several languages (see
    // SiteLanguages), or nullptr.
    static Site site(const MenuSettings& settings, bool adopt = false,
                     const SiteLanguages::Pages* pages = nullptr);
    // The page at `pagePath` (from the site's root, "blog/index.html") with
    // the menu of `settings` and `site` (site() of the same settings) in
    // place. Throws SitePageError.
    static Result update(std::string_view page, const MenuSettings& settings,
                         std::string_view pagePath, const Site& site);
    static Result update(std::string_view page, const MenuSettings& settings,
                         std::string_view pagePath, std::string_view style);
    // The menu's <style> block, the same for every page.
    static std::string style(const MenuSettings& settings);
    // With one stylesheet: its text, and the menu's script's (empty when
    // the menu needs none), and where the script goes (the stylesheet's
    // path with .js for .css).
    static std::string styleSheet(const MenuSettings& settings);
    static std::string scriptFile(const MenuSettings& settings);
    static std::string scriptPath(std::string_view stylesheet);
};

} // namespace halvero
