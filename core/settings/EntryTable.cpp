#include "core/settings/EntryTable.h"

#include <algorithm>
#include <stdexcept>

namespace halvero {

namespace {

using G = EntryGroup;
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
constexpr Texts kSolidItems[] = {"Solid", "None"};
constexpr Texts kTargetItems[] = {"_top", "_self", "_blank", "_parent"};
constexpr std::span<const std::string_view> kDirections = kDirectionItems, kNoYes = kNoYesItems,
                                            kYesNo = kYesNoItems, kMessages = kMessageItems,
                                            kFonts = kFontItems, kSolid = kSolidItems,
                                            kTargets = kTargetItems;

// Columns: address, group, key, caption, input kind, "1".."N" offered (or 0),
// the texts offered otherwise, default. The captions are the window's exactly.
// The normal item's defaults give it a raised look (light top and left
// borders 1 wide, dark right and bottom 2 wide), the hovered item's a sunken
// one.
constexpr std::array<EntryDescriptor, EntryTable::kCount> kEntries = {{
    {0, G::Menu, "itemCount", "Menu Item Count", K::List, 20, kNone, "5"},
    {1, G::Menu, "direction", "Menu Direction", K::List, 0, kDirections, "Vertical"},
    {2, G::Menu, "itemsDistance", "Menu Items Distance", K::List, 50, kNone, "4"},
    {3, G::Menu, "itemWidth", "Menu Item Width", K::Text, 300, kNone, "120"},
    {4, G::Menu, "itemHeight", "Menu Item Height", K::Text, 100, kNone, "20"},
    {5, G::Menu, "showUrlInStatusbar", "Show URL in Statusbar", K::List, 0, kNoYes, "No"},
    {6, G::Menu, "statusbarMessage", "Message in Statusbar", K::Text, 0, kMessages, "Corvantis"},
    {7, G::Normal, "fontName", "Font Name", K::Text, 0, kFonts, "Tahoma"},
    {8, G::Normal, "fontSize", "Font Size", K::List, 72, kNone, "8"},
    {9, G::Normal, "fontColor", "Font Color", K::ColorTyped, 0, kNone, "#0000FF"},
    {10, G::Normal, "underline", "Underline", K::List, 0, kYesNo, "No"},
    {11, G::Normal, "backColor", "Back Color", K::ColorTyped, 0, kNone, "#FEF0BA"},
    {12, G::Normal, "borderLeftWidth", "Border Left Width", K::List, 10, kNone, "1", 0},
    {13, G::Normal, "borderLeftType", "Border Left Type", K::List, 0, kSolid, "Solid"},
    {14, G::Normal, "borderLeftColor", "Border Left Color", K::ColorTyped, 0, kNone, "#FFFFFF"},
    {15, G::Normal, "borderTopWidth", "Border Top Width", K::List, 10, kNone, "1", 0},
    {16, G::Normal, "borderTopType", "Border Top Type", K::List, 0, kSolid, "Solid"},
    {17, G::Normal, "borderTopColor", "Border Top Color", K::ColorTyped, 0, kNone, "#FFFFFF"},
    {18, G::Normal, "borderRightWidth", "Border Right Width", K::List, 10, kNone, "2", 0},
    {19, G::Normal, "borderRightType", "Border Right Type", K::List, 0, kSolid, "Solid"},
    {20, G::Normal, "borderRightColor", "Border Right Color", K::ColorTyped, 0, kNone, "#999999"},
    {21, G::Normal, "borderBottomWidth", "Border Bottom Width", K::List, 10, kNone, "2", 0},
    {22, G::Normal, "borderBottomType", "Border Bottom Type", K::List, 0, kSolid, "Solid"},
    {23, G::Normal, "borderBottomColor", "Border Bottom Color", K::ColorTyped, 0, kNone, "#999999"},
    {24, G::Hover, "fontName", "Font Name", K::Text, 0, kFonts, "Tahoma"},
    {25, G::Hover, "fontSize", "Font Size", K::List, 72, kNone, "8"},
    {26, G::Hover, "fontColor", "Font Color", K::ColorTyped, 0, kNone, "#0000FF"},
    {27, G::Hover, "underline", "Underline", K::List, 0, kYesNo, "No"},
    {28, G::Hover, "backColor", "Back Color", K::ColorTyped, 0, kNone, "#FEF098"},
    {29, G::Hover, "borderLeftWidth", "Border Left Width", K::List, 10, kNone, "2", 0},
    {30, G::Hover, "borderLeftType", "Border Left Type", K::List, 0, kSolid, "Solid"},
    {31, G::Hover, "borderLeftColor", "Border Left Color", K::ColorTyped, 0, kNone, "#999999"},
    {32, G::Hover, "borderTopWidth", "Border Top Width", K::List, 10, kNone, "2", 0},
    {33, G::Hover, "borderTopType", "Border Top Type", K::List, 0, kSolid, "Solid"},
    {34, G::Hover, "borderTopColor", "Border Top Color", K::ColorTyped, 0, kNone, "#999999"},
    {35, G::Hover, "borderRightWidth", "Border Right Width", K::List, 10, kNone, "1", 0},
    {36, G::Hover, "borderRightType", "Border Right Type", K::List, 0, kSolid, "Solid"},
    {37, G::Hover, "borderRightColor", "Border Right Color", K::ColorTyped, 0, kNone, "#FFFFFF"},
    {38, G::Hover, "borderBottomWidth", "Border Bottom Width", K::List, 10, kNone, "1", 0},
    {39, G::Hover, "borderBottomType", "Border Bottom Type", K::List, 0, kSolid, "Solid"},
    {40, G::Hover, "borderBottomColor", "Border Bottom Color", K::ColorTyped, 0, kNone, "#FFFFFF"},
    {41, G::Menu, "target", "Target", K::Text, 0, kTargets, "_blank"},
}};

// Each column's key and title, in the order of EntryGroup.
struct GroupNames {
    std::string_view key, caption;
};
constexpr GroupNames kGroups[] = {
    {"menu", "Menu Settings"}, {"normal", "Normal Menu Item"}, {"hover", "Hover Menu Item"}};

constexpr bool addressesMatchTheTable() {
    for (int i = 0; i < EntryTable::kCount; ++i)
        if (kEntries[static_cast<std::size_t>(i)].index != i)
            return false;
    return true;
}
static_assert(addressesMatchTheTable());
static_assert(kEntries[EntryTable::kStatusMessage].key == "statusbarMessage");
static_assert(kEntries[EntryTable::kNormal.first()].key == "fontName" &&
              kEntries[EntryTable::kNormal.first()].group == G::Normal);
static_assert(kEntries[EntryTable::kHover.first()].key == "fontName" &&
              kEntries[EntryTable::kHover.first()].group == G::Hover);
static_assert(kEntries[EntryTable::kHover.bottom.color].key == "borderBottomColor");
static_assert(kEntries[EntryTable::kTarget].key == "target");

} // namespace

std::vector<std::string> EntryDescriptor::offeredItems() const {
    std::vector<std::string> items;
    if (numbersUpTo > 0) {
        items.reserve(static_cast<std::size_t>(numbersUpTo - numbersFrom + 1));
        for (int n = numbersFrom; n <= numbersUpTo; ++n)
            items.push_back(std::to_string(n));
    } else {
        items.assign(texts.begin(), texts.end());
    }
    return items;
}

std::span<const EntryDescriptor, EntryTable::kCount> EntryTable::all() {
    return kEntries;
}

const EntryDescriptor& EntryTable::at(int index) {
    if (index < 0 || index >= kCount)
        throw std::out_of_range("no settings entry " + std::to_string(index));
    return kEntries[static_cast<std::size_t>(index)];
}

const EntryDescriptor* EntryTable::find(EntryGroup group, std::string_view key) {
    const auto found = std::find_if(kEntries.begin(), kEntries.end(), [&](const auto& entry) {
        return entry.group == group && entry.key == key;
    });
    return found == kEntries.end() ? nullptr : &*found;
}

const EntryDescriptor* EntryTable::findByName(std::string_view name) {
    for (const EntryDescriptor& entry : kEntries) {
        const std::string_view group = groupKey(entry.group);
        if (name.size() == group.size() + 1 + entry.key.size() && name.starts_with(group) &&
            name[group.size()] == '.' && name.ends_with(entry.key))
            return &entry;
    }
    return nullptr;
}

std::string EntryTable::nameOf(const EntryDescriptor& entry) {
    return std::string(groupKey(entry.group)) + "." + std::string(entry.key);
}

std::string_view EntryTable::groupKey(EntryGroup group) {
    return kGroups[static_cast<std::size_t>(group)].key;
}

std::string_view EntryTable::groupCaption(EntryGroup group) {
    return kGroups[static_cast<std::size_t>(group)].caption;
}

} // namespace halvero
