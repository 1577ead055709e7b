#include "core/settings/ValueRules.h"
#include "core/page/PageComposer.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

std::string problemOf(int index, std::string_view value) {
    return ValueRules::problem(SettingTable::at(index), value);
}

} // namespace

// What a colour entry takes: colour syntax, nothing that could leave the
// declaration it is written into.
TEST(ValueRules, ColoursTakeColourSyntaxOnly) {
    const int colour = SettingTable::kNormal.fontColor;
    for (const char* good : {"#0000FF", "#abc", "#abcd", "#11223344", "red", "transparent",
                             "rgb(1, 2, 3)", "rgba(1,2,3,0.5)", "rgb(10% 20% 30% / 50%)",
                             "hsl(120deg 50% 50%)", "HSLA(120, 50%, 50%, .3)"})
        EXPECT_EQ(problemOf(colour, good), "") << good;
    for (const char* bad : {"",
                            "red/*",
                            "*/lime",
                            "rgb(1,2",
                            "rgb(1,2,3))",
                            "rgb((1,2,3)",
                            "expression(alert(1))",
                            "url(x.png)",
                            "#12",
                            "#12345",
                            "#GGGGGG",
                            "red blue",
                            "rgb(1,2)",
                            "rgb(1,2,3,4,5)",
                            "var(--x)",
                            "red!important",
                            "rgb(,,,,1,2,3)",
                            "rgb(1,,2,3)",
                            "rgb(1,2,3,)",
                            "rgb(1 2, 3)",
                            "rgb(1, 2, 3 / 0.5)",
                            "rgb(1 2 / 3 4)",
                            "rgb(1. 2 3)"})
        EXPECT_NE(problemOf(colour, bad), "") << bad;
    EXPECT_EQ(problemOf(colour, "red/*"), "holds a comment's /* or */");
    EXPECT_EQ(problemOf(colour, ""), "is empty");
}

TEST(ValueRules, WidthAndHeightTakeLengthSyntaxOnly) {
    for (const char* good : {"120", "7.5em", "50%", "12px", ".5rem"})
        EXPECT_EQ(problemOf(SettingTable::kItemWidth, good), "") << good;
    for (const char* bad :
         {"", "calc(1", "calc)", "12 px", "1/*", "x", "url(a)", "-", "1.px", "1."})
        EXPECT_NE(problemOf(SettingTable::kItemWidth, bad), "") << bad;
    for (const char* good : {"calc(100% - 2px)", "min(9px, 2em)", "clamp(1em, 5vw, 3em)"})
        EXPECT_TRUE(ValueRules::isLength(good)) << good;
    for (const char* bad : {"calc(1", "calc(1))", "calc(x)", "calc()", "calc(1 -)(", "attr(w)"})
        EXPECT_FALSE(ValueRules::isLength(bad)) << bad;
    EXPECT_EQ(problemOf(SettingTable::kItemHeight, ""), "is empty");
    // Free text stays free where it is no CSS.
    EXPECT_EQ(problemOf(SettingTable::kStatusMessage, "a /* b"), "");
    EXPECT_EQ(problemOf(SettingTable::kTarget, "main"), "");
}

// Typing may pass through unfinished values; only what could never become
// a value is blocked as it is typed.
TEST(ValueRules, UnfinishedValuesAreNoTypingProblem) {
    const Setting& colour = SettingTable::at(SettingTable::kNormal.bottom.color);
    for (const char* unfinished : {"", "#", "#12", "rgb(1", "hsl("})
        EXPECT_EQ(ValueRules::typingProblem(colour, unfinished), "") << unfinished;
    EXPECT_NE(ValueRules::typingProblem(colour, "red;"), "");
    EXPECT_NE(ValueRules::typingProblem(colour, std::string(33, 'a')), "");
}

// Whatever a value holds, the style block of either page keeps its shape:
// every value the rules allow ends where it began.
TEST(ValueRules, AllowedValuesKeepTheStyleBlockWhole) {
    MenuSettings settings;
    settings.initialise();
    settings.setValue(SettingTable::kNormal.fontColor, "rgb(1, 2, 3)");
    settings.setValue(SettingTable::kItemWidth, "7.5em");
    const std::string modern = PageComposer::fragment(settings, "");
    EXPECT_EQ(modern.find("/*"), std::string::npos);
    EXPECT_NE(modern.find("  color: rgb(1, 2, 3);\n"), std::string::npos);
    EXPECT_NE(modern.find("  width: 7.5em;\n"), std::string::npos);
    settings.setPageStyle(MenuSettings::PageStyle::Classic);
    const std::string classic = PageComposer::compose(settings, Timestamp{2026, 1, 2, 3, 4, 5});
    EXPECT_NE(classic.find("        color:rgb(1, 2, 3);\r\n"), std::string::npos);
}
