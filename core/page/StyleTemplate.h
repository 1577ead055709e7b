#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace halvero {

// Fills in the modern menu's style sheet, kept as a CSS file of its own
// (menu.css): var(--halvero-NAME) takes a value, a line
// "--halvero-look: NAME;" takes a look's declarations at its indent, and
// "if" comments keep or leave out blocks, lines and parts of lines (the
// file's first comment says how). Other comments and blank lines are left
// out. A name the template uses and the fill lacks is a fault of the
// program: std::logic_error.
class StyleTemplate {
public:
    struct Fill {
        std::map<std::string, std::string, std::less<>> values;
        std::set<std::string, std::less<>> holding; // the conditions that hold
        // The declarations of the look named, each line at `indent`.
        std::function<std::string(std::string_view name, std::string_view indent)> look;
    };

    static std::string fill(std::string_view text, const Fill& fill);
    // `value` as it may stand in a declaration: without the characters
    // that could end it, its rule or the style element, or open a comment.
    static std::string escaped(std::string_view value);
};

} // namespace halvero
