#include "core/items/ItemsText.h"

#include "core/text/TextEncoding.h"

namespace halvero {

ItemsTextError::ItemsTextError(int line, const std::string& problem)
    : std::runtime_error("line " + std::to_string(line) + ": " + problem), m_line(line) {}

std::vector<ItemsText::Row> ItemsText::rows(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<Row> rows;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size() &&
            text[next] == '\n')
            ++next;
        text.remove_prefix(next);
        ++number;
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.starts_with('#'))
            continue;
        if (!isValidUtf8(line))
            throw ItemsTextError(number, "not UTF-8 text");
        // One ">" a level below the top, then the spaces before the label.
        const std::size_t marks = line.find_first_not_of('>');
        const int level =
            1 + static_cast<int>(marks == std::string_view::npos ? line.size() : marks);
        const int above = rows.empty() ? 0 : rows.back().level;
        if (level > MenuItem::kMaxLevels)
            throw ItemsTextError(number,
                                 "a menu has at most " + std::to_string(MenuItem::kMaxLevels) +
                                     " levels; this line is at level " + std::to_string(level));
        if (level > above + 1)
            throw ItemsTextError(number, rows.empty()
                                             ? "the first item cannot be in a sub-menu (starts "
                                               "with \">\"; write \"\\>\" for a label that does)"
                                             : "goes more than one level below the line before");
        line.remove_prefix(static_cast<std::size_t>(level - 1));
        if (level > 1)
            while (line.starts_with(' '))
                line.remove_prefix(1);
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            fields.emplace_back(line.substr(start, tab - start));
            if (tab == std::string_view::npos)
                break;
            start = tab + 1;
        }
        if (fields.size() < 2 || fields.size() > 4)
            throw ItemsTextError(number, "expected label<TAB>link[<TAB>tooltip[<TAB>target]], "
                                         "found " +
                                             std::to_string(fields.size()) + " field(s)");
        fields.resize(4);
        if (fields[0].starts_with("\\>"))
            fields[0].erase(0, 1);
        rows.push_back(
            {number, level, MenuItem{fields[0], fields[1], fields[2], fields[3], false, {}}});
        if (rows.size() > MenuItem::kMaxItems)
            throw ItemsTextError(number,
                                 "more than " + std::to_string(MenuItem::kMaxItems) + " items");
    }
    return rows;
}

std::vector<MenuItem> ItemsText::tree(std::vector<Row> rows) {
    std::vector<MenuItem> items;
    for (Row& row : rows) {
        // The list of the last item one level up, or the top.
        std::vector<MenuItem>* list = &items;
        for (int level = 1; level < row.level && !list->empty(); ++level)
            list = &list->back().items;
        list->push_back(std::move(row.item));
    }
    return items;
}

std::vector<MenuItem> ItemsText::parse(std::string_view text) {
    std::vector<Row> all = rows(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool parent = i + 1 < all.size() && all[i + 1].level > all[i].level;
        if (const std::string problem = all[i].item.problem(parent); !problem.empty())
            throw ItemsTextError(all[i].line, problem);
    }
    return tree(std::move(all));
}

} // namespace halvero
