// libFuzzer target: a page of arbitrary bytes read for its navigation and
// adopted. What the reader gives is a menu the program takes (every item
// valid, at most the item limit); adopting either leaves the page alone
// or gives it markers that a second update finds and leaves unchanged.
#include "core/items/ItemsText.h"
#include "core/site/NavReader.h"
#include "core/site/SiteUpdate.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const halvero::MenuSettings settings = [] {
        halvero::MenuSettings menu;
        menu.initialise();
        menu.setMenuItems(halvero::ItemsText::parse(
            "Home\tindex.html\nBlog\tblog/\n> Post\tblog/post.html\nMail\tmailto:a@b.c\n"));
        return menu;
    }();
    static const halvero::SiteUpdate::Site site = halvero::SiteUpdate::site(settings, true);
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    try {
        const halvero::NavReader::Result read =
            halvero::NavReader::read(page, {}, "blog/post.html");
        if (read.items.empty() || !halvero::MenuItem::treeProblem(read.items).empty() ||
            halvero::MenuItem::countAll(read.items) > halvero::MenuItem::kMaxItems)
            std::abort();
    } catch (const halvero::NavReadError&) {
    }
    try {
        const halvero::SiteUpdate::Result adopted =
            halvero::SiteUpdate::update(page, settings, "blog/post.html", site);
        if (adopted.outcome == halvero::SiteUpdate::Outcome::Changed &&
            halvero::SiteUpdate::update(adopted.text, settings, "blog/post.html", site).outcome !=
                halvero::SiteUpdate::Outcome::Unchanged)
            std::abort();
    } catch (const halvero::SitePageError&) {
    }
    return 0;
}
