#include "core/items/MenuItem.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <array>

namespace halvero {

namespace {

constexpr std::array<std::string_view, 4> kAllowedSchemes = {"http", "https", "mailto", "tel"};

std::string_view trimmed(std::string_view text, bool controlsToo) {
    const auto blank = [controlsToo](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == ' ' || (controlsToo && u < 0x20);
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string MenuItem::cleanLink(std::string_view link) {
    std::string clean;
    for (char c : trimmed(link, true))
        if (c != '\t' && c != '\n' && c != '\r')
            clean += c;
    return clean;
}

std::string MenuItem::linkProblem(std::string_view link) {
    if (characterCount(link) > kMaxLink)
        return "is longer than " + std::to_string(kMaxLink) + " characters";
    const std::string clean = cleanLink(link);
    if (clean.empty())
        return "is empty";
    if (hasControlCharacter(clean))
        return "holds a control character";
    // Browsers read a backslash as "/", so \\host or /\host would lead to
    // another host than the one the link seems to name.
    if (clean.find('\\') != std::string::npos)
        return "holds a backslash (browsers read it as /; write / instead)";
    const std::string_view scheme = schemeOf(clean);
    if (scheme.empty())
        return {};
    const std::string low = asciiLower(scheme);
    if (std::find(kAllowedSchemes.begin(), kAllowedSchemes.end(), low) == kAllowedSchemes.end())
        return "the scheme " + low + ": is not allowed (only http, https, mailto and tel)";
    return {};
}

std::string_view MenuItem::schemeOf(std::string_view link) {
    // One pass, as isClean: every page of a site asks for every item.
    const std::size_t end = static_cast<std::size_t>(
        std::find_if(link.begin(), link.end(),
                     [](char c) { return c == ':' || c == '/' || c == '?' || c == '#'; }) -
        link.begin());
    if (end == link.size() || link[end] != ':' || end == 0 || !isAsciiLetter(link[0]))
        return {};
    const std::string_view scheme = link.substr(0, end);
    const bool valid = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == '+' || c == '-' || c == '.';
    });
    return valid ? scheme : std::string_view();
}

bool MenuItem::isTarget(std::string_view target) {
    return target.empty() || std::find(kTargets.begin(), kTargets.end(), target) != kTargets.end();
}

std::string_view MenuItem::trimmedLabel() const {
    return trimmed(label, false);
}

bool MenuItem::isClean(std::string_view link) {
    // One pass: find_first_of would search the set for every character.
    return trimmed(link, true).size() == link.size() &&
           std::none_of(link.begin(), link.end(),
                        [](char c) { return c == '\t' || c == '\n' || c == '\r'; });
}

std::string MenuItem::problem(bool parent) const {
    const std::string_view shown = trimmedLabel();
    if (shown.empty())
        return "label: is empty";
    if (showsNothing(shown))
        return "label: shows nothing (only invisible characters)";
    if (characterCount(shown) > kMaxLabel)
        return "label: is longer than " + std::to_string(kMaxLabel) + " characters";
    if (hasControlCharacter(label))
        return "label: holds a control character";
    const bool heading = parent && cleanLink(link).empty();
    if (const std::string why = heading ? std::string() : linkProblem(link); !why.empty())
        return "link: " + why;
    if (characterCount(tooltip) > kMaxTooltip)
        return "tooltip: is longer than " + std::to_string(kMaxTooltip) + " characters";
    if (hasControlCharacter(tooltip))
        return "tooltip: holds a control character";
    if (!isTarget(target))
        return "target: is not one of _self, _blank, _parent, _top";
    // Each language's label and link by the same rules.
    for (const auto& [tag, translated] : labels) {
        MenuItem other;
        other.label = translated;
        other.link = "#";
        if (const std::string why = other.problem(false); !why.empty())
            return "labels." + tag + why.substr(std::string_view("label").size());
    }
    for (const auto& [tag, translated] : links)
        if (const std::string why = linkProblem(translated); !why.empty())
            return "links." + tag + ": " + why;
    return {};
}

std::string MenuItem::describe(std::string_view number, const MenuItem& item) {
    std::string text = "item " + std::string(number);
    const std::string_view shown = item.trimmedLabel();
    if (!shown.empty())
        text += " (" + std::string(shown) + ")";
    return text;
}

namespace {

void visitLevel(const std::vector<MenuItem>& items, int level, const std::string& prefix,
                const MenuItem::Visit& visit) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string number = prefix + std::to_string(i + 1);
        visit(items[i], level, number);
        if (!items[i].items.empty())
            visitLevel(items[i].items, level + 1, number + ".", visit);
    }
}

bool markLevel(std::vector<MenuItem>& items, std::string_view link, bool found) {
    for (MenuItem& item : items) {
        item.current = !found && !link.empty() && MenuItem::cleanLink(item.link) == link;
        found = found || item.current;
        found = markLevel(item.items, link, found);
    }
    return found;
}

} // namespace

void MenuItem::visit(const std::vector<MenuItem>& items, const Visit& visit) {
    visitLevel(items, 1, "", visit);
}

std::size_t MenuItem::countAll(const std::vector<MenuItem>& items) {
    std::size_t count = items.size();
    for (const MenuItem& item : items)
        count += countAll(item.items);
    return count;
}

int MenuItem::levels(const std::vector<MenuItem>& items) {
    int deepest = 0;
    for (const MenuItem& item : items)
        deepest = std::max(deepest, 1 + levels(item.items));
    return deepest;
}

bool MenuItem::hasSubMenus(const std::vector<MenuItem>& items) {
    return std::any_of(items.begin(), items.end(),
                       [](const MenuItem& item) { return !item.items.empty(); });
}

bool MenuItem::markCurrent(std::vector<MenuItem>& items, std::string_view link) {
    return markLevel(items, cleanLink(link), false);
}

std::string MenuItem::treeProblem(const std::vector<MenuItem>& items) {
    std::string problem;
    int currents = 0;
    visit(items, [&](const MenuItem& item, int level, const std::string& number) {
        if (!problem.empty())
            return;
        if (level > kMaxLevels)
            problem = describe(number, item) + ": a menu has at most " +
                      std::to_string(kMaxLevels) + " levels";
        else if (const std::string why = item.problem(); !why.empty())
            problem = describe(number, item) + ": " + why;
        else if (item.current && ++currents > 1)
            problem = describe(number, item) +
                      ": current: another item is already the current page; a page has one";
    });
    return problem;
}

} // namespace halvero
