#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// One language of a site in several: its BCP 47 tag, its name in itself
// ("Deutsch") and the folder of the site that holds its pages, from the
// site's root ("de/"); the first of a site's languages is its default, and
// only it may have the root ("") for its folder.
struct SiteLanguage {
    std::string tag, name, folder;

    bool operator==(const SiteLanguage&) const = default;

    static constexpr std::size_t kMaxLanguages = 40;
    static constexpr std::size_t kMaxName = 40;

    // Why `languages` cannot be a site's languages, or an empty text:
    // "language 2 (de): folder: is not a folder from the site's root (de/)",
    // "language 3: tag: de is already language 2's".
    static std::string listProblem(const std::vector<SiteLanguage>& languages);
    // The language of `languages` whose folder holds the page at
    // `pagePath` (from the site's root), the deepest folder winning; -1 for
    // none (no languages, or no default at the root).
    static int languageOf(const std::vector<SiteLanguage>& languages, std::string_view pagePath);
};

} // namespace halvero
