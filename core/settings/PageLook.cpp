#include "core/settings/PageLook.h"

#include "core/settings/ValueRules.h"
#include "core/text/TextEncoding.h"

#include <algorithm>

namespace halvero {

namespace {

constexpr std::string_view kAlignChoices[] = {"start", "center", "end", "spread"};
constexpr std::string_view kWidthChoices[] = {"fixed", "auto"};
constexpr std::string_view kYesNo[] = {"Yes", "No"};
constexpr std::span<const std::string_view> kFree;

using P = PageLook;
constexpr std::array<P::Entry, P::kCount> kEntries = {{
    {P::kFoldBelow, "foldBelow", "Fold into a menu button below", "40em", kFree,
     "a width (40em, 600px) or never"},
    {P::kMenuButtonLabel, "menuButtonLabel", "Menu button label", "Menu", kFree,
     "1 to 40 characters"},
    {P::kBarColor, "barColor", "Bar colour", "transparent", kFree,
     "a colour (#RRGGBB, a name, rgb() or hsl())"},
    {P::kItemPadding, "itemPadding", "Item padding", "0.25em 0.5em", kFree,
     "one to four lengths (0.5em, 4px 8px)"},
    {P::kAlign, "align", "Items on the bar", "center", kAlignChoices, ""},
    {P::kItemWidth, "itemWidth", "Item width", "fixed", kWidthChoices, ""},
    {P::kCurrentColor, "currentColor", "Current item text colour", "", kFree,
     "a colour, or empty for the item's own"},
    {P::kCurrentBackColor, "currentBackColor", "Current item background", "", kFree,
     "a colour, or empty for the item's own"},
    {P::kCurrentUnderline, "currentUnderline", "Underline the current item", "Yes", kYesNo, ""},
}};

constexpr bool keysMatchTheTable() {
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (kEntries[i].key != static_cast<P::Key>(i))
            return false;
    return true;
}
static_assert(keysMatchTheTable());

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A length that is not negative: a number with a unit or "%", or 0.
bool isPlainLength(std::string_view text) {
    if (text.empty() || text.front() == '-' || text.front() == '+' ||
        text.find('(') != std::string_view::npos || !ValueRules::isLength(text))
        return false;
    return !std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '.'; }) ||
           std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == '.'; });
}

// A width a media query takes: a number above 0 in px, em or rem.
bool isQueryWidth(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && (isDigit(text[digits]) || text[digits] == '.'))
        ++digits;
    const std::string_view number = text.substr(0, digits), unit = text.substr(digits);
    if (number.empty() || number.size() > 6 || std::count(number.begin(), number.end(), '.') > 1 ||
        number.front() == '.' || number.back() == '.' ||
        std::all_of(number.begin(), number.end(), [](char c) { return c == '0' || c == '.'; }))
        return false;
    return unit == "px" || unit == "em" || unit == "rem";
}

std::string choicesInWords(std::span<const std::string_view> choices) {
    std::string words;
    for (std::string_view choice : choices)
        words += (words.empty() ? "" : ", ") + std::string(choice);
    return words;
}

std::string colorProblem(std::string_view value, bool emptyAllowed) {
    if (value.empty())
        return emptyAllowed ? std::string() : "is empty";
    if (value.size() > 32)
        return "is longer than 32 characters";
    if (!ValueRules::isColor(value))
        return emptyAllowed ? "is not a colour (#RRGGBB, a name, rgb() or hsl()), nor empty"
                            : "is not a colour (#RRGGBB, a name, rgb() or hsl())";
    return {};
}

} // namespace

std::span<const PageLook::Entry, PageLook::kCount> PageLook::entries() {
    return kEntries;
}

const PageLook::Entry* PageLook::find(std::string_view name) {
    const auto it = std::find_if(kEntries.begin(), kEntries.end(),
                                 [&](const Entry& entry) { return entry.name == name; });
    return it == kEntries.end() ? nullptr : &*it;
}

PageLook::PageLook() {
    for (const Entry& entry : kEntries)
        m_values[entry.key] = std::string(entry.defaultValue);
}

std::string PageLook::problem(Key key, std::string_view value) {
    const Entry& entry = kEntries.at(static_cast<std::size_t>(key));
    if (!entry.choices.empty()) {
        if (std::find(entry.choices.begin(), entry.choices.end(), value) == entry.choices.end())
            return "is not one of " + choicesInWords(entry.choices);
        return {};
    }
    switch (key) {
    case kFoldBelow:
        if (value == kNever || isQueryWidth(value))
            return {};
        return value.empty() ? "is empty" : "is not a width (40em, 600px) or never";
    case kMenuButtonLabel: {
        if (hasControlCharacter(value))
            return "holds a control character";
        if (value.find_first_not_of(' ') == std::string_view::npos)
            return "is empty";
        // The same rule as an item's label.
        if (showsNothing(value))
            return "shows nothing (only invisible characters)";
        if (ValueRules::characterCount(value) > 40)
            return "is longer than 40 characters";
        return {};
    }
    case kBarColor:
        return colorProblem(value, false);
    case kCurrentColor:
    case kCurrentBackColor:
        return colorProblem(value, true);
    case kItemPadding: {
        if (value.size() > 40)
            return "is longer than 40 characters";
        int lengths = 0;
        std::size_t from = 0;
        while (from <= value.size()) {
            const std::size_t space = std::min(value.find(' ', from), value.size());
            if (!isPlainLength(value.substr(from, space - from)))
                return value.empty() ? "is empty"
                                     : "is not one to four lengths (0.5em, 4px 8px), none "
                                       "below 0";
            ++lengths;
            from = space + 1;
        }
        if (lengths > 4)
            return "is more than four lengths";
        return {};
    }
    default:
        return {};
    }
}

} // namespace halvero
