#include "core/settings/SiteLanguage.h"

#include "core/settings/LanguageTag.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <cctype>

namespace halvero {

namespace {

// A folder below the site's root, written from it: names of letters,
// digits, "-", "_" and ".", each ending in "/" ("de/", "lang/pt-br/").
bool isFolder(std::string_view folder) {
    if (folder.empty() || folder.back() != '/' || folder.size() > 200)
        return false;
    std::size_t from = 0;
    while (from < folder.size()) {
        const std::size_t slash = folder.find('/', from);
        const std::string_view name = folder.substr(from, slash - from);
        if (name.empty() || name == "." || name == ".." ||
            !std::all_of(name.begin(), name.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
                       c == '.';
            }))
            return false;
        from = slash + 1;
    }
    return true;
}

} // namespace

std::string SiteLanguage::listProblem(const std::vector<SiteLanguage>& languages) {
    if (languages.size() > kMaxLanguages)
        return "more than " + std::to_string(kMaxLanguages) + " languages";
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const SiteLanguage& language = languages[i];
        const std::string which = "language " + std::to_string(i + 1) +
                                  (language.tag.empty() ? "" : " (" + language.tag + ")") + ": ";
        if (!LanguageTag::isWellFormed(language.tag))
            return which + "tag: is not a language tag (en, de, pt-BR, ar)";
        if (language.name.find_first_not_of(' ') == std::string::npos)
            return which + "name: is empty";
        if (hasControlCharacter(language.name) || characterCount(language.name) > kMaxName)
            return which + "name: is not 1 to " + std::to_string(kMaxName) + " characters of text";
        if (language.folder.empty() ? i > 0 : !isFolder(language.folder))
            return which + "folder: is not a folder from the site's root (de/)" +
                   (i > 0 && language.folder.empty() ? "; only the first language has the root"
                                                     : "");
        for (std::size_t j = 0; j < i; ++j) {
            const std::string other = "language " + std::to_string(j + 1) + "'s";
            if (asciiLower(languages[j].tag) == asciiLower(language.tag))
                return which + "tag: " + language.tag + " is already " + other;
            if (languages[j].folder == language.folder)
                return which + "folder: " + language.folder + " is already " + other;
        }
    }
    return {};
}

int SiteLanguage::languageOf(const std::vector<SiteLanguage>& languages,
                             std::string_view pagePath) {
    int found = -1;
    std::size_t deepest = 0;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const std::string& folder = languages[i].folder;
        if (pagePath.starts_with(folder) && (found < 0 || folder.size() > deepest)) {
            found = static_cast<int>(i);
            deepest = folder.size();
        }
    }
    return found;
}

} // namespace halvero
