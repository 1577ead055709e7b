#include "core/SiteUpdate.h"

#include "core/ModernPage.h"
#include "core/PageModel.h"
#include "core/TextEncoding.h"

#include <algorithm>
#include <array>
#include <optional>

namespace halvero {

namespace {

int lineAt(std::string_view text, std::size_t position) {
    return 1 +
           static_cast<int>(std::count(
               text.begin(),
               text.begin() + static_cast<std::ptrdiff_t>(std::min(position, text.size())), '\n'));
}

constexpr std::array<std::string_view, 4> kMarkers = {
    SiteUpdate::kStyleOpen, SiteUpdate::kStyleClose, SiteUpdate::kMenuOpen, SiteUpdate::kMenuClose};

// The marker that starts at `at`, if one does.
std::optional<std::size_t> markerAt(std::string_view page, std::size_t at) {
    for (std::size_t i = 0; i < kMarkers.size(); ++i)
        if (page.substr(at).starts_with(kMarkers[i]))
            return i;
    return std::nullopt;
}

// The first marker inside page[from, to), if there is one.
std::optional<std::size_t> markerInside(std::string_view page, std::size_t from, std::size_t to) {
    const std::string_view region = page.substr(from, to - from);
    std::optional<std::size_t> first;
    for (std::string_view marker : kMarkers)
        if (const std::size_t at = region.find(marker); at != std::string_view::npos)
            first = std::min(first.value_or(at), at);
    if (first)
        return from + *first;
    return std::nullopt;
}

// Whether `text` starts with `lower` (lower-case ASCII), letters compared
// without case.
bool startsWithLower(std::string_view text, std::string_view lower) {
    if (text.size() < lower.size())
        return false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lower[i])
            return false;
    }
    return true;
}

bool startsWithTag(std::string_view page, std::size_t at, std::string_view name) {
    if (at + 1 + name.size() >= page.size() || !startsWithLower(page.substr(at + 1), name))
        return false;
    const char after = page[at + 1 + name.size()];
    return after == '>' || after == ' ' || after == '\t' || after == '\n' || after == '\r' ||
           after == '/' || after == '\f';
}

// Where the raw text of a <script> or <style> opened at `at` ends: at its
// closing tag, or the page's end.
std::size_t rawTextEnd(std::string_view page, std::size_t at, std::string_view name) {
    for (std::size_t close = page.find("</", at); close != std::string_view::npos;
         close = page.find("</", close + 2))
        if (startsWithLower(page.substr(close + 2), name))
            return close;
    return page.size();
}

// `text` with every LF made CR LF.
std::string withCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}

} // namespace

SitePageError::SitePageError(int line, const std::string& problem)
    : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + problem : problem),
      m_line(line) {}

SiteUpdate::Markers SiteUpdate::find(std::string_view page) {
    Markers markers;
    Span* open = nullptr; // the pair opened and not closed yet
    std::size_t openedAt = 0;
    const auto fail = [&](std::size_t at, const std::string& problem) {
        throw SitePageError(lineAt(page, at), problem);
    };
    for (std::size_t at = page.find('<'); at != std::string_view::npos; at = page.find('<', at)) {
        // Only "<!" (a marker or a comment) and "<s" (a script or style)
        // matter; every other tag is passed over at once.
        const char next = at + 1 < page.size() ? page[at + 1] : '\0';
        if (next != '!' && next != 's' && next != 'S') {
            ++at;
            continue;
        }
        if (const std::optional<std::size_t> marker = markerAt(page, at)) {
            const bool style = *marker < 2, opening = *marker % 2 == 0;
            Span& span = style ? markers.style : markers.menu;
            const std::string_view name = kMarkers[*marker];
            if (opening) {
                if (open)
                    fail(at, std::string(name) + " inside the pair opened on line " +
                                 std::to_string(lineAt(page, openedAt)));
                if (span.found)
                    fail(at, "a second " + std::string(name) + "; a page takes the menu once");
                open = &span;
                openedAt = at;
                span.begin = at + name.size();
            } else {
                if (open != &span)
                    fail(at, std::string(name) + " without its opening marker before it");
                span.end = at;
                span.found = true;
                open = nullptr;
            }
            at += name.size();
            continue;
        }
        if (page.substr(at).starts_with("<!--")) {
            const std::size_t end = page.find("-->", at + 4);
            const std::size_t stop = end == std::string_view::npos ? page.size() : end;
            // The comment's own end may be a marker's end.
            if (const auto inner = markerInside(page, at + 4, std::min(stop + 3, page.size())))
                fail(*inner, "a marker inside a comment marks nothing; take it out of the comment");
            at = end == std::string_view::npos ? page.size() : end + 3;
            continue;
        }
        for (std::string_view raw : {std::string_view("script"), std::string_view("style")}) {
            if (!startsWithTag(page, at, raw))
                continue;
            const std::size_t end = rawTextEnd(page, at, raw);
            if (const auto inner = markerInside(page, at, end))
                fail(*inner, "a marker inside a <" + std::string(raw) + "> marks nothing");
            at = end;
            break;
        }
        ++at;
    }
    if (open)
        fail(openedAt, std::string(open == &markers.style ? kStyleOpen : kMenuOpen) +
                           " without its closing marker after it");
    return markers;
}

std::string SiteUpdate::style(const MenuSettings& settings) {
    return ModernPage::style(PageModel::from(settings));
}

SiteUpdate::Result SiteUpdate::update(std::string_view page, const MenuSettings& settings,
                                      std::string_view pagePath, std::string_view style) {
    if (!isValidUtf8(page))
        throw SitePageError(0, "not UTF-8 text");
    const Markers markers = find(page);
    if (!markers.any())
        return {};
    // Between the markers, on lines of their own, with the page's line ends.
    const std::size_t newline = page.find('\n');
    const bool crLf = newline != std::string_view::npos && newline > 0 && page[newline - 1] == '\r';
    const auto between = [&](std::string_view text) {
        std::string lines = "\n" + std::string(text);
        return crLf ? withCrLf(lines) : lines;
    };
    std::array<std::pair<Span, std::string>, 2> parts;
    std::size_t count = 0;
    if (markers.style.found)
        parts[count++] = {markers.style, between(style)};
    if (markers.menu.found)
        parts[count++] = {markers.menu,
                          between(ModernPage::nav(PageModel::forSitePage(settings, pagePath)))};
    if (count == 2 && parts[1].first.begin < parts[0].first.begin)
        std::swap(parts[0], parts[1]);
    Result result;
    result.text.reserve(page.size() + 4096);
    std::size_t copied = 0;
    for (std::size_t i = 0; i < count; ++i) {
        result.text.append(page.substr(copied, parts[i].first.begin - copied));
        result.text.append(parts[i].second);
        copied = parts[i].first.end;
    }
    result.text.append(page.substr(copied));
    result.outcome = result.text == page ? Outcome::Unchanged : Outcome::Changed;
    if (result.outcome == Outcome::Unchanged)
        result.text.clear();
    return result;
}

} // namespace halvero
