#pragma once

#include "core/settings/SettingTable.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace halvero {

// The modern page's own settings, which the classic page ignores: where
// the bar folds behind a menu button and that button's label, the bar's
// colour, the items' padding, alignment and width, and the current item's
// look; how the menu sits in a site's pages: the path the site is served
// under and its address, the pages left out, the skip link's target and
// the one stylesheet; then the items' weight, corners and gap, the look of
// the panel a sub-menu drops in, and the page's language and the words it
// writes of its own. Each is text, addressed by its key as settings files and
// --set name it ("page.foldBelow"), and checked by problem() so that it stays in its place in the
// page: no value closes a declaration, a rule or the text it stands in.
class PageLook {
public:
    enum Key {
        kFoldBelow,        // "40em", "600px", or "never"
        kMenuButtonLabel,  // "", "Menu": empty for the page language's word
        kBarColor,         // a colour; "transparent"
        kItemPadding,      // one to four lengths: "0.25em 0.5em"
        kAlign,            // start, center, end, spread
        kItemWidth,        // fixed (the menu's Item Width) or auto (the label's)
        kCurrentColor,     // a colour, or empty for the item's own
        kCurrentBackColor, // a colour, or empty for the item's own
        kCurrentUnderline, // Yes or No
        kSiteBase,         // "", "/", "/docs/": links starting with it are the site's own
        kSiteUrl,          // "", "https://example.com/": for addresses in structured data
        kSiteExclude,      // "drafts/, old/*.html": pages --site leaves alone
        kSkipTo,           // "", "main": the id a skip link leads to
        kStylesheet,       // "", "css/nav.css": one file for the menu's style and script
        kFontWeight,       // normal, 500, 600, bold
        kCornerRadius,     // a length: "0", "4px"
        kItemGap,          // "", or a length: the gap between the bar's items
        kPanelMaxWidth,    // a length: "20em"
        kPanelBackColor,   // a colour, or empty for the items' own
        kPanelColor,
        kPanelHoverBackColor, // a colour, or empty for the hovered items' own
        kPanelHoverColor,
        kPanelPadding,   // one to four lengths: "0"
        kPanelSeparator, // a colour, or empty for no line between sub-items
        kPanelRadius,    // a length: "0"
        kPanelShadow,    // none, soft, strong
        kLanguage,       // a BCP 47 tag: "en", "de", "pt-BR", "ar"
        kWordMenu,       // "", or the words that replace the language's (PageWords)
        kWordSubMenu,    // "", "{label}, sub-menu"
        kWordNewTab,
        kWordBreadcrumb,
        kWordSkipLink,
        kWordLanguages,
        kMissingTranslation, // default, omit, home
        kAlternateLinks,     // No, Yes
        kCount
    };
    static_assert(kCount == SettingTable::kPageCount);

    static constexpr std::string_view kNever = "never";

    // Every setting of the look, in the order of Key (SettingTable's rows).
    static std::span<const Setting, kCount> entries() { return SettingTable::page(); }
    // The setting named `name` ("foldBelow"), or nullptr.
    static const Setting* find(std::string_view name) {
        return SettingTable::find(SettingGroup::Page, name);
    }
    static Key keyOf(const Setting& setting) { return static_cast<Key>(setting.index); }
    // Why `value` cannot be `key`'s value, or an empty text when it can:
    // "is not a length (40em, 600px) or never".
    static std::string problem(Key key, std::string_view value);

    PageLook(); // every value its default

    const std::string& value(Key key) const { return m_values[key]; }
    // Stores `value`, checked by the caller.
    void set(Key key, std::string value) { m_values[key] = std::move(value); }

    bool operator==(const PageLook&) const = default;

private:
    std::array<std::string, kCount> m_values;
};

} // namespace halvero
