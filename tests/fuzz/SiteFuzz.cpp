// libFuzzer target: a site's page of arbitrary bytes given the menu. The
// page is refused with SitePageError or updated; an update changes nothing
// before the first marker or after the last, and updating the result again
// changes nothing.
#include "core/items/ItemsText.h"
#include "core/site/SiteUpdate.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const halvero::MenuSettings settings = [] {
        halvero::MenuSettings menu;
        menu.initialise();
        menu.setMenuItems(halvero::ItemsText::parse(
            "Home\tindex.html\nBlog\tblog/\n> Post\tblog/post.html\nMail\tmailto:a@b.c\n"));
        return menu;
    }();
    static const std::string style = halvero::SiteUpdate::style(settings);
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    halvero::SiteUpdate::Result result;
    try {
        result = halvero::SiteUpdate::update(page, settings, "blog/post.html", style);
    } catch (const halvero::SitePageError&) {
        return 0;
    }
    if (result.outcome != halvero::SiteUpdate::Outcome::Changed)
        return 0;
    // The first marker of any kind, and the last closing one.
    std::size_t first = std::string_view::npos, last = std::string_view::npos;
    for (const char* kind : {"halvero-menu", "halvero-breadcrumb", "halvero-languages"}) {
        first = std::min(first, page.find(std::string("<!-- ") + kind));
        const std::size_t end = page.rfind(std::string("<!-- /") + kind);
        if (end != std::string_view::npos)
            last = last == std::string_view::npos ? end : std::max(last, end);
    }
    if (first == std::string_view::npos || last == std::string_view::npos ||
        result.text.compare(0, first, page.substr(0, first)) != 0 ||
        !std::string_view(result.text).ends_with(page.substr(last)))
        std::abort();
    if (halvero::SiteUpdate::update(result.text, settings, "blog/post.html", style).outcome !=
        halvero::SiteUpdate::Outcome::Unchanged)
        std::abort();
    return 0;
}
