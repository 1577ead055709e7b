#include "core/page/SiteLanguages.h"
#include "core/settings/SettingsFile.h"
#include "core/site/SiteUpdate.h"

#include <gtest/gtest.h>

using namespace halvero;

namespace {

// English at the root, German in de/, Arabic in ar/; "Contact" has no
// German page, "Team" a German link of its own.
MenuSettings threeLanguages(const std::string& missing = "default") {
    MenuSettings settings;
    settings.initialise();
    settings.setPageStyle(MenuSettings::PageStyle::Modern);
    settings.setValue(SettingTable::kTarget, "_self");
    settings.setLanguages(
        {{"en", "English", ""},
         {"de", "Deutsch", "de/"},
         {"ar", "\xD8\xA7\xD9\x84\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A\xD8\xA9", "ar/"}});
    MenuItem home{"Home", "index.html", "", "", false, {}};
    home.labels = {{"de", "Startseite"}};
    MenuItem team{"Team", "about/team.html", "", "", false, {}};
    team.links = {{"de", "de/ueber-uns/team.html"}};
    MenuItem about{"About", "", "", "", false, {team}};
    settings.setMenuItems({home,
                           about,
                           {"Contact", "contact.html", "", "", false, {}},
                           {"Blog", "https://blog.example/", "", "", false, {}}});
    settings.setValue(*SettingTable::findByName("page.missingTranslation"), missing);
    return settings;
}

const SiteLanguages::Pages kPages = {"index.html",     "contact.html",           "about/team.html",
                                     "de/index.html",  "de/ueber-uns/team.html", "ar/index.html",
                                     "ar/contact.html"};

std::string navOf(const MenuSettings& settings, const std::string& page) {
    return MenuBlocks(settings, false, &kPages).of(page)->nav;
}

} // namespace

// Each page's menu in its folder's language: its labels, its links moved
// into the folder or its own, its words and its current item; links that
// leave the site stay as they are.
TEST(SiteLanguages, EachPageHasTheMenuInItsLanguage) {
    const MenuSettings settings = threeLanguages();
    const std::string german = navOf(settings, "de/index.html");
    for (const char* wanted :
         {"aria-label=\"Men\xC3\xBC\"", "href=\"index.html\" aria-current=\"page\">Startseite<",
          "href=\"ueber-uns/team.html\">Team<", "href=\"https://blog.example/\">Blog<"})
        EXPECT_NE(german.find(wanted), std::string::npos) << wanted << "\n" << german;
    const std::string english = navOf(settings, "about/team.html");
    EXPECT_NE(english.find("href=\"team.html\" aria-current=\"page\">Team<"), std::string::npos)
        << english;
    EXPECT_NE(english.find("href=\"../index.html\">Home<"), std::string::npos) << english;
    const std::string arabic = navOf(settings, "ar/index.html");
    EXPECT_NE(arabic.find("href=\"contact.html\">Contact<"), std::string::npos) << arabic;
    EXPECT_NE(
        arabic.find("aria-label=\"\xD8\xA7\xD9\x84\xD9\x82\xD8\xA7\xD8\xA6\xD9\x85\xD8\xA9\""),
        std::string::npos);
}

// A page missing in a language: linked in the default language and marked
// as such, left out (a parent left heading what remains), or replaced by
// the language's home page.
TEST(SiteLanguages, AMissingPageFollowsTheChoice) {
    const std::string linked = navOf(threeLanguages("default"), "de/index.html");
    EXPECT_NE(linked.find("href=\"../contact.html\" hreflang=\"en\" lang=\"en\">Contact <span "
                          "class=\"halvero-menu__language\">(English)</span>"),
              std::string::npos)
        << linked;
    // Arabic pages run right to left; the English link inside says so.
    MenuSettings arabicMissing = threeLanguages("default");
    const std::string arabic = MenuBlocks(arabicMissing, false, &kPages).of("ar/about.html")->nav;
    EXPECT_NE(arabic.find("hreflang=\"en\" lang=\"en\" dir=\"ltr\">Team"), std::string::npos)
        << arabic;

    const std::string omitted = navOf(threeLanguages("omit"), "de/index.html");
    EXPECT_EQ(omitted.find("Contact"), std::string::npos) << omitted;
    EXPECT_NE(omitted.find("Team"), std::string::npos);
    const std::string arabicOmitted = navOf(threeLanguages("omit"), "ar/index.html");
    EXPECT_EQ(arabicOmitted.find("About"), std::string::npos) << "a parent with nothing left";

    const std::string home = navOf(threeLanguages("home"), "de/index.html");
    EXPECT_NE(home.find("href=\"index.html\">Contact<"), std::string::npos) << home;
}

// The switcher leads each language to the page's counterpart: the same
// path, else the page the items pair with it, else that language's home;
// the page's own language is marked. Alternate links name only
// counterparts that are there.
TEST(SiteLanguages, TheSwitcherLeadsToEachCounterpart) {
    const MenuSettings settings = threeLanguages();
    const SiteLanguages languages(settings, &kPages);
    const std::string team = languages.switcher("about/team.html");
    EXPECT_NE(team.find("aria-label=\"Languages\""), std::string::npos);
    EXPECT_NE(team.find("<a href=\"team.html\" lang=\"en\" hreflang=\"en\" "
                        "aria-current=\"page\">English</a>"),
              std::string::npos)
        << team;
    EXPECT_NE(team.find("<a href=\"../de/ueber-uns/team.html\" lang=\"de\" hreflang=\"de\">"),
              std::string::npos)
        << team;
    EXPECT_NE(team.find("<a href=\"../ar/index.html\" lang=\"ar\" hreflang=\"ar\" dir=\"rtl\">"),
              std::string::npos)
        << team;
    const std::string contact = languages.switcher("ar/contact.html");
    EXPECT_NE(contact.find("<a href=\"../contact.html\" lang=\"en\" hreflang=\"en\" dir=\"ltr\">"),
              std::string::npos)
        << contact;
    EXPECT_TRUE(languages.switcher("elsewhere.html").starts_with("<nav class=\"halvero-languages"))
        << "the default language at the root holds every other page";

    const std::string alternates = languages.alternates("about/team.html");
    EXPECT_NE(alternates.find("hreflang=\"de\" href=\"../de/ueber-uns/team.html\""),
              std::string::npos);
    EXPECT_EQ(alternates.find("hreflang=\"ar\""), std::string::npos) << alternates;
}

// The languages and the items' own labels and links round-trip through
// the settings file, which takes a newer version only when they are used;
// a tag no language has, a second default at the root and a bad tag are
// refused by their line.
TEST(SiteLanguages, TheSettingsFileKeepsThem) {
    const MenuSettings settings = threeLanguages();
    const std::string text = SettingsFile::compose(settings);
    EXPECT_NE(text.find("\"version\": 6"), std::string::npos);
    const SettingsFile::Contents read = SettingsFile::parse(text);
    EXPECT_EQ(read.languages, settings.languages());
    EXPECT_EQ(read.items, settings.menuItems());
    MenuSettings plain;
    plain.initialise();
    EXPECT_EQ(SettingsFile::compose(plain).find("\"version\": 6"), std::string::npos);

    const auto refusal = [](const std::string& body) {
        try {
            SettingsFile::parse("{\"format\": \"halvero-menu\", \"version\": 6,\n" + body + "}");
        } catch (const SettingsFileError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal("\"languages\": [{\"tag\": \"en\", \"name\": \"English\", \"folder\": "
                      "\"\"}],\n\"items\": [{\"label\": \"A\", \"link\": \"a.html\",\n"
                      "\"labels\": {\"fr\": \"Un\"}}]"),
              "line 4: items[1].labels.fr: no language of the site but the first has the tag fr");
    EXPECT_EQ(refusal("\"languages\": [{\"tag\": \"en\", \"name\": \"English\", \"folder\": \"\"},"
                      "\n{\"tag\": \"de\", \"name\": \"Deutsch\", \"folder\": \"\"}]"),
              "line 2: languages: language 2 (de): folder: is not a folder from the site's root "
              "(de/); only the first language has the root");
    EXPECT_EQ(
        refusal("\"languages\": [{\"tag\": \"en_GB\", \"name\": \"E\", \"folder\": \"\"}]"),
        "line 2: languages: language 1 (en_GB): tag: is not a language tag (en, de, pt-BR, ar)");
}
