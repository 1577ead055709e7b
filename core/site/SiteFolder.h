#pragma once

#include "core/settings/MenuSettings.h"
#include "core/site/SiteUpdate.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace halvero {

// Why a site's folder cannot be used at all: it cannot be opened, or it is
// no folder.
class SiteFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A site's folder, open: its pages, and the menu written into one of them,
// for --site and the window's Update Site alike (SiteJob runs them).
// SiteUpdate does the text; this reads and writes the pages.
//
// Every file is reached from the folder's own descriptor one name at a
// time, following no symbolic link, at the moment it is read and again
// when it is written: a page or folder swapped for a link while the site
// is updated is refused, not written through. The walk holds one
// descriptor at a time, however deep the folders go.
class SiteFolder {
public:
    enum class Outcome {
        Updated,
        Unchanged,
        Differs,
        NoMarkers,
        Outside,  // a link out of the site, or into a hidden folder
        NotAPage, // named .html but no file: a FIFO, a device, a broken link
        Unreadable,
        Unwritable,
        Excluded // named by page.siteExclude: not read
    };
    static constexpr int kOutcomes = 9;
    static_assert(static_cast<int>(Outcome::Excluded) + 1 == kOutcomes);

    struct Page {
        std::string path; // from the site's root, with "/"
        Outcome outcome = Outcome::Unchanged;
        std::string problem;            // why, for Outside, NotAPage, Unreadable, Unwritable
        bool hardLinked = false;        // it had another name, which keeps the old page
        int adoptedLine = 0;            // the menu took the place of the <nav> on this line
        std::vector<std::string> notes; // what a visitor would miss (SiteUpdate::Result)
        std::string diff;               // with a check, how the page differs
    };
    // A folder of the site that could not be read, or a file that is in
    // the way.
    struct Problem {
        std::string path;
        std::string problem;
    };
    struct Walk {
        std::vector<Page> pages;            // sorted by path
        std::vector<Problem> folders;       // not read: their pages are not in `pages`
        std::vector<std::string> leftovers; // copies left by a write that was stopped
    };

    // Opens the folder `root`. Throws SiteFolderError.
    explicit SiteFolder(const std::string& root);
    ~SiteFolder();
    SiteFolder(const SiteFolder&) = delete;
    SiteFolder& operator=(const SiteFolder&) = delete;

    // One run at a time: an update holds the site alone, a check shares
    // it with other checks. tryLock returns false while another run holds
    // it; waitLock waits for it. The lock goes with the folder.
    enum class Lock { Shared, Alone };
    bool tryLock(Lock lock);
    void waitLock(Lock lock);

    // The .html and .htm pages under the root: hidden files and folders
    // passed over (but for the copies a stopped write left), links to
    // folders not followed, a link to a page outside the site or in a
    // hidden folder marked Outside, and a link to a page of the site left
    // out (the page is done in its own place).
    Walk walk() const;
    // Gives `page` the menu of `settings` (`site`: SiteUpdate::site of
    // them) and sets its outcome: with `check`, nothing is written and a
    // page that would change is Differs, with its diff. A page that changed
    // on disk since it was read is not written (Unwritable).
    void update(Page& page, const MenuSettings& settings, const SiteUpdate::Site& site,
                bool check) const;
    // Whether the site holds a file or folder at `path` (from the root).
    bool holds(const std::string& path) const;
    // Writes `text` to the file at `path` (from the root), its folders made
    // as needed, unless it holds that already; with `check` only compares.
    // Returns what happened: Updated, Unchanged, Differs or Unwritable
    // (with `problem`).
    Outcome writeFile(const std::string& path, const std::string& text, bool check,
                      std::string& problem) const;
    // Removes a copy that walk() found; returns why not, or an empty text.
    std::string removeLeftover(const std::string& path) const;

    // How many pages to do at once: writing a page waits for the disk more
    // than for a core.
    static unsigned threads();

private:
    std::string m_root; // as given, for links' targets
    int m_fd = -1;
};

} // namespace halvero
