#include "MenuSettings.h"

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
        {39, "Solid"},    {40, "#FFFFFF"}, {MenuSettings::kTarget, "_blank"}};
    ASSERT_EQ(defaults.size(), 42u);
    for (const auto& [index, value] : defaults)
        EXPECT_EQ(s.value(index), value) << "entry " << index;
    for (int i = 0; i < MenuSettings::kIndexCount; ++i)
        EXPECT_TRUE(s.isEnabled(i)) << "entry " << i;
}

TEST(MenuSettings, OfferedItemsInOrder) {
    const MenuSettings s = initialised();
    using Items = std::vector<std::string>;
    EXPECT_EQ(s.items(0), numbers(20));
    EXPECT_EQ(s.items(1), Items{"Vertical"});
    EXPECT_EQ(s.items(2), numbers(50));
    EXPECT_EQ(s.items(3), numbers(300));
    EXPECT_EQ(s.items(4), numbers(100));
    EXPECT_EQ(s.items(5), (Items{"No", "Yes"}));
    EXPECT_EQ(s.items(6), (Items{"Welcome To My Site...", "Corvantis"}));
    EXPECT_EQ(s.items(MenuSettings::kTarget), (Items{"_top", "_self", "_blank", "_parent"}));
    for (int base : {7, 24}) {
        EXPECT_EQ(s.items(base), (Items{"Verdana", "Tahoma"}));
        EXPECT_EQ(s.items(base + 1), numbers(72));
        EXPECT_EQ(s.items(base + 3), (Items{"Yes", "No"}));
        for (int k : {5, 8, 11, 14}) {
            EXPECT_EQ(s.items(base + k), numbers(10));
            EXPECT_EQ(s.items(base + k + 1), Items{"Solid"});
        }
    }
    for (int i : MenuSettings::kColorEntries)
        EXPECT_TRUE(s.items(i).empty()) << "entry " << i;
}

TEST(MenuSettings, InitialisingAgainRestoresDefaultsWithoutDuplicates) {
    MenuSettings s = initialised();
    s.setValue(3, "999");
    s.setValue(MenuSettings::kTarget, "menuFrame");
    s.initialise();
    EXPECT_EQ(s.value(3), "120");
    EXPECT_EQ(s.value(MenuSettings::kTarget), "_blank");
    EXPECT_EQ(s.items(MenuSettings::kTarget).size(), 4u);
    EXPECT_EQ(s.items(13).size(), 1u);
}

TEST(MenuSettings, LabelsAndInputKinds) {
    EXPECT_EQ(MenuSettings::label(0), "Menu Item Count");
    EXPECT_EQ(MenuSettings::label(6), "Message in Statusbar");
    EXPECT_EQ(MenuSettings::label(23), "Borde Button Color");
    EXPECT_EQ(MenuSettings::label(40), "Border Button Color");
    EXPECT_EQ(MenuSettings::label(MenuSettings::kTarget), "Target");
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(MenuSettings::label(7 + k), MenuSettings::label(24 + k)) << k;

    int typed = 0, picked = 0, text = 0;
    for (int i = 0; i < MenuSettings::kIndexCount; ++i) {
        switch (MenuSettings::inputKind(i)) {
        case InputKind::ColorTyped:
            ++typed;
            break;
        case InputKind::ColorPicked:
            ++picked;
            EXPECT_TRUE(MenuSettings::isColorEntry(i));
            break;
        case InputKind::Text:
            ++text;
            break;
        case InputKind::List:
            EXPECT_FALSE(MenuSettings::isColorEntry(i)) << i;
            break;
        }
    }
    EXPECT_EQ(typed, 2);
    EXPECT_EQ(picked, 10);
    EXPECT_EQ(text, 4);
    EXPECT_EQ(MenuSettings::inputKind(23), InputKind::ColorTyped);
    EXPECT_EQ(MenuSettings::inputKind(40), InputKind::ColorTyped);
}

TEST(MenuSettings, RejectsIndexesOutsideTheRecord) {
    MenuSettings s;
    EXPECT_THROW(s.value(-1), std::out_of_range);
    EXPECT_THROW(s.value(42), std::out_of_range);
    EXPECT_THROW(s.setValue(42, "x"), std::out_of_range);
    EXPECT_THROW(MenuSettings::label(-1), std::out_of_range);
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

TEST(MenuSettings, ObserverSeesValueChangesInInitialisationOrder) {
    MenuSettings s;
    std::vector<int> valueOrder;
    s.setObserver([&](int index, MenuSettings::Change change) {
        if (change == MenuSettings::Change::Value)
            valueOrder.push_back(index);
    });
    s.initialise();
    const std::vector<int> expected = {0,  1,  2,  3,  4,  5,  6,  7,  41, 24, 8,  25, 10, 27,
                                       12, 15, 18, 21, 29, 32, 35, 38, 13, 16, 19, 22, 30, 33,
                                       36, 39, 11, 28, 9,  26, 14, 17, 20, 23, 31, 34, 37, 40};
    EXPECT_EQ(valueOrder, expected);
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
