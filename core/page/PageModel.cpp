#include "core/page/PageModel.h"

#include "core/page/SiteLinks.h"
#include "core/text/TextEncoding.h"

#include <algorithm>

namespace halvero {

namespace {

std::string valid(std::string_view text) {
    return isValidUtf8(text) ? std::string(text) : toValidUtf8(text);
}

PageModel::Look lookOf(const MenuSettings& settings, const ItemEntries& entries) {
    auto v = [&](int index) { return valid(settings.value(index)); };
    auto border = [&](const BorderEntries& b) {
        return PageModel::Border{v(b.width), asciiLower(v(b.type)), v(b.color)};
    };
    return {v(entries.fontName),   v(entries.fontSize),   v(entries.fontColor),
            v(entries.backColor),  border(entries.left),  border(entries.top),
            border(entries.right), border(entries.bottom)};
}

std::string cleanLink(const MenuItem& item) {
    return valid(MenuItem::isClean(item.link) ? std::string_view(item.link)
                                              : std::string_view(MenuItem::cleanLink(item.link)));
}

// The first link of `items` and their sub-menus, or "".
std::string firstLink(const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (std::string link = cleanLink(item); !link.empty())
            return link;
        if (std::string link = firstLink(item.items); !link.empty())
            return link;
    }
    return {};
}

bool holdsCurrent(const std::vector<MenuItem>& items) {
    return std::any_of(items.begin(), items.end(), [](const MenuItem& item) {
        return item.current || holdsCurrent(item.items);
    });
}

// Builds the model's items; for a site's page, marks the first item that
// leads to it and rewrites the links for its folder.
struct Builder {
    const std::string& menuTarget;
    std::string_view sitePage; // empty: not a site's page
    std::string_view base;     // the path the site is served under, or empty
    bool found = false;        // the site's page has its current item
    std::vector<PageModel::Step> path, trail;

    // `item` as the page shows it, `levels` deep; whether it or an item of
    // its sub-menu is the current one.
    bool build(const MenuItem& item, int levels, PageModel::Item& out) {
        out.label = valid(item.trimmedLabel());
        out.link = cleanLink(item);
        out.tooltip = valid(item.tooltip);
        out.target = item.target.empty() ? menuTarget : item.target;
        out.current = item.current;
        out.language = valid(item.language);
        out.languageName = valid(item.languageName);
        std::string page;
        if (!sitePage.empty()) {
            page = SiteLinks::pageOf(out.link, base);
            out.current = !found && !page.empty() && page == sitePage;
            found = found || out.current;
            if (base.empty() || !out.link.starts_with(base))
                out.link = SiteLinks::from(sitePage, out.link);
            path.push_back({out.label, out.link, page});
            if (out.current)
                trail = path;
        }
        struct Leave {
            Builder& builder;
            bool site;
            ~Leave() {
                if (site)
                    builder.path.pop_back();
            }
        } leave{*this, !sitePage.empty()};
        if (levels <= 1) {
            if (out.link.empty())
                out.link = firstLink(item.items);
            out.holdsCurrent = holdsCurrent(item.items);
            return out.current || out.holdsCurrent;
        }
        out.items.resize(item.items.size());
        for (std::size_t i = 0; i < item.items.size(); ++i)
            out.holdsCurrent = build(item.items[i], levels - 1, out.items[i]) || out.holdsCurrent;
        return out.current || out.holdsCurrent;
    }
};

PageModel build(const MenuSettings& settings, std::string_view currentLink, int levels,
                std::string_view sitePage) {
    PageModel page;
    auto v = [&](int index) { return valid(settings.value(index)); };
    page.across = settings.value(SettingTable::kDirection) == "Horizontal";
    page.itemWidth = v(SettingTable::kItemWidth);
    page.itemHeight = v(SettingTable::kItemHeight);
    page.distance = v(SettingTable::kDistance);
    page.target = v(SettingTable::kTarget);
    page.showsStatusMessage = asciiLower(settings.value(SettingTable::kStatusUrl)) == "no";
    page.statusMessage = v(SettingTable::kStatusMessage);
    page.normal = lookOf(settings, SettingTable::kNormal);
    page.hover = lookOf(settings, SettingTable::kHover);
    if (page.hover.fontName == SettingTable::kSameAsNormal)
        page.hover.fontName = page.normal.fontName;
    if (page.hover.fontSize == SettingTable::kSameAsNormal)
        page.hover.fontSize = page.normal.fontSize;
    for (const Setting& setting : PageLook::entries())
        page.look.set(PageLook::keyOf(setting), valid(settings.value(setting)));
    page.folds = page.across && page.look.value(PageLook::kFoldBelow) != PageLook::kNever;

    const long count = settings.pageItemCount();
    std::vector<MenuItem> marked;
    const std::vector<MenuItem>* own = &settings.menuItems();
    if (!currentLink.empty()) {
        marked = *own;
        MenuItem::markCurrent(marked, currentLink);
        own = &marked;
    }
    const std::string base =
        sitePage.empty() ? "" : valid(settings.value(SettingTable::page()[PageLook::kSiteBase]));
    Builder builder{page.target, sitePage, base, false, {}, {}};
    page.items.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < page.items.size(); ++i) {
        PageModel::Item& item = page.items[i];
        if (i < own->size()) {
            builder.build((*own)[i], levels, item);
            page.hasSubMenus = page.hasSubMenus || !item.items.empty();
        } else {
            item.label = PageModel::kPlaceholderLabel;
            item.link = PageModel::kHomeUrl;
            item.target = page.target;
        }
    }
    if (!sitePage.empty()) {
        page.trail = std::move(builder.trail);
        // Home first: the menu's first item, when it is the site's home
        // page and not already the trail's start.
        if (!page.trail.empty() && !own->empty() &&
            SiteLinks::pageOf(cleanLink(own->front()), base) == "index.html" &&
            page.trail.front().page != "index.html")
            page.trail.insert(page.trail.begin(),
                              {page.items.front().label, page.items.front().link, "index.html"});
    }
    page.skipLink = !page.look.value(PageLook::kSkipTo).empty();
    page.words = PageWords::of(page.look);
    page.hasLanguages = !settings.languages().empty();
    return page;
}

} // namespace

PageModel PageModel::from(const MenuSettings& settings, std::string_view currentLink, int levels) {
    return build(settings, currentLink, levels, {});
}

PageModel PageModel::forSitePage(const MenuSettings& settings, std::string_view pagePath) {
    return build(settings, {}, MenuItem::kMaxLevels, pagePath);
}

std::set<std::string, std::less<>> PageModel::sitePages(const MenuSettings& settings) {
    const std::string base = valid(settings.value(SettingTable::page()[PageLook::kSiteBase]));
    std::set<std::string, std::less<>> pages;
    MenuItem::visit(settings.menuItems(), [&](const MenuItem& item, int, const std::string&) {
        if (std::string page = SiteLinks::pageOf(cleanLink(item), base); !page.empty())
            pages.insert(std::move(page));
    });
    return pages;
}

} // namespace halvero
