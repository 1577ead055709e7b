// Prints, as lines lupdate reads, the texts the window shows from the core's
// tables (the settings' captions, the looks' names and sentences): the core
// knows no Qt, so its texts are gathered here for the translators.
//
//   core_texts > core-texts.cpp && lupdate ... core-texts.cpp ...

#include "core/settings/MenuLook.h"
#include "core/settings/SettingTable.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

void print(std::string_view context, std::string_view text) {
    std::string quoted;
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    std::printf("QT_TRANSLATE_NOOP(\"%.*s\", \"%s\");\n", static_cast<int>(context.size()),
                context.data(), quoted.c_str());
}

} // namespace

int main() {
    using halvero::SettingGroup;
    for (SettingGroup group :
         {SettingGroup::Menu, SettingGroup::Normal, SettingGroup::Hover, SettingGroup::Page})
        print("SettingTable", halvero::SettingTable::groupCaption(group));
    for (const halvero::Setting& setting : halvero::SettingTable::all())
        print("SettingTable", setting.caption);
    for (const halvero::MenuLook& look : halvero::MenuLook::all()) {
        print("MenuLook", look.name());
        print("MenuLook", look.sentence());
    }
    return 0;
}
