#pragma once

#include "core/page/PageModel.h"

#include <string>
#include <string_view>

namespace halvero {

// A site's page's trail through the menu, as the breadcrumb pattern shows
// it: a <nav> named "Breadcrumb" (in the page's language) holding an ordered list of the steps'
// links, the last one marked aria-current="page", a heading's step as
// text; separators come from the style, so screen readers read none. With
// the site's address, a schema.org BreadcrumbList in JSON-LD follows with
// each step's absolute address. An empty trail writes nothing.
class Breadcrumb {
public:
    // `siteUrl`: the address of the site's root ("https://example.com/"),
    // or empty for no structured data.
    static std::string html(const PageModel& page, std::string_view siteUrl);
};

} // namespace halvero
