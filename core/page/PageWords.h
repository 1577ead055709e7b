#pragma once

#include <span>
#include <string>
#include <string_view>

namespace halvero {

class PageLook;

// The words the modern page writes of its own, in the page's language: the
// menu's name (its <nav>'s, and the menu button's label), the name of a
// sub-menu's button ("{label}" standing for its item's label), the note
// after a link that opens in a new tab, the breadcrumb trail's name, the
// skip link's text and the language switcher's name. Halvero carries them for the languages of
// kLanguages; each can be set instead (page.menuButtonLabel, page.words.NAME).
struct PageWords {
    std::string menu, menuButton, subMenu, newTab, breadcrumb, skipLink, languageList;
    // The page is written right to left (dir="rtl").
    bool rightToLeft = false;

    // The words carried for one language.
    struct Language {
        std::string_view tag, name; // "de", "Deutsch"
        std::string_view menu, subMenu, newTab, breadcrumb, skipLink, languageList;
    };
    static std::span<const Language> languages();

    // The words carried for `tag` (a BCP 47 tag, matched without regard to
    // case: its own words, else those of its language without region or
    // script, "de" for "de-AT"), English for a language Halvero does not
    // carry; the direction from the language and its script.
    static PageWords carried(std::string_view tag);
    // The words of a page in `look`'s language, with those the look sets
    // in their place (the menu's name falls back on the button's label).
    static PageWords of(const PageLook& look);

    // The sub-menu button's name for the item `label`.
    std::string subMenuName(std::string_view label) const;

    static constexpr std::string_view kLabel = "{label}";
};

} // namespace halvero
