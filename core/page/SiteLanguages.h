#pragma once

#include "core/settings/MenuSettings.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// A site in several languages (MenuSettings::languages), each in a folder
// of its own: the menu in each language, the language of a page, its
// counterparts in the others and the language switcher that leads to them.
//
// An item's link in a language is its own there (MenuItem::links), else
// its link moved into that language's folder ("about.html" is
// "de/about.html"); its label, its own there, else its label. When the
// site's pages are known, an item whose page is not there in a language is
// left out, leads to the default language's page (marked as being in that
// language), or to the language's home page (page.missingTranslation).
class SiteLanguages {
public:
    using Pages = std::set<std::string, std::less<>>;

    // `pages`: the site's pages from its root, or nullptr when unknown
    // (every page is then taken to be there).
    SiteLanguages(const MenuSettings& settings, const Pages* pages);

    bool empty() const { return m_languages.empty(); }
    // The link of `item` in language `index` of `languages`, for a site
    // served under `base`: its own there, else its link moved into that
    // language's folder (the first language's, its link as it stands).
    static std::string linkIn(const MenuItem& item, const std::vector<SiteLanguage>& languages,
                              int index, std::string_view base);
    // The language of the page at `pagePath` (its folder's); -1 for none.
    int languageOf(std::string_view pagePath) const;
    // The menu in language `index`: its items' labels and links, its
    // words, page.language its tag.
    const MenuSettings& settingsIn(int index) const {
        return m_settings[static_cast<std::size_t>(index)];
    }
    // The language switcher for the page at `pagePath`: a <nav> listing
    // every language by its own name, each leading to the page's
    // counterpart in it, the page's own marked; empty for a page in no
    // language.
    std::string switcher(std::string_view pagePath) const;
    // <link rel="alternate" hreflang> lines for every counterpart of the
    // page that is there, its own included; from the site's address when
    // it is set.
    std::string alternates(std::string_view pagePath) const;

private:
    // The page in language `to` that the page at `pagePath`, in language
    // `from`, stands for: the same path in its folder, else the page the
    // items pair with it, else its home page; `there` tells whether it is
    // a counterpart of the site's (not the home page standing in).
    std::string counterpart(std::string_view pagePath, int from, int to, bool* there) const;
    std::string linkIn(const MenuItem& item, int index) const {
        return linkIn(item, m_languages, index, m_base);
    }
    bool isThere(std::string_view page) const;
    std::vector<MenuItem> itemsIn(const std::vector<MenuItem>& items, int index) const;

    std::vector<SiteLanguage> m_languages;
    std::vector<MenuItem> m_items;
    std::string m_base, m_siteUrl, m_missing;
    const Pages* m_pages;
    std::vector<MenuSettings> m_settings; // the menu in each language
};

} // namespace halvero
