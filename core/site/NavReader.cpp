#include "core/site/NavReader.h"

#include "core/page/SiteLinks.h"
#include "core/site/HtmlScanner.h"
#include "core/text/TextEncoding.h"

#include <memory>
#include <optional>

namespace halvero {

namespace {

// The part of the page's tree the navigation is: elements and their text.
struct Node {
    std::string name; // empty for text
    std::string text;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<std::unique_ptr<Node>> children;
    Node* parent = nullptr;

    const std::string* attribute(std::string_view wanted) const {
        for (const auto& [key, value] : attributes)
            if (key == wanted)
                return &value;
        return nullptr;
    }
    bool isList() const { return name == "ul" || name == "ol" || name == "menu"; }
};

bool isWanted(const HtmlScanner::Token& token, std::string_view id) {
    if (token.kind != HtmlScanner::Token::StartTag)
        return false;
    if (id.empty())
        return token.name == "nav";
    const std::string* own = token.attribute("id");
    return own && *own == id;
}

// The element the scanner is at the start of, with everything in it, its
// end tags implied as a browser implies them for lists and links.
std::unique_ptr<Node> treeFrom(std::string_view page, HtmlScanner& scanner,
                               const HtmlScanner::Token& start) {
    auto root = std::make_unique<Node>();
    root->name = start.name;
    root->attributes = start.attributes;
    Node* open = root.get();
    const auto closeTo = [&](Node* node) { open = node->parent ? node->parent : node; };
    // The open element named `name` nearest to `open`, not beyond a list
    // (for <li>) or the root.
    const auto openNamed = [&](std::string_view name, bool stopAtList) -> Node* {
        for (Node* node = open; node; node = node->parent) {
            if (node->name == name)
                return node;
            if (stopAtList && node->isList())
                return nullptr;
        }
        return nullptr;
    };
    for (HtmlScanner::Token token = scanner.next(); token.kind != HtmlScanner::Token::End;
         token = scanner.next()) {
        if (token.kind == HtmlScanner::Token::Text) {
            auto text = std::make_unique<Node>();
            text->text = HtmlScanner::decoded(page.substr(token.begin, token.end - token.begin));
            text->parent = open;
            open->children.push_back(std::move(text));
            continue;
        }
        if (token.kind == HtmlScanner::Token::EndTag) {
            Node* match = openNamed(token.name, false);
            if (match == root.get())
                break;
            if (match)
                closeTo(match);
            continue;
        }
        if (token.name == "li")
            if (Node* item = openNamed("li", true); item && item != root.get())
                closeTo(item);
        if (token.name == "a")
            if (Node* link = openNamed("a", true); link && link != root.get())
                closeTo(link);
        auto element = std::make_unique<Node>();
        element->name = token.name;
        element->attributes = std::move(token.attributes);
        element->parent = open;
        Node* added = element.get();
        open->children.push_back(std::move(element));
        if (!HtmlScanner::isVoid(token.name) && !token.selfClosing && token.name != "script" &&
            token.name != "style" && token.name != "template")
            open = added;
    }
    return root;
}

class Reader {
public:
    Reader(std::string_view pagePath, std::vector<std::string>& notes)
        : m_pagePath(pagePath), m_notes(notes) {}

    std::vector<MenuItem> readList(const Node& list, int level) {
        std::vector<MenuItem> items;
        forEachItem(list, [&](const Node& li) {
            if (std::optional<MenuItem> item = readItem(li, level))
                items.push_back(std::move(*item));
        });
        return items;
    }

    // A nav of links without a list: each link an item.
    std::vector<MenuItem> readLinks(const Node& nav) {
        std::vector<MenuItem> items;
        forEach(nav, "a", [&](const Node& a) {
            MenuItem item;
            item.label = labelOf(a);
            fill(item, a);
            if (keep(item, false))
                items.push_back(std::move(item));
        });
        return items;
    }

    static const Node* first(const Node& node, std::string_view name, bool intoLists = true) {
        for (const auto& child : node.children) {
            if (child->name == name || (name == "list" && child->isList()))
                return child.get();
            if (!intoLists && (child->isList() || child->name == "li"))
                continue;
            if (const Node* found = first(*child, name, intoLists))
                return found;
        }
        return nullptr;
    }

private:
    // The <li> items of `list`, also those inside wrappers that are no
    // list of their own.
    template <typename Visit> static void forEachItem(const Node& list, Visit visit) {
        for (const auto& child : list.children) {
            if (child->name == "li")
                visit(*child);
            else if (!child->name.empty() && !child->isList())
                forEachItem(*child, visit);
        }
    }
    template <typename Visit>
    static void forEach(const Node& node, std::string_view name, Visit visit) {
        for (const auto& child : node.children) {
            if (child->name == name)
                visit(*child);
            else
                forEach(*child, name, visit);
        }
    }

    static void textOf(const Node& node, std::string& text) {
        if (node.name.empty()) {
            text += node.text;
            return;
        }
        const std::string* hidden = node.attribute("aria-hidden");
        if (node.isList() || node.name == "svg" || node.name == "script" || node.name == "style" ||
            (hidden && *hidden == "true"))
            return;
        if (node.name == "img")
            if (const std::string* alt = node.attribute("alt"))
                text += " " + *alt + " ";
        if (node.name == "br")
            text += ' ';
        for (const auto& child : node.children)
            textOf(*child, text);
    }

    // The text a visitor reads, spaces folded.
    static std::string labelOf(const Node& node) {
        std::string raw;
        textOf(node, raw);
        std::string label;
        for (std::size_t at = 0; at < raw.size(); ++at) {
            const char c = raw[at];
            const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
            if (space) {
                if (!label.empty() && label.back() != ' ')
                    label += ' ';
            } else if (raw.compare(at, 2, "\xC2\xA0") == 0) {
                if (!label.empty() && label.back() != ' ')
                    label += ' ';
                ++at;
            } else {
                label += c;
            }
        }
        while (!label.empty() && label.back() == ' ')
            label.pop_back();
        if (label.empty())
            if (const std::string* name = node.attribute("aria-label"))
                return *name;
        return label;
    }

    void fill(MenuItem& item, const Node& a) const {
        if (const std::string* href = a.attribute("href")) {
            const std::string link = MenuItem::cleanLink(*href);
            item.link = link == "#" ? std::string() : SiteLinks::toRoot(m_pagePath, link);
        }
        if (const std::string* target = a.attribute("target");
            target && MenuItem::isTarget(*target))
            item.target = *target;
        if (const std::string* title = a.attribute("title"))
            item.tooltip = *title;
        if (item.label.empty())
            if (const std::string* title = a.attribute("title"))
                item.label = *title;
    }

    // Whether `item` can be kept, made to fit where it can and noted where
    // it cannot.
    bool keep(MenuItem& item, bool parent) {
        if (item.label.empty()) {
            if (!item.link.empty())
                m_notes.push_back("a link to " + item.link + " shows no text; left out");
            return false;
        }
        if (item.label.size() > MenuItem::kMaxLabel) {
            std::size_t cut = MenuItem::kMaxLabel;
            while (cut > 0 && (static_cast<unsigned char>(item.label[cut]) & 0xC0) == 0x80)
                --cut;
            item.label.resize(cut);
            m_notes.push_back("\"" + item.label + "\": label shortened to " +
                              std::to_string(MenuItem::kMaxLabel) + " bytes");
        }
        if (item.tooltip.size() > MenuItem::kMaxTooltip)
            item.tooltip.clear();
        if (item.link.empty() && !parent) {
            m_notes.push_back("\"" + item.label + "\": no link and no list; left out");
            return false;
        }
        if (!item.link.empty() && !MenuItem::linkProblem(item.link).empty()) {
            m_notes.push_back("\"" + item.label + "\": link " + firstLineQuoted(item.link, 60) +
                              " " + MenuItem::linkProblem(item.link) + "; left out");
            if (!parent)
                return false;
            item.link.clear();
        }
        // Whatever else the page's text holds (control characters, a label
        // of invisible characters) is no item of a menu.
        if (const std::string problem = item.problem(parent); !problem.empty()) {
            m_notes.push_back("\"" + firstLineQuoted(item.label, 60) + "\": " + problem +
                              "; left out");
            return false;
        }
        if (m_count >= MenuItem::kMaxItems) {
            m_notes.push_back("more than " + std::to_string(MenuItem::kMaxItems) +
                              " items; the rest left out");
            return false;
        }
        ++m_count;
        return true;
    }

    std::optional<MenuItem> readItem(const Node& li, int level) {
        MenuItem item;
        const Node* list = first(li, "list", false);
        if (const Node* a = first(li, "a", false)) {
            item.label = labelOf(*a);
            fill(item, *a);
        } else {
            item.label = labelOf(li);
        }
        if (list && level >= MenuItem::kMaxLevels) {
            m_notes.push_back("\"" + item.label +
                              "\": its list is below the third level; left out");
            list = nullptr;
        }
        if (!keep(item, list != nullptr))
            return std::nullopt;
        if (list)
            item.items = readList(*list, level + 1);
        if (item.items.empty() && item.link.empty()) {
            --m_count;
            m_notes.push_back("\"" + item.label + "\": no link and an empty list; left out");
            return std::nullopt;
        }
        return item;
    }

    std::string_view m_pagePath;
    std::vector<std::string>& m_notes;
    std::size_t m_count = 0;
};

} // namespace

NavReader::Result NavReader::read(std::string_view page, std::string_view id,
                                  std::string_view pagePath) {
    HtmlScanner scanner(page);
    HtmlScanner::Token token;
    do
        token = scanner.next();
    while (token.kind != HtmlScanner::Token::End && !isWanted(token, id));
    if (token.kind == HtmlScanner::Token::End)
        throw NavReadError(id.empty()
                               ? "the page has no <nav>"
                               : "the page has no element with the id \"" + std::string(id) + "\"");
    const std::unique_ptr<Node> nav = treeFrom(page, scanner, token);
    Result result;
    Reader reader(pagePath, result.notes);
    const Node* list = nav->isList() ? nav.get() : Reader::first(*nav, "list");
    result.items = list ? reader.readList(*list, 1) : reader.readLinks(*nav);
    if (result.items.empty())
        throw NavReadError("<" + nav->name + (id.empty() ? "" : " id=\"" + std::string(id) + "\"") +
                           "> holds no links a menu can take");
    return result;
}

} // namespace halvero
