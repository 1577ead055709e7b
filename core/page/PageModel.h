#pragma once

#include "core/page/PageWords.h"
#include "core/settings/MenuSettings.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// What one page of the menu shows, read once from the settings for every
// page writer: the values as valid UTF-8 text, the items with the
// placeholders and the menu's target already filled in, and the current
// item and the items that hold it marked. The writers only escape and
// arrange it.
struct PageModel {
    // Where an item leads, and what it reads, when the menu's list of items
    // has none for its place.
    static constexpr std::string_view kHomeUrl = "http://www.example.com/";
    static constexpr std::string_view kPlaceholderLabel = "Corvantis";

    struct Border {
        std::string width, type, color; // type in lower case ("solid")
    };
    // The normal or the hovered item's look.
    struct Look {
        std::string fontName, fontSize, fontColor, backColor;
        Border left, top, right, bottom;
    };
    struct Item {
        std::string label;   // trimmed
        std::string link;    // as a browser reads it; empty for the heading of a sub-menu
        std::string tooltip; // empty: none
        std::string target;  // the item's own, or the menu's
        bool current = false;
        bool holdsCurrent = false; // the current item is in its sub-menu
        std::vector<Item> items;
        // A page in another language than the page's (its tag and name),
        // where the page's own language has none; empty otherwise.
        std::string language, languageName;
    };

    bool across = false; // a horizontal menu
    std::string itemWidth, itemHeight, distance, target;
    bool showsStatusMessage = false; // "Show URL in Statusbar" is "No"
    std::string statusMessage;
    Look normal, hover;
    std::vector<Item> items;
    bool hasSubMenus = false;
    // The modern page's own settings, and whether its bar folds behind a
    // menu button on narrow screens (a horizontal menu, not set to never).
    PageLook look;
    bool folds = false;
    // The words the modern page writes of its own, in its language.
    PageWords words;

    // For a site's page: the trail from the top of the menu to its current
    // item (with the menu's first item before it when that is the site's
    // home page), each step's label, its link as the page reaches it, and
    // the page of the site it leads to (SiteLinks::pageOf; empty for a
    // heading); whether the menu starts with a skip link (page.skipTo);
    // whether the menu's script comes from the one stylesheet's script
    // file rather than after the <nav>.
    struct Step {
        std::string label, link, page;
    };
    std::vector<Step> trail;
    bool skipLink = false;
    bool sharedScript = false;
    bool hasLanguages = false; // the site is in several languages

    // The page of `settings`. `currentLink`, when given, names the page the
    // menu is on: the first item that links to it is the current one,
    // whatever the items say. `levels`: how many levels of the menu the
    // page shows; an item whose sub-menu the page leaves out and that only
    // heads it leads to the first link in it.
    static PageModel from(const MenuSettings& settings, std::string_view currentLink = {},
                          int levels = MenuItem::kMaxLevels);
    // The page of `settings` for the page at `pagePath` of a site (from its
    // root, "blog/index.html"): the first item that leads to that page is
    // the current one, whatever the items say, and every link written from
    // the root is rewritten to work from the page's folder (SiteLinks).
    static PageModel forSitePage(const MenuSettings& settings, std::string_view pagePath);
    // The pages of a site that items of `settings` lead to (from its root):
    // a page none leads to has no current item, and its model is the same
    // as every such page's in its folder.
    static std::set<std::string, std::less<>> sitePages(const MenuSettings& settings);
};

} // namespace halvero
