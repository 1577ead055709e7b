#pragma once

#include "core/MenuItem.h"

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
// Blank lines and lines starting with "#" are skipped; a line may end in
// CR LF. Reading is all or nothing.
class ItemsText {
public:
    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    // Throws ItemsTextError for the first line that is not an item the page
    // can take, or for more than SettingsFile's item limit.
    static std::vector<MenuItem> parse(std::string_view text);
};

} // namespace halvero
