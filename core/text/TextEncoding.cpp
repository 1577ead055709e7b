#include "core/text/TextEncoding.h"

#include <cstdint>
#include <cstring>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace halvero {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::string asciiLower(std::string_view text) {
    std::string low(text);
    for (char& c : low)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return low;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // Eight ASCII bytes at a time: a web page is mostly ASCII.
        if (i + 8 <= text.size()) {
            std::uint64_t block;
            std::memcpy(&block, text.data() + i, 8);
            if ((block & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string toValidUtf8(std::string_view text) {
    std::size_t i = 0;
    // Fast path: most values are short ASCII or already valid.
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            break;
        i += length;
    }
    if (i == text.size())
        return std::string(text);

    std::string out(text.substr(0, i));
    while (i < text.size()) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            out += kReplacement;
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

std::string escapeScriptString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\':
            out += "\\\\";
            continue;
        case '"':
            out += "\\\"";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        case '<':
            // Keeps "</script>" and "<!--" from ever appearing in the script.
            out += "\\x3C";
            continue;
        default:
            break;
        }
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else if (text.substr(i, 3) == "\xE2\x80\xA8") {
            out += "\\u2028";
            i += 2;
        } else if (text.substr(i, 3) == "\xE2\x80\xA9") {
            out += "\\u2029";
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

void appendHtmlEscaped(std::string& out, std::string_view text) {
    std::size_t run = 0; // start of the characters not yet copied
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string_view reference;
        switch (text[at]) {
        case '&':
            reference = "&amp;";
            break;
        case '<':
            reference = "&lt;";
            break;
        case '>':
            reference = "&gt;";
            break;
        case '"':
            reference = "&quot;";
            break;
        case '\'':
            reference = "&#39;";
            break;
        default:
            continue;
        }
        out.append(text, run, at - run);
        out.append(reference);
        run = at + 1;
    }
    out.append(text, run, text.size() - run);
}

std::string escapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    appendHtmlEscaped(escaped, text);
    return escaped;
}

} // namespace halvero

namespace halvero {

char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const std::size_t length = utf8SequenceLength(text, at);
    if (length == 0) {
        ++at;
        return 0xFFFD;
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    char32_t code = length == 1 ? byte(0) : byte(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    at += length;
    return code;
}

namespace {

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isInvisible(char32_t c) {
    return c == ' ' || c == 0xA0 || c == 0xAD || c == 0x034F || c == 0x115F || c == 0x1160 ||
           c == 0x180E || (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
           (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0x3164 || c == 0xFEFF ||
           c == 0xFFA0 || isControl(c);
}

} // namespace

bool hasControlCharacter(std::string_view text) {
    for (std::size_t at = 0; at < text.size();)
        if (isControl(nextCodePoint(text, at)))
            return true;
    return false;
}

int lineAt(std::string_view text, std::size_t position) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(position, text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool showsNothing(std::string_view text) {
    for (std::size_t at = 0; at < text.size();)
        if (!isInvisible(nextCodePoint(text, at)))
            return false;
    return true;
}

std::string firstLineQuoted(std::string_view text, std::size_t limit) {
    const std::size_t end = text.find_first_of("\r\n");
    bool cut = end != std::string_view::npos;
    text = text.substr(0, end);
    std::size_t at = 0;
    for (std::size_t characters = 0; at < text.size() && characters < limit; ++characters)
        nextCodePoint(text, at);
    cut = cut || at < text.size();
    return toValidUtf8(text.substr(0, at)) + (cut ? "..." : "");
}

namespace {

bool isDirectionControl(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

void appendHex(std::string& out, unsigned value, int digits) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

} // namespace

std::string printableName(std::string_view name) {
    bool plain = true;
    for (std::size_t at = 0; plain && at < name.size();) {
        const std::size_t length = utf8SequenceLength(name, at);
        const char32_t c = length ? nextCodePoint(name, at) : 0;
        plain = length && !isControl(c) && !isDirectionControl(c);
    }
    if (plain)
        return std::string(name);
    std::string shown = "\"";
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = utf8SequenceLength(name, at);
        if (length == 0) {
            shown += "\\x";
            appendHex(shown, static_cast<unsigned char>(name[at++]), 2);
            continue;
        }
        const std::size_t start = at;
        const char32_t c = nextCodePoint(name, at);
        if (c == '\n')
            shown += "\\n";
        else if (c == '\r')
            shown += "\\r";
        else if (c == '\t')
            shown += "\\t";
        else if (c == '"' || c == '\\')
            shown += '\\', shown += static_cast<char>(c);
        else if (c < 0x80 && isControl(c))
            shown += "\\x", appendHex(shown, static_cast<unsigned>(c), 2);
        else if (isControl(c) || isDirectionControl(c))
            shown += "\\u", appendHex(shown, static_cast<unsigned>(c), 4);
        else
            shown.append(name.substr(start, at - start));
    }
    return shown + "\"";
}

} // namespace halvero
