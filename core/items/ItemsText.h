#pragma once

#include "core/items/MenuItem.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// Why a list of items was refused: the line (counting from 1) and what is
// wrong with it; what() says "line 3: link: the scheme ...".
class ItemsTextError : public std::runtime_error {
public:
    ItemsTextError(int line, const std::string& problem);
    int line() const { return m_line; }

private:
    int m_line;
};

// A menu's items as plain text, one a line, as a site's build script or a
// spreadsheet writes them: label TAB link [TAB tooltip [TAB target]].
// An item of a sub-menu starts with one ">" for each level below the top
// and a space: "> Web design<TAB>services/web.html" belongs to the item
// above it, ">> Domains<TAB>..." to that one's child. A label that itself
// starts with ">" is written "\>". Blank lines and lines starting with "#"
// are skipped; a line ends with LF, CR LF or a lone CR; a byte-order mark
// at the start is no part of the first line. Reading is all or nothing.
// The one reader for --items and for rows pasted into the Menu Items
// editor.
class ItemsText {
public:
    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    // One line's fields, as written; tooltip and target may be empty.
    struct Row {
        int line = 0;  // counting from 1
        int level = 1; // 1 for the top, 2 below it, ...
        MenuItem item; // without sub-menu
    };

    // The rows of `text`, their fields unchecked. Throws ItemsTextError for
    // the first line that is not UTF-8, has too few or too many fields, goes
    // more than one level below the line before it (the first line is at
    // the top) or deeper than MenuItem::kMaxLevels, and for more than
    // SettingsFile's item limit.
    static std::vector<Row> rows(std::string_view text);
    // `rows` as items holding their sub-menus; `rows` as rows() gives them.
    static std::vector<MenuItem> tree(std::vector<Row> rows);
    // The items of `text`: rows() with each item checked, as a tree. Throws
    // ItemsTextError for the first line that is not an item the page can
    // take.
    static std::vector<MenuItem> parse(std::string_view text);
};

} // namespace halvero
