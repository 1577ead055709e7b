#include "core/text/TextEncoding.h"

#include <gtest/gtest.h>

using namespace halvero;

TEST(toValidUtf8, KeepsValidText) {
    EXPECT_EQ(toValidUtf8(""), "");
    EXPECT_EQ(toValidUtf8("50%"), "50%");
    const std::string persian = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"; // "salaam"
    EXPECT_EQ(toValidUtf8(persian), persian);
    EXPECT_EQ(toValidUtf8("caf\xC3\xA9 \xF0\x9F\x99\x82"), "caf\xC3\xA9 \xF0\x9F\x99\x82");
}

TEST(toValidUtf8, ReplacesEachInvalidByte) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(toValidUtf8("a\xFF"
                          "b"),
              "a" + r + "b");
    EXPECT_EQ(toValidUtf8("\xC3"), r);                         // cut short at the end
    EXPECT_EQ(toValidUtf8("\xC0\xAF"), r + r);                 // overlong "/"
    EXPECT_EQ(toValidUtf8("\xED\xA0\x80"), r + r + r);         // surrogate
    EXPECT_EQ(toValidUtf8("\xF4\x90\x80\x80"), r + r + r + r); // past U+10FFFF
    EXPECT_EQ(toValidUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(escapeScriptString, LeavesPlainTextAlone) {
    EXPECT_EQ(escapeScriptString("Corvantis"), "Corvantis");
    EXPECT_EQ(escapeScriptString("Welcome To My Site..."), "Welcome To My Site...");
    EXPECT_EQ(escapeScriptString("caf\xC3\xA9 'x'"), "caf\xC3\xA9 'x'");
}

TEST(escapeScriptString, EscapesWhatCouldEndTheStringOrTheScript) {
    EXPECT_EQ(escapeScriptString("say \"hi\""), "say \\\"hi\\\"");
    EXPECT_EQ(escapeScriptString("C:\\dir"), "C:\\\\dir");
    EXPECT_EQ(escapeScriptString("a\r\nb\tc"), "a\\r\\nb\\tc");
    EXPECT_EQ(escapeScriptString("</script><b>"), "\\x3C/script>\\x3Cb>");
    EXPECT_EQ(escapeScriptString(std::string("\0\x1F\x7F", 3)), "\\x00\\x1F\\x7F");
    EXPECT_EQ(escapeScriptString("a\xE2\x80\xA8"
                                 "b\xE2\x80\xA9"),
              "a\\u2028b\\u2029");
}
