#include "core/ItemsText.h"

#include "core/SettingsFile.h"
#include "core/TextEncoding.h"

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
        rows.push_back({number, MenuItem{fields[0], fields[1], fields[2], fields[3]}});
        if (rows.size() > SettingsFile::kMaxItems)
            throw ItemsTextError(number,
                                 "more than " + std::to_string(SettingsFile::kMaxItems) + " items");
    }
    return rows;
}

std::vector<MenuItem> ItemsText::parse(std::string_view text) {
    std::vector<MenuItem> items;
    for (Row& row : rows(text)) {
        if (const std::string problem = row.item.problem(); !problem.empty())
            throw ItemsTextError(row.line, problem);
        items.push_back(std::move(row.item));
    }
    return items;
}

} // namespace halvero
