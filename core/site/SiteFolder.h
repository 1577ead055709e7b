#pragma once

#include "core/settings/MenuSettings.h"

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
        Unwritable
    };
    static constexpr int kOutcomes = 8;
    static_assert(static_cast<int>(Outcome::Unwritable) + 1 == kOutcomes);

    struct Page {
        std::string path; // from the site's root, with "/"
        Outcome outcome = Outcome::Unchanged;
        std::string problem;     // why, for Outside, NotAPage, Unreadable, Unwritable
        bool hardLinked = false; // it had another name, which keeps the old page
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
    // Gives `page` the menu of `settings` (`style`: SiteUpdate::style of
    // them) and sets its outcome: with `check`, nothing is written and a
    // page that would change is Differs. A page that changed on disk since
    // it was read is not written (Unwritable).
    void update(Page& page, const MenuSettings& settings, const std::string& style,
                bool check) const;
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
