#include "core/text/PathGlob.h"
#include "core/text/LineDiff.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace halvero;

// Patterns from the site's root: a folder named takes in all beneath it,
// "*" stays within a name, "**" crosses folders.
TEST(PathGlob, NamesPagesAndFoldersFromTheRoot) {
    const PathGlob glob("drafts/, old/*.html, **/print.html,  a?c.htm ,");
    for (const char* taken : {"drafts/x.html", "drafts/a/b.html", "old/page.html", "print.html",
                              "blog/2026/print.html", "abc.htm"})
        EXPECT_TRUE(glob.matches(taken)) << taken;
    for (const char* kept : {"drafts.html", "old/a/page.html", "older/page.html",
                             "blog/drafts/x.html", "abbc.htm", "index.html"})
        EXPECT_FALSE(glob.matches(kept)) << kept;
    EXPECT_TRUE(PathGlob("drafts").matches("drafts/x.html"));
    EXPECT_TRUE(PathGlob("").empty());
    EXPECT_FALSE(PathGlob(" , ").matches("index.html"));
}

// A check's diff: the changed lines with three of context, line numbers
// of both sides, cut to the lines asked for with how many more changed.
TEST(LineDiff, ShowsTheChangeShortly) {
    EXPECT_EQ(LineDiff::unified("a\nb\nc\nd\ne\nf\ng\nh\n", "a\nb\nc\nd\nE\nf\ng\nh\n", "x.html"),
              "--- a/x.html\n"
              "+++ b/x.html\n"
              "@@ -2,7 +2,7 @@\n"
              " b\n"
              " c\n"
              " d\n"
              "-e\n"
              "+E\n"
              " f\n"
              " g\n"
              " h\n");
    std::string before, after;
    for (int i = 0; i < 40; ++i) {
        before += "line " + std::to_string(i) + "\r\n";
        after += "new " + std::to_string(i) + "\r\n";
    }
    const std::string cut = LineDiff::unified(before, after, "big.html", 20);
    EXPECT_EQ(std::count(cut.begin(), cut.end(), '\n'), 20);
    EXPECT_TRUE(cut.ends_with("... and 64 more changed lines\n")) << cut;
    EXPECT_EQ(cut.find('\r'), std::string::npos);
}
