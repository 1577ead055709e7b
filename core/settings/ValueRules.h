#pragma once

#include "core/settings/SettingTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace halvero {

// What a value may hold before it goes into the page. Values are inserted
// into attribute values, style declarations and, for the status-bar
// message, a script string; the rules keep every value in its place and
// the page small, wherever the value comes from (the window, a settings
// file, --set):
//  - a list entry holds one of its offered items, exactly;
//  - the status-bar message may hold any text (the page escapes it as a
//    script string) up to its length;
//  - every other entry refuses the characters that could end its
//    attribute or declaration (quotes, <, >, ;, {, }, backslash) and
//    control characters, and has a length that fits its use;
//  - a colour holds colour syntax: #RGB, #RRGGBB (with alpha: #RGBA,
//    #RRGGBBAA), a colour name, or rgb()/rgba()/hsl()/hsla() of numbers;
//  - a font name holds a font stack (see isFontStack);
//  - the item's width and height hold length syntax: a number with an
//    optional unit (120, 7.5em, 50%), or calc()/min()/max()/clamp() of
//    such lengths with balanced parentheses.
// No value holds a comment's "/*" or "*/", so none can swallow or merge
// the page's rules.
class ValueRules {
public:
    // The longest value `entry` takes, in characters.
    static std::size_t maxLength(const Setting& entry);
    // Whether `c` (one byte of UTF-8; any byte of a multi-byte character is
    // allowed) may stand in a free-text value of `entry`.
    static bool allows(const Setting& entry, unsigned char c);
    // Why `value` cannot be a value of `entry`, or an empty text when it
    // can. The reason names neither entry nor value: "holds the character
    // '<'", "is longer than 6 characters", "is not one of 1 to 20", "is
    // not a colour (#RRGGBB, a name, rgb() or hsl())".
    static std::string problem(const Setting& entry, std::string_view value);
    // Why `value` could not become a value of `entry` by typing more: a
    // character it may not hold, or too many. Values that are only
    // unfinished ("rgb(1", "") pass.
    static std::string typingProblem(const Setting& entry, std::string_view value);
    // Whether `value` is colour syntax, or length syntax (see above).
    static bool isColor(std::string_view value);
    static bool isLength(std::string_view value);
    // Whether `value` is a font stack: families parted by commas, each one
    // or more CSS names ("Segoe UI, system-ui, sans-serif"); quotes, which
    // would end the attribute, are not needed for such names.
    static bool isFontStack(std::string_view value);
};

} // namespace halvero
