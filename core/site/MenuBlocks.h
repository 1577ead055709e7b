#pragma once

#include "core/page/SiteLanguages.h"
#include "core/settings/MenuSettings.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace halvero {

// What Halvero writes between the menu's and the trail's markers of a
// site's page, in UTF-8. A page that no item leads to has no current item,
// so it shows what every such page of its folder shows: that is made once
// for the folder and shared. In a site of several languages, each page's
// menu is in its folder's language. Safe to ask from several threads at
// once.
class MenuBlocks {
public:
    struct Blocks {
        std::string nav;        // the menu's <nav>
        std::string trail;      // the breadcrumb trail
        bool trailEmpty = true; // the page is not in the menu
        std::string skipTo;     // the id the skip link leads to, or empty
    };

    // `sharedScript`: the menu's script comes from the site's own file;
    // `pages`: the site's pages, for a menu in several languages, or
    // nullptr (every page taken to be there).
    MenuBlocks(const MenuSettings& settings, bool sharedScript,
               const SiteLanguages::Pages* pages = nullptr);

    std::shared_ptr<const Blocks> of(std::string_view pagePath) const;
    // The pages of the site that items lead to (PageModel::sitePages).
    const std::set<std::string, std::less<>>& menuPages() const { return m_menuPages; }
    // The menu in each of the site's languages, and their switcher.
    const SiteLanguages& languages() const { return m_languages; }

private:
    Blocks make(std::string_view pagePath) const;

    const MenuSettings m_settings;
    bool m_sharedScript;
    std::optional<SiteLanguages::Pages> m_pages;
    SiteLanguages m_languages;
    std::set<std::string, std::less<>> m_menuPages;
    mutable std::mutex m_mutex;
    mutable std::map<std::string, std::shared_ptr<const Blocks>, std::less<>> m_folders;
};

} // namespace halvero
