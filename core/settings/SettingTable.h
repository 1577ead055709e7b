#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// How the user may enter an entry's value.
enum class InputKind {
    List,       // one of the offered items; nothing can be typed
    Text,       // anything can be typed; the items are suggestions
    ColorTyped, // a colour text, typed or set by the colour button
};

// Where a setting belongs: the window's three columns (the menu as a
// whole, the normal item, the hovered item) or the modern page's own look.
enum class SettingGroup { Menu, Normal, Hover, Page };

// Where one border's three entries sit.
struct BorderEntries {
    int width, type, color;
};

// The entries that describe one menu item. The normal and the hovered item
// hold the same fields in the same order, so kHover.x describes for the
// hovered item what kNormal.x describes for the normal one.
struct ItemEntries {
    int fontName, fontSize, fontColor, underline, backColor;
    BorderEntries left, top, right, bottom;

    static constexpr int kFieldCount = 17;
    static constexpr ItemEntries startingAt(int first) {
        return {first,
                first + 1,
                first + 2,
                first + 3,
                first + 4,
                {first + 5, first + 6, first + 7},
                {first + 8, first + 9, first + 10},
                {first + 11, first + 12, first + 13},
                {first + 14, first + 15, first + 16}};
    }
    constexpr int first() const { return fontName; }
};

// One setting: its address (an entry's in the record, a page setting's in
// PageLook), where it belongs, its key (unique within the group, stable:
// settings files and --set use it), its caption, how it is entered, the
// items it offers or the only values it takes, its default, what it may
// hold in words (for --help, the docs and messages; empty for a list,
// whose items say it) and the settings file's version that brought it.
struct Setting {
    int index;
    SettingGroup group;
    std::string_view key;
    std::string_view caption;
    InputKind kind;
    int numbersUpTo; // offers `texts`, then "1" (or numbersFrom) to "N"; 0: `texts` alone
    std::span<const std::string_view> texts;
    std::string_view defaultValue;
    std::string_view hint = {};
    int numbersFrom = 1;
    int sinceVersion = 1;

    constexpr bool isColor() const { return kind == InputKind::ColorTyped; }
    constexpr bool isEditable() const { return kind != InputKind::List; }
    std::vector<std::string> offeredItems() const;
    // The hint, or for a list its items: "1 to 20", "No or Yes".
    std::string valuesInWords() const;
};

// The one table of every setting: the 42 entries of the window, in the
// order of their addresses, then the modern page's own look, in the order
// of PageLook's keys. The record, the main window's boxes, the Page Style
// dialog, the page writers, the settings file, --set and --help all read
// it. The named addresses below are the only entry numbers the program
// uses; the table checks them at compile time.
class SettingTable {
public:
    static constexpr int kEntryCount = 42;
    static constexpr int kPageCount = 35;

    static constexpr int kItemCount = 0;
    static constexpr int kDirection = 1;
    static constexpr int kDistance = 2;
    static constexpr int kItemWidth = 3;
    static constexpr int kItemHeight = 4;
    static constexpr int kStatusUrl = 5;
    static constexpr int kStatusMessage = 6;
    static constexpr ItemEntries kNormal = ItemEntries::startingAt(7);
    static constexpr ItemEntries kHover = ItemEntries::startingAt(24);
    static constexpr int kTarget = 41;

    // What the hovered item's font name and size may hold to take the
    // normal item's.
    static constexpr std::string_view kSameAsNormal = "Same as normal";

    // Every setting: the entries, then the page's.
    static std::span<const Setting, kEntryCount + kPageCount> all();
    // The window's entries, indexed by address.
    static std::span<const Setting, kEntryCount> entries();
    // The modern page's own settings, indexed by PageLook's keys.
    static std::span<const Setting, kPageCount> page();
    // The entry at `index`; throws std::out_of_range outside 0..kEntryCount-1.
    static const Setting& at(int index);
    // The setting of `group` with `key`, or nullptr.
    static const Setting* find(SettingGroup group, std::string_view key);
    // The setting named "group.key" ("normal.fontSize", "page.align"), or
    // nullptr.
    static const Setting* findByName(std::string_view name);
    // "group.key" of a setting.
    static std::string nameOf(const Setting& setting);
    // "menu", "normal", "hover", "page".
    static std::string_view groupKey(SettingGroup group);
    // "Menu Settings", "Normal Menu Item", "Hover Menu Item", "Page Style".
    static std::string_view groupCaption(SettingGroup group);
};

} // namespace halvero
