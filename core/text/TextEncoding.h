#pragma once

#include <string>
#include <string_view>

namespace halvero {

// The page is UTF-8; these helpers keep typed values from breaking it.

// Returns the text with every byte sequence that is not valid UTF-8 replaced
// by U+FFFD. Valid text, ASCII included, comes back unchanged.
std::string toValidUtf8(std::string_view text);
bool isValidUtf8(std::string_view text);
// The length of the valid UTF-8 sequence that starts at text[at]: 1 to 4,
// or 0 when none does (a stray, overlong or surrogate byte, a cut sequence).
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// The code points of valid UTF-8 text, one at a time: `at` moves past the
// one returned. Bytes that are not valid UTF-8 come back as U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& at);
// Whether the text holds a C0 or C1 control character, or DEL.
bool hasControlCharacter(std::string_view text);
// Whether a browser would show nothing of the text: it is empty or holds
// only spaces, invisible characters (no-break and other wide spaces,
// zero-width spaces and joiners, the byte-order mark, a soft hyphen) and
// control characters.
bool showsNothing(std::string_view text);
// ASCII's letters and digits, whatever the locale.
constexpr bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
// The line of `text` that `position` is on, counting from 1.
int lineAt(std::string_view text, std::size_t position);
// The characters of UTF-8 text: its bytes less continuation bytes.
std::size_t characterCount(std::string_view text);
// At most `limit` characters of the first line of `text`, with "..." where
// anything was left out: fit to quote in a message.
std::string firstLineQuoted(std::string_view text, std::size_t limit);

// A name (a file's, from the disk) fit to print on a line of a report:
// as it is when it is UTF-8 without control characters or direction
// overrides; otherwise in double quotes, with those written as escapes
// ("\n", "\x1b", "\u202e") and any quote or backslash escaped, so that a
// name can neither forge a line nor reach the terminal.
std::string printableName(std::string_view name);

// The text with the ASCII letters A to Z in lower case; all else unchanged.
std::string asciiLower(std::string_view text);

// The body of a double-quoted JavaScript string literal that evaluates to
// `text` and cannot end the literal or the enclosing <script> element:
// backslash, quote, control characters, "<" and the two JavaScript line
// separators are escaped; everything else is copied. Expects valid UTF-8.
std::string escapeScriptString(std::string_view text);

// `text` as element text or as an attribute value in either kind of
// quotes: "&", "<", ">", the double and the single quote become character
// references; everything else is copied.
std::string escapeHtml(std::string_view text);
// The same, appended to `out`.
void appendHtmlEscaped(std::string& out, std::string_view text);

} // namespace halvero
