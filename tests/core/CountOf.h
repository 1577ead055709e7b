#pragma once

#include <cstddef>
#include <string_view>

// How often `piece` stands in `text`, overlapping places counted: what the
// page tests count in the pages they read.
inline std::size_t countOf(std::string_view text, std::string_view piece) {
    std::size_t count = 0;
    for (auto at = text.find(piece); at != std::string_view::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}
