#include "core/PageWriter.h"

#include "core/ClassicPage.h"
#include "core/ModernPage.h"
#include "core/PageModel.h"

namespace halvero {

long PageWriter::itemCount(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long count = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        count = count * 10 + (text[i] - '0');
        if (count > kMaxItems)
            count = kMaxItems; // keeps reading the digits without overflow
    }
    return negative ? 0 : count;
}

std::string PageWriter::compose(const MenuSettings& settings, const Timestamp& stamp,
                                std::string_view currentLink) {
    if (settings.pageStyle() == MenuSettings::PageStyle::Modern)
        return ModernPage::compose(PageModel::from(settings, currentLink));
    return ClassicPage::compose(PageModel::from(settings, currentLink, 1), stamp);
}

std::string PageWriter::composeClassic(const MenuSettings& settings, const Timestamp& stamp) {
    return ClassicPage::compose(PageModel::from(settings, {}, 1), stamp);
}

std::string PageWriter::fragment(const MenuSettings& settings, std::string_view source,
                                 std::string_view currentLink, ModernPage::Part part) {
    return ModernPage::fragment(PageModel::from(settings, currentLink), source, part);
}

bool PageWriter::dropsSubMenus(const MenuSettings& settings) {
    return settings.pageStyle() == MenuSettings::PageStyle::Classic &&
           MenuItem::hasSubMenus(settings.menuItems());
}

} // namespace halvero
