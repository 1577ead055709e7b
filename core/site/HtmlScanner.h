#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvero {

// A page's markup read as a browser's tokenizer reads it, one token at a
// time with its place in the text: start and end tags with their names
// (lower case) and attributes (values with character references read),
// text, and nothing of comments, doctypes, or the raw text of <script>,
// <style>, <textarea> and their kind. Enough to find a navigation and its
// links; it builds no tree.
class HtmlScanner {
public:
    struct Token {
        enum Kind { StartTag, EndTag, Text, End } kind = End;
        std::string name; // lower case, for tags
        std::vector<std::pair<std::string, std::string>> attributes;
        bool selfClosing = false;
        std::size_t begin = 0, end = 0; // where the token is in the page
        // The attribute `name`'s value, or nullptr.
        const std::string* attribute(std::string_view name) const;
    };

    explicit HtmlScanner(std::string_view page) : m_page(page) {}
    // The next token; End at the page's end.
    Token next();

    // `text` with its character references read ("&amp;" "&#233;"
    // "&eacute;"); a reference it does not know stays as written.
    static std::string decoded(std::string_view text);
    // Whether `name` is an element that has no end tag (<br>, <img>, ...).
    static bool isVoid(std::string_view name);

private:
    std::string_view m_page;
    std::size_t m_at = 0;
    std::string m_rawEnd; // the end tag that ends the raw text being read
};

} // namespace halvero
