#include "core/settings/ColorValues.h"

#include <gtest/gtest.h>

using namespace halvero;

TEST(colorToHex, WritesRedFirstWithTwoUpperCaseDigitsEach) {
    EXPECT_EQ(colorToHex(0), "#000000");
    EXPECT_EQ(colorToHex(255), "#FF0000");
    EXPECT_EQ(colorToHex(65280), "#00FF00");
    EXPECT_EQ(colorToHex(16711680), "#0000FF");
    EXPECT_EQ(colorToHex(16777215), "#FFFFFF");
    EXPECT_EQ(colorToHex(0x0A0B0C), "#0C0B0A");
}

TEST(colorToHex, IgnoresTheTopByte) {
    EXPECT_EQ(colorToHex(0x1FFFFFF), "#FFFFFF");
    EXPECT_EQ(colorToHex(-1), "#FFFFFF");
}

TEST(hexToColor, ReadsSixDigitsWithOrWithoutHashInEitherCase) {
    EXPECT_EQ(hexToColor("#FF0000"), 255);
    EXPECT_EQ(hexToColor("FF0000"), 255);
    EXPECT_EQ(hexToColor("#ff0000"), 255);
    EXPECT_EQ(hexToColor("#0000FF"), 16711680);
    EXPECT_EQ(hexToColor("#FEF0BA"), 0xBAF0FE);
}

TEST(hexToColor, ReadsOverlappingPiecesForShortText) {
    EXPECT_EQ(hexToColor("#ABC"), 12324011); // red AB, green C, blue BC
    EXPECT_EQ(hexToColor("ABC"), 12324011);
    EXPECT_EQ(hexToColor("#1234"), 0x343412);  // green and blue both "34"
    EXPECT_EQ(hexToColor("#12345"), 0x453412); // blue "45"
}

TEST(hexToColor, IgnoresTheMiddleOfLongText) {
    EXPECT_EQ(hexToColor("#12345678"), 7877650);
    EXPECT_EQ(hexToColor("#1234zz78"), 0x783412);
}

TEST(hexToColor, RejectsUnreadableText) {
    for (const char* text : {"", "#", "#1", "#12", "##FFFFFF", "#GG0000", "#FF00G0", "#FF000G",
                             "red", "# FF0000", "#FF 000", "#-10000", "#+F0000", "#FF00\xC3\xA9"})
        EXPECT_THROW(hexToColor(text), ColorTextError) << '"' << text << '"';
}

TEST(hexToColor, ErrorMessageNamesTheTextButStaysShort) {
    try {
        hexToColor(std::string(1 << 20, 'Z'));
        FAIL() << "no error";
    } catch (const ColorTextError& error) {
        EXPECT_LT(std::string(error.what()).size(), 100u);
    }
    try {
        hexToColor("#GG");
        FAIL() << "no error";
    } catch (const ColorTextError& error) {
        EXPECT_STREQ(error.what(), "\"#GG\" is not a colour");
    }
}

TEST(ColorRoundTrip, EveryColourValueSurvivesTheTextForm) {
    for (std::int32_t v = 0; v <= 0xFFFFFF; ++v) {
        if (hexToColor(colorToHex(v)) != v) {
            FAIL() << "round trip breaks at " << v;
        }
    }
}
