#include "core/settings/MenuSettings.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace halvero;

namespace {

std::vector<std::string> numbers(int last) {
    std::vector<std::string> items;
    for (int n = 1; n <= last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

MenuSettings initialised() {
    MenuSettings settings;
    settings.initialise();
    return settings;
}

} // namespace

TEST(MenuSettings, DefaultsAfterInitialisation) {
    const MenuSettings s = initialised();
    const std::vector<std::pair<int, std::string>> defaults = {
        {0, "5"},         {1, "Vertical"}, {2, "4"},
        {3, "120"},       {4, "20"},       {5, "No"},
        {6, "Corvantis"}, {7, "Tahoma"},   {8, "8"},
        {9, "#0000FF"},   {10, "No"},      {11, "#FEF0BA"},
        {12, "1"},        {13, "Solid"},   {14, "#FFFFFF"},
        {15, "1"},        {16, "Solid"},   {17, "#FFFFFF"},
        {18, "2"},        {19, "Solid"},   {20, "#999999"},
        {21, "2"},        {22, "Solid"},   {23, "#999999"},
        {24, "Tahoma"},   {25, "8"},       {26, "#0000FF"},
        {27, "No"},       {28, "#FEF098"}, {29, "2"},
        {30, "Solid"},    {31, "#999999"}, {32, "2"},
        {33, "Solid"},    {34, "#999999"}, {35, "1"},
        {36, "Solid"},    {37, "#FFFFFF"}, {38, "1"},
        {39, "Solid"},    {40, "#FFFFFF"}, {SettingTable::kTarget, "_blank"}};
    ASSERT_EQ(defaults.size(), 42u);
    for (const auto& [index, value] : defaults)
        EXPECT_EQ(s.value(index), value) << "entry " << index;
    for (int i = 0; i < SettingTable::kEntryCount; ++i)
        EXPECT_TRUE(s.isEnabled(i)) << "entry " << i;
}

TEST(MenuSettings, OfferedItemsInOrder) {
    const MenuSettings s = initialised();
    using Items = std::vector<std::string>;
    EXPECT_EQ(s.offeredItems(0), numbers(20));
    EXPECT_EQ(s.offeredItems(1), (Items{"Vertical", "Horizontal"}));
    EXPECT_EQ(s.offeredItems(2), numbers(50));
    EXPECT_EQ(s.offeredItems(3), numbers(300));
    EXPECT_EQ(s.offeredItems(4), numbers(100));
    EXPECT_EQ(s.offeredItems(5), (Items{"No", "Yes"}));
    EXPECT_EQ(s.offeredItems(6), (Items{"Welcome To My Site...", "Corvantis"}));
    EXPECT_EQ(s.offeredItems(SettingTable::kTarget), (Items{"_top", "_self", "_blank", "_parent"}));
    for (int base : {7, 24}) {
        // The two fonts first, then font stacks; the hovered item may take
        // the normal one's font and size.
        const bool hover = base == 24;
        Items fonts = s.offeredItems(base), sizes = numbers(72);
        if (hover) {
            EXPECT_EQ(fonts.front(), "Same as normal");
            fonts.erase(fonts.begin());
            sizes.insert(sizes.begin(), "Same as normal");
        }
        EXPECT_EQ(fonts.size(), 7u);
        EXPECT_EQ(fonts[0], "Verdana");
        EXPECT_EQ(fonts[1], "Tahoma");
        EXPECT_EQ(fonts[2], "system-ui, sans-serif");
        EXPECT_EQ(s.offeredItems(base + 1), sizes);
        EXPECT_EQ(s.offeredItems(base + 3), (Items{"Yes", "No"}));
        for (int k : {5, 8, 11, 14}) {
            Items widths = numbers(10);
            widths.insert(widths.begin(), "0");
            EXPECT_EQ(s.offeredItems(base + k), widths);
            EXPECT_EQ(s.offeredItems(base + k + 1), (Items{"Solid", "None"}));
        }
    }
    for (int i : {9, 11, 14, 17, 20, 23, 26, 28, 31, 34, 37, 40})
        EXPECT_TRUE(s.offeredItems(i).empty()) << "entry " << i;
}

TEST(MenuSettings, InitialisingAgainRestoresDefaultsWithoutDuplicates) {
    MenuSettings s = initialised();
    s.setValue(3, "999");
    s.setValue(SettingTable::kTarget, "menuFrame");
    s.initialise();
    EXPECT_EQ(s.value(3), "120");
    EXPECT_EQ(s.value(SettingTable::kTarget), "_blank");
    EXPECT_EQ(s.offeredItems(SettingTable::kTarget).size(), 4u);
    EXPECT_EQ(s.offeredItems(13).size(), 2u);
}

TEST(SettingTable, CaptionsKindsAndKeys) {
    EXPECT_EQ(SettingTable::at(0).caption, "Menu Item Count");
    EXPECT_EQ(SettingTable::at(6).caption, "Message in Statusbar");
    EXPECT_EQ(SettingTable::at(23).caption, "Border Bottom Color");
    EXPECT_EQ(SettingTable::at(40).caption, "Border Bottom Color");
    EXPECT_EQ(SettingTable::at(SettingTable::kTarget).caption, "Target");
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(SettingTable::at(7 + k).caption, SettingTable::at(24 + k).caption) << k;
        EXPECT_EQ(SettingTable::at(7 + k).key, SettingTable::at(24 + k).key) << k;
    }

    const std::vector<int> colours = {9, 11, 14, 17, 20, 23, 26, 28, 31, 34, 37, 40};
    int typed = 0, text = 0;
    for (const Setting& d : SettingTable::entries()) {
        const bool colour = std::find(colours.begin(), colours.end(), d.index) != colours.end();
        EXPECT_EQ(d.isColor(), colour) << d.index;
        typed += d.kind == InputKind::ColorTyped;
        text += d.kind == InputKind::Text;
        // Keys are unique within their column, and find() gets back there.
        EXPECT_EQ(SettingTable::find(d.group, d.key), &d) << d.key;
    }
    // Every colour box takes a typed colour; the fonts are typed font stacks.
    EXPECT_EQ(typed, 12);
    EXPECT_EQ(text, 6);
    EXPECT_EQ(SettingTable::at(23).kind, InputKind::ColorTyped);
    EXPECT_EQ(SettingTable::at(40).kind, InputKind::ColorTyped);
    EXPECT_EQ(SettingTable::find(SettingGroup::Menu, "fontName"), nullptr);
}

TEST(MenuSettings, RejectsIndexesOutsideTheRecord) {
    MenuSettings s;
    EXPECT_THROW(s.value(-1), std::out_of_range);
    EXPECT_THROW(s.value(42), std::out_of_range);
    EXPECT_THROW(s.setValue(42, "x"), std::out_of_range);
    EXPECT_THROW(SettingTable::at(-1), std::out_of_range);
}

TEST(MenuSettings, StatusBarRuleBothWays) {
    MenuSettings s = initialised();
    s.setValue(6, "My own message");
    s.setValue(5, "Yes");
    s.applyStatusBarRule();
    EXPECT_FALSE(s.isEnabled(6));
    EXPECT_EQ(s.value(6), "");

    s.setValue(5, "No");
    s.applyStatusBarRule();
    EXPECT_TRUE(s.isEnabled(6));
    EXPECT_EQ(s.value(6), "Corvantis");

    s.setValue(6, "typed again");
    s.applyStatusBarRule(); // "No" chosen once more: the typed message goes
    EXPECT_EQ(s.value(6), "Corvantis");

    s.setValue(5, "yes"); // only the exact item "Yes" disables
    s.applyStatusBarRule();
    EXPECT_TRUE(s.isEnabled(6));
}

// Every box gets its list before any value, and colour entries come last,
// so a colour box is painted once, after every list is in place.
TEST(MenuSettings, InitialisationFillsListsFirstAndColoursLast) {
    MenuSettings s;
    std::vector<std::pair<int, MenuSettings::Change>> told;
    s.setObserver(
        [&](int index, MenuSettings::Change change) { told.emplace_back(index, change); });
    s.initialise();
    std::vector<int> items, values;
    for (const auto& [index, change] : told) {
        if (change == MenuSettings::Change::OfferedItems) {
            EXPECT_TRUE(values.empty()) << "items of " << index << " after a value";
            items.push_back(index);
        } else if (change == MenuSettings::Change::Value) {
            values.push_back(index);
        }
    }
    EXPECT_EQ(items.size(), 42u);
    ASSERT_EQ(values.size(), 42u);
    const auto firstColour = std::find_if(values.begin(), values.end(),
                                          [](int i) { return SettingTable::at(i).isColor(); });
    EXPECT_EQ(values.end() - firstColour, 12);
    EXPECT_TRUE(std::all_of(firstColour, values.end(),
                            [](int i) { return SettingTable::at(i).isColor(); }));
}

TEST(MenuSettings, SettingAnUnchangedValueTellsNobody) {
    MenuSettings s = initialised();
    int calls = 0;
    s.setObserver([&](int, MenuSettings::Change) { ++calls; });
    s.setValue(3, "120");
    EXPECT_EQ(calls, 0);
    s.setValue(3, "121");
    EXPECT_EQ(calls, 1);
    s.edit(3, "9120x"); // the user's own edit goes nowhere else
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.value(3), "9120x");
}
