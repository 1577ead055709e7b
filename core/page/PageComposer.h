#pragma once

#include <string>
#include <string_view>

#include "core/page/ModernPage.h"
#include "core/settings/MenuSettings.h"
#include "core/text/Timestamp.h"

namespace halvero {

// The menu's page or fragment from its settings, in the settings' page
// style: the one way from settings to bytes for the window, the preview
// and the command line (see PageModel, ClassicPage and ModernPage).
class PageComposer {
public:
    // The page's file name in its folder: what Create writes, what the
    // preview shows.
    static constexpr std::string_view kFileName = "pattern.htm";
    // The whole page: ClassicPage's or ModernPage's. `currentLink`, when
    // given, names the page the menu is on (see PageModel::from).
    static std::string compose(const MenuSettings& settings, const Timestamp& stamp,
                               std::string_view currentLink = {});
    // The modern menu's style, navigation and script, for pasting into a
    // page; `source` names the settings file (see ModernPage::fragment).
    // `part`: the style or the navigation alone.
    static std::string fragment(const MenuSettings& settings, std::string_view source,
                                std::string_view currentLink = {},
                                ModernPage::Part part = ModernPage::Part::Whole);
    // Whether the page leaves out some of the menu's items: a classic page
    // shows no sub-menus.
    static bool dropsSubMenus(const MenuSettings& settings);
};

} // namespace halvero
