#pragma once

#include <string>
#include <string_view>

#include "core/MenuSettings.h"
#include "core/ModernPage.h"
#include "core/Timestamp.h"

namespace halvero {

// The menu's page or fragment from its settings, in the settings' page
// style: the one way from settings to bytes for the window, the preview
// and the command line (see PageModel, ClassicPage and ModernPage).
class PageWriter {
public:
    // The page's file name in its folder: what Create writes, what the
    // preview shows.
    static constexpr std::string_view kFileName = "pattern.htm";
    // The most item blocks a page gets; the item count is a typed number in
    // principle, and a mistyped billion must not exhaust memory.
    static constexpr long kMaxItems = 10000;

    // The whole page: ClassicPage's or ModernPage's. `currentLink`, when
    // given, names the page the menu is on (see PageModel::from).
    static std::string compose(const MenuSettings& settings, const Timestamp& stamp,
                               std::string_view currentLink = {});
    // The classic page, whatever the style.
    static std::string composeClassic(const MenuSettings& settings, const Timestamp& stamp);
    // The modern menu's style, navigation and script, for pasting into a
    // page; `source` names the settings file (see ModernPage::fragment).
    // `part`: the style or the navigation alone.
    static std::string fragment(const MenuSettings& settings, std::string_view source,
                                std::string_view currentLink = {},
                                ModernPage::Part part = ModernPage::Part::Whole);
    // Whether the page leaves out some of the menu's items: a classic page
    // shows no sub-menus.
    static bool dropsSubMenus(const MenuSettings& settings);

    // The item count read as a whole number: leading blanks, an optional sign and
    // the digits up to the first other character ("5", " 7", "3abc" -> 3);
    // no digits give 0. Clamped to 0..kMaxItems.
    static long itemCount(std::string_view text);
};

} // namespace halvero
