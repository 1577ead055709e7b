#include "core/settings/PageLook.h"
#include "core/page/PageComposer.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/ValueRules.h"

#include "tests/core/CountOf.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

std::string problemOf(PageLook::Key key, std::string_view value) {
    return PageLook::problem(key, value);
}

MenuSettings modernBar() {
    MenuSettings settings;
    settings.initialise();
    settings.setPageStyle(MenuSettings::PageStyle::Modern);
    settings.setValue(SettingTable::kDirection, "Horizontal");
    return settings;
}

} // namespace

// Each value of the modern page's own look takes what its place in the
// page can hold, and nothing that could end its declaration, rule or text.
TEST(PageLook, EveryValueKeepsToItsPlace) {
    struct Case {
        PageLook::Key key;
        std::vector<std::string> good, bad;
    };
    const std::vector<Case> cases = {
        {PageLook::kFoldBelow,
         {"40em", "600px", "37.5rem", "never"},
         {"", "0em", "40", "40vw", "-1em", "40em)", "calc(40em)", "40em{}", "Never", ".5em",
          "1234567em"}},
        {PageLook::kMenuButtonLabel,
         {"", "Menu", "Men\xC3\xBC", "<Navigation & more>", std::string(40, 'x')},
         {"   ", "Me\nnu", "Me\x7Fnu", "Me\xC2\x85nu", std::string(41, 'x'), "\xC2\xA0",
          "\xE2\x80\x8B", "\xE2\x80\xAE", " \xC2\xA0\xE2\x80\x8B "}},
        {PageLook::kBarColor,
         {"#1F3A5F", "transparent", "rgb(1 2 3 / 50%)"},
         {"", "red;}", "red}body{", "url(x)", "red/**/"}},
        {PageLook::kItemPadding,
         {"0", "0.25em 0.5em", "4px 8px 4px 8px", "10%"},
         {"", "5", "-4px", "1px 2px 3px 4px 5px", "4px  8px", "calc(1px)", "4px;", " 4px"}},
        {PageLook::kAlign, {"start", "center", "end", "spread"}, {"", "Center", "left"}},
        {PageLook::kItemWidth, {"fixed", "auto"}, {"", "Auto", "120"}},
        {PageLook::kCurrentColor, {"", "#FFF", "red"}, {"red;", "#12", "currentColor;x"}},
        {PageLook::kCurrentBackColor, {"", "hsl(120 50% 50%)"}, {"}", "a b"}},
        {PageLook::kCurrentUnderline, {"Yes", "No"}, {"", "yes", "true"}},
        {PageLook::kSiteBase,
         {"", "/", "/docs/", "/a-b/c/"},
         {"docs/", "/docs", "//", "/a/../", "/a b/", "/?x/"}},
        {PageLook::kSiteUrl,
         {"", "https://example.com/", "http://localhost:8000/docs/"},
         {"example.com/", "https://example.com", "ftp://x/", "https://", "https://a.b/\"x/",
          "https://a.b/#/"}},
        {PageLook::kSiteExclude,
         {"", "drafts/", "drafts/, old/*.html", "**/print.html"},
         {",", "a,,b", "/abs", "../up", "a/../../b", "a b", "x\"y"}},
        {PageLook::kSkipTo, {"", "main", "content-1"}, {"#main", "a b", "a\"b", "<x>"}},
        {PageLook::kStylesheet,
         {"", "nav.css", "assets/nav.CSS"},
         {"nav.js", "/nav.css", "../nav.css", "assets/", "a b.css", "nav.css?v=1"}},
        {PageLook::kFontWeight, {"normal", "500", "600", "bold"}, {"", "700", "Bold", "600;"}},
        {PageLook::kCornerRadius, {"0", "4px", "0.5em", "999px"}, {"", "4", "-4px", "4px 8px"}},
        {PageLook::kItemGap, {"", "0", "8px", "0.5em"}, {"8", "-1px", "1px;", "a"}},
        {PageLook::kPanelMaxWidth, {"20em", "320px", "0.5em"}, {"", "0", "0em", "-20em", "20"}},
        {PageLook::kPanelSeparator, {"", "#E5E7EB"}, {"1px solid red", "red;"}},
        {PageLook::kPanelPadding, {"0", "4px", "0.25em 0"}, {"", "4", "-4px"}},
        {PageLook::kPanelShadow, {"none", "soft", "strong"}, {"", "Soft", "0 1px red"}},
        {PageLook::kLanguage,
         {"en", "DE", "pt-BR", "zh-Hant-TW", "sr-Latn-RS", "es-419", "de-CH-1996", "x-klingon",
          "en-US-x-twain", "ar", "sl-rozaj-biske"},
         {"", "e", "english1", "en_US", "en-", "-en", "en--US", "en-US-", "de-CH-1996-1996", "en-a",
          "en-a-bbb-a-ccc", "x", "en-x", "123", "en-\xC3\xA9", "en;", "verylongtag"}},
        {PageLook::kWordSubMenu,
         {"", "{label}, Untermen\xC3\xBC", "Sub-menu of {label}"},
         {"sub-menu", " ", "{label}\n", std::string(61, 'x') + "{label}"}},
        {PageLook::kWordNewTab,
         {"", "neues Fenster", std::string(60, 'x')},
         {std::string(61, 'x')}},
    };
    for (const Case& c : cases) {
        for (const std::string& good : c.good)
            EXPECT_EQ(problemOf(c.key, good), "") << PageLook::entries()[c.key].key << " " << good;
        for (const std::string& bad : c.bad)
            EXPECT_NE(problemOf(c.key, bad), "") << PageLook::entries()[c.key].key << " " << bad;
    }
    EXPECT_EQ(problemOf(PageLook::kAlign, "left"), "is not one of start, center, end, spread");
    EXPECT_EQ(problemOf(PageLook::kFoldBelow, "40vw"), "is not a width (40em, 600px) or never");
    EXPECT_EQ(problemOf(PageLook::kMenuButtonLabel, std::string(41, 'x')),
              "is longer than 40 characters");
    EXPECT_EQ(problemOf(PageLook::kMenuButtonLabel, "\xE2\x80\x8B"),
              "shows nothing (only invisible characters)");
    // Every default is a value the rules take.
    for (const Setting& setting : PageLook::entries())
        EXPECT_EQ(problemOf(PageLook::keyOf(setting), setting.defaultValue), "") << setting.key;
}

// Fonts are font stacks of names; nothing else reaches the declaration.
TEST(PageLook, FontNamesAreFontStacks) {
    const Setting& font = SettingTable::at(SettingTable::kNormal.fontName);
    for (const char* good : {"Tahoma", "system-ui, sans-serif", "Segoe UI, Roboto, sans-serif",
                             "-apple-system, sans-serif", "Noto Sans CJK JP,serif", "Caf\xC3\xA9"})
        EXPECT_EQ(ValueRules::problem(font, good), "") << good;
    for (const char* bad : {"", ",", "Tahoma,", ", serif", "Tahoma;color:red", "\"Segoe UI\"",
                            "1st Font", "Tahoma !important", "a/**/b", "url(x)", "--x"})
        EXPECT_NE(ValueRules::problem(font, bad), "") << bad;
    for (const std::string& offered : font.offeredItems())
        EXPECT_EQ(ValueRules::problem(font, offered), "") << offered;
}

namespace {

std::string classicOf(MenuSettings settings, const Timestamp& stamp) {
    settings.setPageStyle(MenuSettings::PageStyle::Classic);
    return PageComposer::compose(settings, stamp);
}

} // namespace

// The look reaches the modern page and fragment only; the settings file
// keeps what differs from the default and refuses a bad value by its key;
// the classic page keeps its bytes whatever the look.
TEST(PageLook, TheModernBarTakesItsLookAndTheClassicPageIgnoresIt) {
    MenuSettings settings = modernBar();
    const Timestamp stamp{2026, 1, 2, 3, 4, 5};
    const std::string classicBefore = classicOf(settings, stamp);
    PageLook look;
    look.set(PageLook::kBarColor, "#1F3A5F");
    look.set(PageLook::kMenuButtonLabel, "Men\xC3\xBC <&>");
    look.set(PageLook::kAlign, "end");
    look.set(PageLook::kItemWidth, "auto");
    look.set(PageLook::kCurrentColor, "#FFFFFF");
    look.set(PageLook::kFoldBelow, "600px");
    settings.setPageLook(look);
    EXPECT_EQ(classicOf(settings, stamp), classicBefore);

    const std::string page = PageComposer::compose(settings, stamp);
    for (const char* wanted :
         {"  background-color: #1F3A5F;\n", "  justify-content: flex-end;\n",
          "@media not all and (min-width: 600px) {", "aria-label=\"Men\xC3\xBC &lt;&amp;&gt;\"",
          ">Men\xC3\xBC &lt;&amp;&gt;<span class=\"halvero-menu__chevron\"", "  color: #FFFFFF;\n"})
        EXPECT_NE(page.find(wanted), std::string::npos) << wanted;
    EXPECT_EQ(page.find("width: 120px"), std::string::npos) << "auto width";

    const std::string text = SettingsFile::compose(settings);
    EXPECT_NE(text.find("\"barColor\": \"#1F3A5F\""), std::string::npos);
    EXPECT_EQ(text.find("currentUnderline"), std::string::npos) << "defaults are left out";
    EXPECT_EQ(text.find("\"version\": 4"), std::string::npos) << "no value needs version 4";
    EXPECT_EQ(SettingsFile::parse(text).look, look);
    try {
        SettingsFile::parse("{\"format\": \"halvero-menu\", \"version\": 1,\n"
                            "\"page\": {\"barColor\": \"red;}\"}}");
        ADD_FAILURE() << "a bad bar colour was read";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "line 2: page.barColor: the value is not a colour (#RRGGBB, a name, rgb() "
                  "or hsl())");
    }
}

// A border that is switched off and a font stack make the file version 4,
// which older versions refuse by its number rather than by a value.
TEST(PageLook, ValuesOlderVersionsRefuseMakeVersion4) {
    MenuSettings settings = modernBar();
    EXPECT_NE(SettingsFile::compose(settings).find("\"version\": 1"), std::string::npos);
    for (auto [index, value] : {std::pair{SettingTable::kNormal.left.width, "0"},
                                {SettingTable::kHover.bottom.type, "None"},
                                {SettingTable::kHover.fontName, "system-ui, sans-serif"}}) {
        MenuSettings changed = settings;
        changed.setValue(index, value);
        const std::string text = SettingsFile::compose(changed);
        EXPECT_NE(text.find("\"version\": 4"), std::string::npos) << value;
        EXPECT_EQ(SettingsFile::parse(text).values[static_cast<std::size_t>(index)], value);
    }
    settings.setValue(SettingTable::kNormal.top.width, "0");
    settings.setValue(SettingTable::kNormal.top.type, "None");
    EXPECT_NE(PageComposer::compose(settings, Timestamp::now()).find("  border-top: 0px none "),
              std::string::npos);
}

// The hovered item's font and size "Same as normal" are the normal item's
// in both pages, and make the file version 5, which older versions refuse
// by its number.
TEST(PageLook, TheHoveredItemCanTakeTheNormalFont) {
    MenuSettings settings = modernBar();
    settings.setValue(SettingTable::kNormal.fontName, "Georgia, serif");
    settings.setValue(SettingTable::kNormal.fontSize, "12");
    settings.setValue(SettingTable::kHover.fontName, std::string(SettingTable::kSameAsNormal));
    settings.setValue(SettingTable::kHover.fontSize, std::string(SettingTable::kSameAsNormal));
    const std::string modern = PageComposer::compose(settings, Timestamp::now());
    EXPECT_EQ(countOf(modern, "font: 600 12pt Georgia, serif;"), countOf(modern, "font: "));
    EXPECT_EQ(modern.find("Same as normal"), std::string::npos);
    settings.setPageStyle(MenuSettings::PageStyle::Classic);
    const std::string classic = PageComposer::compose(settings, Timestamp::now());
    EXPECT_EQ(countOf(classic, "font-size:12pt;"), 2u);
    EXPECT_EQ(classic.find("Same as normal"), std::string::npos);

    const std::string text = SettingsFile::compose(settings);
    EXPECT_NE(text.find("\"version\": 5"), std::string::npos);
    EXPECT_EQ(SettingsFile::parse(text).values[SettingTable::kHover.fontSize], "Same as normal");
    EXPECT_NE(ValueRules::problem(SettingTable::at(SettingTable::kNormal.fontSize),
                                  SettingTable::kSameAsNormal),
              "");
}

// Without script the bar's items are all shown, wrapped, and its button is
// hidden; a vertical menu never folds.
TEST(PageLook, OnlyAHorizontalBarFolds) {
    MenuSettings settings = modernBar();
    const std::string across = PageComposer::compose(settings, Timestamp::now());
    EXPECT_EQ(countOf(across,
                      "class=\"halvero-menu__button\" type=\"button\" aria-expanded=\"false\" "
                      "hidden>"),
              1u);
    EXPECT_NE(across.find("  flex-wrap: wrap;\n"), std::string::npos);
    settings.setValue(SettingTable::kDirection, "Vertical");
    const std::string down = PageComposer::compose(settings, Timestamp::now());
    EXPECT_EQ(down.find("halvero-menu__button"), std::string::npos);
    EXPECT_EQ(down.find("<script"), std::string::npos);
    const std::string style = PageComposer::fragment(settings, "", {}, ModernPage::Part::Style);
    const std::string nav = PageComposer::fragment(settings, "", {}, ModernPage::Part::Nav);
    EXPECT_TRUE(style.ends_with("</style>\n"));
    EXPECT_EQ(style.find("<nav"), std::string::npos);
    EXPECT_TRUE(nav.ends_with("</nav>\n"));
    EXPECT_EQ(nav.find("<style"), std::string::npos);
}
