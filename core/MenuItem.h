#pragma once

#include <string>
#include <string_view>

namespace halvero {

// One item of the menu as the user names it: the label shown, the address
// it leads to, an optional tooltip and an optional target that replaces
// the menu's Target entry for this item, and whether it is the page the
// menu is on. An item holds what the user
// typed; what goes into the page is checked by problem() and made safe by
// the page writer.
struct MenuItem {
    static constexpr std::size_t kMaxLabel = 100;
    static constexpr std::size_t kMaxLink = 2048;
    static constexpr std::size_t kMaxTooltip = 200;

    std::string label;
    std::string link;
    std::string tooltip; // empty: none
    std::string target;  // empty: the menu's Target entry
    // The item of the page the menu is shown on: marked for screen readers
    // and underlined in the modern page.
    bool current = false;

    bool operator==(const MenuItem&) const = default;

    // Why the item cannot go into a page, or an empty text when it can:
    // "label: is empty", "link: the scheme javascript: is not allowed".
    std::string problem() const;
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
    // "item 3 (About us)", for messages; `number` counts from 1.
    static std::string describe(std::size_t number, const MenuItem& item);
    // Whether `target` is one an item may have: empty, or one of the four
    // standard names.
    static bool isTarget(std::string_view target);
};

} // namespace halvero
