#pragma once

#include "core/settings/MenuSettings.h"
#include "core/site/SiteFolder.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace halvero {

// One run of the menu over a site's pages, for `halvero --site` and the
// window's Update Site alike: the folder opened and locked, its pages
// walked, then read (a check) or written (an update) on worker threads,
// one page at a time each, so memory stays small whatever the site's size.
// Copies left in the site by a write that was stopped are named by a
// check and removed by an update.
class SiteJob {
public:
    using Outcome = SiteFolder::Outcome;
    using Page = SiteFolder::Page;

    // Takes its own copy of `settings`; the page's style is made once.
    // `adopt`: pages without markers take them in place of their own
    // navigation (NavAdopter).
    SiteJob(const MenuSettings& settings, std::string root, bool adopt = false);
    ~SiteJob();

    // How a run waits for another run of the same site: `Wait` calls
    // `waiting` once, then waits; `Refuse` returns at once.
    enum class Busy { Wait, Refuse };
    // Reads every page (a check: nothing written) or writes the menu into
    // them (an update; `onlyDiffering`: only the pages an earlier check of
    // this job found to differ), the folder walked first (but for
    // `onlyDiffering`). Returns false, with problem(), when the folder
    // cannot be opened, or another run holds the site and `busy` is Refuse.
    bool run(bool check, Busy busy, bool onlyDiffering = false,
             const std::function<void()>& waiting = {});
    // Stops a run before its next page (from any thread).
    void cancel() { m_cancel = true; }
    bool cancelled() const { return m_cancel; }
    // How many pages the run has done, for a progress bar (any thread).
    std::size_t done() const { return m_done; }

    const std::string& problem() const { return m_problem; }
    const std::vector<Page>& pages() const { return m_walk.pages; }
    const std::vector<SiteFolder::Problem>& folders() const { return m_walk.folders; }
    const std::vector<std::string>& leftovers() const { return m_walk.leftovers; }
    std::size_t count(Outcome outcome) const;
    // The items whose link is a page of the site that leads to no file
    // ("item 4 (Contact): contcat.html leads to no file of the site").
    const std::vector<std::string>& brokenLinks() const { return m_brokenLinks; }
    // The one stylesheet's files (page.stylesheet and its script) as the
    // run left them; none without one.
    const std::vector<Page>& sharedFiles() const { return m_shared; }
    // The copies an update removed, and those it could not.
    std::size_t removedLeftovers() const { return m_removed; }
    const std::vector<SiteFolder::Problem>& leftoverProblems() const { return m_leftoverProblems; }

    // What the last run did, as the command line reports it: a line for
    // each page changed or not done (with a check, and how it differs) and
    // for each folder or copy in the way, each broken link and each page
    // a visitor would find lacking (`problem` marks those for standard
    // error), then the summary ("7 pages: 6 updated, 0 unchanged; ...").
    struct Line {
        std::string text;
        bool problem = false;
    };
    std::vector<Line> report(bool check) const;
    // The exit status of the run: 0 every page with markers is up to
    // date, 1 a page or folder that could not be read or has broken
    // markers, a leftover copy (or, with a check, a page or the stylesheet
    // that differs, a page without markers that is not excluded, or an
    // item's link to no file), 2 a page that could not be written.
    int status(bool check) const;

private:
    void checkLinks(const SiteFolder& folder);
    void writeShared(const SiteFolder& folder, bool check);

    MenuSettings m_settings;
    std::string m_root;
    SiteUpdate::Site m_site;
    std::vector<std::string> m_brokenLinks;
    std::vector<std::string> m_hints; // what the settings might want, not a fault
    std::vector<Page> m_shared;
    SiteFolder::Walk m_walk;
    std::string m_problem;
    std::size_t m_removed = 0;
    std::vector<SiteFolder::Problem> m_leftoverProblems;
    std::atomic<bool> m_cancel{false};
    std::atomic<std::size_t> m_done{0};
};

} // namespace halvero
