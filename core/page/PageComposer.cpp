#include "core/page/PageComposer.h"

#include "core/page/ClassicPage.h"
#include "core/page/ModernPage.h"
#include "core/page/PageModel.h"

namespace halvero {

std::string PageComposer::compose(const MenuSettings& settings, const Timestamp& stamp,
                                  std::string_view currentLink) {
    if (settings.pageStyle() == MenuSettings::PageStyle::Modern)
        return ModernPage::compose(PageModel::from(settings, currentLink));
    return ClassicPage::compose(PageModel::from(settings, currentLink, 1), stamp);
}

std::string PageComposer::fragment(const MenuSettings& settings, std::string_view source,
                                   std::string_view currentLink, ModernPage::Part part) {
    return ModernPage::fragment(PageModel::from(settings, currentLink), source, part);
}

bool PageComposer::dropsSubMenus(const MenuSettings& settings) {
    return settings.pageStyle() == MenuSettings::PageStyle::Classic &&
           MenuItem::hasSubMenus(settings.menuItems());
}

} // namespace halvero
