#include "core/settings/ColorValues.h"

#include <cmath>

#include <optional>

namespace halvero {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// A piece of one or two hex digits; anything else is unreadable.
std::optional<int> readPiece(std::string_view piece) {
    if (piece.empty() || piece.size() > 2)
        return std::nullopt;
    int value = 0;
    for (char c : piece) {
        auto digit = hexDigit(c);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
}

// Printable form of the offending text for the error message, cut short so a
// megabyte of pasted text does not end up in a message box.
std::string describe(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown)
        shown += "...";
    return shown;
}

} // namespace

ColorTextError::ColorTextError(std::string_view text)
    : std::runtime_error("\"" + describe(text) + "\" is not a colour") {}

std::string colorToHex(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string text = "#";
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned component = (bits >> shift) & 0xFFu;
        text += kHexDigits[component >> 4];
        text += kHexDigits[component & 0xFu];
    }
    return text;
}

std::int32_t hexToColor(std::string_view text) {
    std::string_view s = text;
    if (!s.empty() && s.front() == '#')
        s.remove_prefix(1);
    const std::size_t length = s.size();
    if (length < 3)
        throw ColorTextError(text);

    const auto red = readPiece(s.substr(0, 2));
    const auto green = readPiece(s.substr(2, 2));
    const auto blue = readPiece(s.substr(length - 2));
    if (!red || !green || !blue)
        throw ColorTextError(text);
    return *red + 256 * *green + 65536 * *blue;
}

double contrastRatio(std::int32_t first, std::int32_t second) {
    auto luminance = [](std::int32_t value) {
        auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(value & 0xFF) + 0.7152 * linear((value >> 8) & 0xFF) +
               0.0722 * linear((value >> 16) & 0xFF);
    };
    const double a = luminance(first) + 0.05, b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

} // namespace halvero
