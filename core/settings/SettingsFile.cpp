#include "core/settings/SettingsFile.h"

#include "core/settings/ValueRules.h"
#include "core/text/AtomicFile.h"
#include "core/text/FileReader.h"
#include "core/text/TextEncoding.h"

#include <nlohmann/json.hpp>

#include <iterator>
#include <map>
#include <optional>

namespace halvero {

namespace {

using Json = nlohmann::ordered_json;

std::string keyOf(SettingGroup group, std::string_view key) {
    if (const Setting* entry = SettingTable::find(group, key))
        return SettingTable::nameOf(*entry);
    return std::string(SettingTable::groupKey(group)) + "." + std::string(key);
}

std::optional<SettingGroup> groupNamed(std::string_view name) {
    for (SettingGroup group : {SettingGroup::Menu, SettingGroup::Normal, SettingGroup::Hover})
        if (SettingTable::groupKey(group) == name)
            return group;
    return std::nullopt;
}

int lineAt(std::string_view text, std::size_t position) {
    position = std::min(position, text.size());
    int line = 1;
    for (std::size_t i = 0; i < position; ++i)
        line += text[i] == '\n';
    return line;
}

// How far the parser has read, and how many lines it has passed, so that
// a value the handler refuses is placed on its line without counting the
// text again (a file of many short lines would take quadratic time).
struct ReadProgress {
    const char* furthest;
    int newlines = 0;         // in the text read so far
    bool lastNewline = false; // whether the last character read is one
    // The line of the last character read: a number is known to end only
    // when the character after it is read, and that may be its line's end.
    int line() const { return 1 + newlines - (lastNewline ? 1 : 0); }
};

// A character iterator that keeps the parser's ReadProgress.
class TrackedIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackedIterator(const char* at, ReadProgress* progress) : m_at(at), m_progress(progress) {}
    reference operator*() const { return *m_at; }
    TrackedIterator& operator++() {
        const bool newline = *m_at == '\n';
        ++m_at;
        if (m_at > m_progress->furthest) {
            m_progress->furthest = m_at;
            m_progress->newlines += newline;
            m_progress->lastNewline = newline;
        }
        return *this;
    }
    bool operator==(const TrackedIterator& other) const { return m_at == other.m_at; }
    bool operator!=(const TrackedIterator& other) const { return m_at != other.m_at; }

private:
    const char* m_at;
    ReadProgress* m_progress;
};

// Reads the events of the file's JSON: the format and version at the top,
// the three columns below it, and text values in them. Anything unknown is
// noted and skipped whole; the first value of a known key that has the
// wrong type is kept for the end, so that a newer version's file is refused
// for its version rather than for a value this version does not know.
class Reader : public nlohmann::json_sax<Json> {
public:
    Reader(std::string_view text, SettingsFile::Contents& contents)
        : m_text(text), m_progress{text.data()}, m_contents(contents) {}

    ReadProgress* progress() { return &m_progress; }

    void finish() const {
        if (!m_format)
            fail(0, "", "not a Halvero menu: it has no \"format\"");
        if (*m_format != SettingsFile::kFormat)
            fail(m_formatLine, "format",
                 "not a Halvero menu: the format is \"" + firstLineQuoted(*m_format, 40) +
                     "\", not \"" + std::string(SettingsFile::kFormat) + "\"");
        if (!m_version && m_firstError && m_firstError->key() == "version")
            throw *m_firstError;
        if (!m_version)
            fail(0, "version", "the format's version is missing");
        if (*m_version > SettingsFile::kVersion)
            fail(m_versionLine, "version",
                 "made by a newer Halvero (format version " + std::to_string(*m_version) +
                     "); this one reads version " + std::to_string(SettingsFile::kVersion));
        if (m_firstError)
            throw *m_firstError;
    }

    bool null() override { return skipping() || refuse("nothing (null)"); }
    bool boolean(bool value) override {
        if (skipping())
            return true;
        if (inItem() && m_key == "current") {
            m_open.back().current = value;
            m_currentOrder.back() = value ? ++m_currentsSeen : 0;
            m_fieldLines.back()[m_key] = line();
            return true;
        }
        return refuse("true or false");
    }
    bool number_integer(number_integer_t number) override { return skipping() || whole(number); }
    bool number_unsigned(number_unsigned_t number) override {
        return skipping() || whole(number > 1000000 ? 1000000 : static_cast<long long>(number));
    }
    bool number_float(number_float_t, const string_t&) override {
        return skipping() || refuse("a number");
    }
    bool binary(binary_t&) override { return skipping() || refuse("binary data"); }

    bool string(string_t& text) override {
        if (skipping())
            return true;
        if (m_depth == 1 && m_key == "format") {
            m_format = text;
            m_formatLine = line();
            return true;
        }
        if (m_inPage && m_key == "siteFolder") {
            if (hasControlCharacter(text))
                note(line(), currentKey(), "holds a control character");
            m_contents.siteFolder = std::move(text);
            return true;
        }
        if (m_inPage && m_key != "style") {
            const Setting* setting = PageLook::find(m_key);
            if (const std::string problem = PageLook::problem(PageLook::keyOf(*setting), text);
                !problem.empty())
                note(line(), currentKey(), "the value " + problem);
            m_contents.look.set(PageLook::keyOf(*setting), std::move(text));
            return true;
        }
        if (m_inPage) {
            if (text == "classic" || text == "modern")
                m_contents.pageStyle = text == "modern" ? MenuSettings::PageStyle::Modern
                                                        : MenuSettings::PageStyle::Classic;
            else
                note(line(), currentKey(), "expected \"classic\" or \"modern\"");
            return true;
        }
        if (inItem() && m_key != "current" && m_key != "items") {
            itemField(m_key) = std::move(text);
            m_fieldLines.back()[m_key] = line();
            return true;
        }
        if (const Setting* entry = knownEntry()) {
            if (const std::string problem = ValueRules::problem(*entry, text); !problem.empty())
                note(line(), currentKey(), "the value " + problem);
            m_contents.values[static_cast<std::size_t>(entry->index)] = std::move(text);
            return true;
        }
        return refuse("text");
    }

    bool start_object(std::size_t) override { return open(true); }
    bool start_array(std::size_t) override { return open(false); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t& key) override {
        if (skipping())
            return true;
        m_key = key;
        const bool known =
            m_depth == 1 ? (key == "format" || key == "version" || key == "items" ||
                            key == "page" || groupNamed(key))
            : inItem()   ? isItemField(key)
            : m_inPage   ? key == "style" || key == "siteFolder" || PageLook::find(key) != nullptr
                         : SettingTable::find(m_group, key) != nullptr;
        if (!known) // its value is skipped
            m_contents.unknownKeys.push_back(m_depth == 1 ? key
                                             : inItem()   ? itemName() + "." + key
                                             : m_inPage   ? "page." + key
                                                          : keyOf(m_group, key));
        m_skipNext = !known;
        return true;
    }

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& error) override {
        std::string what = error.what();
        // "[json.exception.parse_error.101] parse error at line 3, column 5: ..."
        if (const auto colon = what.find(": "); colon != std::string::npos)
            what = what.substr(colon + 2);
        fail(lineAt(m_text, position), "", "not valid JSON: " + what);
        return false;
    }

private:
    int line() const { return m_progress.line(); }
    bool skipping() {
        if (m_skipDepth > 0)
            return true;
        if (m_skipNext) {
            m_skipNext = false;
            return true;
        }
        return false;
    }
    std::string currentKey() const {
        return m_depth == 1 ? m_key
               : inItem()   ? itemName() + "." + m_key
               : m_inItems  ? (m_open.empty() ? "items" : itemName() + ".items")
               : m_inPage   ? "page." + m_key
                            : keyOf(m_group, m_key);
    }
    // Whether the parser is in an item's object, or in a list of items
    // (the top one, or an item's sub-menu).
    bool inItem() const {
        return !m_open.empty() && m_depth == 1 + 2 * static_cast<int>(m_open.size());
    }
    bool inItemList() const {
        return m_inItems && m_depth == 2 + 2 * static_cast<int>(m_open.size());
    }
    // "items[2]", or "items[2].items[1]" in a sub-menu, counting from 1 as
    // the window and messages do.
    std::string itemName() const {
        std::string name;
        for (std::size_t i = 0; i < m_path.size(); ++i)
            name += (i ? ".items[" : "items[") + std::to_string(m_path[i]) + "]";
        return name;
    }
    // "2.1", as messages number items.
    std::string itemNumber() const {
        std::string number;
        for (std::size_t i = 0; i < m_path.size(); ++i)
            number += (i ? "." : "") + std::to_string(m_path[i]);
        return number;
    }
    static bool isItemField(std::string_view key) {
        return key == "label" || key == "link" || key == "tooltip" || key == "target" ||
               key == "current" || key == "items";
    }
    std::string& itemField(std::string_view key) {
        MenuItem& item = m_open.back();
        return key == "label"     ? item.label
               : key == "link"    ? item.link
               : key == "tooltip" ? item.tooltip
                                  : item.target;
    }
    // A whole item read: one the page cannot take refuses the file, on the
    // line of the field at fault.
    void checkItem() {
        const std::string number = itemNumber();
        const MenuItem& item = m_open.back();
        const auto& fieldLines = m_fieldLines.back();
        if (++m_itemCount > MenuItem::kMaxItems)
            note(line(), "items", "more than " + std::to_string(MenuItem::kMaxItems) + " items");
        // A sub-menu is read before its parent ends: the item marked later
        // in the file is the one at fault.
        if (m_currentOrder.back() > 1)
            note(fieldLines.count("current") ? fieldLines.at("current") : line(),
                 MenuItem::describe(number, item),
                 "current: another item is already the current page; a page has one");
        const std::string problem = item.problem();
        if (problem.empty())
            return;
        const std::string field = problem.substr(0, problem.find(':'));
        const auto at = fieldLines.find(field);
        note(at == fieldLines.end() ? line() : at->second, MenuItem::describe(number, item),
             problem);
    }
    const Setting* knownEntry() const {
        return m_depth == 2 && !m_inPage && !m_inItems ? SettingTable::find(m_group, m_key)
                                                       : nullptr;
    }

    // A value of the wrong type for a known key: noted, and parsing goes on.
    bool refuse(const std::string& found) {
        if (m_depth == 0)
            fail(line(), "", "not a Halvero menu: the file holds no JSON object");
        const std::string expected = m_depth == 1 && m_key == "format"    ? "text"
                                     : m_depth == 1 && m_key == "version" ? "a whole number"
                                     : m_depth == 1 && m_key == "items"   ? "a list"
                                     : m_inPage && m_depth == 2           ? "text"
                                     : m_depth == 1                       ? "an object"
                                     : inItemList()                       ? "an object"
                                     : inItem() && m_key == "current"     ? "true or false"
                                     : inItem() && m_key == "items"       ? "a list"
                                                                          : "text";
        note(line(), currentKey(), "expected " + expected + ", found " + found);
        return true;
    }
    bool whole(long long number) {
        if (m_depth == 1 && m_key == "version") {
            m_version = number;
            m_versionLine = line();
            return true;
        }
        return refuse("a number");
    }

    bool open(bool object) {
        if (m_skipDepth > 0 || m_skipNext) {
            m_skipNext = false;
            ++m_skipDepth;
            return true;
        }
        if (m_depth == 0 && object) {
            m_depth = 1;
            return true;
        }
        if (m_depth == 1 && object && groupNamed(m_key)) {
            m_group = *groupNamed(m_key);
            m_depth = 2;
            return true;
        }
        if (m_depth == 1 && object && m_key == "page") {
            m_inPage = true;
            m_depth = 2;
            return true;
        }
        if (m_depth == 1 && !object && m_key == "items") {
            m_inItems = true;
            m_depth = 2;
            return true;
        }
        if (inItemList() && object) {
            std::vector<MenuItem>& list = m_open.empty() ? m_contents.items : m_open.back().items;
            m_path.push_back(list.size() + 1);
            if (m_open.size() >= static_cast<std::size_t>(MenuItem::kMaxLevels)) {
                note(line(), itemName(),
                     "a menu has at most " + std::to_string(MenuItem::kMaxLevels) + " levels");
                m_path.pop_back();
                ++m_skipDepth;
                return true;
            }
            m_open.emplace_back();
            m_fieldLines.emplace_back();
            m_currentOrder.push_back(0);
            ++m_depth;
            return true;
        }
        if (inItem() && !object && m_key == "items") {
            ++m_depth;
            return true;
        }
        refuse(object ? "an object" : "a list");
        ++m_skipDepth;
        return true;
    }
    bool close() {
        if (m_skipDepth > 0) {
            --m_skipDepth;
            return true;
        }
        if (inItem()) {
            checkItem();
            MenuItem item = std::move(m_open.back());
            m_open.pop_back();
            m_fieldLines.pop_back();
            m_currentOrder.pop_back();
            m_path.pop_back();
            (m_open.empty() ? m_contents.items : m_open.back().items).push_back(std::move(item));
        }
        if (m_depth == 2) {
            m_inItems = false;
            m_inPage = false;
        }
        --m_depth;
        return true;
    }

    void note(int line, const std::string& key, const std::string& problem) {
        if (!m_firstError)
            m_firstError = SettingsFileError(line, key, problem);
    }
    [[noreturn]] static void fail(int line, const std::string& key, const std::string& problem) {
        throw SettingsFileError(line, key, problem);
    }

    std::string_view m_text;
    ReadProgress m_progress;
    SettingsFile::Contents& m_contents;
    // 1: the top object; 2: a column, or the list of items; 3: an item;
    // 4: its sub-menu's list; 5: an item of that; ...
    int m_depth = 0;
    bool m_inItems = false;
    bool m_inPage = false;
    // The items being read, from the top down, each with the lines of its
    // fields and its number in its list.
    std::vector<MenuItem> m_open;
    std::vector<std::map<std::string, int, std::less<>>> m_fieldLines;
    std::vector<std::size_t> m_path;
    std::size_t m_itemCount = 0;
    std::vector<int> m_currentOrder; // 0, or 1 for the first item marked current, ...
    int m_currentsSeen = 0;
    SettingGroup m_group = SettingGroup::Menu;
    std::string m_key;
    bool m_skipNext = false;
    int m_skipDepth = 0;
    std::optional<std::string> m_format;
    std::optional<long long> m_version;
    int m_formatLine = 0, m_versionLine = 0;
    std::optional<SettingsFileError> m_firstError;
};

Json itemList(const std::vector<MenuItem>& items) {
    Json list = Json::array();
    for (const MenuItem& item : items) {
        Json entry = {{"label", item.label}, {"link", item.link}};
        if (!item.tooltip.empty())
            entry["tooltip"] = item.tooltip;
        if (!item.target.empty())
            entry["target"] = item.target;
        if (item.current)
            entry["current"] = true;
        if (!item.items.empty())
            entry["items"] = itemList(item.items);
        list.push_back(std::move(entry));
    }
    return list;
}

// Whether a value of `settings` is one that versions before 4 refuse: a
// border of width 0 or type None, or a font other than the two they offered.
bool needsVersion4(const MenuSettings& settings) {
    for (const ItemEntries& look : {SettingTable::kNormal, SettingTable::kHover}) {
        const std::string& font = settings.value(look.fontName);
        if (font != "Verdana" && font != "Tahoma")
            return true;
        for (const BorderEntries& border : {look.left, look.top, look.right, look.bottom})
            if (settings.value(border.width) == "0" || settings.value(border.type) == "None")
                return true;
    }
    return false;
}

std::string message(int line, const std::string& key, const std::string& problem) {
    std::string text;
    if (line > 0)
        text += "line " + std::to_string(line) + ": ";
    if (!key.empty())
        text += key + ": ";
    return text + problem;
}

} // namespace

// What a message quotes of the file stays short: one line, a few hundred
// characters, whatever the file holds.
SettingsFileError::SettingsFileError(int line, std::string key, const std::string& problem)
    : std::runtime_error(message(line, firstLineQuoted(key, 100), firstLineQuoted(problem, 300))),
      m_line(line), m_key(firstLineQuoted(key, 100)), m_problem(firstLineQuoted(problem, 300)) {}

std::string SettingsFileError::describe(const std::string& file) const {
    std::string text = file + ":";
    if (m_line > 0)
        text += std::to_string(m_line) + ":";
    text += " ";
    if (!m_key.empty())
        text += m_key + ": ";
    return text + m_problem;
}

std::string SettingsFile::compose(const MenuSettings& settings) {
    Json file;
    const std::vector<MenuItem>& items = settings.menuItems();
    file["format"] = kFormat;
    // A file keeps the oldest version that holds it, so that every Halvero
    // able to show the menu reads it: 1 without items, 2 without sub-menus.
    file["version"] = needsVersion4(settings)        ? kVersion
                      : items.empty()                ? 1
                      : MenuItem::hasSubMenus(items) ? 3
                                                     : 2;
    for (SettingGroup group : {SettingGroup::Menu, SettingGroup::Normal, SettingGroup::Hover}) {
        Json& column = file[std::string(SettingTable::groupKey(group))];
        column = Json::object();
        for (const Setting& entry : SettingTable::entries())
            if (entry.group == group)
                column[std::string(entry.key)] =
                    entry.index == SettingTable::kItemCount && !items.empty()
                        ? MenuSettings::itemCountFor(items.size())
                        : settings.value(entry.index);
    }
    if (settings.pageStyle() == MenuSettings::PageStyle::Modern)
        file["page"]["style"] = "modern";
    if (!settings.siteFolder().empty())
        file["page"]["siteFolder"] = settings.siteFolder();
    for (const Setting& setting : SettingTable::page())
        if (const std::string& value = settings.value(setting); value != setting.defaultValue)
            file["page"][std::string(setting.key)] = value;
    if (!items.empty())
        file["items"] = itemList(items);
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::vector<std::string> SettingsFile::Contents::unknownKeysShown() const {
    constexpr std::size_t kShown = 8;
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < unknownKeys.size() && i < kShown; ++i)
        keys.push_back(firstLineQuoted(unknownKeys[i], 40));
    return keys;
}

SettingsFile::Contents SettingsFile::parse(std::string_view text) {
    const std::string valid = toValidUtf8(text);
    if (valid != text) {
        std::size_t bad = 0;
        while (bad < text.size() && bad < valid.size() && text[bad] == valid[bad])
            ++bad;
        throw SettingsFileError(lineAt(text, bad), "", "not UTF-8 text");
    }
    Contents contents;
    for (const Setting& entry : SettingTable::entries())
        contents.values[static_cast<std::size_t>(entry.index)] = std::string(entry.defaultValue);
    Reader reader(text, contents);
    const TrackedIterator first(text.data(), reader.progress());
    const TrackedIterator last(text.data() + text.size(), reader.progress());
    Json::sax_parse(first, last, &reader);
    reader.finish();
    std::string& count = contents.values[SettingTable::kItemCount];
    if (!contents.items.empty() && count != MenuSettings::itemCountFor(contents.items.size())) {
        contents.itemCountGiven = count;
        count = MenuSettings::itemCountFor(contents.items.size());
    }
    return contents;
}

SettingsFile::Contents SettingsFile::read(const std::string& path) {
    std::string text;
    try {
        text = FileReader::read(path, static_cast<std::size_t>(kMaxBytes),
                                "a Halvero menu is a few KB");
    } catch (const FileReadError& error) {
        throw SettingsFileError(0, "", error.what());
    }
    return parse(text);
}

void SettingsFile::write(const std::string& path, const MenuSettings& settings) {
    AtomicFile::write(path, compose(settings));
}

} // namespace halvero
