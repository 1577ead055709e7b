#include "core/site/SiteJob.h"

#include "core/page/SiteLinks.h"
#include "core/site/SiteUpdate.h"
#include "core/text/PathGlob.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <thread>

namespace halvero {

namespace {

// "plain.html", "a.html, b.html and 3 more".
template <typename Items, typename Name> std::string names(const Items& items, Name name) {
    constexpr std::size_t kShown = 5;
    std::string text;
    std::size_t shown = 0;
    for (const auto& item : items) {
        if (shown == kShown)
            break;
        text += (shown++ ? ", " : "") + printableName(name(item));
    }
    if (items.size() > kShown)
        text += " and " + std::to_string(items.size() - kShown) + " more";
    return text;
}

std::string counted(std::size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

SiteJob::SiteJob(const MenuSettings& settings, std::string root, bool adopt)
    : m_settings(settings), m_root(std::move(root)) {
    m_settings.setObserver(nullptr);
    m_site = SiteUpdate::site(m_settings, adopt);
}

void SiteJob::checkLinks(const SiteFolder& folder) {
    m_brokenLinks.clear();
    m_hints.clear();
    const std::string& base = m_settings.pageLook().value(PageLook::kSiteBase);
    MenuItem::visit(m_settings.menuItems(), [&](const MenuItem& item, int,
                                                const std::string& number) {
        const std::string link = MenuItem::cleanLink(item.link);
        bool folderLink = false;
        const std::string page = SiteLinks::pageOf(link, base, &folderLink);
        // A link from the root the site is served under marks nothing
        // until the settings say where that is: said once, not a fault.
        if (page.empty() && base.empty() && link.starts_with('/') && !link.starts_with("//") &&
            m_hints.empty())
            m_hints.push_back(MenuItem::describe(number, item) + ": " + printableName(link) +
                              " is written from the root the site is served under; with "
                              "page.siteBase=/ such links mark their page as current and are "
                              "checked");
        // A folder's link is good when the folder is there: the server
        // picks its index page.
        const auto check = [&](const std::string& page, bool folderLink, const std::string& said) {
            const std::string target =
                folderLink ? page.substr(0, page.size() - std::string_view("index.html").size())
                           : page;
            if (!page.empty() && !folder.holds(target.empty() ? "." : target))
                m_brokenLinks.push_back(said + " leads to no file of the site");
        };
        check(page, folderLink, MenuItem::describe(number, item) + ": " + printableName(link));
        // A link of its own in one of the site's languages is checked as
        // well; one moved into a language's folder may be missing there,
        // which page.missingTranslation answers.
        for (const SiteLanguage& language : m_settings.languages()) {
            const auto own = item.links.find(language.tag);
            if (own == item.links.end())
                continue;
            const std::string ownLink = MenuItem::cleanLink(own->second);
            bool ownFolder = false;
            const std::string ownPage = SiteLinks::pageOf(ownLink, base, &ownFolder);
            check(ownPage, ownFolder,
                  MenuItem::describe(number, item) + " in " + language.tag + ": " +
                      printableName(ownLink));
        }
    });
}

void SiteJob::writeShared(const SiteFolder& folder, bool check) {
    m_shared.clear();
    if (m_site.stylesheet.empty())
        return;
    const std::pair<std::string, std::string> files[] = {
        {m_site.stylesheet, SiteUpdate::styleSheet(m_settings)},
        {SiteUpdate::scriptPath(m_site.stylesheet), SiteUpdate::scriptFile(m_settings)}};
    for (const auto& [path, text] : files) {
        if (text.empty())
            continue;
        Page file{path, Outcome::Unchanged, {}, false, 0, {}, {}};
        file.outcome = folder.writeFile(path, text, check, file.problem);
        m_shared.push_back(std::move(file));
    }
}

SiteJob::~SiteJob() = default;

bool SiteJob::run(bool check, Busy busy, bool onlyDiffering, const std::function<void()>& waiting) {
    m_cancel = false;
    m_done = 0;
    m_removed = 0;
    m_leftoverProblems.clear();
    // A fresh descriptor for each run: the lock goes with it.
    std::unique_ptr<SiteFolder> opened;
    try {
        opened = std::make_unique<SiteFolder>(m_root);
    } catch (const SiteFolderError& error) {
        m_problem = error.what();
        return false;
    }
    SiteFolder& folder = *opened;
    const SiteFolder::Lock lock = check ? SiteFolder::Lock::Shared : SiteFolder::Lock::Alone;
    if (!folder.tryLock(lock)) {
        if (busy == Busy::Refuse) {
            m_problem = "another run is updating this site; try again when it has finished";
            return false;
        }
        if (waiting)
            waiting();
        folder.waitLock(lock);
    }
    // What the site holds once any other run is done.
    if (!onlyDiffering) {
        m_walk = folder.walk();
        const PathGlob excluded(m_settings.pageLook().value(PageLook::kSiteExclude));
        if (!excluded.empty())
            for (Page& page : m_walk.pages)
                if (excluded.matches(page.path))
                    page = {page.path, Outcome::Excluded, {}, false, 0, {}, {}};
        // In several languages, each page's menu leaves out, or leads
        // elsewhere than, the pages its language does not have.
        if (!m_settings.languages().empty()) {
            SiteLanguages::Pages there;
            for (const Page& page : m_walk.pages)
                there.insert(page.path);
            m_site = SiteUpdate::site(m_settings, m_site.adopt, &there);
        }
    }
    checkLinks(folder);
    // The one stylesheet before the pages that link to it.
    writeShared(folder, check);

    std::vector<Page>& pages = m_walk.pages;
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t i; !m_cancel && (i = next++) < pages.size(); ++m_done) {
            Page& page = pages[i];
            if (page.outcome == Outcome::Outside || page.outcome == Outcome::NotAPage ||
                page.outcome == Outcome::Excluded ||
                (onlyDiffering && page.outcome != Outcome::Differs))
                continue;
            folder.update(page, m_settings, m_site, check);
        }
    };
    const unsigned threads =
        std::max<std::size_t>(1, std::min<std::size_t>(SiteFolder::threads(), pages.size()));
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    if (!check && !m_cancel) {
        for (const std::string& leftover : m_walk.leftovers) {
            if (std::string problem = folder.removeLeftover(leftover); problem.empty())
                ++m_removed;
            else
                m_leftoverProblems.push_back({leftover, std::move(problem)});
        }
    }
    return true;
}

std::size_t SiteJob::count(Outcome outcome) const {
    return static_cast<std::size_t>(
        std::count_if(m_walk.pages.begin(), m_walk.pages.end(),
                      [&](const Page& page) { return page.outcome == outcome; }));
}

std::vector<SiteJob::Line> SiteJob::report(bool check) const {
    std::vector<Line> lines;
    for (const SiteFolder::Problem& folder : m_walk.folders)
        lines.push_back({printableName(folder.path + "/") + ": cannot be read (" + folder.problem +
                             "); its pages are not updated",
                         true});
    for (const std::string& broken : m_brokenLinks)
        lines.push_back({broken, true});
    for (const std::string& hint : m_hints)
        lines.push_back({hint, true});
    for (const Page& file : m_shared) {
        const std::string name = printableName(file.path);
        if (file.outcome == Outcome::Updated)
            lines.push_back({"updated: " + name + " (the site's one stylesheet)"});
        else if (file.outcome == Outcome::Differs)
            lines.push_back({"differs: " + name + " (the site's one stylesheet)"});
        else if (file.outcome == Outcome::Unwritable)
            lines.push_back({name + ": " + file.problem, true});
    }
    for (const Page& page : m_walk.pages) {
        const std::string name = printableName(page.path);
        const std::string adopted = page.adoptedLine > 0
                                        ? " (the menu in place of its <nav> on line " +
                                              std::to_string(page.adoptedLine) + ")"
                                        : "";
        switch (page.outcome) {
        case Outcome::Updated:
            lines.push_back(
                {(page.adoptedLine > 0 ? "adopted: " : "updated: ") + name + adopted +
                 (page.hardLinked ? " (its other name, a hard link, keeps the old page)" : "")});
            break;
        case Outcome::Differs: {
            lines.push_back(
                {(page.adoptedLine > 0 ? "would adopt: " : "differs: ") + name + adopted});
            std::string_view diff = page.diff;
            while (!diff.empty()) {
                const std::size_t end = std::min(diff.find('\n'), diff.size());
                lines.push_back({"  " + printableName(diff.substr(0, end))});
                diff.remove_prefix(std::min(end + 1, diff.size()));
            }
            break;
        }
        case Outcome::Outside:
        case Outcome::NotAPage:
        case Outcome::Unreadable:
        case Outcome::Unwritable:
            lines.push_back({name + ": " + page.problem, true});
            break;
        default:
            break;
        }
        if (page.outcome == Outcome::NoMarkers && check && page.notes.empty())
            lines.push_back({name + ": no markers (add them, adopt its <nav> with --adopt, or "
                                    "leave it out with page.siteExclude)",
                             true});
        for (const std::string& note : page.notes)
            lines.push_back({name + ": " + note, true});
    }
    if (check)
        for (const std::string& leftover : m_walk.leftovers)
            lines.push_back({printableName(leftover) +
                                 ": a copy left by a write that was stopped; an update removes it",
                             true});
    for (const SiteFolder::Problem& leftover : m_leftoverProblems)
        lines.push_back({printableName(leftover.path) +
                             ": a copy left by a write that was "
                             "stopped, not removed: " +
                             leftover.problem,
                         true});

    const std::size_t pages = m_walk.pages.size();
    std::string summary = counted(pages, "page: ", "pages: ");
    summary += check ? std::to_string(count(Outcome::Differs)) + " differ, "
                     : std::to_string(count(Outcome::Updated)) + " updated, ";
    summary += std::to_string(count(Outcome::Unchanged)) + " unchanged";
    if (const std::size_t failed = count(Outcome::Unreadable) + count(Outcome::Unwritable))
        summary += ", " + std::to_string(failed) + " failed";
    if (const std::size_t none = count(Outcome::NoMarkers)) {
        std::vector<std::string> without;
        for (const Page& page : m_walk.pages)
            if (page.outcome == Outcome::NoMarkers)
                without.push_back(page.path);
        summary += "; " + std::to_string(none) + " without markers: " +
                   names(without, [](const std::string& path) { return std::string_view(path); });
    }
    if (const std::size_t excluded = count(Outcome::Excluded))
        summary += "; " + std::to_string(excluded) + " excluded";
    if (!m_brokenLinks.empty())
        summary +=
            "; " + counted(m_brokenLinks.size(), "item link", "item links") + " leading to no file";
    if (const std::size_t outside = count(Outcome::Outside))
        summary += "; " + std::to_string(outside) + " leading out of the site";
    if (const std::size_t notPages = count(Outcome::NotAPage))
        summary += "; " + counted(notPages, "not a page", "not pages");
    if (!m_walk.folders.empty())
        summary += "; " + counted(m_walk.folders.size(), "folder", "folders") +
                   " not read: " + names(m_walk.folders, [](const SiteFolder::Problem& folder) {
                       return std::string_view(folder.path);
                   });
    if (check && !m_walk.leftovers.empty())
        summary +=
            "; " + counted(m_walk.leftovers.size(), "copy", "copies") + " left by a stopped write";
    if (m_removed)
        summary += "; " + counted(m_removed, "copy", "copies") + " left by a stopped write removed";
    if (m_cancel)
        summary += " (cancelled)";
    lines.push_back({summary});
    return lines;
}

int SiteJob::status(bool check) const {
    const auto sharedAre = [&](Outcome outcome) {
        return std::any_of(m_shared.begin(), m_shared.end(),
                           [&](const Page& file) { return file.outcome == outcome; });
    };
    if (count(Outcome::Unwritable) || sharedAre(Outcome::Unwritable))
        return 2;
    const bool failed = count(Outcome::Unreadable) || !m_walk.folders.empty() ||
                        !m_leftoverProblems.empty() || m_cancel;
    const bool checkFailed = !m_walk.leftovers.empty() || count(Outcome::Differs) ||
                             count(Outcome::NoMarkers) || !m_brokenLinks.empty() ||
                             sharedAre(Outcome::Differs);
    return failed || (check && checkFailed) ? 1 : 0;
}

} // namespace halvero
