#include "core/settings/ValueRules.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace halvero {

namespace {

constexpr std::string_view kBreakingCharacters = "'\"<>;{}\\";

// The offered items in words: "1 to 20", or "No, Yes".
std::string offeredInWords(const Setting& entry) {
    if (entry.numbersUpTo > 0)
        return entry.valuesInWords();
    std::string words;
    for (std::string_view item : entry.texts)
        words += (words.empty() ? "" : ", ") + std::string(item);
    return words;
}

std::string shownCharacter(unsigned char c) {
    if (c < 0x20 || c == 0x7F) {
        constexpr char kHex[] = "0123456789ABCDEF";
        return std::string("a control character (0x") + kHex[c >> 4] + kHex[c & 15] + ")";
    }
    return std::string("the character ") + (c == '\'' ? "\"'\"" : "'" + std::string(1, c) + "'");
}

bool isHexDigit(char c) {
    return isAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A number with an optional sign and fraction, then letters or "%" as its
// unit; `value` is taken from the front of `text`.
bool takeDimension(std::string_view& text, bool unitAllowed) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digitsFrom = i;
    while (i < text.size() && isAsciiDigit(text[i]))
        ++i;
    bool digits = i > digitsFrom;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && isAsciiDigit(text[i]))
            ++i;
        if (i == fraction) // "1." is no number in CSS
            return false;
        digits = true;
    }
    if (!digits)
        return false;
    if (unitAllowed) {
        if (i < text.size() && text[i] == '%')
            ++i;
        else
            while (i < text.size() && isAsciiLetter(text[i]))
                ++i;
    }
    text.remove_prefix(i);
    return true;
}

std::string_view trimmedSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// "name(arguments)" with one pair of parentheses, ending the text: the
// arguments, or nothing when `text` is not such a call of one of `names`.
std::optional<std::string_view> callArguments(std::string_view text,
                                              std::initializer_list<std::string_view> names) {
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')')
        return std::nullopt;
    const std::string name = asciiLower(text.substr(0, open));
    if (std::find(names.begin(), names.end(), name) == names.end())
        return std::nullopt;
    return text.substr(open + 1, text.size() - open - 2);
}

// The arguments of rgb() or hsl(): three numbers (angles and percentages
// too) and an optional alpha, parted by commas, or by spaces with one "/"
// before the alpha.
bool isColorArguments(std::string_view text) {
    int numbers = 0, commas = 0;
    bool slash = false, needNumber = true;
    for (text = trimmedSpaces(text); !text.empty(); text = trimmedSpaces(text)) {
        const char c = text.front();
        if (c == ',' || c == '/') {
            if (needNumber || slash || (c == '/' && (numbers != 3 || commas)))
                return false;
            commas += c == ',';
            slash = c == '/';
            needNumber = true;
            text.remove_prefix(1);
            continue;
        }
        if ((!needNumber && commas) || !takeDimension(text, true))
            return false;
        ++numbers;
        needNumber = false;
    }
    return !needNumber && numbers >= 3 && numbers <= 4 && (commas == 0 || commas == numbers - 1);
}

// Lengths and the operators between them, inside calc() and its kin, with
// balanced parentheses.
bool isLengthExpression(std::string_view text) {
    int depth = 0;
    bool operand = false;
    for (text = trimmedSpaces(text); !text.empty(); text = trimmedSpaces(text)) {
        const char c = text.front();
        if (c == '(') {
            ++depth;
            text.remove_prefix(1);
        } else if (c == ')') {
            if (--depth < 0)
                return false;
            text.remove_prefix(1);
        } else if (c == ',' || c == '*' || c == '/' ||
                   ((c == '+' || c == '-') && text.size() > 1 && text[1] == ' ')) {
            text.remove_prefix(1);
        } else if (isAsciiLetter(c)) { // a nested calc() and its kin
            std::size_t name = 0;
            while (name < text.size() && isAsciiLetter(text[name]))
                ++name;
            const std::string word = asciiLower(text.substr(0, name));
            if (name >= text.size() || text[name] != '(' ||
                (word != "calc" && word != "min" && word != "max" && word != "clamp"))
                return false;
            text.remove_prefix(name);
        } else if (takeDimension(text, true)) {
            operand = true;
        } else {
            return false;
        }
    }
    return depth == 0 && operand;
}

bool isFontName(int index) {
    return index == SettingTable::kNormal.fontName || index == SettingTable::kHover.fontName;
}

// The start of a name in CSS: a letter, "_", or any character beyond ASCII.
bool startsName(char c) {
    return isAsciiLetter(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// One family of a font stack: names (CSS identifiers) parted by spaces.
bool isFamily(std::string_view text) {
    text = trimmedSpaces(text);
    if (text.empty())
        return false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        const std::string_view rest = word.starts_with('-') ? word.substr(1) : word;
        if (rest.empty() || !startsName(rest.front()) ||
            !std::all_of(rest.begin(), rest.end(),
                         [](char c) { return startsName(c) || isAsciiDigit(c) || c == '-'; }))
            return false;
        i = end;
        while (i < text.size() && text[i] == ' ')
            ++i;
    }
    return true;
}

} // namespace

bool ValueRules::isFontStack(std::string_view value) {
    for (std::size_t from = 0;;) {
        const std::size_t comma = value.find(',', from);
        if (!isFamily(value.substr(from, comma == std::string_view::npos ? value.size() - from
                                                                         : comma - from)))
            return false;
        if (comma == std::string_view::npos)
            return true;
        from = comma + 1;
    }
}

bool ValueRules::isColor(std::string_view value) {
    if (value.starts_with('#')) {
        const std::string_view digits = value.substr(1);
        return (digits.size() == 3 || digits.size() == 4 || digits.size() == 6 ||
                digits.size() == 8) &&
               std::all_of(digits.begin(), digits.end(), isHexDigit);
    }
    if (!value.empty() && std::all_of(value.begin(), value.end(), isAsciiLetter))
        return true;
    const auto arguments = callArguments(value, {"rgb", "rgba", "hsl", "hsla"});
    return arguments && isColorArguments(*arguments);
}

bool ValueRules::isLength(std::string_view value) {
    if (std::string_view rest = value; takeDimension(rest, true) && rest.empty())
        return true;
    const auto arguments = callArguments(value, {"calc", "min", "max", "clamp"});
    return arguments && isLengthExpression(*arguments);
}

std::size_t ValueRules::maxLength(const Setting& entry) {
    switch (entry.index) {
    case SettingTable::kItemWidth:
    case SettingTable::kItemHeight:
        return 6;
    case SettingTable::kStatusMessage:
        return 200;
    case SettingTable::kTarget:
        return 64;
    case SettingTable::kNormal.fontName:
    case SettingTable::kHover.fontName:
        return 100;
    default:
        return entry.isColor() ? 32 : 64;
    }
}

bool ValueRules::allows(const Setting& entry, unsigned char c) {
    if (entry.index == SettingTable::kStatusMessage)
        return true;
    return c >= 0x20 && c != 0x7F &&
           kBreakingCharacters.find(static_cast<char>(c)) == std::string_view::npos;
}

std::string ValueRules::typingProblem(const Setting& entry, std::string_view value) {
    if (entry.kind == InputKind::List)
        return problem(entry, value);
    if (characterCount(value) > maxLength(entry))
        return "is longer than " + std::to_string(maxLength(entry)) + " characters";
    for (char c : value)
        if (!allows(entry, static_cast<unsigned char>(c)))
            return "holds " + shownCharacter(static_cast<unsigned char>(c));
    return {};
}

std::string ValueRules::problem(const Setting& entry, std::string_view value) {
    if (entry.kind == InputKind::List) {
        const std::vector<std::string> items = entry.offeredItems();
        if (std::find(items.begin(), items.end(), value) == items.end())
            return "is not one of " + offeredInWords(entry);
        return {};
    }
    if (std::string typing = typingProblem(entry, value); !typing.empty())
        return typing;
    if (entry.index == SettingTable::kStatusMessage || entry.index == SettingTable::kTarget)
        return {};
    if (value.find("/*") != std::string_view::npos || value.find("*/") != std::string_view::npos)
        return "holds a comment's /* or */";
    if (entry.isColor() && !isColor(value))
        return value.empty() ? "is empty" : "is not a colour (#RRGGBB, a name, rgb() or hsl())";
    if (isFontName(entry.index) && !isFontStack(value))
        return value.empty() ? "is empty"
                             : "is not a font or font stack (Verdana, or system-ui, sans-serif)";
    if ((entry.index == SettingTable::kItemWidth || entry.index == SettingTable::kItemHeight) &&
        !isLength(value))
        return value.empty() ? "is empty" : "is not a length (120, 7.5em, 50% or calc())";
    return {};
}

} // namespace halvero
