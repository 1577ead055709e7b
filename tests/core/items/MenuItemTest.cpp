#include "core/items/MenuItem.h"
#include "core/items/ItemsText.h"
#include "core/page/PageComposer.h"
#include "core/settings/SettingsFile.h"
#include "core/text/FileReader.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

// Items whose labels, links and tooltips try to leave their place.
const std::vector<MenuItem> kHostileItems = {
    {"<script>alert(1)</script>", "a.html?x=1&amp;y=2", "", "", false, {}},
    {"It's \"quoted\"", "b.html' onclick='alert(1)", "say \"hi\" & 'bye'", "_self", false, {}},
    {"  Caf\xC3\xA9 \xE2\x86\x92 \xD9\x85\xD9\x86\xD9\x88  ",
     "/c\xC3\xA9/?q=\"x\"<y>",
     "</a>",
     "_top",
     false,
     {}},
};

} // namespace

// Every way of writing a scheme a browser would run, and the addresses a
// menu needs.
TEST(MenuItemLink, RefusesSchemesThatRunOrReadLocalFiles) {
    for (const char* link :
         {"javascript:alert(1)", " JaVa\tScRiPt:alert(1)", "\x01\x1Fjavascript:x", "java\nscript:x",
          "java\rscript:x ", "JAVASCRIPT:x", "data:text/html,<b>x</b>", "vbscript:msgbox",
          "file:///etc/passwd", "ftp://example.org/", "C:\\site\\index.html"})
        EXPECT_FALSE(MenuItem::linkProblem(link).empty()) << link;
    EXPECT_EQ(MenuItem::linkProblem(" JaVa\tScRiPt:alert(1)"),
              "the scheme javascript: is not allowed (only http, https, mailto and tel)");
    for (const char* link :
         {"about.html", "../blog/", "#contact", "/", "?page=2", "//cdn.example.org/x",
          "https://example.org/a:b", "HTTP://EXAMPLE.ORG", "mailto:hi@example.org", "tel:+1-555",
          "x/javascript:alert(1)", "&#106;avascript:alert(1)"})
        EXPECT_EQ(MenuItem::linkProblem(link), "") << link;
    EXPECT_EQ(MenuItem::linkProblem(" \t "), "is empty");
    EXPECT_EQ(MenuItem::linkProblem("a" + std::string(2048, 'b')),
              "is longer than 2048 characters");
}

TEST(MenuItem, FieldsOutOfBoundsAreNamed) {
    const MenuItem good{"Home", "index.html", "", "", false, {}};
    EXPECT_EQ(good.problem(), "");
    auto with = [&](auto change) {
        MenuItem item = good;
        change(item);
        return item.problem();
    };
    EXPECT_EQ(with([](MenuItem& i) { i.label = "   "; }), "label: is empty");
    EXPECT_EQ(with([](MenuItem& i) { i.label = std::string(101, 'x'); }),
              "label: is longer than 100 characters");
    EXPECT_EQ(with([](MenuItem& i) { i.label = std::string(100, 'x') + "  "; }), "");
    EXPECT_EQ(with([](MenuItem& i) { i.label = "a\x1b[31m"; }), "label: holds a control character");
    EXPECT_EQ(with([](MenuItem& i) { i.tooltip = std::string(201, 't'); }),
              "tooltip: is longer than 200 characters");
    EXPECT_EQ(with([](MenuItem& i) { i.target = "main"; }),
              "target: is not one of _self, _blank, _parent, _top");
    EXPECT_EQ(MenuItem::describe("3", {" About us ", "", "", "", false, {}}), "item 3 (About us)");
}

// What items hold reaches the page as text: nothing ends its element or
// attribute, nothing enters the script; a menu with items of its own shows
// exactly those, whatever Item Count was set to.
TEST(MenuItemPage, ItemsAreEscapedIntoTheirPlaces) {
    MenuSettings settings;
    settings.initialise();
    settings.setMenuItems(kHostileItems);
    settings.setValue(SettingTable::kItemCount, "4");
    const std::string page = PageComposer::compose(settings, Timestamp{2026, 1, 2, 3, 4, 5});
    EXPECT_EQ(page, FileReader::read(HALVERO_GOLDEN_DIR "/items-page.htm", 1 << 20, ""));
    EXPECT_EQ(page.find("<script>alert"), std::string::npos);
}

TEST(MenuItemFile, ItemsRoundTripAndARefusedLinkRefusesTheFile) {
    MenuSettings settings;
    settings.initialise();
    settings.setMenuItems(kHostileItems);
    const std::string text = SettingsFile::compose(settings);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    const SettingsFile::Contents read = SettingsFile::parse(text);
    EXPECT_EQ(read.items, kHostileItems);
    EXPECT_TRUE(read.unknownKeys.empty());

    const std::string prefix = "{\"format\": \"halvero-menu\", \"version\": 2,\n\"items\": [\n";
    const auto withUnknown = SettingsFile::parse(
        prefix + "{\"label\": \"Home\", \"link\": \"/\", \"icon\": \"home.svg\"}]}");
    EXPECT_EQ(withUnknown.unknownKeys, std::vector<std::string>{"items[1].icon"});
    try {
        SettingsFile::parse(prefix + "{\"label\": \"Home\", \"link\": \"/\"},\n"
                                     "{\"label\": \"Evil\",\n \"link\": \"javascript:x\"}]}");
        ADD_FAILURE() << "a javascript: link was read";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(error.describe("menu.halvero"),
                  "menu.halvero:5: item 2 (Evil): link: the scheme javascript: is not allowed "
                  "(only http, https, mailto and tel)");
    }
}

TEST(ItemsText, ReadsLinesAndNamesTheBadOne) {
    const auto items = ItemsText::parse("# site pages\r\nHome\tindex.html\r\n\n"
                                        "About\tabout.html\tWho we are\t_self\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1], (MenuItem{"About", "about.html", "Who we are", "_self", false, {}}));
    try {
        ItemsText::parse("Home\tindex.html\n\nBlog only\n");
        ADD_FAILURE() << "a line without a link was read";
    } catch (const ItemsTextError& error) {
        EXPECT_EQ(error.line(), 3);
    }
    EXPECT_THROW(ItemsText::parse("Evil\tdata:text/html,x\n"), ItemsTextError);
}

// Lines end as any editor ends them; a byte-order mark is no part of the
// first label, nor stops a first line of "#" from being a comment.
TEST(ItemsText, LineEndsAndByteOrderMark) {
    const auto lone = ItemsText::parse("Home\tindex.html\rAbout\tabout.html\r");
    ASSERT_EQ(lone.size(), 2u);
    EXPECT_EQ(lone[0].link, "index.html");
    EXPECT_EQ(lone[1].label, "About");
    const auto mixed = ItemsText::parse("\xEF\xBB\xBF# pages\r\rHome\tindex.html\r\nA\ta.html");
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_EQ(mixed[0].label, "Home");
    EXPECT_EQ(ItemsText::parse("\xEF\xBB\xBFHome\tindex.html")[0].label, "Home");
    // Line numbers count lone CRs as line ends too.
    try {
        ItemsText::parse("Home\tindex.html\r\rBlog only\r");
        ADD_FAILURE() << "a line without a link was read";
    } catch (const ItemsTextError& error) {
        EXPECT_EQ(error.line(), 3);
    }
    // A fifth field is refused, not dropped.
    EXPECT_THROW(ItemsText::rows("A\ta.html\ttip\t_self\textra\n"), ItemsTextError);
}

// Labels that would show nothing, controls of either range, and links a
// browser reads as another host are refused wherever items come from.
TEST(MenuItem, InvisibleLabelsControlsAndBackslashesAreRefused) {
    const auto problem = [](std::string label, std::string link) {
        return MenuItem{std::move(label), std::move(link), "", "", false, {}}.problem();
    };
    EXPECT_EQ(problem("\xC2\xA0", "a.html"), "label: shows nothing (only invisible characters)");
    EXPECT_EQ(problem("\xE2\x80\x8B\xEF\xBB\xBF \xE2\x80\x8D", "a.html"),
              "label: shows nothing (only invisible characters)");
    EXPECT_EQ(problem("A\xC2\x85"
                      "B",
                      "a.html"),
              "label: holds a control character");
    EXPECT_EQ(problem("Caf\xC3\xA9\xC2\xA0"
                      "Bar",
                      "a.html"),
              "");
    for (const char* link : {"\\\\host\\x", "/\\host/", "https:/\\host", "a\\b.html"})
        EXPECT_EQ(problem("Home", link),
                  "link: holds a backslash (browsers read it as /; write / instead)")
            << link;
    EXPECT_EQ(problem("Home", "a\xC2\x9B.html"), "link: holds a control character");
}
