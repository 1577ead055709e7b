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

// The column an entry stands in: the menu as a whole, the normal item or
// the hovered item.
enum class EntryGroup { Menu, Normal, Hover };

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

// What one entry of the menu settings is: its caption on the window, its
// column, its key (unique within the column, stable: settings files use
// it), how it is entered, the items it offers and its default.
struct EntryDescriptor {
    int index; // the entry's address in the record
    EntryGroup group;
    std::string_view key;
    std::string_view caption;
    InputKind kind;
    int numbersUpTo; // offers "1" (or numbersFrom) to "N"; 0 when it offers `texts`
    std::span<const std::string_view> texts;
    std::string_view defaultValue;
    int numbersFrom = 1;

    constexpr bool isColor() const { return kind == InputKind::ColorTyped; }
    constexpr bool isEditable() const { return kind != InputKind::List; }
    std::vector<std::string> offeredItems() const;
};

// The one table of the menu's 42 entries, in the order of their addresses:
// the record, the main window's boxes, the page writer and the settings
// file all read it. The named addresses below are the only entry numbers
// the program uses; the table checks them at compile time.
class EntryTable {
public:
    static constexpr int kCount = 42;

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

    // Every entry, indexed by address.
    static std::span<const EntryDescriptor, kCount> all();
    // The entry at `index`; throws std::out_of_range outside 0..kCount-1.
    static const EntryDescriptor& at(int index);
    // The entry of `group` with `key`, or nullptr.
    static const EntryDescriptor* find(EntryGroup group, std::string_view key);
    // The entry named "column.key" ("normal.fontSize"), or nullptr.
    static const EntryDescriptor* findByName(std::string_view name);
    // "column.key" of an entry.
    static std::string nameOf(const EntryDescriptor& entry);
    // "menu", "normal", "hover".
    static std::string_view groupKey(EntryGroup group);
    // "Menu Settings", "Normal Menu Item", "Hover Menu Item".
    static std::string_view groupCaption(EntryGroup group);
};

} // namespace halvero
