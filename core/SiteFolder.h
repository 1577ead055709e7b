#pragma once

#include "core/MenuSettings.h"

#include <string>
#include <system_error>
#include <vector>

namespace halvero {

// The pages of a site's folder, and the menu written into one of them, for
// --site and the window's Update Site alike. SiteUpdate does the text;
// this reads the page, and writes it as PageFile writes a page.
class SiteFolder {
public:
    enum class Outcome { Updated, Unchanged, Differs, NoMarkers, Outside, Unreadable, Unwritable };
    static constexpr int kOutcomes = 7;
    static_assert(static_cast<int>(Outcome::Unwritable) + 1 == kOutcomes);

    struct Page {
        std::string path;    // from the site's root, with "/"
        std::string file;    // where it is on disk
        std::string target;  // the file it is, links followed
        bool linked = false; // a symbolic link
        Outcome outcome = Outcome::Unchanged;
        std::string problem; // for Unreadable and Unwritable
    };

    // The .html and .htm pages under `root`, sorted by their path from it:
    // hidden files and folders passed over, links to folders not followed,
    // a link to a page outside the site marked Outside, and a link to a
    // page of the site left out (the page is done in its own place).
    static std::vector<Page> pages(const std::string& root, std::error_code& failure);
    // Gives `page` the menu of `settings` (`style`: SiteUpdate::style of
    // them) and sets its outcome: with `check`, nothing is written and a
    // page that would change is Differs. A page that changed on disk since
    // it was read is not written (Unwritable).
    static void update(Page& page, const MenuSettings& settings, const std::string& style,
                       bool check);
    // How many pages to do at once: writing a page waits for the disk more
    // than for a core.
    static unsigned threads();
};

} // namespace halvero
