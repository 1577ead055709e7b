#include "core/page/PageComposer.h"
#include "core/text/FileReader.h"

#include "tests/core/CountOf.h"
#include <algorithm>

#include <gtest/gtest.h>

using namespace halvero;

namespace {

const Timestamp kStamp{2026, 1, 2, 3, 4, 5};

MenuSettings defaults() {
    MenuSettings settings;
    settings.initialise();
    return settings;
}

// The page split at CR LF; the text must end with one.
std::vector<std::string> lines(const std::string& page) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = page.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(page.substr(start, end - start));
    EXPECT_EQ(start, page.size()) << "text after the last CR LF";
    return result;
}

} // namespace

TEST(PageComposer, DefaultPageMatchesTheReferenceByteForByte) {
    const std::string expected =
        FileReader::read(HALVERO_GOLDEN_DIR "/default-page.htm", 1 << 20, "");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(PageComposer::compose(defaults(), kStamp), expected);
}

TEST(PageComposer, DefaultPageShape) {
    const auto page = lines(PageComposer::compose(defaults(), kStamp));
    ASSERT_EQ(page.size(), 138u);
    EXPECT_EQ(page[12], "    <meta name='timestamp' content='2026/01/02 - 03:04:05' />");
    EXPECT_EQ(page[55], "        border-left:1px solid #FFFFFF;");
    EXPECT_EQ(page[75], "        window.status = \"Corvantis\";");
    EXPECT_EQ(page.back(), "</html>");
    for (const auto& line : page)
        EXPECT_EQ(line.find('\t'), std::string::npos);
}

TEST(PageComposer, LineCountFollowsItemCountAndCase) {
    for (const char* statusUrl : {"No", "Yes"}) {
        for (int n : {1, 2, 5, 20}) {
            MenuSettings s = defaults();
            s.setValue(0, std::to_string(n));
            s.setValue(5, statusUrl);
            const std::size_t expected = (statusUrl == std::string("No") ? 108u : 107u) + 6u * n;
            EXPECT_EQ(lines(PageComposer::compose(s, kStamp)).size(), expected)
                << statusUrl << " " << n;
        }
    }
}

TEST(PageComposer, YesCaseDropsTheStatusLineAndTheReturnValue) {
    MenuSettings s = defaults();
    s.setValue(5, "Yes");
    s.applyStatusBarRule();
    const std::string page = PageComposer::compose(s, kStamp);
    const auto text = lines(page);
    EXPECT_EQ(text[75], "        window.event.srcElement.style.border = \"0px\";");
    EXPECT_EQ(countOf(page, "window.status"), 0u);
    EXPECT_EQ(countOf(page, "window.Status = \"\";"), 1u);
    EXPECT_EQ(text[103],
              "          <td class='Menu' align='center' valign='middle' width='120' height='20'>");
    EXPECT_EQ(text[104],
              "            <a class='Menu' href='http://www.example.com/' target='_blank' "
              "onmouseover='OnMouseOver();' onmouseout='OnMouseOut();' "
              "onclick='OnClick();return(true);'>Corvantis</a>");
}

TEST(PageComposer, CaseTestIgnoresLetterCase) {
    MenuSettings s = defaults();
    s.setValue(5, "nO");
    EXPECT_EQ(lines(PageComposer::compose(s, kStamp)).size(), 138u);
    s.setValue(5, "No ");
    EXPECT_EQ(lines(PageComposer::compose(s, kStamp)).size(), 137u);
}

TEST(PageComposer, TwentyIdenticalItems) {
    MenuSettings s = defaults();
    s.setValue(0, "20");
    s.setValue(SettingTable::kTarget, "_self");
    const std::string page = PageComposer::compose(s, kStamp);
    EXPECT_EQ(countOf(page, ">Corvantis</a>"), 20u);
    EXPECT_EQ(countOf(page, "href='http://www.example.com/' target='_self'"), 20u);
    EXPECT_EQ(countOf(page, "<tr><td height='4'></td></tr>"), 21u);
}

TEST(PageComposer, ItemCountReadAsAWholeNumber) {
    EXPECT_EQ(MenuSettings::itemCountOf("5"), 5);
    EXPECT_EQ(MenuSettings::itemCountOf(" 7"), 7);
    EXPECT_EQ(MenuSettings::itemCountOf("3abc"), 3);
    EXPECT_EQ(MenuSettings::itemCountOf("abc"), 0);
    EXPECT_EQ(MenuSettings::itemCountOf(""), 0);
    EXPECT_EQ(MenuSettings::itemCountOf("0"), 0);
    EXPECT_EQ(MenuSettings::itemCountOf("-4"), 0);
    EXPECT_EQ(MenuSettings::itemCountOf("99999999999999999999999"), MenuSettings::kMaxItemBlocks);

    MenuSettings s = defaults();
    s.setValue(0, "none");
    EXPECT_EQ(lines(PageComposer::compose(s, kStamp)).size(), 108u);
    s.setValue(0, "-3");
    EXPECT_EQ(lines(PageComposer::compose(s, kStamp)).size(), 108u);
}

TEST(PageComposer, ValuesGoInUnchangedButBorderStylesInLowerCase) {
    MenuSettings s = defaults();
    s.setValue(3, "50%");
    s.setValue(12, "3");
    s.setValue(13, "DoTTed");
    s.setValue(14, "#abcdef");
    s.setValue(7, "Times New Roman");
    const std::string page = PageComposer::compose(s, kStamp);
    EXPECT_NE(page.find("        border-left:3px dotted #abcdef;\r\n"), std::string::npos);
    EXPECT_NE(page.find("font-family:Times New Roman;"), std::string::npos);
    EXPECT_EQ(countOf(page, "width='50%'"), 6u);
}

TEST(PageComposer, StatusMessageIsAnEscapedScriptString) {
    MenuSettings s = defaults();
    s.setValue(6, "Say \"hi\" \\ </script>\r\nbye");
    const auto text = lines(PageComposer::compose(s, kStamp));
    ASSERT_EQ(text.size(), 138u);
    EXPECT_EQ(text[75], "        window.status = \"Say \\\"hi\\\" \\\\ \\x3C/script>\\r\\nbye\";");
}

TEST(PageComposer, NonAsciiTextIsWrittenAsUtf8) {
    MenuSettings s = defaults();
    const std::string persian = "\xD8\xAE\xD9\x88\xD8\xB4 \xD8\xA2\xD9\x85\xD8\xAF\xDB\x8C\xD8\xAF";
    s.setValue(6, persian);
    s.setValue(SettingTable::kTarget, "caf\xC3\xA9");
    const std::string page = PageComposer::compose(s, kStamp);
    EXPECT_NE(page.find("window.status = \"" + persian + "\";"), std::string::npos);
    EXPECT_EQ(countOf(page, "target='caf\xC3\xA9'"), 5u);
    EXPECT_NE(page.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(PageComposer, InvalidUtf8IsReplacedNotCopied) {
    MenuSettings s = defaults();
    s.setValue(7, "Bad\xFF\xC3");
    const std::string page = PageComposer::compose(s, kStamp);
    EXPECT_NE(page.find("font-family:Bad\xEF\xBF\xBD\xEF\xBF\xBD;"), std::string::npos);
    EXPECT_EQ(page.find('\xFF'), std::string::npos);
}

TEST(PageComposer, SurvivesEmptyAndHugeValues) {
    MenuSettings empty;
    EXPECT_EQ(lines(PageComposer::compose(empty, kStamp)).size(), 107u); // "" is not "NO"

    MenuSettings s = defaults();
    const std::string huge(1 << 20, 'x');
    s.setValue(3, huge);
    s.setValue(6, huge);
    const std::string page = PageComposer::compose(s, kStamp);
    EXPECT_GT(page.size(), 7u * huge.size());
    EXPECT_EQ(lines(page).size(), 138u);
}

TEST(Timestamp, PadsEveryField) {
    EXPECT_EQ((Timestamp{2003, 10, 29, 0, 0, 0}.date()), "2003/10/29");
    EXPECT_EQ((Timestamp{987, 1, 2, 3, 4, 5}.date()), "0987/01/02");
    EXPECT_EQ((Timestamp{2003, 10, 29, 23, 59, 7}.time()), "23:59:07");
    const Timestamp now = Timestamp::now();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
}
