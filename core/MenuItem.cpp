#include "core/MenuItem.h"

#include "core/TextEncoding.h"
#include "core/ValueRules.h"

#include <algorithm>
#include <array>

namespace halvero {

namespace {

constexpr std::array<std::string_view, 4> kAllowedSchemes = {"http", "https", "mailto", "tel"};
constexpr std::array<std::string_view, 4> kTargets = {"_self", "_blank", "_parent", "_top"};

std::string_view trimmed(std::string_view text, bool controlsToo) {
    const auto blank = [controlsToo](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == ' ' || (controlsToo && u < 0x20);
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::string MenuItem::cleanLink(std::string_view link) {
    std::string clean;
    for (char c : trimmed(link, true))
        if (c != '\t' && c != '\n' && c != '\r')
            clean += c;
    return clean;
}

std::string MenuItem::linkProblem(std::string_view link) {
    if (ValueRules::characterCount(link) > kMaxLink)
        return "is longer than " + std::to_string(kMaxLink) + " characters";
    const std::string clean = cleanLink(link);
    if (clean.empty())
        return "is empty";
    if (hasControlCharacter(clean))
        return "holds a control character";
    // Browsers read a backslash as "/", so \\host or /\host would lead to
    // another host than the one the link seems to name.
    if (clean.find('\\') != std::string::npos)
        return "holds a backslash (browsers read it as /; write / instead)";
    // A scheme is a letter, then letters, digits, "+", "-" or ".", ended
    // by ":"; anything else before the first ":", "/", "?" or "#" makes the
    // address relative.
    const std::size_t end = clean.find_first_of(":/?#");
    if (end == std::string::npos || clean[end] != ':' || end == 0 || !isAsciiLetter(clean[0]))
        return {};
    const std::string_view scheme = std::string_view(clean).substr(0, end);
    if (!std::all_of(scheme.begin(), scheme.end(), [](char c) {
            return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        }))
        return {};
    const std::string low = asciiLower(scheme);
    if (std::find(kAllowedSchemes.begin(), kAllowedSchemes.end(), low) == kAllowedSchemes.end())
        return "the scheme " + low + ": is not allowed (only http, https, mailto and tel)";
    return {};
}

bool MenuItem::isTarget(std::string_view target) {
    return target.empty() || std::find(kTargets.begin(), kTargets.end(), target) != kTargets.end();
}

std::string_view MenuItem::trimmedLabel() const {
    return trimmed(label, false);
}

bool MenuItem::isClean(std::string_view link) {
    return trimmed(link, true).size() == link.size() &&
           link.find_first_of("\t\n\r") == std::string_view::npos;
}

std::string MenuItem::problem() const {
    const std::string_view shown = trimmedLabel();
    if (shown.empty())
        return "label: is empty";
    if (showsNothing(shown))
        return "label: shows nothing (only invisible characters)";
    if (ValueRules::characterCount(shown) > kMaxLabel)
        return "label: is longer than " + std::to_string(kMaxLabel) + " characters";
    if (hasControlCharacter(label))
        return "label: holds a control character";
    if (const std::string why = linkProblem(link); !why.empty())
        return "link: " + why;
    if (ValueRules::characterCount(tooltip) > kMaxTooltip)
        return "tooltip: is longer than " + std::to_string(kMaxTooltip) + " characters";
    if (hasControlCharacter(tooltip))
        return "tooltip: holds a control character";
    if (!isTarget(target))
        return "target: is not one of _self, _blank, _parent, _top";
    return {};
}

std::string MenuItem::describe(std::size_t number, const MenuItem& item) {
    std::string text = "item " + std::to_string(number);
    const std::string_view shown = item.trimmedLabel();
    if (!shown.empty())
        text += " (" + std::string(shown) + ")";
    return text;
}

} // namespace halvero
