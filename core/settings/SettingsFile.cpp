#include "core/settings/SettingsFile.h"

#include "core/settings/ValueRules.h"
#include "core/text/AtomicFile.h"
#include "core/text/FileReader.h"
#include "core/text/TextEncoding.h"

#include <nlohmann/json.hpp>

#include <algorithm>
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

// One JSON value of the file and the line it was read on (for an object or
// a list, the lines of its brackets): what the first pass makes, knowing
// nothing of menus. Objects keep their keys in order, a key given twice
// twice. Lists and objects deeper than a menu goes are kept without their
// contents, which cannot matter, so that deep nesting costs neither stack
// nor memory.
struct Member;
struct Value {
    enum Kind { Null, Boolean, Whole, Number, Text, Object, List, Binary } kind = Null;
    int line = 0, endLine = 0;
    bool boolean = false;
    long long whole = 0;
    std::string text;
    std::vector<Member> members;
    std::vector<Value> elements;

    // What it is, for "expected text, found a number".
    std::string_view found() const {
        switch (kind) {
        case Null:
            return "nothing (null)";
        case Boolean:
            return "true or false";
        case Whole:
        case Number:
            return "a number";
        case Text:
            return "text";
        case Object:
            return "an object";
        case List:
            return "a list";
        default:
            return "binary data";
        }
    }
};

// One key of an object and its value.
struct Member {
    std::string key;
    Value value;
};

// The first pass: the file's JSON as Values with their lines.
class Recorder : public nlohmann::json_sax<Json> {
public:
    // The top object, its lists of items and their items, three levels.
    static constexpr std::size_t kDeepest = 10;

    explicit Recorder(std::string_view text) : m_text(text), m_progress{text.data()} {}
    ReadProgress* progress() { return &m_progress; }
    Value& top() { return m_top; }

    bool null() override {
        add(Value::Null);
        return true;
    }
    bool boolean(bool value) override {
        if (Value* added = add(Value::Boolean))
            added->boolean = value;
        return true;
    }
    bool number_integer(number_integer_t number) override {
        if (Value* added = add(Value::Whole))
            added->whole = number;
        return true;
    }
    bool number_unsigned(number_unsigned_t number) override {
        return number_integer(number > 1000000 ? 1000000 : static_cast<long long>(number));
    }
    bool number_float(number_float_t, const string_t&) override {
        add(Value::Number);
        return true;
    }
    bool binary(binary_t&) override {
        add(Value::Binary);
        return true;
    }
    bool string(string_t& text) override {
        if (Value* added = add(Value::Text))
            added->text = std::move(text);
        return true;
    }
    bool key(string_t& key) override {
        if (m_skipped == 0)
            m_key = std::move(key);
        return true;
    }
    bool start_object(std::size_t) override { return open(Value::Object); }
    bool start_array(std::size_t) override { return open(Value::List); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& error) override {
        std::string what = error.what();
        // "[json.exception.parse_error.101] parse error at line 3, column 5: ..."
        if (const auto colon = what.find(": "); colon != std::string::npos)
            what = what.substr(colon + 2);
        throw SettingsFileError(lineAt(m_text, position), "", "not valid JSON: " + what);
    }

private:
    // The new value in the object or list open, or at the top.
    Value* add(Value::Kind kind) {
        if (m_skipped > 0)
            return nullptr;
        Value* value = &m_top;
        // Whatever follows, a file that is no object is no menu.
        if (m_open.empty() && kind != Value::Object)
            throw SettingsFileError(m_progress.line(), "",
                                    "not a Halvero menu: the file holds no JSON object");
        if (!m_open.empty() && m_open.back()->kind == Value::Object)
            value = &m_open.back()->members.emplace_back(Member{std::move(m_key), Value()}).value;
        else if (!m_open.empty())
            value = &m_open.back()->elements.emplace_back();
        value->kind = kind;
        value->line = m_progress.line();
        return value;
    }
    bool open(Value::Kind kind) {
        if (m_skipped > 0 || m_open.size() >= kDeepest) {
            if (m_skipped++ == 0)
                add(kind);
            return true;
        }
        m_open.push_back(add(kind));
        return true;
    }
    bool close() {
        if (m_skipped > 0) {
            --m_skipped;
        } else if (!m_open.empty()) {
            m_open.back()->endLine = m_progress.line();
            m_open.pop_back();
        }
        return true;
    }

    std::string_view m_text;
    ReadProgress m_progress;
    Value m_top;
    std::vector<Value*> m_open;
    std::string m_key;
    int m_skipped = 0; // containers open below kDeepest
};

// The second pass: the menu read from the Values over the table of
// settings. A key it does not know is listed and its value left alone; the
// first value of a known key that cannot be its value is kept for the end,
// so that a newer version's file is refused for its version rather than
// for a value this version does not know.
class MenuReader {
public:
    explicit MenuReader(SettingsFile::Contents& contents) : m_contents(contents) {}

    void read(const Value& top) {
        for (const auto& [key, value] : top.members) {
            if (key == "format") {
                if (value.kind == Value::Text) {
                    m_format = value.text;
                    m_formatLine = value.line;
                } else {
                    expected(value, key, "text");
                }
            } else if (key == "version") {
                if (value.kind == Value::Whole) {
                    m_version = value.whole;
                    m_versionLine = value.line;
                } else {
                    expected(value, key, "a whole number");
                }
            } else if (key == "items") {
                if (value.kind == Value::List)
                    readItems(value, m_contents.items, "");
                else
                    expected(value, key, "a list");
            } else if (key == "languages") {
                if (value.kind == Value::List)
                    readLanguages(value);
                else
                    expected(value, key, "a list");
            } else if (key == "page" || groupNamed(key)) {
                if (value.kind != Value::Object)
                    expected(value, key, "an object");
                else if (key == "page")
                    readPage(value);
                else
                    readColumn(*groupNamed(key), value);
            } else {
                m_contents.unknownKeys.push_back(key);
            }
        }
        checkTranslations();
        finish();
    }

private:
    void readColumn(SettingGroup group, const Value& column) {
        for (const auto& [key, value] : column.members) {
            const Setting* entry = SettingTable::find(group, key);
            if (!entry) {
                m_contents.unknownKeys.push_back(keyOf(group, key));
            } else if (value.kind != Value::Text) {
                expected(value, SettingTable::nameOf(*entry), "text");
            } else {
                if (const std::string problem = ValueRules::problem(*entry, value.text);
                    !problem.empty())
                    note(value.line, SettingTable::nameOf(*entry), "the value " + problem);
                m_contents.values[static_cast<std::size_t>(entry->index)] = value.text;
            }
        }
    }

    void readPage(const Value& page) {
        for (const auto& [key, value] : page.members) {
            const std::string name = "page." + key;
            const Setting* setting = PageLook::find(key);
            if (!setting && key != "style" && key != "siteFolder") {
                m_contents.unknownKeys.push_back(name);
            } else if (value.kind != Value::Text) {
                expected(value, name, "text");
            } else if (key == "siteFolder") {
                if (hasControlCharacter(value.text))
                    note(value.line, name, "holds a control character");
                m_contents.siteFolder = value.text;
            } else if (key == "style") {
                if (value.text == "classic" || value.text == "modern")
                    m_contents.pageStyle = value.text == "modern"
                                               ? MenuSettings::PageStyle::Modern
                                               : MenuSettings::PageStyle::Classic;
                else
                    note(value.line, name, "expected \"classic\" or \"modern\"");
            } else {
                const PageLook::Key look = PageLook::keyOf(*setting);
                if (const std::string problem = PageLook::problem(look, value.text);
                    !problem.empty())
                    note(value.line, name, "the value " + problem);
                m_contents.look.set(look, value.text);
            }
        }
    }

    // The site's languages: each an object of three texts.
    void readLanguages(const Value& list) {
        for (const Value& entry : list.elements) {
            const std::string name =
                "languages[" + std::to_string(m_contents.languages.size() + 1) + "]";
            if (entry.kind != Value::Object) {
                expected(entry, name, "an object");
                continue;
            }
            SiteLanguage language;
            for (const auto& [key, value] : entry.members) {
                std::string* field = key == "tag"      ? &language.tag
                                     : key == "name"   ? &language.name
                                     : key == "folder" ? &language.folder
                                                       : nullptr;
                if (!field)
                    m_contents.unknownKeys.push_back(name + "." + key);
                else if (value.kind != Value::Text)
                    expected(value, name + "." + key, "text");
                else
                    *field = value.text;
            }
            m_contents.languages.push_back(std::move(language));
        }
        if (const std::string problem = SiteLanguage::listProblem(m_contents.languages);
            !problem.empty())
            note(list.line, "languages", problem);
    }

    // The items of `list` into `items`; `parent` numbers the item holding
    // them ("2.1", or "" at the top).
    void readItems(const Value& list, std::vector<MenuItem>& items, const std::string& parent) {
        const std::string listName = parent.empty() ? "items" : nameOf(parent) + ".items";
        const auto level = static_cast<int>(std::count(parent.begin(), parent.end(), '.')) +
                           (parent.empty() ? 1 : 2);
        for (const Value& value : list.elements) {
            const std::string number =
                (parent.empty() ? "" : parent + ".") + std::to_string(items.size() + 1);
            if (value.kind != Value::Object) {
                expected(value, listName, "an object");
            } else if (level > MenuItem::kMaxLevels) {
                note(value.line, nameOf(number),
                     "a menu has at most " + std::to_string(MenuItem::kMaxLevels) + " levels");
            } else {
                items.push_back(readItem(value, number));
            }
        }
    }

    MenuItem readItem(const Value& object, const std::string& number) {
        MenuItem item;
        std::map<std::string, int, std::less<>> lines; // of its fields
        int currentOrder = 0;                          // 1 for the first item marked current, ...
        for (const auto& [key, value] : object.members) {
            const std::string name = nameOf(number) + "." + key;
            if (key == "items") {
                if (value.kind == Value::List)
                    readItems(value, item.items, number);
                else
                    expected(value, name, "a list");
            } else if (key == "current") {
                if (value.kind != Value::Boolean) {
                    expected(value, name, "true or false");
                    continue;
                }
                item.current = value.boolean;
                currentOrder = value.boolean ? ++m_currentsSeen : 0;
                lines[key] = value.line;
            } else if (key == "label" || key == "link" || key == "tooltip" || key == "target") {
                if (value.kind != Value::Text) {
                    expected(value, name, "text");
                    continue;
                }
                (key == "label"     ? item.label
                 : key == "link"    ? item.link
                 : key == "tooltip" ? item.tooltip
                                    : item.target) = value.text;
                lines[key] = value.line;
            } else if (key == "labels" || key == "links") {
                // Each language's own, by its tag.
                if (value.kind != Value::Object) {
                    expected(value, name, "an object");
                    continue;
                }
                auto& translated = key == "labels" ? item.labels : item.links;
                for (const auto& [tag, text] : value.members) {
                    if (text.kind != Value::Text)
                        expected(text, name + "." + tag, "text");
                    else
                        translated[tag] = text.text;
                    m_translations.push_back({tag, text.line, name + "." + tag});
                }
                lines[key] = value.line;
            } else {
                m_contents.unknownKeys.push_back(name);
            }
        }
        // A whole item read (its sub-menu before it): one the page cannot
        // take refuses the file, on the line of the field at fault.
        const int end = object.endLine;
        if (++m_itemCount > MenuItem::kMaxItems)
            note(end, "items", "more than " + std::to_string(MenuItem::kMaxItems) + " items");
        if (currentOrder > 1)
            note(lines.count("current") ? lines.at("current") : end,
                 MenuItem::describe(number, item),
                 "current: another item is already the current page; a page has one");
        if (const std::string problem = item.problem(); !problem.empty()) {
            const auto at = lines.find(problem.substr(0, problem.find(':')));
            note(at == lines.end() ? end : at->second, MenuItem::describe(number, item), problem);
        }
        return item;
    }

    // "items[2].items[1]" for item 2.1, as messages name its place.
    static std::string nameOf(const std::string& number) {
        std::string name = "items[";
        for (char c : number)
            name += c == '.' ? std::string("].items[") : std::string(1, c);
        return name + "]";
    }

    void expected(const Value& value, const std::string& key, std::string_view what) {
        note(value.line, key,
             "expected " + std::string(what) + ", found " + std::string(value.found()));
    }

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

    void note(int line, const std::string& key, const std::string& problem) {
        if (!m_firstError)
            m_firstError = SettingsFileError(line, key, problem);
    }
    [[noreturn]] static void fail(int line, const std::string& key, const std::string& problem) {
        throw SettingsFileError(line, key, problem);
    }

    SettingsFile::Contents& m_contents;
    std::size_t m_itemCount = 0;
    int m_currentsSeen = 0;
    std::optional<std::string> m_format;
    // Every label and link given for a language, to be matched with the
    // languages once all is read.
    struct Translation {
        std::string tag;
        int line;
        std::string name;
    };
    void checkTranslations() {
        for (const Translation& translation : m_translations) {
            const bool known =
                std::any_of(m_contents.languages.begin() + (m_contents.languages.empty() ? 0 : 1),
                            m_contents.languages.end(), [&](const SiteLanguage& language) {
                                return language.tag == translation.tag;
                            });
            if (!known)
                note(translation.line, translation.name,
                     "no language of the site but the first has the tag " + translation.tag);
        }
    }

    std::optional<long long> m_version;
    int m_formatLine = 0, m_versionLine = 0;
    std::vector<Translation> m_translations;
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
        if (!item.labels.empty())
            entry["labels"] = item.labels;
        if (!item.links.empty())
            entry["links"] = item.links;
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
    const bool sameFont =
        settings.value(SettingTable::kHover.fontName) == SettingTable::kSameAsNormal ||
        settings.value(SettingTable::kHover.fontSize) == SettingTable::kSameAsNormal;
    bool translated = false;
    MenuItem::visit(items, [&translated](const MenuItem& item, int, const std::string&) {
        translated = translated || !item.labels.empty() || !item.links.empty();
    });
    file["version"] = !settings.languages().empty() || translated ? 6
                      : sameFont                                  ? 5
                      : needsVersion4(settings)                   ? 4
                      : items.empty()                             ? 1
                      : MenuItem::hasSubMenus(items)              ? 3
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
    if (!settings.languages().empty()) {
        Json& languages = file["languages"] = Json::array();
        for (const SiteLanguage& language : settings.languages())
            languages.push_back(
                {{"tag", language.tag}, {"name", language.name}, {"folder", language.folder}});
    }
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
    Recorder recorder(text);
    const TrackedIterator first(text.data(), recorder.progress());
    const TrackedIterator last(text.data() + text.size(), recorder.progress());
    Json::sax_parse(first, last, &recorder);
    MenuReader(contents).read(recorder.top());
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
