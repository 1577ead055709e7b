#include "core/TextEncoding.h"

#include <gtest/gtest.h>

using namespace halvero;

TEST(ToValidUtf8, KeepsValidText) {
    EXPECT_EQ(ToValidUtf8(""), "");
    EXPECT_EQ(ToValidUtf8("50%"), "50%");
    const std::string persian = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"; // "salaam"
    EXPECT_EQ(ToValidUtf8(persian), persian);
    EXPECT_EQ(ToValidUtf8("caf\xC3\xA9 \xF0\x9F\x99\x82"), "caf\xC3\xA9 \xF0\x9F\x99\x82");
}

TEST(ToValidUtf8, ReplacesEachInvalidByte) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(ToValidUtf8("a\xFF"
                          "b"),
              "a" + r + "b");
    EXPECT_EQ(ToValidUtf8("\xC3"), r);                         // cut short at the end
    EXPECT_EQ(ToValidUtf8("\xC0\xAF"), r + r);                 // overlong "/"
    EXPECT_EQ(ToValidUtf8("\xED\xA0\x80"), r + r + r);         // surrogate
    EXPECT_EQ(ToValidUtf8("\xF4\x90\x80\x80"), r + r + r + r); // past U+10FFFF
    EXPECT_EQ(ToValidUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(EscapeScriptString, LeavesPlainTextAlone) {
    EXPECT_EQ(EscapeScriptString("Corvantis"), "Corvantis");
    EXPECT_EQ(EscapeScriptString("Welcome To My Site..."), "Welcome To My Site...");
    EXPECT_EQ(EscapeScriptString("caf\xC3\xA9 'x'"), "caf\xC3\xA9 'x'");
}

TEST(EscapeScriptString, EscapesWhatCouldEndTheStringOrTheScript) {
    EXPECT_EQ(EscapeScriptString("say \"hi\""), "say \\\"hi\\\"");
    EXPECT_EQ(EscapeScriptString("C:\\dir"), "C:\\\\dir");
    EXPECT_EQ(EscapeScriptString("a\r\nb\tc"), "a\\r\\nb\\tc");
    EXPECT_EQ(EscapeScriptString("</script><b>"), "\\x3C/script>\\x3Cb>");
    EXPECT_EQ(EscapeScriptString(std::string("\0\x1F\x7F", 3)), "\\x00\\x1F\\x7F");
    EXPECT_EQ(EscapeScriptString("a\xE2\x80\xA8"
                                 "b\xE2\x80\xA9"),
              "a\\u2028b\\u2029");
}
