#include "core/site/NavReader.h"
#include "core/items/ItemsText.h"
#include "core/page/PageModel.h"
#include "core/site/NavAdopter.h"
#include "core/site/SiteUpdate.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

// The items as --items writes them: "> Label<TAB>link" a line.
std::string rowsOf(const std::vector<MenuItem>& items) {
    std::string text;
    MenuItem::visit(items, [&](const MenuItem& item, int level, const std::string&) {
        text += std::string(static_cast<std::size_t>(level - 1), '>') + (level > 1 ? " " : "") +
                item.label + "\t" + item.link + (item.target.empty() ? "" : "\t" + item.target) +
                "\n";
    });
    return text;
}

constexpr std::string_view kHandWritten = R"html(<!DOCTYPE html>
<html><head><title>Web design</title></head>
<body>
<header>
  <nav class="site-nav" aria-label="Main">
    <ul>
      <li><a href="../index.html">Home</a>
      <li class="active"><a href="../about.html">About &amp; us</a></li>
      <li><span>Services</span>
        <ul>
          <li><a href="web.html" class=current>Web
              design</a></li>
          <li><a href='./hosting.html' target="_blank">Hosting</a>
            <ul><li><a href="hosting/eu.html">EU <b>hosting</b></a>
              <ul><li><a href="deep.html">Too deep</a></li></ul></li></ul>
          </li>
        </ul>
      </li>
      <li><a href="https://example.org/">Elsewhere&nbsp;&#8594;</a></li>
      <li><a href="javascript:void(0)">Script</a></li>
    </ul>
  </nav>
</header>
<footer><nav><a href="../contact.html">Contact</a> <a href="../imprint.html">Imprint</a></nav></footer>
</body></html>
)html";

} // namespace

// A hand-written navigation read as a menu: the nesting (three levels, a
// heading that only holds a list, an unclosed <li>), labels with their
// spaces folded and references read, links rebased from the page's
// folder, targets kept; what cannot be a menu item is left out and said.
TEST(NavReader, ReadsNestedListsFromThePagesFolder) {
    const NavReader::Result read = NavReader::read(kHandWritten, "", "services/web.html");
    EXPECT_EQ(rowsOf(read.items), "Home\tindex.html\n"
                                  "About & us\tabout.html\n"
                                  "Services\t\n"
                                  "> Web design\tservices/web.html\n"
                                  "> Hosting\tservices/hosting.html\t_blank\n"
                                  ">> EU hosting\tservices/hosting/eu.html\n"
                                  "Elsewhere \xE2\x86\x92\thttps://example.org/\n");
    ASSERT_EQ(read.notes.size(), 2u);
    EXPECT_EQ(read.notes[0], "\"EU hosting\": its list is below the third level; left out");
    EXPECT_NE(read.notes[1].find("\"Script\": link"), std::string::npos) << read.notes[1];
    EXPECT_EQ(ItemsText::parse(rowsOf(read.items)).size(), 4u) << "the items are a valid menu";
}

// An id picks the list; a nav of bare links is one level; a page without
// a navigation, or whose navigation holds no links, is refused.
TEST(NavReader, PicksByIdAndRefusesWhatIsNoMenu) {
    const std::string page(kHandWritten);
    const std::string withId = page.substr(0, page.find("<footer>")) +
                               "<ul id=\"more\"><li><a href=\"a.html\">A</a></li></ul>" +
                               page.substr(page.find("<footer>"));
    EXPECT_EQ(rowsOf(NavReader::read(withId, "more", "index.html").items), "A\ta.html\n");
    const std::string footer = "<p><nav><a href=\"contact.html\">Contact</a> | "
                               "<a href=\"sub/imprint.html\">Imprint</a></nav>";
    EXPECT_EQ(rowsOf(NavReader::read(footer, "", "blog/x.html").items),
              "Contact\tblog/contact.html\nImprint\tblog/sub/imprint.html\n");
    const auto refusal = [](std::string_view text, std::string_view id = {}) {
        try {
            NavReader::read(text, id, "index.html");
            return std::string("read");
        } catch (const NavReadError& error) {
            return std::string(error.what());
        }
    };
    EXPECT_EQ(refusal("<p>No menu</p>"), "the page has no <nav>");
    EXPECT_EQ(refusal(kHandWritten, "nope"), "the page has no element with the id \"nope\"");
    EXPECT_EQ(refusal("<nav><p>Just text</p></nav>"), "<nav> holds no links a menu can take");
    // A <nav> in a comment or a script is no navigation.
    EXPECT_EQ(refusal("<!-- <nav><a href=a.html>A</a></nav> --><script>'<nav>'</script>"),
              "the page has no <nav>");
}

// Adopting: the <nav> holding most of the menu's pages (not the footer's)
// gives way to the markers, the style's markers go before </head>, every
// other byte stays, and a second run finds the markers and changes
// nothing; a page whose navigation is another's is left alone.
TEST(NavAdopter, PutsTheMenuInTheNavigationsPlace) {
    const std::vector<MenuItem> items =
        ItemsText::parse("Home\tindex.html\nAbout\tabout.html\nServices\t\n"
                         "> Web design\tservices/web.html\n> Hosting\tservices/hosting.html\n");
    MenuSettings settings;
    settings.initialise();
    settings.setMenuItems(items);
    const auto adopted =
        NavAdopter::adopt(kHandWritten, "services/web.html", PageModel::sitePages(settings), "");
    ASSERT_TRUE(adopted);
    EXPECT_EQ(adopted->line, 5);
    const std::string page(kHandWritten);
    const std::string& text = adopted->text;
    EXPECT_EQ(text.substr(0, text.find("<!--")), page.substr(0, page.find("</head>")));
    EXPECT_NE(text.find("<!-- halvero-menu-style -->\n<!-- /halvero-menu-style -->\n</head>"),
              std::string::npos);
    EXPECT_NE(text.find("<header>\n  <!-- halvero-menu -->\n<!-- /halvero-menu -->\n</header>"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.find("</header>")), page.substr(page.find("</header>")));

    const SiteUpdate::Site site = SiteUpdate::site(settings, true);
    const SiteUpdate::Result first =
        SiteUpdate::update(kHandWritten, settings, "services/web.html", site);
    ASSERT_EQ(first.outcome, SiteUpdate::Outcome::Changed);
    EXPECT_EQ(first.adoptedLine, 5);
    EXPECT_NE(first.text.find("href=\"web.html\" target=\"_blank\" rel=\"noopener\" "
                              "aria-current=\"page\""),
              std::string::npos);
    EXPECT_EQ(SiteUpdate::update(first.text, settings, "services/web.html", site).outcome,
              SiteUpdate::Outcome::Unchanged);

    // The trail Halvero wrote is a <nav> of the menu's links too: a page
    // with only the trail's markers keeps it, run after run.
    MenuSettings small;
    small.initialise();
    small.setMenuItems(ItemsText::parse("Home\tindex.html\nAbout\tabout.html\n"));
    const SiteUpdate::Site smallSite = SiteUpdate::site(small, true);
    const std::string trailOnly = "<body><!-- halvero-breadcrumb --><!-- /halvero-breadcrumb -->"
                                  "<main>Text</main></body>";
    const SiteUpdate::Result trail = SiteUpdate::update(trailOnly, small, "about.html", smallSite);
    ASSERT_EQ(trail.outcome, SiteUpdate::Outcome::Changed);
    EXPECT_EQ(trail.adoptedLine, 0);
    EXPECT_EQ(SiteUpdate::update(trail.text, small, "about.html", smallSite).outcome,
              SiteUpdate::Outcome::Unchanged);

    const SiteUpdate::Result other =
        SiteUpdate::update("<nav><a href=\"x.html\">X</a><a href=\"index.html\">Home</a></nav>",
                           settings, "index.html", site);
    EXPECT_EQ(other.outcome, SiteUpdate::Outcome::NoMarkers);
    ASSERT_EQ(other.notes.size(), 1u);
    EXPECT_EQ(other.notes[0], "no <nav> leads to most of the menu's pages; left alone");
}
