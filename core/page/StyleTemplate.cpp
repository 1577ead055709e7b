#include "core/page/StyleTemplate.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace halvero {

namespace {

constexpr std::string_view kOpen = "/*", kClose = "*/";
constexpr std::string_view kValue = "var(--halvero-", kLook = "--halvero-look: ";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The words of a comment standing alone ("/* if across */" -> "if across").
std::string_view commentText(std::string_view comment) {
    return trimmed(comment.substr(kOpen.size(), comment.size() - kOpen.size() - kClose.size()));
}

bool holds(std::string_view condition, const StyleTemplate::Fill& fill) {
    bool all = true;
    std::size_t from = 0;
    while (from < condition.size()) {
        std::size_t end = condition.find(' ', from);
        if (end == std::string_view::npos)
            end = condition.size();
        std::string_view name = condition.substr(from, end - from);
        const bool negated = name.starts_with('!');
        if (negated)
            name.remove_prefix(1);
        if (!name.empty())
            all = all && fill.holding.contains(name) != negated;
        from = end + 1;
    }
    return all;
}

// The line with its "/* if C */ ... /* end */" parts kept or left out.
std::string inlineParts(std::string_view line, const StyleTemplate::Fill& fill) {
    std::string text;
    while (true) {
        const std::size_t open = line.find("/* if ");
        if (open == std::string_view::npos)
            break;
        const std::size_t close = line.find(kClose, open);
        const std::size_t end = line.find("/* end */", close);
        if (close == std::string_view::npos || end == std::string_view::npos)
            throw std::logic_error("style template: an unfinished condition in a line");
        text += line.substr(0, open);
        if (holds(commentText(line.substr(open, close + kClose.size() - open)).substr(3), fill))
            text += line.substr(close + kClose.size(), end - close - kClose.size());
        line.remove_prefix(end + std::string_view("/* end */").size());
    }
    text += line;
    return text;
}

std::string values(std::string_view line, const StyleTemplate::Fill& fill) {
    std::string text;
    while (true) {
        const std::size_t at = line.find(kValue);
        if (at == std::string_view::npos)
            break;
        const std::size_t end = line.find(')', at);
        const std::string_view name = line.substr(at + kValue.size(), end - at - kValue.size());
        const auto value = fill.values.find(name);
        if (end == std::string_view::npos || value == fill.values.end())
            throw std::logic_error("style template: no value " + std::string(name));
        text.append(line.substr(0, at)).append(StyleTemplate::escaped(value->second));
        line.remove_prefix(end + 1);
    }
    text += line;
    return text;
}

} // namespace

std::string StyleTemplate::escaped(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (char c : value) {
        if (c == '{' || c == '}' || c == ';' || c == '<' || c == '>' || c == '\\' ||
            (c == '*' && !text.empty() && text.back() == '/') ||
            (c == '/' && !text.empty() && text.back() == '*'))
            continue;
        text += c;
    }
    return text;
}

std::string StyleTemplate::fill(std::string_view text, const Fill& fill) {
    std::string out;
    out.reserve(text.size());
    std::vector<bool> blocks; // each open block's condition
    bool keeping = true, inComment = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        const std::string_view bare = trimmed(line);
        if (inComment) {
            inComment = bare.find(kClose) == std::string_view::npos;
            continue;
        }
        if (bare.starts_with(kOpen)) {
            const std::size_t close = bare.find(kClose);
            if (close == std::string_view::npos) {
                inComment = true;
                continue;
            }
            if (close + kClose.size() == bare.size()) {
                const std::string_view words = commentText(bare);
                if (words.starts_with("if ")) {
                    blocks.push_back(holds(words.substr(3), fill));
                } else if (words == "end") {
                    if (blocks.empty())
                        throw std::logic_error("style template: an end without its if");
                    blocks.pop_back();
                }
                keeping = std::find(blocks.begin(), blocks.end(), false) == blocks.end();
                continue;
            }
        }
        if (!keeping || bare.empty())
            continue;
        // A condition at the line's end keeps or leaves out the line.
        if (bare.ends_with(kClose)) {
            const std::size_t open = line.rfind(" /* if ");
            if (open != std::string_view::npos && line.find(kClose, open) + 2 == line.size()) {
                if (!holds(commentText(line.substr(open + 1)).substr(3), fill))
                    continue;
                line = line.substr(0, open);
            }
        }
        if (bare.starts_with(kLook)) {
            const std::string_view name = bare.substr(kLook.size(), bare.size() - kLook.size() - 1);
            out += fill.look(name, line.substr(0, line.find(kLook)));
            continue;
        }
        out += values(inlineParts(line, fill), fill);
        out += '\n';
    }
    if (!blocks.empty() || inComment)
        throw std::logic_error("style template: an unfinished block or comment");
    return out;
}

} // namespace halvero
