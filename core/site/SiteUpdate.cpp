#include "core/site/SiteUpdate.h"

#include "core/page/ModernPage.h"
#include "core/page/PageModel.h"
#include "core/page/SiteLinks.h"
#include "core/site/HtmlScanner.h"
#include "core/site/NavAdopter.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <type_traits>

namespace halvero {

namespace {

constexpr std::array<std::string_view, 8> kMarkers = {
    SiteUpdate::kStyleOpen,     SiteUpdate::kStyleClose,     SiteUpdate::kMenuOpen,
    SiteUpdate::kMenuClose,     SiteUpdate::kBreadcrumbOpen, SiteUpdate::kBreadcrumbClose,
    SiteUpdate::kLanguagesOpen, SiteUpdate::kLanguagesClose};

// What every marker starts with: most "<" of a page are ruled out by it.
constexpr std::string_view kMarkerStart = "<!-- ";
static_assert(std::all_of(kMarkers.begin(), kMarkers.end(), [](std::string_view marker) {
    return marker.starts_with(kMarkerStart);
}));

// The marker that starts at `at`, if one does.
std::optional<std::size_t> markerAt(std::string_view page, std::size_t at) {
    const std::string_view rest = page.substr(at);
    if (rest.size() < kMarkerStart.size() || rest[1] != '!' || !rest.starts_with(kMarkerStart))
        return std::nullopt;
    for (std::size_t i = 0; i < kMarkers.size(); ++i)
        if (rest.starts_with(kMarkers[i]))
            return i;
    return std::nullopt;
}

// Every text of a page that reads as a marker, wherever it stands: a page
// has few, so asking whether a region holds one is a search among them,
// not through the region's bytes.
class MarkerTexts {
public:
    explicit MarkerTexts(std::string_view page) {
        for (std::size_t at = page.find(kMarkerStart); at != std::string_view::npos;
             at = page.find(kMarkerStart, at + 1))
            if (const std::optional<std::size_t> marker = markerAt(page, at))
                m_found.push_back({at, *marker});
    }

    // The marker that starts at `at`, if one does.
    std::optional<std::size_t> at(std::size_t at) const {
        const auto found = first(at);
        if (found != m_found.end() && found->first == at)
            return found->second;
        return std::nullopt;
    }

    // The first marker wholly inside [from, to), if there is one.
    std::optional<std::size_t> inside(std::size_t from, std::size_t to) const {
        const auto found = first(from);
        if (found != m_found.end() && found->first + kMarkers[found->second].size() <= to)
            return found->first;
        return std::nullopt;
    }

private:
    std::vector<std::pair<std::size_t, std::size_t>>::const_iterator first(std::size_t from) const {
        return std::lower_bound(m_found.begin(), m_found.end(), from,
                                [](const auto& found, std::size_t at) { return found.first < at; });
    }

    std::vector<std::pair<std::size_t, std::size_t>> m_found; // where, which
};

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

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Whether an end tag `</name` (any case) that ends a raw text starts at
// `at`: its name followed by a space, "/" or ">" (or the page's end).
bool isEndTag(std::string_view page, std::size_t at, std::string_view name) {
    if (!page.substr(at).starts_with("</") || !startsWithLower(page.substr(at + 2), name))
        return false;
    const std::size_t after = at + 2 + name.size();
    return after >= page.size() || isSpace(page[after]) || page[after] == '/' || page[after] == '>';
}

// Where the raw text or RCDATA of an element `name` that starts at `from`
// ends: at its end tag, or the page's end.
std::size_t rawTextEnd(std::string_view page, std::size_t from, std::string_view name) {
    for (std::size_t close = page.find("</", from); close != std::string_view::npos;
         close = page.find("</", close + 2))
        if (isEndTag(page, close, name))
            return close;
    return page.size();
}

// The same for a <script>, whose text may hold "<!--" ... "<script>" ...
// "</script>" ... "-->", which a browser does not take for its end.
std::size_t scriptEnd(std::string_view page, std::size_t from) {
    enum { Data, Escaped, DoubleEscaped } state = Data;
    for (std::size_t at = from; at < page.size(); ++at) {
        // Only a "<" (and, once escaped, a "-") can change the state: the
        // rest is passed over.
        if (state == Data && (at = page.find('<', at)) == std::string_view::npos)
            break;
        if (page[at] != '<' && page[at] != '-')
            continue;
        const std::string_view rest = page.substr(at);
        if (state == Data && rest.starts_with("<!--")) {
            state = Escaped;
            at += 3;
        } else if (state != Data && rest.starts_with("-->")) {
            state = Data;
            at += 2;
        } else if (state == Escaped && rest.starts_with('<') &&
                   startsWithLower(rest.substr(1), "script") &&
                   (rest.size() == 7 || isSpace(rest[7]) || rest[7] == '/' || rest[7] == '>')) {
            state = DoubleEscaped;
        } else if (rest.starts_with('<') && isEndTag(page, at, "script")) {
            if (state != DoubleEscaped)
                return at;
            state = Escaped;
        }
    }
    return page.size();
}

// The end of the tag whose name ends at `at`: past its ">", its
// attributes' quoted values skipped whole; `selfClosing` set by "/>".
std::size_t tagEnd(std::string_view page, std::size_t at, bool& selfClosing) {
    selfClosing = false;
    while (at < page.size()) {
        const char c = page[at];
        if (c == '>')
            return at + 1;
        if (c == '"' || c == '\'') {
            // Values are short: a plain loop beats a library search here.
            for (++at; at < page.size() && page[at] != c;)
                ++at;
            ++at;
            continue;
        }
        selfClosing = c == '/' && at + 1 < page.size() && page[at + 1] == '>';
        ++at;
    }
    return page.size();
}

// How much of a page a browser reads for its <meta charset>.
constexpr std::size_t kPrescanBytes = 1024;

// The charset a page's <meta> declares in its first 1024 bytes (lower
// case), or an empty text, as a browser's prescan finds it.
std::string declaredCharset(std::string_view page) {
    const std::string head = asciiLower(page.substr(0, kPrescanBytes));
    for (std::size_t at = head.find("<meta"); at != std::string::npos;
         at = head.find("<meta", at + 5)) {
        const std::size_t end = std::min(head.find('>', at), head.size());
        const std::string_view tag = std::string_view(head).substr(at, end - at);
        const std::size_t name = tag.find("charset");
        if (name == std::string_view::npos)
            continue;
        std::size_t value = tag.find_first_not_of(" \t\n\r\f", name + 7);
        if (value == std::string_view::npos || tag[value] != '=')
            continue;
        value = tag.find_first_not_of(" \t\n\r\f\"'", value + 1);
        if (value == std::string_view::npos)
            continue;
        const std::size_t valueEnd =
            std::min(tag.find_first_of(" \t\n\r\f\"';/", value), tag.size());
        return std::string(tag.substr(value, valueEnd - value));
    }
    return {};
}

// `text` with every character beyond ASCII written as `escape` writes it.
template <typename Escape> std::string inAscii(std::string_view text, Escape escape) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80)
            ascii += text[at++];
        else
            ascii += escape(static_cast<std::uint32_t>(nextCodePoint(text, at)));
    }
    return ascii;
}

// HTML text (no script or style holding anything beyond ASCII) with
// every character beyond ASCII written as a character reference.
std::string htmlInAscii(std::string_view text) {
    return inAscii(text, [](std::uint32_t c) { return "&#" + std::to_string(c) + ";"; });
}

// A style block with every character beyond ASCII written as a CSS escape.
std::string cssInAscii(std::string_view text) {
    return inAscii(text, [](std::uint32_t c) {
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\%X ", static_cast<unsigned>(c));
        return std::string(escape);
    });
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

// Whether an element of `page` has the id `id`.
bool hasId(std::string_view page, std::string_view id) {
    if (page.find(id) == std::string_view::npos)
        return false;
    HtmlScanner scanner(page);
    for (HtmlScanner::Token token = scanner.next(); token.kind != HtmlScanner::Token::End;
         token = scanner.next())
        if (const std::string* own = token.attribute("id"); own && *own == id)
            return true;
    return false;
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
    // Text a browser does not read as a comment: a marker there marks nothing.
    // `where` says where, a text or what makes one: made only for a fault.
    const MarkerTexts texts(page);
    const auto noMarkerIn = [&](std::size_t from, std::size_t to, const auto& where,
                                std::string_view advice = "") {
        if (const auto inner = texts.inside(from, std::min(to, page.size()))) {
            std::string place;
            if constexpr (std::is_invocable_v<decltype(where)>)
                place = where();
            else
                place = where;
            fail(*inner, "a marker " + place + " marks nothing" + std::string(advice));
        }
    };
    int foreign = 0;   // inside <svg> or <math>
    int template_ = 0; // inside <template>, whose content is not shown
    // The page is read as a browser's HTML tokenizer reads it: only a
    // comment in the page's own markup can be a marker.
    for (std::size_t at = page.find('<'); at != std::string_view::npos; at = page.find('<', at)) {
        const std::string_view rest = page.substr(at);
        const char next = rest.size() > 1 ? rest[1] : '\0';
        if (const std::optional<std::size_t> marker = next == '!' ? texts.at(at) : std::nullopt) {
            if (template_ > 0)
                fail(at, "a marker inside a <template> marks nothing shown");
            const bool opening = *marker % 2 == 0;
            Span& span = *marker < 2   ? markers.style
                         : *marker < 4 ? markers.menu
                         : *marker < 6 ? markers.breadcrumb
                                       : markers.languages;
            const std::string_view name = kMarkers[*marker];
            if (opening) {
                if (open)
                    fail(at, std::string(name) + " inside the pair opened on line " +
                                 std::to_string(lineAt(page, openedAt)));
                if (span.found)
                    fail(at, "a second " + std::string(name) + "; a page takes each pair once");
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
        } else if (next == '!' && rest.starts_with("<!--")) {
            // "<!-->" and "<!--->" are whole comments; otherwise one ends
            // at "-->" or "--!>".
            std::size_t end;
            if (rest.starts_with("<!-->"))
                end = at + 5;
            else if (rest.starts_with("<!--->"))
                end = at + 6;
            else {
                const std::size_t dashes = page.find("-->", at + 4);
                const std::size_t bang = page.find("--!>", at + 4);
                end = std::min(dashes == std::string_view::npos ? page.size() : dashes + 3,
                               bang == std::string_view::npos ? page.size() : bang + 4);
            }
            // The comment's own end may be a marker's end.
            noMarkerIn(at + 4, end, "inside a comment", "; take it out of the comment");
            at = end;
        } else if (next == '!' || next == '?' ||
                   (next == '/' && !isAsciiLetter(rest.size() > 2 ? rest[2] : '\0'))) {
            // A CDATA section in <svg> or <math> runs to "]]>"; otherwise
            // "<!...>", "<?...>" and "</ ...>" are comments of their own up
            // to the first ">".
            std::size_t end;
            if (foreign > 0 && rest.starts_with("<![CDATA[")) {
                end = page.find("]]>", at + 9);
                end = end == std::string_view::npos ? page.size() : end + 3;
            } else {
                end = page.find('>', at + 2);
                end = end == std::string_view::npos ? page.size() : end + 1;
            }
            noMarkerIn(at + 2, end, [&] {
                return rest.starts_with("<![CDATA[")
                           ? std::string("inside a CDATA section")
                           : "inside <" + std::string(rest.substr(1, 1)) + "...>";
            });
            at = end;
        } else if (isAsciiLetter(next) || (next == '/' && rest.size() > 2)) {
            const bool closing = next == '/';
            const std::size_t nameStart = at + (closing ? 2 : 1);
            std::size_t nameEnd = nameStart;
            while (nameEnd < page.size() && !isSpace(page[nameEnd]) && page[nameEnd] != '/' &&
                   page[nameEnd] != '>')
                ++nameEnd;
            // Every name that matters here is short: a longer one is read
            // as none of them, without a copy.
            std::array<char, 16> lower{};
            const std::size_t nameSize = nameEnd - nameStart;
            if (nameSize < lower.size())
                for (std::size_t i = 0; i < nameSize; ++i) {
                    const char c = page[nameStart + i];
                    lower[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                }
            const std::string_view name(lower.data(), nameSize < lower.size() ? nameSize : 0);
            bool selfClosing = false;
            const std::size_t end = tagEnd(page, nameEnd, selfClosing);
            noMarkerIn(at + 1, end, [&] {
                return "inside the tag <" + asciiLower(page.substr(nameStart, nameSize)) + ">";
            });
            at = end;
            if (closing) {
                if ((name == "svg" || name == "math") && foreign > 0)
                    --foreign;
                else if (name == "template" && template_ > 0)
                    --template_;
                continue;
            }
            if (name == "svg" || name == "math") {
                foreign += !selfClosing;
            } else if (name == "template") {
                ++template_;
            } else if (name == "plaintext") {
                noMarkerIn(at, page.size(), "after <plaintext>");
                at = page.size();
            } else if (name == "script") {
                const std::size_t close = scriptEnd(page, at);
                noMarkerIn(at, close, "inside a <script>");
                at = close;
            } else if (name == "style" || name == "textarea" || name == "title" || name == "xmp" ||
                       name == "iframe" || name == "noembed" || name == "noframes" ||
                       name == "noscript") {
                const std::size_t close = rawTextEnd(page, at, name);
                noMarkerIn(at, close, [&] { return "inside a <" + std::string(name) + ">"; });
                at = close;
            }
        } else {
            ++at; // a "<" of the text
        }
    }
    if (open)
        fail(openedAt, std::string(open == &markers.style        ? kStyleOpen
                                   : open == &markers.menu       ? kMenuOpen
                                   : open == &markers.breadcrumb ? kBreadcrumbOpen
                                                                 : kLanguagesOpen) +
                           " without its closing marker after it");
    return markers;
}

std::string SiteUpdate::style(const MenuSettings& settings) {
    return "<style>\n" + styleSheet(settings) + "</style>\n";
}

std::string SiteUpdate::styleSheet(const MenuSettings& settings) {
    return ModernPage::styleSheet(PageModel::from(settings), true);
}

std::string SiteUpdate::scriptFile(const MenuSettings& settings) {
    const PageModel model = PageModel::from(settings);
    return ModernPage::needsScript(model) ? std::string(ModernPage::script()) : std::string();
}

std::string SiteUpdate::scriptPath(std::string_view stylesheet) {
    return std::string(stylesheet.substr(0, stylesheet.size() - 4)) + ".js";
}

SiteUpdate::Site SiteUpdate::site(const MenuSettings& settings, bool adopt,
                                  const SiteLanguages::Pages* pages) {
    Site site;
    site.stylesheet = settings.pageLook().value(PageLook::kStylesheet);
    if (site.stylesheet.empty())
        site.style = style(settings);
    else
        site.script = !scriptFile(settings).empty();
    site.blocks = std::make_shared<const MenuBlocks>(settings, !site.stylesheet.empty(), pages);
    site.adopt = adopt;
    return site;
}

SiteUpdate::Result SiteUpdate::update(std::string_view page, const MenuSettings& settings,
                                      std::string_view pagePath, std::string_view style) {
    Site site;
    site.style = style;
    return update(page, settings, pagePath, site);
}

SiteUpdate::Result SiteUpdate::update(std::string_view page, const MenuSettings& settings,
                                      std::string_view pagePath, const Site& site) {
    // A page in another encoding keeps its bytes, and the menu comes in
    // with every character beyond ASCII written as a reference, which
    // reads alike in every encoding that keeps ASCII as it is.
    // The page's own declaration, not what an earlier run put between the
    // markers (which may push it out of the first 1024 bytes).
    Markers markers = find(page);
    std::string own; // the first bytes of the page outside the blocks
    std::array<Span, 4> spans = {markers.style, markers.menu, markers.breadcrumb,
                                 markers.languages};
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.begin < b.begin; });
    std::size_t kept = 0;
    for (const Span& span : spans)
        if (span.found) {
            own.append(page.substr(kept, std::min(span.begin - kept, kPrescanBytes)));
            kept = span.end;
        }
    own.append(page.substr(kept, kPrescanBytes));
    const std::string charset = declaredCharset(own);
    const bool utf8 = charset.empty() || page.starts_with("\xEF\xBB\xBF") || charset == "utf-8" ||
                      charset == "utf8" || charset == "unicode-1-1-utf-8" ||
                      charset.starts_with("utf-16") || charset.starts_with("utf-32");
    if (utf8 && !isValidUtf8(page))
        throw SitePageError(0, "not UTF-8 text");
    if (!utf8 && (charset.starts_with("iso-2022") || charset == "utf-7" ||
                  charset == "hz-gb-2312" || charset == "replacement"))
        throw SitePageError(0, "it declares the charset " + charset +
                                   ", in which the menu cannot be written; save it as UTF-8");
    Result result;
    std::string adopted;
    // A page without the menu's markers (it may have the trail's) gives
    // its own navigation's place to the menu, when asked to.
    if (!markers.menu.found && site.adopt) {
        // The page is judged without what Halvero wrote between its
        // markers (a trail), so that a run judges it as the last one did:
        // what was written there (its quotes, say) cannot change how the
        // rest of a page with broken markup reads.
        std::string outside;
        std::size_t from = 0;
        for (const Span& span : spans)
            if (span.found) {
                outside.append(page.substr(from, span.begin - from));
                from = span.end;
            }
        outside.append(page.substr(from));
        const std::optional<NavAdopter::Adopted> found =
            NavAdopter::adopt(outside, pagePath, site.blocks->menuPages(),
                              settings.pageLook().value(PageLook::kSiteBase));
        if (found) {
            adopted = found->text;
            result.adoptedLine = found->line;
            page = adopted;
            markers = find(page);
        } else if (!markers.any()) {
            result.notes.push_back("no <nav> leads to most of the menu's pages; left alone");
            return result;
        }
    }
    if (!markers.any())
        return {};
    // Between the markers, on lines of their own, with the page's line ends.
    const std::size_t newline = page.find('\n');
    const bool crLf = newline != std::string_view::npos && newline > 0 && page[newline - 1] == '\r';
    const auto between = [&](std::string_view text) {
        std::string lines = "\n" + std::string(text);
        return crLf ? withCrLf(lines) : lines;
    };
    std::array<std::pair<Span, std::string>, 4> parts;
    std::size_t count = 0;
    if (markers.style.found) {
        std::string style = site.style;
        if (!site.stylesheet.empty()) {
            style = "<link rel=\"stylesheet\" href=\"";
            appendHtmlEscaped(style, SiteLinks::from(pagePath, site.stylesheet));
            style += "\">\n";
            if (site.script) {
                style += "<script src=\"";
                appendHtmlEscaped(style, SiteLinks::from(pagePath, scriptPath(site.stylesheet)));
                style += "\" defer></script>\n";
            }
        }
        if (site.blocks && settings.pageLook().value(PageLook::kAlternateLinks) == "Yes")
            style += site.blocks->languages().alternates(pagePath);
        parts[count++] = {markers.style, between(utf8 ? style : cssInAscii(style))};
    }
    if (markers.languages.found) {
        const std::string switcher =
            site.blocks ? site.blocks->languages().switcher(pagePath) : std::string();
        parts[count++] = {markers.languages, between(utf8 ? switcher : htmlInAscii(switcher))};
        if (switcher.empty())
            result.notes.push_back(site.blocks && !site.blocks->languages().empty()
                                       ? "in no language's folder; its language list is empty"
                                       : "the menu has no languages; its language list is empty");
    }
    std::shared_ptr<const MenuBlocks::Blocks> blocks;
    if (markers.menu.found || markers.breadcrumb.found)
        blocks = site.blocks ? site.blocks->of(pagePath)
                             : MenuBlocks(settings, !site.stylesheet.empty()).of(pagePath);
    if (markers.menu.found) {
        parts[count++] = {markers.menu, between(utf8 ? blocks->nav : htmlInAscii(blocks->nav))};
        if (!blocks->skipTo.empty() && !hasId(page, blocks->skipTo))
            result.notes.push_back("no element with the id \"" + blocks->skipTo +
                                   "\" for the skip link to lead to");
    }
    if (markers.breadcrumb.found) {
        parts[count++] = {markers.breadcrumb,
                          between(utf8 ? blocks->trail : htmlInAscii(blocks->trail))};
        if (blocks->trailEmpty)
            result.notes.push_back("not in the menu; its breadcrumb trail is empty");
    }
    std::sort(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(count),
              [](const auto& a, const auto& b) { return a.first.begin < b.first.begin; });
    // Most pages of a run are up to date: compared in place, they need no
    // copy.
    const bool same =
        adopted.empty() &&
        std::all_of(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(count),
                    [&](const auto& part) {
                        return page.substr(part.first.begin, part.first.end - part.first.begin) ==
                               part.second;
                    });
    if (same) {
        result.outcome = Outcome::Unchanged;
        return result;
    }
    result.text.reserve(page.size() + 4096);
    std::size_t copied = 0;
    for (std::size_t i = 0; i < count; ++i) {
        result.text.append(page.substr(copied, parts[i].first.begin - copied));
        result.text.append(parts[i].second);
        copied = parts[i].first.end;
    }
    result.text.append(page.substr(copied));
    result.outcome = result.text == page && adopted.empty() ? Outcome::Unchanged : Outcome::Changed;
    if (result.outcome == Outcome::Unchanged)
        result.text.clear();
    return result;
}

} // namespace halvero
