#include "core/settings/MenuLook.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <stdexcept>

namespace halvero {

namespace {

using Values = std::vector<MenuLook::Value>;

// The colours and font of the normal or the hovered item, with no border.
void item(Values& values, std::string_view group, std::string_view font, std::string_view size,
          std::string_view text, std::string_view back) {
    // The hovered item takes the normal one's font.
    if (group == "hover")
        font = size = SettingTable::kSameAsNormal;
    const std::string prefix = std::string(group) + ".";
    for (auto [key, value] : {std::pair{"fontName", font},
                              {"fontSize", size},
                              {"fontColor", text},
                              {"underline", std::string_view("No")},
                              {"backColor", back}})
        values.emplace_back(prefix + key, value);
    for (std::string_view side : {"Left", "Top", "Right", "Bottom"}) {
        const std::string border = prefix + "border" + std::string(side);
        values.emplace_back(border + "Width", "0");
        values.emplace_back(border + "Type", "None");
        values.emplace_back(border + "Color", back);
    }
}

struct Colors {
    std::string_view text, back, hoverText, hoverBack;
};

Values modern(std::string_view font, Colors colors, Values rest) {
    Values values;
    item(values, "normal", font, "11", colors.text, colors.back);
    item(values, "hover", font, "11", colors.hoverText, colors.hoverBack);
    values.insert(values.end(), rest.begin(), rest.end());
    return values;
}

std::vector<MenuLook> shipped() {
    using Style = MenuSettings::PageStyle;
    constexpr std::string_view kSystem = "system-ui, sans-serif";
    std::vector<MenuLook> looks;
    looks.emplace_back("Classic", "The page of old: blue Tahoma on cream, raised borders.",
                       Style::Classic, Values{});
    looks.emplace_back("Brand bar",
                       "A dark bar of white labels; sub-menus drop in a shadowed panel.",
                       Style::Modern,
                       modern(kSystem, {"#FFFFFF", "#1F3A5F", "#FFFFFF", "#2F5A8F"},
                              {{"menu.direction", "Horizontal"},
                               {"menu.itemHeight", "44"},
                               {"page.foldBelow", "48em"},
                               {"page.barColor", "#1F3A5F"},
                               {"page.itemPadding", "0.5em 1em"},
                               {"page.align", "start"},
                               {"page.itemWidth", "auto"},
                               {"page.currentBackColor", "#16304F"},
                               {"page.itemGap", "0"},
                               {"page.panelShadow", "soft"}}));
    looks.emplace_back("Underline tabs",
                       "A white bar whose current item is blue and underlined, like a tab.",
                       Style::Modern,
                       modern(kSystem, {"#374151", "#FFFFFF", "#1D4ED8", "#EFF6FF"},
                              {{"menu.direction", "Horizontal"},
                               {"menu.itemHeight", "44"},
                               {"page.foldBelow", "48em"},
                               {"page.barColor", "#FFFFFF"},
                               {"page.itemPadding", "0.5em 1em"},
                               {"page.align", "start"},
                               {"page.itemWidth", "auto"},
                               {"page.currentColor", "#1D4ED8"},
                               {"page.fontWeight", "500"},
                               {"page.itemGap", "4px"},
                               {"page.panelSeparator", "#E5E7EB"},
                               {"page.panelRadius", "0.5em"},
                               {"page.panelPadding", "0.25em 0"},
                               {"page.panelShadow", "soft"}}));
    looks.emplace_back(
        "Pills", "Rounded items on a white bar, the current one filled in indigo.", Style::Modern,
        modern("Helvetica, Arial, sans-serif", {"#334155", "#F1F5F9", "#3730A3", "#E0E7FF"},
               {{"menu.direction", "Horizontal"},
                {"menu.itemsDistance", "4"},
                {"menu.itemHeight", "36"},
                {"page.foldBelow", "48em"},
                {"page.barColor", "#FFFFFF"},
                {"page.itemPadding", "0.4em 1em"},
                {"page.itemWidth", "auto"},
                {"page.currentColor", "#FFFFFF"},
                {"page.currentBackColor", "#4338CA"},
                {"page.currentUnderline", "No"},
                {"page.fontWeight", "500"},
                {"page.cornerRadius", "999px"},
                {"page.itemGap", "0.5em"},
                {"page.panelBackColor", "#FFFFFF"},
                {"page.panelPadding", "0.25em"},
                {"page.panelRadius", "0.75em"},
                {"page.panelShadow", "soft"}}));
    looks.emplace_back("Sidebar",
                       "A dark column down the page's side; sub-menus open under their items.",
                       Style::Modern,
                       modern(kSystem, {"#E5E7EB", "#111827", "#FFFFFF", "#374151"},
                              {{"menu.direction", "Vertical"},
                               {"menu.itemsDistance", "4"},
                               {"menu.itemWidth", "14em"},
                               {"menu.itemHeight", "40"},
                               {"page.barColor", "#111827"},
                               {"page.itemPadding", "0.5em 1em"},
                               {"page.align", "start"},
                               {"page.currentColor", "#FFFFFF"},
                               {"page.currentBackColor", "#1D4ED8"},
                               {"page.currentUnderline", "No"},
                               {"page.fontWeight", "500"},
                               {"page.cornerRadius", "6px"}}));
    // Every value is one the page can take.
    for (const MenuLook& look : looks)
        for (const auto& [name, value] : look.values()) {
            const Setting* setting = SettingTable::findByName(name);
            if (!setting || !MenuLook::isAppearance(*setting) ||
                !MenuSettings::problem(*setting, value).empty())
                throw std::logic_error("look " + look.name() + ": " + name + " " + value);
        }
    return looks;
}

std::string folded(std::string_view name) {
    std::string text = asciiLower(name);
    std::replace(text.begin(), text.end(), '-', ' ');
    return text;
}

} // namespace

MenuLook::MenuLook(std::string name, std::string sentence, MenuSettings::PageStyle style,
                   std::vector<Value> values)
    : m_name(std::move(name)), m_sentence(std::move(sentence)), m_style(style),
      m_values(std::move(values)) {}

std::span<const MenuLook> MenuLook::all() {
    static const std::vector<MenuLook> looks = shipped();
    return looks;
}

const MenuLook* MenuLook::find(std::string_view name) {
    for (const MenuLook& look : all())
        if (folded(look.name()) == folded(name))
            return &look;
    return nullptr;
}

std::string MenuLook::namesInWords() {
    std::string words;
    for (const MenuLook& look : all())
        words += (words.empty() ? "" : ", ") + look.name();
    return words;
}

bool MenuLook::isAppearance(const Setting& setting) {
    switch (setting.group) {
    case SettingGroup::Normal:
    case SettingGroup::Hover:
        return true;
    case SettingGroup::Menu:
        return setting.index == SettingTable::kDirection ||
               setting.index == SettingTable::kDistance ||
               setting.index == SettingTable::kItemWidth ||
               setting.index == SettingTable::kItemHeight;
    case SettingGroup::Page:
        switch (PageLook::keyOf(setting)) {
        case PageLook::kMenuButtonLabel:
        case PageLook::kSiteBase:
        case PageLook::kSiteUrl:
        case PageLook::kSiteExclude:
        case PageLook::kSkipTo:
        case PageLook::kStylesheet:
            return false;
        default:
            return true;
        }
    }
    return false;
}

void MenuLook::applyTo(MenuSettings& settings) const {
    MenuSettings::Snapshot state = settings.snapshot();
    auto set = [&state](const Setting& setting, std::string_view value) {
        if (setting.group == SettingGroup::Page)
            state.look.set(PageLook::keyOf(setting), std::string(value));
        else
            state.values[static_cast<std::size_t>(setting.index)] = std::string(value);
    };
    for (const Setting& setting : SettingTable::all())
        if (isAppearance(setting))
            set(setting, setting.defaultValue);
    // Every name is known: shipped() checked them.
    for (const auto& [name, value] : m_values)
        set(*SettingTable::findByName(name), value);
    settings.setValues(state.values);
    settings.setPageLook(state.look);
    settings.setPageStyle(m_style);
}

} // namespace halvero
