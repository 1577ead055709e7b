#include "core/page/PageComposer.h"
#include "core/settings/SettingsFile.h"

#include "tests/core/CountOf.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

MenuSettings modernMenu() {
    MenuSettings settings;
    settings.initialise();
    settings.setPageStyle(MenuSettings::PageStyle::Modern);
    settings.setMenuItems(
        {{"Home", "index.html", "", "_self", false, {}},
         {"Say \"<hi>\" & 'bye'", "a.html?x='1'&y=\"2\"", "</a><script>", "", false, {}}});
    settings.setValue(SettingTable::kItemCount, "2");
    return settings;
}

} // namespace

// The modern page: the same bytes for the same settings, nothing of the
// classic page's script, sound, files or CR LF, and text that stays text.
TEST(ModernPage, PlainReproducibleAndEscaped) {
    const MenuSettings settings = modernMenu();
    const std::string page = PageComposer::compose(settings, Timestamp::now());
    EXPECT_EQ(page, PageComposer::compose(settings, Timestamp{1999, 1, 1, 0, 0, 0}));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n", 0), 0u);
    for (const char* absent : {"\r", "<script", "bgsound", "onmouse", "css/style.css", "timestamp"})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
    EXPECT_NE(page.find(">Say &quot;&lt;hi&gt;&quot; &amp; &#39;bye&#39;<"), std::string::npos);
    EXPECT_NE(page.find("href=\"a.html?x=&#39;1&#39;&amp;y=&quot;2&quot;\" "
                        "title=\"&lt;/a&gt;&lt;script&gt;\" target=\"_blank\" rel=\"noopener\""),
              std::string::npos);
    EXPECT_NE(page.find("(opens in a new tab)"), std::string::npos);
    EXPECT_EQ(countOf(page, "<li "), 2u);
    EXPECT_NE(page.find(".halvero-menu .halvero-menu__link:hover,\n"
                        ".halvero-menu .halvero-menu__link:focus-visible {"),
              std::string::npos);
    EXPECT_NE(page.find("@media (prefers-reduced-motion: reduce)"), std::string::npos);
}

TEST(ModernPage, FragmentIsStyleAndNavNamingItsFile) {
    const std::string fragment = PageComposer::fragment(modernMenu(), "site--menu>.halvero");
    EXPECT_EQ(fragment.rfind("<!-- Menu written by Halvero from site- -menu).halvero. Change it "
                             "there",
                             0),
              0u);
    EXPECT_EQ(countOf(fragment, "--"), 2u) << "only the comment's own dashes";
    EXPECT_NE(fragment.find("\n<style>\n"), std::string::npos);
    EXPECT_EQ(fragment.find("<html"), std::string::npos);
    EXPECT_TRUE(fragment.ends_with("</nav>\n"));
}

// Across the page: one row of items in both styles; down it, the classic
// page as it always was.
TEST(ModernPage, HorizontalMenusAreOneRow) {
    MenuSettings settings = modernMenu();
    settings.setValue(SettingTable::kDirection, "Horizontal");
    EXPECT_NE(PageComposer::compose(settings, Timestamp::now()).find("flex-direction: row;"),
              std::string::npos);
    settings.setPageStyle(MenuSettings::PageStyle::Classic);
    const std::string classic = PageComposer::compose(settings, Timestamp::now());
    EXPECT_EQ(countOf(classic, "<tr>"), 1u);
    EXPECT_EQ(countOf(classic, "<td width='4'></td>"), 3u);
    EXPECT_EQ(countOf(classic, "<td class='Menu'"), 2u);
}

TEST(ModernPage, TheStyleIsKeptInTheFile) {
    const MenuSettings settings = modernMenu();
    const std::string text = SettingsFile::compose(settings);
    EXPECT_NE(text.find("\"page\": {\n    \"style\": \"modern\"\n  }"), std::string::npos);
    EXPECT_EQ(SettingsFile::parse(text).pageStyle, MenuSettings::PageStyle::Modern);
    EXPECT_THROW(SettingsFile::parse(R"({"format": "halvero-menu", "version": 1,
        "page": {"style": "retro"}})"),
                 SettingsFileError);
}

// The current page's item is marked for screen readers, kept in the file as
// true, and refused as anything but true or false.
TEST(ModernPage, TheCurrentItemIsMarkedAndKept) {
    MenuSettings settings = modernMenu();
    std::vector<MenuItem> items = settings.menuItems();
    items[0].current = true;
    settings.setMenuItems(items);
    const std::string page = PageComposer::compose(settings, Timestamp::now());
    EXPECT_NE(page.find("href=\"index.html\" aria-current=\"page\">Home<"), std::string::npos);
    EXPECT_EQ(countOf(page, "aria-current=\"page\""), 3u)
        << "the item, its style and its style in forced colours";

    const std::string text = SettingsFile::compose(settings);
    EXPECT_EQ(countOf(text, "\"current\": true"), 1u);
    const SettingsFile::Contents read = SettingsFile::parse(text);
    EXPECT_TRUE(read.items[0].current);
    EXPECT_FALSE(read.items[1].current);
    EXPECT_EQ(read.items[0].target, "_self");

    const std::string quoted = R"({"format": "halvero-menu", "version": 2, "items": [
        {"label": "Home", "link": "/", "current": "yes"}]})";
    try {
        SettingsFile::parse(quoted);
        ADD_FAILURE() << "a text for current was taken";
    } catch (const SettingsFileError& error) {
        EXPECT_NE(std::string(error.what()).find("expected true or false, found text"),
                  std::string::npos)
            << error.what();
    }
}
