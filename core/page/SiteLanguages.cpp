#include "core/page/SiteLanguages.h"

#include "core/page/PageWords.h"
#include "core/page/SiteLinks.h"
#include "core/settings/LanguageTag.h"
#include "core/text/TextEncoding.h"

namespace halvero {

namespace {

const Setting& lookSetting(PageLook::Key key) {
    return SettingTable::page()[key];
}

bool sameTag(std::string_view a, std::string_view b) {
    return asciiLower(a) == asciiLower(b);
}

} // namespace

SiteLanguages::SiteLanguages(const MenuSettings& settings, const Pages* pages)
    : m_languages(settings.languages()), m_items(settings.menuItems()),
      m_base(settings.pageLook().value(PageLook::kSiteBase)),
      m_siteUrl(settings.pageLook().value(PageLook::kSiteUrl)),
      m_missing(settings.pageLook().value(PageLook::kMissingTranslation)), m_pages(pages) {
    const std::string& ownLanguage = settings.pageLook().value(PageLook::kLanguage);
    for (std::size_t i = 0; i < m_languages.size(); ++i) {
        MenuSettings in = settings;
        in.setObserver(nullptr);
        in.setMenuItems(itemsIn(m_items, static_cast<int>(i)));
        // Words set for the page's language are that language's alone.
        if (!sameTag(m_languages[i].tag, ownLanguage))
            for (PageLook::Key word :
                 {PageLook::kMenuButtonLabel, PageLook::kWordMenu, PageLook::kWordSubMenu,
                  PageLook::kWordNewTab, PageLook::kWordBreadcrumb, PageLook::kWordSkipLink,
                  PageLook::kWordLanguages})
                in.setValue(lookSetting(word), "");
        in.setValue(lookSetting(PageLook::kLanguage), m_languages[i].tag);
        m_settings.push_back(std::move(in));
    }
}

int SiteLanguages::languageOf(std::string_view pagePath) const {
    return SiteLanguage::languageOf(m_languages, pagePath);
}

bool SiteLanguages::isThere(std::string_view page) const {
    return !m_pages || m_pages->contains(page);
}

std::string SiteLanguages::linkIn(const MenuItem& item, const std::vector<SiteLanguage>& languages,
                                  int index, std::string_view base) {
    const SiteLanguage& language = languages[static_cast<std::size_t>(index)];
    if (index == 0)
        return item.link;
    if (const auto own = item.links.find(language.tag); own != item.links.end())
        return own->second;
    const std::string link = MenuItem::cleanLink(item.link);
    // Into the language's folder: after the path the site is served under
    // for a link from it, in place of the default language's folder.
    std::size_t at = 0;
    if (!SiteLinks::isFromRoot(link)) {
        if (base.empty() || !link.starts_with(base))
            return item.link; // another site's, or the same from every page
        at = base.size();
    }
    std::string_view rest = std::string_view(link).substr(at);
    if (link.empty())
        return {};
    if (rest.starts_with(languages[0].folder))
        rest.remove_prefix(languages[0].folder.size());
    return link.substr(0, at) + language.folder + std::string(rest);
}

std::vector<MenuItem> SiteLanguages::itemsIn(const std::vector<MenuItem>& items, int index) const {
    const SiteLanguage& language = m_languages[static_cast<std::size_t>(index)];
    std::vector<MenuItem> in;
    for (const MenuItem& item : items) {
        MenuItem made = item;
        made.labels.clear();
        made.links.clear();
        if (const auto own = item.labels.find(language.tag); own != item.labels.end() && index > 0)
            made.label = own->second;
        made.link = linkIn(item, index);
        made.items = itemsIn(item.items, index);
        const std::string page = SiteLinks::pageOf(MenuItem::cleanLink(made.link), m_base);
        if (index > 0 && !page.empty() && !isThere(page)) {
            if (m_missing == "omit") {
                if (made.items.empty())
                    continue;
                made.link.clear(); // it heads what is there of its sub-menu
            } else if (m_missing == "home") {
                made.link = language.folder + "index.html";
            } else {
                made.link = item.link;
                made.label = item.label;
                made.language = m_languages[0].tag;
                made.languageName = m_languages[0].name;
            }
        }
        if (made.link.empty() && made.items.empty())
            continue;
        in.push_back(std::move(made));
    }
    return in;
}

std::string SiteLanguages::counterpart(std::string_view pagePath, int from, int to,
                                       bool* there) const {
    *there = true;
    if (from == to)
        return std::string(pagePath);
    const SiteLanguage& source = m_languages[static_cast<std::size_t>(from)];
    const SiteLanguage& target = m_languages[static_cast<std::size_t>(to)];
    const std::string same = target.folder + std::string(pagePath.substr(source.folder.size()));
    if (m_pages ? m_pages->contains(same) : languageOf(same) == to)
        return same;
    std::string paired;
    MenuItem::visit(m_items, [&](const MenuItem& item, int, const std::string&) {
        if (!paired.empty() ||
            SiteLinks::pageOf(MenuItem::cleanLink(linkIn(item, from)), m_base) != pagePath)
            return;
        const std::string page = SiteLinks::pageOf(MenuItem::cleanLink(linkIn(item, to)), m_base);
        if (!page.empty() && isThere(page))
            paired = page;
    });
    if (!paired.empty())
        return paired;
    *there = false; // no counterpart: the language's home page stands in
    return target.folder + "index.html";
}

std::string SiteLanguages::switcher(std::string_view pagePath) const {
    const int own = languageOf(pagePath);
    if (own < 0)
        return {};
    const PageWords words = PageWords::of(settingsIn(own).pageLook());
    std::string text = "<nav class=\"halvero-languages\" aria-label=\"";
    appendHtmlEscaped(text, words.languageList);
    text += "\">\n  <ul class=\"halvero-languages__list\">\n";
    for (int i = 0; i < static_cast<int>(m_languages.size()); ++i) {
        const SiteLanguage& language = m_languages[static_cast<std::size_t>(i)];
        bool there = false; // a home page in place of a counterpart is led to all the same
        const std::string page = counterpart(pagePath, own, i, &there);
        text += "    <li class=\"halvero-languages__item\"><a href=\"";
        appendHtmlEscaped(text, SiteLinks::from(pagePath, page));
        text += "\" lang=\"";
        appendHtmlEscaped(text, language.tag);
        text += "\" hreflang=\"";
        appendHtmlEscaped(text, language.tag);
        text += "\"";
        if (LanguageTag::isRightToLeft(language.tag) != words.rightToLeft)
            text += words.rightToLeft ? " dir=\"ltr\"" : " dir=\"rtl\"";
        if (i == own)
            text += " aria-current=\"page\"";
        text += ">";
        appendHtmlEscaped(text, language.name);
        text += "</a></li>\n";
    }
    return text + "  </ul>\n</nav>\n";
}

std::string SiteLanguages::alternates(std::string_view pagePath) const {
    const int own = languageOf(pagePath);
    if (own < 0)
        return {};
    std::string text;
    for (int i = 0; i < static_cast<int>(m_languages.size()); ++i) {
        bool there = false;
        const std::string page = counterpart(pagePath, own, i, &there);
        if (!there)
            continue;
        text += "<link rel=\"alternate\" hreflang=\"";
        appendHtmlEscaped(text, m_languages[static_cast<std::size_t>(i)].tag);
        text += "\" href=\"";
        appendHtmlEscaped(text,
                          m_siteUrl.empty() ? SiteLinks::from(pagePath, page) : m_siteUrl + page);
        text += "\">\n";
    }
    return text;
}

} // namespace halvero
