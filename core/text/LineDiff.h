#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvero {

// How one text became another, as a short unified diff ("--- a/PATH",
// "+++ b/PATH", hunks with three lines of context), at most `maxLines`
// lines in all: what a check shows of a page that differs.
class LineDiff {
public:
    static std::string unified(std::string_view before, std::string_view after,
                               std::string_view path, std::size_t maxLines = 20);
};

} // namespace halvero
