#include "core/settings/LanguageTag.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace halvero {

namespace {

// The subtags of `tag`, parted by hyphens (an underscore is no part).
std::vector<std::string_view> subtagsOf(std::string_view tag) {
    std::vector<std::string_view> subtags;
    std::size_t from = 0;
    while (true) {
        const std::size_t hyphen = tag.find('-', from);
        subtags.push_back(tag.substr(from, hyphen - from));
        if (hyphen == std::string_view::npos)
            return subtags;
        from = hyphen + 1;
    }
}

bool allOf(std::string_view text, int (*is)(int)) {
    return std::all_of(text.begin(), text.end(), [is](unsigned char c) { return is(c) != 0; });
}
bool isAlpha(std::string_view text) {
    return allOf(text, std::isalpha);
}
bool isDigits(std::string_view text) {
    return allOf(text, std::isdigit);
}
bool isAlphanumeric(std::string_view text) {
    return allOf(text, std::isalnum);
}

} // namespace

std::string_view LanguageTag::language(std::string_view tag) {
    return tag.substr(0, tag.find('-'));
}

bool LanguageTag::isWellFormed(std::string_view tag) {
    if (tag.empty() || tag.size() > 64 || !std::all_of(tag.begin(), tag.end(), [](char c) {
            return c == '-' || std::isalnum(static_cast<unsigned char>(c));
        }))
        return false;
    const std::vector<std::string_view> subtags = subtagsOf(tag);
    std::size_t at = 0;
    const auto privateUse = [&] {
        // "x" and one or more subtags of 1 to 8 letters or digits.
        if (at + 1 >= subtags.size())
            return false;
        for (++at; at < subtags.size(); ++at)
            if (subtags[at].empty() || subtags[at].size() > 8)
                return false;
        return true;
    };
    if (asciiLower(subtags[0]) == "x")
        return privateUse();
    // language: 2-3 letters (with up to three extlangs of 3) or 4-8 letters
    const std::string_view language = subtags[at++];
    if (!isAlpha(language) || language.size() < 2 || language.size() > 8)
        return false;
    if (language.size() <= 3)
        for (int extlangs = 0;
             extlangs < 3 && at < subtags.size() && subtags[at].size() == 3 && isAlpha(subtags[at]);
             ++extlangs)
            ++at;
    if (at < subtags.size() && subtags[at].size() == 4 && isAlpha(subtags[at]))
        ++at; // script
    if (at < subtags.size() && ((subtags[at].size() == 2 && isAlpha(subtags[at])) ||
                                (subtags[at].size() == 3 && isDigits(subtags[at]))))
        ++at; // region
    std::vector<std::string> seen;
    while (at < subtags.size()) { // variants
        const std::string_view variant = subtags[at];
        const bool fits =
            isAlphanumeric(variant) &&
            ((variant.size() >= 5 && variant.size() <= 8) ||
             (variant.size() == 4 && std::isdigit(static_cast<unsigned char>(variant[0]))));
        if (!fits)
            break;
        if (std::find(seen.begin(), seen.end(), asciiLower(variant)) != seen.end())
            return false; // a variant twice
        seen.push_back(asciiLower(variant));
        ++at;
    }
    seen.clear();
    while (at < subtags.size() && subtags[at].size() == 1) { // extensions
        const std::string singleton = asciiLower(subtags[at]);
        if (singleton == "x")
            return privateUse();
        if (!isAlphanumeric(singleton) ||
            std::find(seen.begin(), seen.end(), singleton) != seen.end())
            return false;
        seen.push_back(singleton);
        std::size_t parts = 0;
        for (++at; at < subtags.size() && subtags[at].size() >= 2 && subtags[at].size() <= 8 &&
                   isAlphanumeric(subtags[at]);
             ++at)
            ++parts;
        if (parts == 0)
            return false;
    }
    return at == subtags.size();
}

bool LanguageTag::isRightToLeft(std::string_view tag) {
    static constexpr std::array<std::string_view, 12> kLanguagesRtl = {
        "ar", "he", "iw", "fa", "ur", "ps", "sd", "ug", "yi", "dv", "ckb", "syr"};
    static constexpr std::array<std::string_view, 8> kScriptsRtl = {"arab", "hebr", "thaa", "syrc",
                                                                    "nkoo", "adlm", "rohg", "mand"};
    const std::vector<std::string_view> subtags = subtagsOf(tag);
    for (std::size_t at = 1; at < subtags.size() && subtags[at].size() != 1; ++at)
        if (subtags[at].size() == 4 && isAlpha(subtags[at])) {
            const std::string script = asciiLower(subtags[at]);
            return std::find(kScriptsRtl.begin(), kScriptsRtl.end(), script) != kScriptsRtl.end();
        }
    const std::string language = asciiLower(subtags[0]);
    return std::find(kLanguagesRtl.begin(), kLanguagesRtl.end(), language) != kLanguagesRtl.end();
}

} // namespace halvero
