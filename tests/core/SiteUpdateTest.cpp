#include "core/SiteUpdate.h"
#include "core/ItemsText.h"
#include "core/SiteLinks.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

MenuSettings site() {
    MenuSettings settings;
    settings.initialise();
    settings.setValue(EntryTable::kTarget, "_self");
    settings.setMenuItems(ItemsText::parse("Home\tindex.html\n"
                                           "Blog\tblog/\n"
                                           "> First post\tblog/first.html\n"
                                           "About\tabout.html#team\n"
                                           "Mail\tmailto:us@example.org\n"));
    return settings;
}

std::string refusal(std::string_view page) {
    try {
        SiteUpdate::find(page);
    } catch (const SitePageError& error) {
        return error.what();
    }
    return "accepted";
}

const char* const kPage = "<!DOCTYPE html>\n<html><head>\n<!-- halvero-menu-style -->\n"
                          "<!-- /halvero-menu-style -->\n</head><body>\n<!-- halvero-menu -->\n"
                          "<!-- /halvero-menu -->\n<p>Text</p></body></html>";

} // namespace

TEST(SiteLinks, LinksWorkFromEveryFolder) {
    struct Case {
        const char* page;
        const char* link;
        const char* from;
    } cases[] = {
        {"index.html", "about.html", "about.html"},
        {"blog/index.html", "about.html", "../about.html"},
        {"blog/2026/post.html", "blog/first.html?x=1#top", "../first.html?x=1#top"},
        {"blog/index.html", "blog/", "./"},
        {"blog/index.html", "./blog/./first.html", "first.html"},
        {"blog/index.html", "", ""},
        {"a/b/c.html", "../outside.html", "../../../outside.html"},
        {"a/b/c.html", "a/x/../b/d.html", "d.html"},
        {"blog/index.html", "https://example.org/a", "https://example.org/a"},
        {"blog/index.html", "/about.html", "/about.html"},
        {"blog/index.html", "#top", "#top"},
        {"blog/index.html", "?q=1", "?q=1"},
        {"blog/index.html", "mailto:us@example.org", "mailto:us@example.org"},
        {"blog/index.html", "a:b/c.html", "a:b/c.html"}, // a scheme, however odd
        {"blog/index.html", "1a:b.html", "../1a:b.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SiteLinks::from(c.page, c.link), c.from) << c.page << " " << c.link;
}

TEST(SiteLinks, AFolderLeadsToItsIndex) {
    EXPECT_TRUE(SiteLinks::leadsTo("blog/", "blog/index.html"));
    EXPECT_TRUE(SiteLinks::leadsTo("./blog/index.html#top", "blog/index.html"));
    EXPECT_TRUE(SiteLinks::leadsTo("", "index.html") == false); // a heading leads nowhere
    EXPECT_TRUE(SiteLinks::leadsTo("caf%C3%A9.html", "caf\xC3\xA9.html"));
    EXPECT_FALSE(SiteLinks::leadsTo("blog", "blog/index.html"));
    EXPECT_FALSE(SiteLinks::leadsTo("/blog/", "blog/index.html"));
    EXPECT_FALSE(SiteLinks::leadsTo("../index.html", "index.html"));
}

TEST(SiteUpdate, BrokenMarkersAreNamedByTheirLine) {
    EXPECT_EQ(refusal("<p>\n<!-- halvero-menu -->\n"),
              "line 2: <!-- halvero-menu --> without its closing marker after it");
    EXPECT_EQ(refusal("<!-- /halvero-menu -->\n<!-- halvero-menu -->"),
              "line 1: <!-- /halvero-menu --> without its opening marker before it");
    EXPECT_EQ(refusal("<!-- halvero-menu-style -->\n<!-- halvero-menu --><!-- /halvero-menu -->"
                      "<!-- /halvero-menu-style -->"),
              "line 2: <!-- halvero-menu --> inside the pair opened on line 1");
    EXPECT_EQ(refusal("<!-- halvero-menu --><!-- /halvero-menu -->\n"
                      "<!-- halvero-menu --><!-- /halvero-menu -->"),
              "line 2: a second <!-- halvero-menu -->; a page takes the menu once");
    EXPECT_EQ(refusal("<!-- old:\n<!-- halvero-menu -->"),
              "line 2: a marker inside a comment marks nothing; take it out of the comment");
    EXPECT_EQ(refusal("<SCRIPT>\nvar a = '<!-- halvero-menu -->';</script>"),
              "line 2: a marker inside a <script> marks nothing");
    EXPECT_EQ(refusal("<scripts><!-- halvero-menu --><!-- /halvero-menu -->"), "accepted");
    EXPECT_FALSE(SiteUpdate::find("<p>No markers</p>").any());
}

TEST(SiteUpdate, OnlyTheTextBetweenTheMarkersChanges) {
    const MenuSettings settings = site();
    const std::string style = SiteUpdate::style(settings);
    const SiteUpdate::Result first = SiteUpdate::update(kPage, settings, "blog/first.html", style);
    ASSERT_EQ(first.outcome, SiteUpdate::Outcome::Changed);
    const std::string& page = first.text;
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n<html><head>\n<!-- halvero-menu-style -->\n"
                                 "<style>\n"));
    EXPECT_TRUE(page.ends_with("</script>\n<!-- /halvero-menu -->\n<p>Text</p></body></html>"));
    EXPECT_NE(page.find("href=\"../index.html\""), std::string::npos);
    EXPECT_NE(page.find("href=\"./\""), std::string::npos);
    EXPECT_NE(page.find("href=\"../about.html#team\""), std::string::npos);
    EXPECT_NE(page.find("href=\"first.html\" aria-current=\"page\">First post<"),
              std::string::npos);
    EXPECT_NE(page.find("halvero-menu__item--holds-current"), std::string::npos);
    // Written again, nothing changes.
    EXPECT_EQ(SiteUpdate::update(page, settings, "blog/first.html", style).outcome,
              SiteUpdate::Outcome::Unchanged);
    EXPECT_EQ(SiteUpdate::update("<p>plain</p>", settings, "plain.html", style).outcome,
              SiteUpdate::Outcome::NoMarkers);
}

TEST(SiteUpdate, LineEndsOrderMarksAndLastLinesAreKept) {
    const MenuSettings settings = site();
    const std::string style = SiteUpdate::style(settings);
    const std::string crlf = "\xEF\xBB\xBF<html>\r\n<body>\r\n<!-- halvero-menu --><!-- "
                             "/halvero-menu -->\r\n</body></html>";
    const std::string page = SiteUpdate::update(crlf, settings, "index.html", style).text;
    EXPECT_TRUE(page.starts_with("\xEF\xBB\xBF<html>\r\n<body>\r\n<!-- halvero-menu -->\r\n<nav"));
    EXPECT_TRUE(page.ends_with("</script>\r\n<!-- /halvero-menu -->\r\n</body></html>"));
    EXPECT_EQ(page.find("\n", page.find("<nav")) - 1, page.find("\r\n", page.find("<nav")));
    EXPECT_THROW(SiteUpdate::update("<p>caf\xC3</p>", settings, "x.html", style), SitePageError);
}
