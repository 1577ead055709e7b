#include "core/items/ItemsText.h"
#include "core/items/MenuItem.h"
#include "core/page/PageComposer.h"
#include "core/settings/SettingsFile.h"
#include "core/text/FileReader.h"

#include "tests/core/CountOf.h"
#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

using namespace halvero;

namespace {

const Timestamp kStamp{2026, 1, 2, 3, 4, 5};

const char* const kSite = "Home\tindex.html\n"
                          "Services\tservices/\n"
                          "> Web design\tservices/web.html\n"
                          "> Hosting\tservices/hosting.html\n"
                          ">> Domains\tservices/domains.html\tNames for your site\n"
                          "About\t\n"
                          "> Team\tabout/team.html\n"
                          "Contact\tcontact.html\n";

MenuSettings menu(const std::string& items, bool modern, bool across = false) {
    MenuSettings settings;
    settings.initialise();
    settings.setMenuItems(ItemsText::parse(items));
    if (modern)
        settings.setPageStyle(MenuSettings::PageStyle::Modern);
    if (across)
        settings.setValue(SettingTable::kDirection, "Horizontal");
    return settings;
}

std::string refusal(const std::string& text) {
    try {
        ItemsText::parse(text);
    } catch (const ItemsTextError& error) {
        return error.what();
    }
    return "accepted";
}

std::string fileRefusal(const std::string& items) {
    try {
        SettingsFile::parse("{\"format\": \"halvero-menu\", \"version\": 3,\n\"items\": " + items +
                            "}");
    } catch (const SettingsFileError& error) {
        return error.what();
    }
    return "accepted";
}

} // namespace

TEST(SubMenuItemsText, MarksNestTheItemsUnderTheLineAbove) {
    const std::vector<MenuItem> items = ItemsText::parse(kSite);
    ASSERT_EQ(items.size(), 4u);
    ASSERT_EQ(items[1].items.size(), 2u);
    EXPECT_EQ(items[1].items[0].label, "Web design");
    ASSERT_EQ(items[1].items[1].items.size(), 1u);
    EXPECT_EQ(items[1].items[1].items[0].tooltip, "Names for your site");
    EXPECT_EQ(items[2].link, ""); // heads its sub-menu
    EXPECT_EQ(MenuItem::countAll(items), 8u);
    EXPECT_EQ(MenuItem::levels(items), 3);
    // A label that starts with ">" is escaped; a level may come back up
    // any number of steps.
    const std::vector<MenuItem> escaped =
        ItemsText::parse("\\>Next\tn.html\nA\ta.html\n> B\tb.html\n>> C\tc.html\nD\td.html\n");
    EXPECT_EQ(escaped[0].label, ">Next");
    EXPECT_EQ(escaped.size(), 3u);
}

TEST(SubMenuItemsText, RefusalsNameTheLine) {
    EXPECT_EQ(refusal("> Orphan\to.html\n"),
              "line 1: the first item cannot be in a sub-menu (starts with \">\"; write \"\\>\" "
              "for a label that does)");
    EXPECT_EQ(refusal("# list\nA\ta.html\n>> Skips\ts.html\n"),
              "line 3: goes more than one level below the line before");
    EXPECT_EQ(refusal("A\ta.html\n> B\tb.html\n>> C\tc.html\n>>> D\td.html\n"),
              "line 4: a menu has at most 3 levels; this line is at level 4");
    // Only an item that heads a sub-menu may go without a link.
    EXPECT_EQ(refusal("A\t\nB\tb.html\n"), "line 1: link: is empty");
    EXPECT_EQ(refusal("A\ta.html\n> \tb.html\n"), "line 2: label: is empty");
}

TEST(SubMenuFile, VersionsFollowWhatTheMenuHoldsAndRoundTrip) {
    MenuSettings settings = menu(kSite, true);
    const std::string text = SettingsFile::compose(settings);
    EXPECT_NE(text.find("\"version\": 3"), std::string::npos);
    const SettingsFile::Contents contents = SettingsFile::parse(text);
    EXPECT_EQ(contents.items, settings.menuItems());
    MenuSettings again;
    again.initialise();
    again.restore(contents.snapshot());
    EXPECT_EQ(SettingsFile::compose(again), text);

    // Older Halvero versions keep reading a menu without sub-menus.
    settings.setMenuItems(ItemsText::parse("A\ta.html\nB\tb.html\n"));
    EXPECT_NE(SettingsFile::compose(settings).find("\"version\": 2"), std::string::npos);
    settings.setMenuItems({});
    EXPECT_NE(SettingsFile::compose(settings).find("\"version\": 1"), std::string::npos);
}

TEST(SubMenuFile, RefusalsNameTheLineAndTheItem) {
    const std::string deep = R"([{"label": "A", "link": "a.html", "items": [
 {"label": "B", "link": "b.html", "items": [
  {"label": "C", "link": "c.html", "items": [
   {"label": "D", "link": "d.html"}]}]}]}])";
    EXPECT_EQ(fileRefusal(deep), "line 5: items[1].items[1].items[1].items[1]: a menu has at most "
                                 "3 levels");
    EXPECT_EQ(fileRefusal(R"([{"label": "A", "link": "a.html", "items": [
 {"label": "", "link": "b.html"}]}])"),
              "line 3: item 1.1: label: is empty");
    EXPECT_EQ(fileRefusal(R"([{"label": "A", "link": "a.html", "items": [
 {"label": "B"}]}])"),
              "line 3: item 1.1 (B): link: is empty");
    EXPECT_EQ(fileRefusal(R"([{"label": "A", "link": "a.html",
 "items": {"label": "B", "link": "b.html"}}])"),
              "line 3: items[1].items: expected a list, found an object");
    EXPECT_EQ(fileRefusal(R"([{"label": "A", "link": "", "items": []}])"),
              "line 2: item 1 (A): link: is empty");
    // One current page in the whole menu.
    EXPECT_EQ(fileRefusal(R"([{"label": "A", "link": "a.html", "current": true, "items": [
 {"label": "B", "link": "b.html", "current": true}]}])"),
              "line 3: item 1.1 (B): current: another item is already the current page; a page "
              "has one");
}

// A flat bar, pinned byte for byte; it has a script only to fold behind
// its menu button, and none when it never folds.
TEST(SubMenuPage, FlatMenusArePinned) {
    MenuSettings settings =
        menu("Home\tindex.html\nSay \"<hi>\" & it's\tb.html\tTip & "
             "\"x\"\t_top\nContact\t#contact\nNew\thttps://x.example/\t\t_blank\n",
             true, true);
    if (const char* update = std::getenv("HALVERO_UPDATE_GOLDEN"); update && *update)
        std::ofstream(HALVERO_GOLDEN_DIR "/modern-items-page.htm", std::ios::binary)
            << PageComposer::compose(settings, kStamp);
    EXPECT_EQ(PageComposer::compose(settings, kStamp),
              FileReader::read(HALVERO_GOLDEN_DIR "/modern-items-page.htm", 1 << 20, ""));
    PageLook look;
    look.set(PageLook::kFoldBelow, "never");
    settings.setPageLook(look);
    const std::string page = PageComposer::compose(settings, kStamp);
    for (const char* absent : {"<script", "halvero-menu__button", "@media not all"})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
}

TEST(SubMenuPage, TheClassicPageShowsTheTopLevel) {
    MenuSettings settings = menu(kSite, false);
    EXPECT_TRUE(PageComposer::dropsSubMenus(settings));
    const std::string page = PageComposer::compose(settings, kStamp);
    EXPECT_EQ(countOf(page, "<a class='Menu'"), 4u);
    EXPECT_EQ(page.find("Web design"), std::string::npos);
    // An item that only heads a sub-menu leads to the first page in it.
    EXPECT_NE(page.find("href='about/team.html' target='_blank' "
                        "onmouseover='OnMouseOver();return(true);' onmouseout='OnMouseOut();' "
                        "onclick='OnClick();return(true);'>About</a>"),
              std::string::npos);
    settings.setPageStyle(MenuSettings::PageStyle::Modern);
    EXPECT_FALSE(PageComposer::dropsSubMenus(settings));
}

TEST(SubMenuPage, TheModernPageUsesDisclosureButtons) {
    const std::string page =
        PageComposer::compose(menu(kSite, true, true), kStamp, "services/domains.html");
    // Every link is in the page, sub-menus shown until the script hides
    // them; one button a sub-menu, hidden until the script shows it.
    EXPECT_EQ(countOf(page, "<a class=\"halvero-menu__link\""), 7u);
    // The lists get their ids from the script, which makes them unique on
    // the page: two copies of the menu on one page keep to their own.
    EXPECT_EQ(countOf(page, "<button class=\"halvero-menu__toggle\" type=\"button\" "
                            "aria-expanded=\"false\" hidden>"),
              2u);
    EXPECT_EQ(countOf(page, "<ul class=\"halvero-menu__sublist\">"), 3u);
    EXPECT_EQ(page.find(" id=\""), std::string::npos);
    EXPECT_EQ(page.find("getElementById(button"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"halvero-menu__note\">Services, sub-menu</span>"),
              std::string::npos);
    for (const char* role : {"role=\"menu", "menuitem", "aria-haspopup", "menubar"})
        EXPECT_EQ(page.find(role), std::string::npos) << role;
    // The current page, and the two items that hold it.
    EXPECT_EQ(countOf(page, "aria-current=\"page\">"), 1u);
    EXPECT_NE(page.find("href=\"services/domains.html\" title=\"Names for your site\" "
                        "target=\"_blank\" rel=\"noopener\" aria-current=\"page\""),
              std::string::npos);
    EXPECT_EQ(countOf(page, "halvero-menu__item--holds-current\""), 2u);
    EXPECT_EQ(countOf(page, "<script>"), 1u);
    EXPECT_NE(page.find("prefers-reduced-motion"), std::string::npos);
}
