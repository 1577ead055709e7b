#pragma once

#include "core/settings/MenuSettings.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvero {

// A look to start a menu from: a name, a sentence that says it, the page's
// style and the values of the appearance (every setting but the items and
// their count, the status bar, the target, the menu button's label and how
// the menu sits in a site). Settings a look does not name take their
// defaults, so that applying one gives the same appearance whatever came
// before. "Classic" is the defaults themselves.
class MenuLook {
public:
    using Value = std::pair<std::string, std::string>; // "normal.fontColor", "#FFFFFF"

    MenuLook(std::string name, std::string sentence, MenuSettings::PageStyle style,
             std::vector<Value> values);

    const std::string& name() const { return m_name; }
    const std::string& sentence() const { return m_sentence; }
    MenuSettings::PageStyle style() const { return m_style; }
    // The values that differ from the defaults, by their names.
    const std::vector<Value>& values() const { return m_values; }

    // The looks Halvero ships, Classic first.
    static std::span<const MenuLook> all();
    // The look named `name`, matched without regard to case, with a hyphen
    // standing for a space ("brand-bar"); nullptr when none is.
    static const MenuLook* find(std::string_view name);
    // "Classic, Brand bar, ...": for a message naming what there is.
    static std::string namesInWords();
    // Whether a look sets `setting`.
    static bool isAppearance(const Setting& setting);

    // Gives `settings` this look's appearance and page style, told to its
    // observer; the rest stays as it was.
    void applyTo(MenuSettings& settings) const;

private:
    std::string m_name, m_sentence;
    MenuSettings::PageStyle m_style;
    std::vector<Value> m_values;
};

} // namespace halvero
