#pragma once

#include "core/items/MenuItem.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// Why a page's navigation cannot be read: there is none, or it holds no
// links.
class NavReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An existing site's navigation read into a menu's items: the page's first
// <nav> (or the <nav>, <ul> or <ol> with a given id), its lists nested up
// to three levels, each item's label (its text, spaces folded, references
// read), link, target and title. An item with a list but no link of its
// own heads that list. Links are rewritten from the page's folder to the
// site's root, as a menu keeps them. A nav of bare links, no list, gives
// one level of items.
class NavReader {
public:
    struct Result {
        std::vector<MenuItem> items;
        std::vector<std::string> notes; // what was left out, and why
    };
    // `pagePath`: the page's path from the site's root ("blog/index.html"),
    // its links' starting point. Throws NavReadError.
    static Result read(std::string_view page, std::string_view id, std::string_view pagePath);
};

} // namespace halvero
