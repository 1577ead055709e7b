#include "core/site/SiteUpdate.h"
#include "core/items/ItemsText.h"
#include "core/page/SiteLinks.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace halvero;

namespace {

MenuSettings site() {
    MenuSettings settings;
    settings.initialise();
    settings.setValue(SettingTable::kTarget, "_self");
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
              "line 2: a second <!-- halvero-menu -->; a page takes each pair once");
    EXPECT_EQ(refusal("<!-- old:\n<!-- halvero-menu -->"),
              "line 2: a marker inside a comment marks nothing; take it out of the comment");
    EXPECT_EQ(refusal("<SCRIPT>\nvar a = '<!-- halvero-menu -->';</script>"),
              "line 2: a marker inside a <script> marks nothing");
    EXPECT_EQ(refusal("<scripts><!-- halvero-menu --><!-- /halvero-menu -->"), "accepted");
    EXPECT_FALSE(SiteUpdate::find("<p>No markers</p>").any());
}

// A marker is read only where a browser sees a comment: marker text that a
// browser shows or keeps as text is refused by its line, and a comment's
// opening inside an attribute does not hide the markers after it.
TEST(SiteUpdate, MarkersAreReadOnlyWhereABrowserSeesAComment) {
    const std::string pair = "<!-- halvero-menu --><!-- /halvero-menu -->";
    const std::pair<std::string, std::string> refused[] = {
        {"<div title=\"\n" + pair + "\">", "line 2: a marker inside the tag <div> marks nothing"},
        {"<a href='x'\ndata-x=" + pair.substr(0, 21) + ">",
         "line 2: a marker inside the tag <a> marks nothing"},
        {"<textarea>\n" + pair + "</textarea>",
         "line 2: a marker inside a <textarea> marks nothing"},
        {"<TITLE>" + pair + "</title >", "line 1: a marker inside a <title> marks nothing"},
        {"<xmp>" + pair, "line 1: a marker inside a <xmp> marks nothing"},
        {"<iframe srcdoc=''>" + pair + "</iframe>",
         "line 1: a marker inside a <iframe> marks nothing"},
        {"<noscript>" + pair + "</noscript>", "line 1: a marker inside a <noscript> marks nothing"},
        {"<plaintext>\n\n" + pair, "line 3: a marker after <plaintext> marks nothing"},
        {"<template><p>" + pair + "</p></template>",
         "line 1: a marker inside a <template> marks nothing shown"},
        {"<svg><![CDATA[\n" + pair + "]]></svg>",
         "line 2: a marker inside a CDATA section marks nothing"},
        {"<style>p{}</stylex>\n" + pair + "</style>",
         "line 2: a marker inside a <style> marks nothing"},
        {"<script>a = 1 </scriptx>\n" + pair + "</script>",
         "line 2: a marker inside a <script> marks nothing"},
        {"<script><!-- <script></script>\n" + pair + " --></script>",
         "line 2: a marker inside a <script> marks nothing"},
        {"<?php\n" + pair + " ?>", "line 2: a marker inside <?...> marks nothing"},
    };
    for (const auto& [page, why] : refused)
        EXPECT_EQ(refusal(page), why) << page;

    const std::string accepted[] = {
        "<div title=\"<!--\">" + pair,
        "<p class='a>b'>" + pair,
        "<textarea>x</textarea>" + pair,
        "<template><p></p></template>" + pair,
        "<svg><![CDATA[ ]]></svg>" + pair,
        "<script>if (a < b) x(\"</scr\" + \"ipt>\");</script>" + pair,
        "<!---->" + pair,
        "<!-->" + pair,
        "<p>1 < 2</p>" + pair,
    };
    for (const std::string& page : accepted) {
        EXPECT_EQ(refusal(page), "accepted") << page;
        EXPECT_TRUE(SiteUpdate::find(page).menu.found) << page;
    }
}

// An old page in windows-1252 keeps its own bytes and gets a menu whose
// characters beyond ASCII read the same in its encoding.
TEST(SiteUpdate, APageInAnotherCharsetGetsTheMenuAsReferences) {
    MenuSettings settings = site();
    settings.setMenuItems(ItemsText::parse("\xC3\x9C"
                                           "ber uns\tabout.html\n"));
    settings.setValue(SettingTable::kNormal.fontName, "Caf\xC3\xA9 Sans");
    const std::string style = SiteUpdate::style(settings);
    const std::string page =
        "<html><head><meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=Windows-1252\">\n"
        "<!-- halvero-menu-style --><!-- /halvero-menu-style -->\n"
        "</head><body><p>Gr\xFC\xDF"
        "e</p>\n" +
        std::string(kPage).substr(std::string(kPage).find("<!-- halvero-menu -->"));
    const SiteUpdate::Result result = SiteUpdate::update(page, settings, "index.html", style);
    ASSERT_EQ(result.outcome, SiteUpdate::Outcome::Changed);
    EXPECT_NE(result.text.find("<p>Gr\xFC\xDF"
                               "e</p>"),
              std::string::npos);
    EXPECT_NE(result.text.find(">&#220;ber uns<"), std::string::npos);
    EXPECT_NE(result.text.find("Caf\\E9  Sans"), std::string::npos); // the escape ends at a space
    EXPECT_EQ(std::count_if(result.text.begin(), result.text.end(),
                            [](char c) { return static_cast<unsigned char>(c) >= 0x80; }),
              2);

    EXPECT_THROW(SiteUpdate::update("<meta charset=\"utf-8\">\xFC" + std::string(kPage), settings,
                                    "index.html", style),
                 SitePageError);
    try {
        SiteUpdate::update("<meta charset='ISO-2022-JP'>" + std::string(kPage), settings,
                           "index.html", style);
        ADD_FAILURE() << "a charset that shifts out of ASCII is refused";
    } catch (const SitePageError& error) {
        EXPECT_STREQ(error.what(), "it declares the charset iso-2022-jp, in which the menu "
                                   "cannot be written; save it as UTF-8");
    }
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

namespace {

// What the page gets between `open` and `close` (both included in `page`).
std::string between(const std::string& page, std::string_view open, std::string_view close) {
    const std::size_t from = page.find(open);
    const std::size_t to = page.find(close);
    if (from == std::string::npos || to == std::string::npos)
        return "(no markers)";
    return page.substr(from + open.size(), to - from - open.size());
}

const char* const kTrailPage = "<html><head>\n<!-- halvero-menu-style -->\n"
                               "<!-- /halvero-menu-style -->\n</head><body>\n"
                               "<!-- halvero-menu -->\n<!-- /halvero-menu -->\n"
                               "<!-- halvero-breadcrumb -->\n<!-- /halvero-breadcrumb -->\n"
                               "<main id=\"main\"><p>Text</p></main></body></html>";

} // namespace

// The breadcrumb trail follows the menu's tree to the page, Home first,
// the page itself marked; structured data names each step by its
// absolute address, escaped for its <script>; a page not in the menu gets
// an empty trail and is named.
TEST(SiteUpdate, BreadcrumbsFollowTheMenusTree) {
    MenuSettings settings = site();
    settings.setValue(*SettingTable::findByName("page.siteUrl"), "https://example.com/</script>/");
    const SiteUpdate::Site shared = SiteUpdate::site(settings);
    const SiteUpdate::Result post =
        SiteUpdate::update(kTrailPage, settings, "blog/first.html", shared);
    EXPECT_EQ(between(post.text, SiteUpdate::kBreadcrumbOpen, SiteUpdate::kBreadcrumbClose),
              "\n<nav class=\"halvero-breadcrumb\" aria-label=\"Breadcrumb\">\n"
              "  <ol class=\"halvero-breadcrumb__list\">\n"
              "    <li class=\"halvero-breadcrumb__item\"><a href=\"../index.html\">Home</a></li>\n"
              "    <li class=\"halvero-breadcrumb__item\"><a href=\"./\">Blog</a></li>\n"
              "    <li class=\"halvero-breadcrumb__item\"><a href=\"first.html\" "
              "aria-current=\"page\">First post</a></li>\n"
              "  </ol>\n"
              "</nav>\n"
              "<script type=\"application/ld+json\">\n"
              "{\"@context\": \"https://schema.org\", \"@type\": \"BreadcrumbList\",\n"
              "  \"itemListElement\": [\n"
              "    {\"@type\": \"ListItem\", \"position\": 1, \"name\": \"Home\", \"item\": "
              "\"https://example.com/\\u003c/script\\u003e/\"},\n"
              "    {\"@type\": \"ListItem\", \"position\": 2, \"name\": \"Blog\", \"item\": "
              "\"https://example.com/\\u003c/script\\u003e/blog/\"},\n"
              "    {\"@type\": \"ListItem\", \"position\": 3, \"name\": \"First post\", \"item\": "
              "\"https://example.com/\\u003c/script\\u003e/blog/first.html\"}\n"
              "  ]}\n"
              "</script>\n");
    EXPECT_TRUE(post.notes.empty());
    const SiteUpdate::Result lost = SiteUpdate::update(kTrailPage, settings, "lost.html", shared);
    EXPECT_EQ(between(lost.text, SiteUpdate::kBreadcrumbOpen, SiteUpdate::kBreadcrumbClose), "\n");
    EXPECT_EQ(lost.notes,
              std::vector<std::string>{"not in the menu; its breadcrumb trail is empty"});
}

// One run shares what pages outside the menu show, folder by folder: a page
// the menu leads to, between two that it does not, still gets its own
// current item, and a page of another folder its own links.
TEST(SiteUpdate, PagesOfOneRunGetWhatEachAloneWouldGet) {
    const MenuSettings settings = site();
    const SiteUpdate::Site shared = SiteUpdate::site(settings);
    for (const char* path : {"blog/other.html", "blog/first.html", "blog/index.html",
                             "blog/more.html", "other.html", "index.html", "blog/other.html"}) {
        const std::string text = SiteUpdate::update(kTrailPage, settings, path, shared).text;
        EXPECT_EQ(text,
                  SiteUpdate::update(kTrailPage, settings, path, SiteUpdate::site(settings)).text)
            << path;
        const std::string nav = between(text, SiteUpdate::kMenuOpen, SiteUpdate::kMenuClose);
        EXPECT_EQ(nav.find("aria-current=\"page\"") != std::string::npos,
                  std::string_view(path).ends_with("index.html") ||
                      std::string_view(path) == "blog/first.html")
            << path;
    }
}

// Links from the site's root, under page.siteBase, are the site's own:
// they mark the current page and are written as they are.
TEST(SiteUpdate, LinksFromTheServedPathMarkTheCurrentPage) {
    MenuSettings settings;
    settings.initialise();
    settings.setMenuItems(ItemsText::parse("Home\t/docs/\nAbout\t/docs/about.html\n"
                                           "Other\t/other/x.html\n"));
    settings.setValue(*SettingTable::findByName("page.siteBase"), "/docs/");
    const std::string nav =
        between(SiteUpdate::update(kPage, settings, "about.html", SiteUpdate::site(settings)).text,
                SiteUpdate::kMenuOpen, SiteUpdate::kMenuClose);
    EXPECT_NE(nav.find("href=\"/docs/about.html\" target=\"_blank\" rel=\"noopener\" "
                       "aria-current=\"page\""),
              std::string::npos)
        << nav;
    EXPECT_EQ(nav.find("aria-current", nav.find("aria-current") + 1), std::string::npos);
    EXPECT_NE(nav.find("href=\"/other/x.html\""), std::string::npos);
}

// A skip link leads to the page's content and is named where the id is
// missing; with one stylesheet, the style markers link it (and the script
// beside it) from the page's folder, and the menu carries no script.
TEST(SiteUpdate, SkipLinkAndOneStylesheet) {
    MenuSettings settings = site();
    settings.setValue(*SettingTable::findByName("page.skipTo"), "main");
    settings.setValue(*SettingTable::findByName("page.stylesheet"), "assets/nav.css");
    const SiteUpdate::Site shared = SiteUpdate::site(settings);
    EXPECT_TRUE(shared.style.empty());
    const SiteUpdate::Result post =
        SiteUpdate::update(kTrailPage, settings, "blog/first.html", shared);
    EXPECT_EQ(between(post.text, SiteUpdate::kStyleOpen, SiteUpdate::kStyleClose),
              "\n<link rel=\"stylesheet\" href=\"../assets/nav.css\">\n"
              "<script src=\"../assets/nav.js\" defer></script>\n");
    const std::string nav = between(post.text, SiteUpdate::kMenuOpen, SiteUpdate::kMenuClose);
    EXPECT_TRUE(nav.starts_with("\n<a class=\"halvero-skip\" href=\"#main\">Skip to content</a>\n"
                                "<nav "))
        << nav;
    EXPECT_EQ(nav.find("<script"), std::string::npos);
    EXPECT_TRUE(post.notes.empty());
    EXPECT_NE(SiteUpdate::styleSheet(settings).find(".halvero-skip:focus"), std::string::npos);
    EXPECT_NE(SiteUpdate::scriptFile(settings).find("querySelectorAll(\"nav.halvero-menu\")"),
              std::string::npos);
    EXPECT_EQ(
        SiteUpdate::update(kPage, settings, "index.html", shared).notes,
        std::vector<std::string>{"no element with the id \"main\" for the skip link to lead to"});
}
