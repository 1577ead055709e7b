#include "core/ColorValues.h"

#include <gtest/gtest.h>

using namespace halvero;

TEST(ColorToHex, WritesRedFirstWithTwoUpperCaseDigitsEach) {
    EXPECT_EQ(ColorToHex(0), "#000000");
    EXPECT_EQ(ColorToHex(255), "#FF0000");
    EXPECT_EQ(ColorToHex(65280), "#00FF00");
    EXPECT_EQ(ColorToHex(16711680), "#0000FF");
    EXPECT_EQ(ColorToHex(16777215), "#FFFFFF");
    EXPECT_EQ(ColorToHex(0x0A0B0C), "#0C0B0A");
}

TEST(ColorToHex, IgnoresTheTopByte) {
    EXPECT_EQ(ColorToHex(0x1FFFFFF), "#FFFFFF");
    EXPECT_EQ(ColorToHex(-1), "#FFFFFF");
}

TEST(HexToColor, ReadsSixDigitsWithOrWithoutHashInEitherCase) {
    EXPECT_EQ(HexToColor("#FF0000"), 255);
    EXPECT_EQ(HexToColor("FF0000"), 255);
    EXPECT_EQ(HexToColor("#ff0000"), 255);
    EXPECT_EQ(HexToColor("#0000FF"), 16711680);
    EXPECT_EQ(HexToColor("#FEF0BA"), 0xBAF0FE);
}

TEST(HexToColor, ReadsOverlappingPiecesForShortText) {
    EXPECT_EQ(HexToColor("#ABC"), 12324011); // red AB, green C, blue BC
    EXPECT_EQ(HexToColor("ABC"), 12324011);
    EXPECT_EQ(HexToColor("#1234"), 0x343412);  // green and blue both "34"
    EXPECT_EQ(HexToColor("#12345"), 0x453412); // blue "45"
}

TEST(HexToColor, IgnoresTheMiddleOfLongText) {
    EXPECT_EQ(HexToColor("#12345678"), 7877650);
    EXPECT_EQ(HexToColor("#1234zz78"), 0x783412);
}

TEST(HexToColor, RejectsUnreadableText) {
    for (const char* text : {"", "#", "#1", "#12", "##FFFFFF", "#GG0000", "#FF00G0", "#FF000G",
                             "red", "# FF0000", "#FF 000", "#-10000", "#+F0000", "#FF00\xC3\xA9"})
        EXPECT_THROW(HexToColor(text), ColorTextError) << '"' << text << '"';
}

TEST(HexToColor, ErrorMessageNamesTheTextButStaysShort) {
    try {
        HexToColor(std::string(1 << 20, 'Z'));
        FAIL() << "no error";
    } catch (const ColorTextError& error) {
        EXPECT_LT(std::string(error.what()).size(), 100u);
    }
    try {
        HexToColor("#GG");
        FAIL() << "no error";
    } catch (const ColorTextError& error) {
        EXPECT_STREQ(error.what(), "\"#GG\" is not a colour");
    }
}

TEST(ColorRoundTrip, EveryColourValueSurvivesTheTextForm) {
    for (std::int32_t v = 0; v <= 0xFFFFFF; ++v) {
        if (HexToColor(ColorToHex(v)) != v) {
            FAIL() << "round trip breaks at " << v;
        }
    }
}
