#pragma once

#include "core/settings/MenuSettings.h"
#include "core/settings/SettingTable.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// Why a settings file was refused: the line it happened on (0 where the
// problem has none) and the key ("normal.fontSize", or empty), with a
// message that names neither; what() puts them together as
// "line 12: normal.fontSize: expected text, found a number".
class SettingsFileError : public std::runtime_error {
public:
    SettingsFileError(int line, std::string key, const std::string& problem);
    int line() const { return m_line; }
    const std::string& key() const { return m_key; }
    const std::string& problem() const { return m_problem; }
    // The message in the usual form for a file:
    // "menu.halvero:12: normal.fontSize: expected text, found a number".
    std::string describe(const std::string& file) const;

private:
    int m_line;
    std::string m_key;
    std::string m_problem;
};

// A menu kept as a file: a UTF-8 JSON object with the format's name and
// version, then the values of every entry under its column's key and its
// own, as SettingTable names them, then the menu's items, if it has any:
//   {"format": "halvero-menu", "version": 2,
//    "menu": {"itemCount": "5", ...}, "normal": {...}, "hover": {...},
//    "items": [{"label": "Home", "link": "index.html"},
//              {"label": "Services", "link": "services/", "items": [...]}],
//    "page": {"style": "modern", "siteFolder": "../site", "barColor": "#1F3A5F"}}
//    (each left out while it has its default: the classic page, no site,
//    the modern page's default look)
// Every value is text, kept exactly. Reading is all or nothing: a file that
// is no JSON, no UTF-8, of another format or a newer version, or holds a
// value that is not text, is refused as a whole. Missing keys take their
// defaults; unknown keys are listed but do not stop the file from opening,
// so a later version's file stays usable. It does not touch windows.
class SettingsFile {
public:
    static constexpr std::string_view kFormat = "halvero-menu";
    // Version 2 adds the menu's items, version 3 their sub-menus, version 4
    // borders of width 0 and type None and fonts given as font stacks; a
    // file is written in the oldest version that holds its menu. (The
    // modern page's own look, under "page", needs no version: an older
    // Halvero lists its keys as unknown and shows the rest.) Version 5 adds
    // the hovered item's font and size "Same as normal", version 6 a site's
    // languages and the items' labels and links in them.
    static constexpr int kVersion = 6;
    // Larger files are refused before they are read.
    static constexpr long long kMaxBytes = 1024 * 1024;

    struct Contents {
        std::array<std::string, SettingTable::kEntryCount> values;
        std::vector<MenuItem> items;
        MenuSettings::PageStyle pageStyle = MenuSettings::PageStyle::Classic;
        std::string siteFolder;
        PageLook look;
        std::vector<SiteLanguage> languages;
        std::vector<std::string> unknownKeys; // "normal.glow", "theme"
        // The menu's own items, with an itemCount that is not their number:
        // the count as the file gives it (the page shows the items).
        std::optional<std::string> itemCountGiven;

        // The first unknown keys as messages show them (each on one line,
        // quoted where needed); unknownKeys.size() less their number are
        // left unnamed.
        std::vector<std::string> unknownKeysShown() const;

        // The menu the file holds, as MenuSettings::restore takes it.
        MenuSettings::Snapshot snapshot() const {
            return {values, items, pageStyle, siteFolder, look, languages};
        }
    };

    // The file's text for the values of `settings`, ending in a newline.
    static std::string compose(const MenuSettings& settings);
    // Reads the text of a file. Throws SettingsFileError.
    static Contents parse(std::string_view text);
    // Reads the file at `path`, refusing one over kMaxBytes unread. Throws
    // SettingsFileError (line 0 for a file that cannot be read).
    static Contents read(const std::string& path);
    // Writes through AtomicFile's atomic writer. Throws FileWriteError.
    static void write(const std::string& path, const MenuSettings& settings);
};

} // namespace halvero
