#include "core/settings/SettingTable.h"

#include <algorithm>
#include <stdexcept>

namespace halvero {

namespace {

using G = SettingGroup;
using K = InputKind;
using Texts = std::string_view;

constexpr std::span<const std::string_view> kNone;
constexpr Texts kDirectionItems[] = {"Vertical", "Horizontal"};
constexpr Texts kNoYesItems[] = {"No", "Yes"};
constexpr Texts kYesNoItems[] = {"Yes", "No"};
constexpr Texts kMessageItems[] = {"Welcome To My Site...", "Corvantis"};
// The two fonts first, then common font stacks, each ending in a generic
// family.
constexpr Texts kFontItems[] = {"Verdana",
                                "Tahoma",
                                "system-ui, sans-serif",
                                "Helvetica, Arial, sans-serif",
                                "Segoe UI, Roboto, Ubuntu, Cantarell, sans-serif",
                                "Georgia, Times New Roman, serif",
                                "ui-monospace, Menlo, Consolas, monospace"};
// The hovered item may take the normal item's font and size.
constexpr auto kHoverFontItems = [] {
    std::array<std::string_view, std::size(kFontItems) + 1> items{SettingTable::kSameAsNormal};
    for (std::size_t i = 0; i < std::size(kFontItems); ++i)
        items[i + 1] = kFontItems[i];
    return items;
}();
constexpr Texts kSameItems[] = {SettingTable::kSameAsNormal};
constexpr Texts kSolidItems[] = {"Solid", "None"};
constexpr Texts kTargetItems[] = {"_top", "_self", "_blank", "_parent"};
constexpr std::span<const std::string_view> kDirections = kDirectionItems, kNoYes = kNoYesItems,
                                            kYesNo = kYesNoItems, kMessages = kMessageItems,
                                            kFonts = kFontItems, kSolid = kSolidItems,
                                            kTargets = kTargetItems, kHoverFonts = kHoverFontItems,
                                            kSame = kSameItems;

// Columns: address, group, key, caption, input kind, "1".."N" offered (or 0),
// the texts offered otherwise, default. The captions are the window's exactly.
// The normal item's defaults give it a raised look (light top and left
// borders 1 wide, dark right and bottom 2 wide), the hovered item's a sunken
// one.
constexpr std::string_view kColorHint = "a colour (#RRGGBB, a name, rgb() or hsl())";
constexpr std::string_view kLengthHint =
    "a length (120, 7.5em, 50%), or calc(), min(), max() or clamp() of lengths";
constexpr Texts kAlignItems[] = {"start", "center", "end", "spread"};
constexpr Texts kWidthItems[] = {"fixed", "auto"};
constexpr Texts kWeightItems[] = {"normal", "500", "600", "bold"};
constexpr Texts kShadowItems[] = {"none", "soft", "strong"};
constexpr Texts kMissingItems[] = {"default", "omit", "home"};
constexpr std::span<const std::string_view> kAligns = kAlignItems, kWidths = kWidthItems,
                                            kWeights = kWeightItems, kShadows = kShadowItems,
                                            kMissing = kMissingItems;
constexpr std::string_view kRadiusHint = "a length (4px, 0.5em), 0 for square corners";
constexpr std::string_view kPanelColorHint = "a colour, or empty for the bar's item's";
constexpr std::string_view kWordHint = "empty for the page language's word, or up to 60 characters";

constexpr int kAll = SettingTable::kEntryCount + SettingTable::kPageCount;
constexpr std::array<Setting, kAll> kSettings = {{
    {0, G::Menu, "itemCount", "Menu Item Count", K::List, 20, kNone, "5"},
    {1, G::Menu, "direction", "Menu Direction", K::List, 0, kDirections, "Vertical"},
    {2, G::Menu, "itemsDistance", "Menu Items Distance", K::List, 50, kNone, "4"},
    {3, G::Menu, "itemWidth", "Menu Item Width", K::Text, 300, kNone, "120", kLengthHint},
    {4, G::Menu, "itemHeight", "Menu Item Height", K::Text, 100, kNone, "20", kLengthHint},
    {5, G::Menu, "showUrlInStatusbar", "Show URL in Statusbar", K::List, 0, kNoYes, "No"},
    {6, G::Menu, "statusbarMessage", "Message in Statusbar", K::Text, 0, kMessages, "Corvantis",
     "any text up to 200 characters"},
    {7, G::Normal, "fontName", "Font Name", K::Text, 0, kFonts, "Tahoma",
     "a font or font stack (Verdana, or system-ui, sans-serif)"},
    {8, G::Normal, "fontSize", "Font Size", K::List, 72, kNone, "8"},
    {9, G::Normal, "fontColor", "Font Color", K::ColorTyped, 0, kNone, "#0000FF", kColorHint},
    {10, G::Normal, "underline", "Underline", K::List, 0, kYesNo, "No"},
    {11, G::Normal, "backColor", "Back Color", K::ColorTyped, 0, kNone, "#FEF0BA", kColorHint},
    {12, G::Normal, "borderLeftWidth", "Border Left Width", K::List, 10, kNone, "1", {}, 0},
    {13, G::Normal, "borderLeftType", "Border Left Type", K::List, 0, kSolid, "Solid"},
    {14, G::Normal, "borderLeftColor", "Border Left Color", K::ColorTyped, 0, kNone, "#FFFFFF",
     kColorHint},
    {15, G::Normal, "borderTopWidth", "Border Top Width", K::List, 10, kNone, "1", {}, 0},
    {16, G::Normal, "borderTopType", "Border Top Type", K::List, 0, kSolid, "Solid"},
    {17, G::Normal, "borderTopColor", "Border Top Color", K::ColorTyped, 0, kNone, "#FFFFFF",
     kColorHint},
    {18, G::Normal, "borderRightWidth", "Border Right Width", K::List, 10, kNone, "2", {}, 0},
    {19, G::Normal, "borderRightType", "Border Right Type", K::List, 0, kSolid, "Solid"},
    {20, G::Normal, "borderRightColor", "Border Right Color", K::ColorTyped, 0, kNone, "#999999",
     kColorHint},
    {21, G::Normal, "borderBottomWidth", "Border Bottom Width", K::List, 10, kNone, "2", {}, 0},
    {22, G::Normal, "borderBottomType", "Border Bottom Type", K::List, 0, kSolid, "Solid"},
    {23, G::Normal, "borderBottomColor", "Border Bottom Color", K::ColorTyped, 0, kNone, "#999999",
     kColorHint},
    {24, G::Hover, "fontName", "Font Name", K::Text, 0, kHoverFonts, "Tahoma",
     "a font or font stack (Verdana, or system-ui, sans-serif), or Same as normal"},
    {25, G::Hover, "fontSize", "Font Size", K::List, 72, kSame, "8"},
    {26, G::Hover, "fontColor", "Font Color", K::ColorTyped, 0, kNone, "#0000FF", kColorHint},
    {27, G::Hover, "underline", "Underline", K::List, 0, kYesNo, "No"},
    {28, G::Hover, "backColor", "Back Color", K::ColorTyped, 0, kNone, "#FEF098", kColorHint},
    {29, G::Hover, "borderLeftWidth", "Border Left Width", K::List, 10, kNone, "2", {}, 0},
    {30, G::Hover, "borderLeftType", "Border Left Type", K::List, 0, kSolid, "Solid"},
    {31, G::Hover, "borderLeftColor", "Border Left Color", K::ColorTyped, 0, kNone, "#999999",
     kColorHint},
    {32, G::Hover, "borderTopWidth", "Border Top Width", K::List, 10, kNone, "2", {}, 0},
    {33, G::Hover, "borderTopType", "Border Top Type", K::List, 0, kSolid, "Solid"},
    {34, G::Hover, "borderTopColor", "Border Top Color", K::ColorTyped, 0, kNone, "#999999",
     kColorHint},
    {35, G::Hover, "borderRightWidth", "Border Right Width", K::List, 10, kNone, "1", {}, 0},
    {36, G::Hover, "borderRightType", "Border Right Type", K::List, 0, kSolid, "Solid"},
    {37, G::Hover, "borderRightColor", "Border Right Color", K::ColorTyped, 0, kNone, "#FFFFFF",
     kColorHint},
    {38, G::Hover, "borderBottomWidth", "Border Bottom Width", K::List, 10, kNone, "1", {}, 0},
    {39, G::Hover, "borderBottomType", "Border Bottom Type", K::List, 0, kSolid, "Solid"},
    {40, G::Hover, "borderBottomColor", "Border Bottom Color", K::ColorTyped, 0, kNone, "#FFFFFF",
     kColorHint},
    {41, G::Menu, "target", "Target", K::Text, 0, kTargets, "_blank",
     "_top, _self, _blank, _parent or a frame's name"},
    // The modern page's own look, which the classic page ignores; an older
    // Halvero lists these keys as unknown and shows the rest.
    {0, G::Page, "foldBelow", "Fold into a menu button below", K::Text, 0, kNone, "40em",
     "a width (40em, 600px) or never"},
    {1, G::Page, "menuButtonLabel", "Menu button label", K::Text, 0, kNone, "",
     "empty for the page language's word (Menu), or up to 40 characters"},
    {2, G::Page, "barColor", "Bar colour", K::ColorTyped, 0, kNone, "transparent", kColorHint},
    {3, G::Page, "itemPadding", "Item padding", K::Text, 0, kNone, "0.25em 0.5em",
     "one to four lengths (0.5em, 4px 8px)"},
    {4, G::Page, "align", "Items on the bar", K::List, 0, kAligns, "center"},
    {5, G::Page, "itemWidth", "Item width", K::List, 0, kWidths, "fixed"},
    {6, G::Page, "currentColor", "Current item text colour", K::ColorTyped, 0, kNone, "",
     "a colour, or empty for the item's own"},
    {7, G::Page, "currentBackColor", "Current item background", K::ColorTyped, 0, kNone, "",
     "a colour, or empty for the item's own"},
    {8, G::Page, "currentUnderline", "Underline the current item", K::List, 0, kYesNo, "Yes"},
    // How the menu sits in a site's pages (--site and Update Site).
    {9, G::Page, "siteBase", "Site served under", K::Text, 0, kNone, "",
     "empty, or the path the site is served under (/ or /docs/)"},
    {10, G::Page, "siteUrl", "Site address", K::Text, 0, kNone, "",
     "empty, or the site's address (https://example.com/)"},
    {11, G::Page, "siteExclude", "Pages left out", K::Text, 0, kNone, "",
     "glob patterns from the site's root, parted by commas (drafts/, old/*.html)"},
    {12, G::Page, "skipTo", "Skip link to", K::Text, 0, kNone, "",
     "empty, or the id of the page's main content (main)"},
    {13, G::Page, "stylesheet", "One stylesheet at", K::Text, 0, kNone, "",
     "empty, or a .css file's path from the site's root (css/nav.css)"},
    // More of the bar's look, then the panel a sub-menu drops in.
    {14, G::Page, "fontWeight", "Font weight", K::List, 0, kWeights, "600"},
    {15, G::Page, "cornerRadius", "Corner radius", K::Text, 0, kNone, "0", kRadiusHint},
    {16, G::Page, "itemGap", "Gap between items", K::Text, 0, kNone, "",
     "empty for the Menu Items Distance, or a length (0, 8px, 0.5em)"},
    {17, G::Page, "panelMaxWidth", "Panel width at most", K::Text, 0, kNone, "20em",
     "a length above 0 (20em, 320px); longer labels wrap"},
    {18, G::Page, "panelBackColor", "Panel background", K::ColorTyped, 0, kNone, "",
     kPanelColorHint},
    {19, G::Page, "panelColor", "Panel text colour", K::ColorTyped, 0, kNone, "", kPanelColorHint},
    {20, G::Page, "panelHoverBackColor", "Panel hovered background", K::ColorTyped, 0, kNone, "",
     "a colour, or empty for the bar's hovered item's"},
    {21, G::Page, "panelHoverColor", "Panel hovered text colour", K::ColorTyped, 0, kNone, "",
     "a colour, or empty for the bar's hovered item's"},
    {22, G::Page, "panelPadding", "Panel padding", K::Text, 0, kNone, "0",
     "one to four lengths (0, 4px, 0.25em 0)"},
    {23, G::Page, "panelSeparator", "Line between sub-items", K::ColorTyped, 0, kNone, "",
     "a colour, or empty for none"},
    {24, G::Page, "panelRadius", "Panel corner radius", K::Text, 0, kNone, "0", kRadiusHint},
    {25, G::Page, "panelShadow", "Panel shadow", K::List, 0, kShadows, "none"},
    // The page's language, and the words it writes of its own.
    {26, G::Page, "language", "Page language", K::Text, 0, kNone, "en",
     "a language tag (en, de, pt-BR, ar)"},
    {27, G::Page, "words.menu", "Menu's name", K::Text, 0, kNone, "",
     "empty for the button's label, or up to 60 characters"},
    {28, G::Page, "words.subMenu", "Sub-menu button's name", K::Text, 0, kNone, "",
     "empty for the page language's words, or up to 60 characters with {label} (the item's)"},
    {29, G::Page, "words.newTab", "New tab note", K::Text, 0, kNone, "", kWordHint},
    {30, G::Page, "words.breadcrumb", "Breadcrumb's name", K::Text, 0, kNone, "", kWordHint},
    {31, G::Page, "words.skipLink", "Skip link's text", K::Text, 0, kNone, "", kWordHint},
    // A site in several languages (the settings' languages).
    {32, G::Page, "words.languages", "Language list's name", K::Text, 0, kNone, "", kWordHint},
    {33, G::Page, "missingTranslation", "An item's page missing in a language", K::List, 0,
     kMissing, "default"},
    {34, G::Page, "alternateLinks", "Alternate links in the head", K::List, 0, kNoYes, "No"},
}};

// Each column's key and title, in the order of SettingGroup.
struct GroupNames {
    std::string_view key, caption;
};
constexpr GroupNames kGroups[] = {{"menu", "Menu Settings"},
                                  {"normal", "Normal Menu Item"},
                                  {"hover", "Hover Menu Item"},
                                  {"page", "Page Style"}};

constexpr bool addressesMatchTheTable() {
    for (int i = 0; i < kAll; ++i) {
        const Setting& row = kSettings[static_cast<std::size_t>(i)];
        const bool isEntry = i < SettingTable::kEntryCount;
        if ((row.group == G::Page) == isEntry ||
            row.index != (isEntry ? i : i - SettingTable::kEntryCount))
            return false;
    }
    return true;
}
static_assert(addressesMatchTheTable());
static_assert(kSettings[SettingTable::kStatusMessage].key == "statusbarMessage");
static_assert(kSettings[SettingTable::kNormal.first()].key == "fontName" &&
              kSettings[SettingTable::kNormal.first()].group == G::Normal);
static_assert(kSettings[SettingTable::kHover.first()].key == "fontName" &&
              kSettings[SettingTable::kHover.first()].group == G::Hover);
static_assert(kSettings[SettingTable::kHover.bottom.color].key == "borderBottomColor");
static_assert(kSettings[SettingTable::kTarget].key == "target");

} // namespace

std::vector<std::string> Setting::offeredItems() const {
    std::vector<std::string> items;
    if (numbersUpTo > 0) {
        // Texts offered beside numbers come first ("Same as normal").
        items.assign(texts.begin(), texts.end());
        for (int n = numbersFrom; n <= numbersUpTo; ++n)
            items.push_back(std::to_string(n));
    } else {
        items.assign(texts.begin(), texts.end());
    }
    return items;
}

std::string Setting::valuesInWords() const {
    if (!hint.empty())
        return std::string(hint);
    if (numbersUpTo > 0)
        return (texts.empty() ? "" : std::string(texts.front()) + ", or ") +
               std::to_string(numbersFrom) + " to " + std::to_string(numbersUpTo);
    std::string words;
    for (std::size_t i = 0; i < texts.size(); ++i)
        words += (i == 0 ? "" : i + 1 == texts.size() ? " or " : ", ") + std::string(texts[i]);
    return words;
}

std::span<const Setting, kAll> SettingTable::all() {
    return kSettings;
}

std::span<const Setting, SettingTable::kEntryCount> SettingTable::entries() {
    return all().first<kEntryCount>();
}

std::span<const Setting, SettingTable::kPageCount> SettingTable::page() {
    return all().last<kPageCount>();
}

const Setting& SettingTable::at(int index) {
    if (index < 0 || index >= kEntryCount)
        throw std::out_of_range("no settings entry " + std::to_string(index));
    return kSettings[static_cast<std::size_t>(index)];
}

const Setting* SettingTable::find(SettingGroup group, std::string_view key) {
    const auto found = std::find_if(kSettings.begin(), kSettings.end(), [&](const auto& setting) {
        return setting.group == group && setting.key == key;
    });
    return found == kSettings.end() ? nullptr : &*found;
}

const Setting* SettingTable::findByName(std::string_view name) {
    for (const Setting& entry : kSettings) {
        const std::string_view group = groupKey(entry.group);
        if (name.size() == group.size() + 1 + entry.key.size() && name.starts_with(group) &&
            name[group.size()] == '.' && name.ends_with(entry.key))
            return &entry;
    }
    return nullptr;
}

std::string SettingTable::nameOf(const Setting& entry) {
    return std::string(groupKey(entry.group)) + "." + std::string(entry.key);
}

std::string_view SettingTable::groupKey(SettingGroup group) {
    return kGroups[static_cast<std::size_t>(group)].key;
}

std::string_view SettingTable::groupCaption(SettingGroup group) {
    return kGroups[static_cast<std::size_t>(group)].caption;
}

} // namespace halvero
