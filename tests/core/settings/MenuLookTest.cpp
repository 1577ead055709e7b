#include "core/settings/MenuLook.h"
#include "core/page/PageComposer.h"
#include "core/settings/ColorValues.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <stdexcept>

using namespace halvero;

namespace {

const std::string& valueOf(const MenuSettings& settings, std::string_view name) {
    return settings.value(*SettingTable::findByName(name));
}

// The colour the first of `names` that is not empty holds (the panel's and
// the current item's colours default to the items' own).
std::int32_t colorOf(const MenuSettings& settings, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
        if (const std::string& value = valueOf(settings, name); !value.empty())
            return hexToColor(value);
    throw std::logic_error("no colour");
}

MenuSettings withLook(const MenuLook& look) {
    MenuSettings settings;
    settings.initialise();
    look.applyTo(settings);
    return settings;
}

} // namespace

// Classic is the defaults, byte for byte, and applying any look keeps what
// is not the appearance: the items, the status bar, the target, the button's
// label and the site.
TEST(MenuLook, ClassicIsTheDefaultsAndALookKeepsTheMenusOwn) {
    const Timestamp stamp{2026, 1, 2, 3, 4, 5};
    MenuSettings plain;
    plain.initialise();
    const std::string plainPage = PageComposer::compose(plain, stamp);

    MenuSettings settings;
    settings.initialise();
    settings.setMenuItems({MenuItem{"Home", "index.html", "", "", false, {}},
                           MenuItem{"About", "about.html", "", "", false, {}}});
    settings.setValue(SettingTable::kStatusUrl, "Yes");
    settings.applyStatusBarRule();
    settings.setValue(SettingTable::kTarget, "_self");
    settings.setValue(*SettingTable::findByName("page.menuButtonLabel"), "Navigation");
    settings.setValue(*SettingTable::findByName("page.stylesheet"), "css/nav.css");
    settings.setSiteFolder("/srv/site");
    const MenuSettings::Snapshot before = settings.snapshot();

    MenuLook::find("pills")->applyTo(settings);
    EXPECT_EQ(settings.pageStyle(), MenuSettings::PageStyle::Modern);
    EXPECT_EQ(valueOf(settings, "page.cornerRadius"), "999px");
    MenuLook::find("Classic")->applyTo(settings);
    EXPECT_EQ(settings.snapshot(), before);

    const MenuSettings classic = withLook(*MenuLook::find("CLASSIC"));
    EXPECT_EQ(PageComposer::compose(classic, stamp), plainPage);
    EXPECT_EQ(MenuLook::all().front().name(), "Classic");
    EXPECT_EQ(MenuLook::find("brand-bar"), MenuLook::find("Brand bar"));
    EXPECT_EQ(MenuLook::find("brand"), nullptr);
}

// Each modern look draws no border, names a font stack ending in a family
// every system has, and keeps every text readable: the items', the hovered
// items', the current item's and the panel's, at 4.5:1 at least.
TEST(MenuLook, ModernLooksAreBorderlessStacksAndReadable) {
    int modern = 0;
    for (const MenuLook& look : MenuLook::all()) {
        if (look.style() != MenuSettings::PageStyle::Modern)
            continue;
        ++modern;
        SCOPED_TRACE(look.name());
        const MenuSettings settings = withLook(look);
        for (const ItemEntries& item : {SettingTable::kNormal, SettingTable::kHover}) {
            for (const BorderEntries& border : {item.left, item.top, item.right, item.bottom})
                EXPECT_EQ(settings.value(border.width), "0");
        }
        EXPECT_NE(settings.value(SettingTable::kNormal.fontName).find(", "), std::string::npos);
        EXPECT_EQ(settings.value(SettingTable::kHover.fontName), SettingTable::kSameAsNormal);
        EXPECT_EQ(settings.value(SettingTable::kHover.fontSize), SettingTable::kSameAsNormal);
        using Names = std::initializer_list<std::string_view>;
        const auto pair = [&](Names text, Names back) {
            EXPECT_GE(contrastRatio(colorOf(settings, text), colorOf(settings, back)), 4.5)
                << *text.begin() << " on " << *back.begin();
        };
        pair({"normal.fontColor"}, {"normal.backColor"});
        pair({"hover.fontColor"}, {"hover.backColor"});
        pair({"page.currentColor", "normal.fontColor"},
             {"page.currentBackColor", "normal.backColor"});
        pair({"page.panelColor", "normal.fontColor"}, {"page.panelBackColor", "normal.backColor"});
        pair({"page.panelHoverColor", "hover.fontColor"},
             {"page.panelHoverBackColor", "hover.backColor"});
        pair({"page.currentColor", "page.panelColor", "normal.fontColor"},
             {"page.currentBackColor", "page.panelBackColor", "normal.backColor"});
        EXPECT_FALSE(look.sentence().empty());
        EXPECT_EQ(look.sentence().find('\t'), std::string::npos);
    }
    EXPECT_GE(modern, 4);
}
