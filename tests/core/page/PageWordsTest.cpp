#include "core/page/PageWords.h"
#include "core/page/PageComposer.h"
#include "core/settings/LanguageTag.h"

#include "tests/core/CountOf.h"

#include <gtest/gtest.h>
#include <set>

using namespace halvero;

namespace {

// A bar across the page, folding on a phone, with a sub-menu and a link
// that opens in a new tab, in `language`.
MenuSettings menuIn(const std::string& language) {
    MenuSettings settings;
    settings.initialise();
    settings.setPageStyle(MenuSettings::PageStyle::Modern);
    settings.setValue(SettingTable::kDirection, "Horizontal");
    MenuItem services{"Leistungen", "services.html", "", "", false, {}};
    services.items = {{"Design", "design.html", "", "", false, {}}};
    settings.setMenuItems({services, {"Blog", "https://blog.example/", "", "_blank", false, {}}});
    settings.setValue(*SettingTable::findByName("page.language"), language);
    return settings;
}

std::string pageIn(const std::string& language) {
    return PageComposer::compose(menuIn(language), Timestamp{2026, 1, 2, 3, 4, 5});
}

} // namespace

// Every carried language has every word, its own name, and a sub-menu name
// that holds the item's label; the tags are well formed and each one once.
TEST(PageWords, EveryCarriedLanguageHasEveryWord) {
    std::set<std::string_view> tags;
    bool rightToLeft = false;
    for (const PageWords::Language& language : PageWords::languages()) {
        EXPECT_TRUE(LanguageTag::isWellFormed(language.tag)) << language.tag;
        EXPECT_TRUE(tags.insert(language.tag).second) << language.tag;
        for (std::string_view word : {language.name, language.menu, language.newTab,
                                      language.breadcrumb, language.skipLink})
            EXPECT_FALSE(word.empty()) << language.tag;
        EXPECT_NE(language.subMenu.find(PageWords::kLabel), std::string_view::npos) << language.tag;
        rightToLeft = rightToLeft || LanguageTag::isRightToLeft(language.tag);
    }
    EXPECT_GE(tags.size(), 12u);
    EXPECT_TRUE(rightToLeft);
}

// A German page says everything in German, a region's tag takes its
// language's words, a language Halvero does not carry gets English words
// under its own tag, and Arabic runs right to left.
TEST(PageWords, ThePageSpeaksItsLanguage) {
    const std::string german = pageIn("de");
    EXPECT_EQ(german.rfind("<!DOCTYPE html>\n<html lang=\"de\">\n", 0), 0u);
    for (const char* word : {"<title>Men\xC3\xBC</title>", "aria-label=\"Men\xC3\xBC\"",
                             "hidden>Men\xC3\xBC<span", "Leistungen, Untermen\xC3\xBC</span>",
                             "(\xC3\xB6"
                             "ffnet in einem neuen Tab)"})
        EXPECT_NE(german.find(word), std::string::npos) << word;
    for (const char* english : {"sub-menu<", "new tab", ">Menu<"})
        EXPECT_EQ(german.find(english), std::string::npos) << english;

    EXPECT_NE(pageIn("de-AT").find("<html lang=\"de-AT\">"), std::string::npos);
    EXPECT_NE(pageIn("de-AT").find("Leistungen, Untermen\xC3\xBC"), std::string::npos);
    const std::string finnish = pageIn("fi");
    EXPECT_NE(finnish.find("<html lang=\"fi\">"), std::string::npos);
    EXPECT_NE(finnish.find("Leistungen, sub-menu"), std::string::npos);

    EXPECT_NE(pageIn("ar").find("<html lang=\"ar\" dir=\"rtl\">"), std::string::npos);
    EXPECT_NE(pageIn("he-IL").find("dir=\"rtl\""), std::string::npos);
    EXPECT_NE(pageIn("az-Arab").find("dir=\"rtl\""), std::string::npos);
    EXPECT_EQ(pageIn("ar-Latn").find("dir=\"rtl\""), std::string::npos);
}

// Words set in the settings take the place of the language's; the menu's
// name follows the button's label unless it is set itself; a set word is
// escaped like any text.
TEST(PageWords, SetWordsTakeTheirPlace) {
    MenuSettings settings = menuIn("de");
    settings.setValue(*SettingTable::findByName("page.menuButtonLabel"), "Navigation");
    settings.setValue(*SettingTable::findByName("page.words.subMenu"), "Mehr zu <{label}>");
    settings.setValue(*SettingTable::findByName("page.words.newTab"), "neuer Tab & so");
    std::string page = PageComposer::compose(settings, Timestamp{2026, 1, 2, 3, 4, 5});
    EXPECT_NE(page.find("aria-label=\"Navigation\""), std::string::npos);
    EXPECT_NE(page.find("hidden>Navigation<span"), std::string::npos);
    EXPECT_NE(page.find("Mehr zu &lt;Leistungen&gt;</span>"), std::string::npos);
    EXPECT_NE(page.find("(neuer Tab &amp; so)"), std::string::npos);

    settings.setValue(*SettingTable::findByName("page.words.menu"), "Hauptmen\xC3\xBC");
    page = PageComposer::compose(settings, Timestamp{2026, 1, 2, 3, 4, 5});
    EXPECT_NE(page.find("aria-label=\"Hauptmen\xC3\xBC\""), std::string::npos);
    EXPECT_NE(page.find("hidden>Navigation<span"), std::string::npos);
}
