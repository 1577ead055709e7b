#include "core/ValueRules.h"

#include <algorithm>

namespace halvero {

namespace {

constexpr std::string_view kBreakingCharacters = "'\"<>;{}\\";

// The offered items in words: "1 to 20", or "No, Yes".
std::string offeredInWords(const EntryDescriptor& entry) {
    if (entry.numbersUpTo > 0)
        return "1 to " + std::to_string(entry.numbersUpTo);
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

} // namespace

std::size_t ValueRules::characterCount(std::string_view value) {
    return static_cast<std::size_t>(std::count_if(value.begin(), value.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::size_t ValueRules::maxLength(const EntryDescriptor& entry) {
    switch (entry.index) {
    case EntryTable::kItemWidth:
    case EntryTable::kItemHeight:
        return 6;
    case EntryTable::kStatusMessage:
        return 200;
    case EntryTable::kTarget:
        return 64;
    default:
        return entry.isColor() ? 32 : 64;
    }
}

bool ValueRules::allows(const EntryDescriptor& entry, unsigned char c) {
    if (entry.index == EntryTable::kStatusMessage)
        return true;
    return c >= 0x20 && c != 0x7F &&
           kBreakingCharacters.find(static_cast<char>(c)) == std::string_view::npos;
}

std::string ValueRules::problem(const EntryDescriptor& entry, std::string_view value) {
    if (entry.kind == InputKind::List) {
        const std::vector<std::string> items = entry.offeredItems();
        if (std::find(items.begin(), items.end(), value) == items.end())
            return "is not one of " + offeredInWords(entry);
        return {};
    }
    if (characterCount(value) > maxLength(entry))
        return "is longer than " + std::to_string(maxLength(entry)) + " characters";
    for (char c : value)
        if (!allows(entry, static_cast<unsigned char>(c)))
            return "holds " + shownCharacter(static_cast<unsigned char>(c));
    return {};
}

} // namespace halvero
