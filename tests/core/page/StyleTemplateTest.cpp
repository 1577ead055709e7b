#include "core/page/StyleTemplate.h"

#include <gtest/gtest.h>
#include <stdexcept>

using halvero::StyleTemplate;

namespace {

StyleTemplate::Fill fillWith(std::initializer_list<std::string> holding) {
    StyleTemplate::Fill fill;
    fill.values = {{"color", "red"}, {"gap", "4px"}};
    fill.holding.insert(holding.begin(), holding.end());
    fill.look = [](std::string_view name, std::string_view indent) {
        return std::string(indent) + "look: " + std::string(name) + ";\n";
    };
    return fill;
}

constexpr std::string_view kSheet = R"(/*
 * Left out.
 */
.a {
  color: var(--halvero-color);
  gap: var(--halvero-gap); /* if wide */
  gap: 0; /* if !wide */

  --halvero-look: hover;
}
/* if open tall */
.b:hover/* if wide */, .c:hover/* end */ {
  /* A note. */
  margin: 0;
}
/* end */
)";

} // namespace

// Blocks, lines and parts of lines are kept by their conditions, every
// other comment and blank line is left out, and a look takes its line's
// indent.
TEST(StyleTemplate, ConditionsKeepBlocksLinesAndParts) {
    EXPECT_EQ(StyleTemplate::fill(kSheet, fillWith({})),
              ".a {\n  color: red;\n  gap: 0;\n  look: hover;\n}\n");
    EXPECT_EQ(StyleTemplate::fill(kSheet, fillWith({"open"})),
              ".a {\n  color: red;\n  gap: 0;\n  look: hover;\n}\n");
    EXPECT_EQ(StyleTemplate::fill(kSheet, fillWith({"open", "tall", "wide"})),
              ".a {\n  color: red;\n  gap: 4px;\n  look: hover;\n}\n"
              ".b:hover, .c:hover {\n  margin: 0;\n}\n");
    EXPECT_EQ(StyleTemplate::fill(kSheet, fillWith({"open", "tall"})),
              ".a {\n  color: red;\n  gap: 0;\n  look: hover;\n}\n"
              ".b:hover {\n  margin: 0;\n}\n");
}

// A value cannot end its declaration, its rule or the style element, nor
// open a comment, whatever reaches the fill.
TEST(StyleTemplate, ValuesStayInTheirDeclaration) {
    StyleTemplate::Fill fill = fillWith({});
    fill.values["color"] = "red;}</style><script>x\\/*y*/";
    EXPECT_EQ(StyleTemplate::fill(".a {\n  color: var(--halvero-color);\n}\n", fill),
              ".a {\n  color: red/stylescriptx/y*;\n}\n");
}

// A template the program's fill does not match is the program's fault,
// found at once rather than written into a page.
TEST(StyleTemplate, MismatchesAreRefused) {
    const auto fill = fillWith({});
    EXPECT_THROW(StyleTemplate::fill("a { b: var(--halvero-none); }\n", fill), std::logic_error);
    EXPECT_THROW(StyleTemplate::fill("/* if x */\na {}\n", fill), std::logic_error);
    EXPECT_THROW(StyleTemplate::fill("/* end */\n", fill), std::logic_error);
    EXPECT_THROW(StyleTemplate::fill("a/* if x */, b {}\n", fill), std::logic_error);
}
