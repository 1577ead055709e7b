#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvero {

// Conversions between a colour value (red in bits 0-7, green in 8-15, blue in
// 16-23, as the colour dialog and the widgets use them) and a colour text
// ("#RRGGBB", the form the settings and the page hold).

// Thrown by hexToColor for text that names no colour.
class ColorTextError : public std::runtime_error {
public:
    explicit ColorTextError(std::string_view text);
};

// "#" and two upper-case hex digits each for red, green and blue. The top
// byte of the value is ignored.
std::string colorToHex(std::int32_t value);

// Reads "#RRGGBB", "RRGGBB" and the odd lengths the settings may hold: one
// leading "#" is dropped; red is the first two characters, green the third and
// fourth (only the third for three characters), blue the last two, so short
// texts overlap and long ones skip their middle. Each piece must be one or two
// hex digits. Throws ColorTextError otherwise; never returns a stand-in colour.
std::int32_t hexToColor(std::string_view text);

// The contrast ratio of two colour values as the Web Content Accessibility
// Guidelines count it: 1 (the same) to 21 (black on white).
double contrastRatio(std::int32_t first, std::int32_t second);

} // namespace halvero
