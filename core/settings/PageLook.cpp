#include "core/settings/PageLook.h"

#include "core/settings/LanguageTag.h"
#include "core/settings/ValueRules.h"
#include "core/text/PathGlob.h"
#include "core/text/TextEncoding.h"

#include <algorithm>

namespace halvero {

namespace {

// A length that is not negative: a number with a unit or "%", or 0.
bool isPlainLength(std::string_view text) {
    if (text.empty() || text.front() == '-' || text.front() == '+' ||
        text.find('(') != std::string_view::npos || !ValueRules::isLength(text))
        return false;
    return !std::all_of(text.begin(), text.end(), [](char c) {
        return isAsciiDigit(c) || c == '.';
    }) || std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == '.'; });
}

// A width a media query takes: a number above 0 in px, em or rem.
bool isQueryWidth(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && (isAsciiDigit(text[digits]) || text[digits] == '.'))
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

// Text that can stand in an attribute or a path: no control character,
// space, quote, angle bracket or backslash.
bool isPlainWord(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == 0x7F || c == '"' || c == '\'' ||
               c == '<' || c == '>' || c == '\\' || c == '`';
    });
}

// Whether `path` climbs out of where it starts ("..", "a/../..").
bool climbs(std::string_view path) {
    for (std::size_t from = 0; from <= path.size();) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        if (path.substr(from, slash - from) == "..")
            return true;
        from = slash + 1;
    }
    return false;
}

std::string siteProblem(PageLook::Key key, std::string_view value) {
    if (value.empty())
        return {};
    if (value.size() > 200)
        return "is longer than 200 characters";
    switch (key) {
    case PageLook::kSiteBase:
        if (!isPlainWord(value) || !value.starts_with('/') || !value.ends_with('/') ||
            value.find_first_of("?#") != std::string_view::npos || value.find("//") != value.npos ||
            climbs(value))
            return "is not a path that starts and ends with / (/ or /docs/)";
        return {};
    case PageLook::kSiteUrl: {
        const std::string lower = asciiLower(value);
        const std::size_t host = lower.starts_with("https://")  ? 8
                                 : lower.starts_with("http://") ? 7
                                                                : 0;
        if (!isPlainWord(value) || host == 0 || value.size() == host ||
            value.find_first_of("?#") != std::string_view::npos || !value.ends_with('/'))
            return "is not a site's address ending in / (https://example.com/)";
        return {};
    }
    case PageLook::kSiteExclude:
        for (std::string_view pattern : PathGlob::split(value)) {
            if (pattern.empty())
                return "holds an empty pattern (patterns are parted by commas)";
            if (!isPlainWord(pattern) || pattern.starts_with('/') || climbs(pattern))
                return "holds '" + std::string(pattern) +
                       "', not a pattern from the site's root (drafts/, old/*.html)";
        }
        return {};
    case PageLook::kSkipTo:
        if (!isPlainWord(value) || value.find_first_of("#&") != std::string_view::npos)
            return "is not an id (main, content)";
        return {};
    case PageLook::kStylesheet:
        if (!isPlainWord(value) || value.starts_with('/') || value.ends_with('/') ||
            climbs(value) || !asciiLower(value).ends_with(".css") ||
            value.find_first_of("?#") != std::string_view::npos)
            return "is not a .css file's path from the site's root (css/nav.css)";
        return {};
    default:
        return {};
    }
}

} // namespace

PageLook::PageLook() {
    for (const Setting& setting : entries())
        m_values[keyOf(setting)] = std::string(setting.defaultValue);
}

std::string PageLook::problem(Key key, std::string_view value) {
    const Setting& setting = entries()[static_cast<std::size_t>(key)];
    if (!setting.texts.empty()) {
        if (std::find(setting.texts.begin(), setting.texts.end(), value) == setting.texts.end())
            return "is not one of " + choicesInWords(setting.texts);
        return {};
    }
    switch (key) {
    case kFoldBelow:
        if (value == kNever || isQueryWidth(value))
            return {};
        return value.empty() ? "is empty" : "is not a width (40em, 600px) or never";
    case kMenuButtonLabel:
    case kWordMenu:
    case kWordSubMenu:
    case kWordNewTab:
    case kWordBreadcrumb:
    case kWordSkipLink:
    case kWordLanguages: {
        if (value.empty())
            return {}; // the page language's word
        if (hasControlCharacter(value))
            return "holds a control character";
        if (value.find_first_not_of(' ') == std::string_view::npos)
            return "is only spaces";
        // The same rule as an item's label.
        if (showsNothing(value))
            return "shows nothing (only invisible characters)";
        const std::size_t longest = key == kMenuButtonLabel ? 40 : 60;
        if (characterCount(value) > longest)
            return "is longer than " + std::to_string(longest) + " characters";
        if (key == kWordSubMenu && value.find("{label}") == std::string_view::npos)
            return "does not hold {label}, where the item's label goes";
        return {};
    }
    case kLanguage:
        if (!LanguageTag::isWellFormed(value))
            return value.empty() ? "is empty" : "is not a language tag (en, de, pt-BR, ar)";
        return {};
    case kBarColor:
        return colorProblem(value, false);
    case kCurrentColor:
    case kCurrentBackColor:
    case kPanelBackColor:
    case kPanelColor:
    case kPanelHoverBackColor:
    case kPanelHoverColor:
    case kPanelSeparator:
        return colorProblem(value, true);
    case kItemGap:
        if (value.empty())
            return {};
        [[fallthrough]];
    case kCornerRadius:
    case kPanelRadius:
        if (value.size() > 20)
            return "is longer than 20 characters";
        if (!isPlainLength(value))
            return value.empty() ? "is empty" : "is not a length (0, 4px, 0.5em), nor below 0";
        return {};
    case kPanelMaxWidth:
        if (value.size() > 20)
            return "is longer than 20 characters";
        if (!isPlainLength(value) || value.find_first_of("123456789") == std::string_view::npos)
            return value.empty() ? "is empty" : "is not a length above 0 (20em, 320px)";
        return {};
    case kItemPadding:
    case kPanelPadding: {
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
        return siteProblem(key, value);
    }
}

} // namespace halvero
