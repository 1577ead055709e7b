#include "core/site/HtmlScanner.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace halvero {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The named references a navigation's labels use; others stay as written.
struct Named {
    std::string_view name;
    std::uint32_t code;
};
constexpr std::array<Named, 48> kNamed = {{
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},     {"trade", 0x2122}, {"hellip", 0x2026},
    {"mdash", 0x2014}, {"ndash", 0x2013}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"laquo", 0xAB},   {"raquo", 0xBB},   {"middot", 0xB7},  {"bull", 0x2022},
    {"auml", 0xE4},    {"ouml", 0xF6},    {"uuml", 0xFC},    {"Auml", 0xC4},    {"Ouml", 0xD6},
    {"Uuml", 0xDC},    {"szlig", 0xDF},   {"eacute", 0xE9},  {"egrave", 0xE8},  {"ecirc", 0xEA},
    {"Eacute", 0xC9},  {"aacute", 0xE1},  {"agrave", 0xE0},  {"acirc", 0xE2},   {"iacute", 0xED},
    {"oacute", 0xF3},  {"ocirc", 0xF4},   {"uacute", 0xFA},  {"ccedil", 0xE7},  {"ntilde", 0xF1},
    {"Ntilde", 0xD1},  {"oslash", 0xF8},  {"aring", 0xE5},   {"euro", 0x20AC},  {"rarr", 0x2192},
    {"larr", 0x2190},  {"times", 0xD7},   {"shy", 0xAD},
}};

void appendUtf8(std::string& text, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

constexpr std::array<std::string_view, 8> kRawText = {"script", "style",  "textarea", "title",
                                                      "xmp",    "iframe", "noembed",  "noframes"};

} // namespace

const std::string* HtmlScanner::Token::attribute(std::string_view wanted) const {
    for (const auto& [name, value] : attributes)
        if (name == wanted)
            return &value;
    return nullptr;
}

bool HtmlScanner::isVoid(std::string_view name) {
    for (std::string_view element : {"area", "base", "br", "col", "embed", "hr", "img", "input",
                                     "link", "meta", "source", "track", "wbr"})
        if (name == element)
            return true;
    return false;
}

std::string HtmlScanner::decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] != '&') {
            out += text[at++];
            continue;
        }
        const std::size_t semicolon = text.find(';', at);
        if (semicolon == std::string_view::npos || semicolon - at > 12) {
            out += text[at++];
            continue;
        }
        const std::string_view name = text.substr(at + 1, semicolon - at - 1);
        std::uint32_t code = 0;
        bool known = false;
        if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            known = !digits.empty() && digits.size() <= 7;
            for (char c : digits) {
                const int value = isAsciiDigit(c)               ? c - '0'
                                  : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                                  : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                                : -1;
                if (value < 0) {
                    known = false;
                    break;
                }
                code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
            }
        } else {
            for (const Named& named : kNamed)
                if (named.name == name) {
                    code = named.code;
                    known = true;
                }
        }
        if (!known) {
            out += text[at++];
            continue;
        }
        appendUtf8(out, code);
        at = semicolon + 1;
    }
    return out;
}

HtmlScanner::Token HtmlScanner::next() {
    Token token;
    const std::string_view page = m_page;
    if (!m_rawEnd.empty()) {
        // The raw text runs to its end tag, which is no part of it.
        std::size_t close = m_at;
        for (; (close = page.find("</", close)) != std::string_view::npos; close += 2) {
            const std::size_t after = close + 2 + m_rawEnd.size();
            if (asciiLower(page.substr(close + 2, m_rawEnd.size())) == m_rawEnd &&
                (after >= page.size() || isSpace(page[after]) || page[after] == '>' ||
                 page[after] == '/'))
                break;
        }
        m_at = close == std::string_view::npos ? page.size() : close;
        m_rawEnd.clear();
    }
    while (m_at < page.size()) {
        const std::size_t start = m_at;
        if (page[m_at] != '<') {
            const std::size_t lt = std::min(page.find('<', m_at), page.size());
            m_at = lt;
            token.kind = Token::Text;
            token.begin = start;
            token.end = lt;
            return token;
        }
        const std::string_view rest = page.substr(m_at);
        if (rest.starts_with("<!--")) {
            const std::size_t end = page.find("-->", m_at + 4);
            m_at = end == std::string_view::npos ? page.size() : end + 3;
            continue;
        }
        const char next = rest.size() > 1 ? rest[1] : '\0';
        const bool closing = next == '/';
        const char first = closing && rest.size() > 2 ? rest[2] : next;
        if (next == '!' || next == '?' || (closing && !isAsciiLetter(first))) {
            const std::size_t end = page.find('>', m_at + 1);
            m_at = end == std::string_view::npos ? page.size() : end + 1;
            continue;
        }
        if (!isAsciiLetter(first)) {
            m_at = std::min(page.find('<', m_at + 1), page.size());
            token.kind = Token::Text;
            token.begin = start;
            token.end = m_at;
            return token;
        }
        // A tag: its name, then attributes up to ">".
        std::size_t at = m_at + (closing ? 2 : 1);
        const std::size_t nameStart = at;
        while (at < page.size() && !isSpace(page[at]) && page[at] != '/' && page[at] != '>')
            ++at;
        token.kind = closing ? Token::EndTag : Token::StartTag;
        token.name = asciiLower(page.substr(nameStart, at - nameStart));
        while (at < page.size() && page[at] != '>') {
            if (isSpace(page[at]) || page[at] == '/') {
                token.selfClosing = page[at] == '/';
                ++at;
                continue;
            }
            const std::size_t nameBegin = at;
            while (at < page.size() && !isSpace(page[at]) && page[at] != '/' && page[at] != '>' &&
                   (page[at] != '=' || at == nameBegin))
                ++at;
            std::string name = asciiLower(page.substr(nameBegin, at - nameBegin));
            std::string value;
            std::size_t look = at;
            while (look < page.size() && isSpace(page[look]))
                ++look;
            if (look < page.size() && page[look] == '=') {
                at = look + 1;
                while (at < page.size() && isSpace(page[at]))
                    ++at;
                if (at < page.size() && (page[at] == '"' || page[at] == '\'')) {
                    const std::size_t close = page.find(page[at], at + 1);
                    const std::size_t valueEnd =
                        close == std::string_view::npos ? page.size() : close;
                    value = decoded(page.substr(at + 1, valueEnd - at - 1));
                    at = std::min(valueEnd + 1, page.size());
                } else {
                    const std::size_t valueBegin = at;
                    while (at < page.size() && !isSpace(page[at]) && page[at] != '>')
                        ++at;
                    value = decoded(page.substr(valueBegin, at - valueBegin));
                }
            }
            token.selfClosing = false;
            if (!closing && !token.attribute(name))
                token.attributes.emplace_back(std::move(name), std::move(value));
        }
        m_at = std::min(at + 1, page.size());
        token.begin = start;
        token.end = m_at;
        if (!closing && std::find(kRawText.begin(), kRawText.end(), token.name) != kRawText.end())
            m_rawEnd = token.name;
        return token;
    }
    token.begin = token.end = page.size();
    return token;
}

} // namespace halvero
