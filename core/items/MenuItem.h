#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// One item of the menu as the user names it: the label shown, the address
// it leads to, an optional tooltip and an optional target that replaces
// the menu's Target entry for this item, whether it is the page the menu is
// on, and the items of its sub-menu. An item holds what the user typed;
// what goes into the page is checked by problem() and made safe by the page
// writers.
struct MenuItem {
    static constexpr std::size_t kMaxLabel = 100;
    static constexpr std::size_t kMaxLink = 2048;
    static constexpr std::size_t kMaxTooltip = 200;
    // Levels of a menu: its items, their sub-menus' and theirs.
    static constexpr int kMaxLevels = 3;
    // The most items a menu may hold, sub-menus included (a page shows at
    // most 20 at the top).
    static constexpr std::size_t kMaxItems = 500;

    std::string label;
    std::string link;
    std::string tooltip; // empty: none
    std::string target;  // empty: the menu's Target entry
    // The item of the page the menu is shown on: marked for screen readers
    // and underlined in the modern page.
    bool current = false;
    // The sub-menu: empty for a plain item.
    std::vector<MenuItem> items;
    // In a site of several languages, the item's label and link in each
    // language but the first, by the language's tag; one left out is the
    // label above, and the link above in that language's folder.
    std::map<std::string, std::string, std::less<>> labels = {};
    std::map<std::string, std::string, std::less<>> links = {};
    // Set only in a page of a site in several languages, for an item whose
    // page is missing in the page's language and that leads to the default
    // language's instead: that language's tag and name. Never kept.
    std::string language = {}, languageName = {};

    bool operator==(const MenuItem&) const = default;

    // Why the item cannot go into a page, or an empty text when it can:
    // "label: is empty", "link: the scheme javascript: is not allowed". An
    // item with a sub-menu may have no link: it heads its sub-menu.
    std::string problem() const { return problem(!items.empty()); }
    // The same, for an item that has a sub-menu (`parent`) or has none,
    // whatever its items are yet.
    std::string problem(bool parent) const;
    // Why `link` cannot be an item's link, or an empty text: a relative
    // address, or an absolute one with scheme http, https, mailto or tel.
    // The scheme is judged as a browser reads the address: leading and
    // trailing spaces and control characters dropped, tabs and line breaks
    // inside dropped, letters compared without case.
    static std::string linkProblem(std::string_view link);
    // What a browser makes of `link`: trimmed, tabs and line breaks taken
    // out. The page holds this form.
    static std::string cleanLink(std::string_view link);
    // Whether cleanLink() would give `link` back unchanged.
    static bool isClean(std::string_view link);
    // The label without leading and trailing spaces: what the page shows.
    std::string_view trimmedLabel() const;
    // "item 3 (About us)", for messages; `number` counts from 1 and may be
    // a path through sub-menus ("3.2").
    static std::string describe(std::string_view number, const MenuItem& item);
    // Whether `target` is one an item may have: empty, or one of the four
    // standard names.
    static bool isTarget(std::string_view target);
    // The targets an item may name, as the items editor offers them.
    static constexpr std::array<std::string_view, 4> kTargets = {"_self", "_blank", "_parent",
                                                                 "_top"};
    // The scheme `link` starts with ("https" of "https://example.org/"):
    // a letter, then letters, digits, "+", "-" or ".", ended by ":" before
    // any "/", "?" or "#"; empty for a relative link.
    static std::string_view schemeOf(std::string_view link);

    // Every item of `items` and of their sub-menus, parents before their
    // children, with its level (1 for the top) and its number ("3.2").
    using Visit = std::function<void(const MenuItem& item, int level, const std::string& number)>;
    static void visit(const std::vector<MenuItem>& items, const Visit& visit);
    // How many items `items` holds, sub-menus included.
    static std::size_t countAll(const std::vector<MenuItem>& items);
    // The deepest level of `items` (0 when empty).
    static int levels(const std::vector<MenuItem>& items);
    // Whether any item of `items` has a sub-menu.
    static bool hasSubMenus(const std::vector<MenuItem>& items);
    // Marks as current the first item, parents before children, whose link
    // is `link` as a browser reads it, and unmarks every other; false when
    // no item links to it (then none is marked).
    static bool markCurrent(std::vector<MenuItem>& items, std::string_view link);
    // Why `items` cannot be a menu, or an empty text: the first item at
    // fault, named by its number ("item 3.2 (Hosting): link: is empty"),
    // more than kMaxLevels levels, or more than one current item.
    static std::string treeProblem(const std::vector<MenuItem>& items);
};

} // namespace halvero
