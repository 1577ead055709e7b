#pragma once

#include <string_view>

namespace halvero {

// BCP 47 language tags, as a page's lang attribute takes them.
class LanguageTag {
public:
    // Whether `tag` is well-formed: "en", "pt-BR", "zh-Hant-TW", "sr-Latn",
    // "de-CH-1996", "x-klingon"; case does not matter.
    static bool isWellFormed(std::string_view tag);
    // Whether a page in `tag` runs right to left: Arabic, Hebrew, Persian,
    // Urdu ..., or a tag naming a right-to-left script ("az-Arab").
    static bool isRightToLeft(std::string_view tag);
    // The language subtag: "de" for "de-AT".
    static std::string_view language(std::string_view tag);
};

} // namespace halvero
