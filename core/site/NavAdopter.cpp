#include "core/site/NavAdopter.h"

#include "core/items/MenuItem.h"
#include "core/page/SiteLinks.h"
#include "core/site/HtmlScanner.h"
#include "core/site/SiteUpdate.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <set>

namespace halvero {

std::optional<NavAdopter::Adopted>
NavAdopter::adopt(std::string_view page, std::string_view pagePath,
                  const std::set<std::string, std::less<>>& wanted, std::string_view base) {
    if (wanted.empty())
        return std::nullopt;
    struct Candidate {
        std::size_t begin = 0, end = 0;
        std::set<std::string> found;
    };
    // A <nav> holding (or inside) a block of Halvero's own, a trail say,
    // is not the site's navigation: replacing it would take the block.
    const SiteUpdate::Markers markers = SiteUpdate::find(page);
    const auto holdsABlock = [&](const Candidate& nav) {
        for (const SiteUpdate::Span& span : {markers.style, markers.menu, markers.breadcrumb})
            if (span.found && span.begin < nav.end && nav.begin < span.end)
                return true;
        return false;
    };
    std::optional<Candidate> best;
    std::optional<std::size_t> headEnd;
    std::vector<Candidate> open; // <nav>s open, outermost first
    HtmlScanner scanner(page);
    for (HtmlScanner::Token token = scanner.next(); token.kind != HtmlScanner::Token::End;
         token = scanner.next()) {
        if (token.kind == HtmlScanner::Token::StartTag && token.name == "nav") {
            open.push_back({token.begin, 0, {}});
        } else if (token.kind == HtmlScanner::Token::StartTag && token.name == "a" &&
                   !open.empty()) {
            if (const std::string* href = token.attribute("href")) {
                const std::string link = MenuItem::cleanLink(*href);
                std::string target = base.empty() || !link.starts_with(base)
                                         ? SiteLinks::pageOf(SiteLinks::toRoot(pagePath, link))
                                         : SiteLinks::pageOf(link, base);
                if (wanted.contains(target))
                    for (Candidate& nav : open)
                        nav.found.insert(target);
            }
        } else if (token.kind == HtmlScanner::Token::EndTag && token.name == "nav" &&
                   !open.empty()) {
            Candidate nav = std::move(open.back());
            open.pop_back();
            nav.end = token.end;
            // The outer of two navs holding the same links is the menu's place.
            if (holdsABlock(nav))
                continue;
            if (!best || nav.found.size() > best->found.size() ||
                (nav.found.size() == best->found.size() && nav.begin < best->begin &&
                 nav.end > best->end))
                best = std::move(nav);
        } else if (token.kind == HtmlScanner::Token::EndTag && token.name == "head" && !headEnd) {
            headEnd = token.begin;
        }
    }
    // Most of the menu's pages, and at least one.
    if (!best || best->found.empty() || best->found.size() * 2 <= wanted.size())
        return std::nullopt;
    const std::size_t newline = page.find('\n');
    const bool crLf = newline != std::string_view::npos && newline > 0 && page[newline - 1] == '\r';
    const std::string lineEnd = crLf ? "\r\n" : "\n";
    const bool hasStyle = markers.style.found;
    Adopted adopted;
    adopted.line = lineAt(page, best->begin);
    std::string& text = adopted.text;
    text.reserve(page.size() + 128);
    std::size_t copied = 0;
    if (headEnd && !hasStyle && *headEnd < best->begin) {
        text.append(page.substr(0, *headEnd));
        text.append(SiteUpdate::kStyleOpen).append(lineEnd);
        text.append(SiteUpdate::kStyleClose).append(lineEnd);
        copied = *headEnd;
    }
    text.append(page.substr(copied, best->begin - copied));
    text.append(SiteUpdate::kMenuOpen).append(lineEnd).append(SiteUpdate::kMenuClose);
    text.append(page.substr(best->end));
    return adopted;
}

} // namespace halvero
