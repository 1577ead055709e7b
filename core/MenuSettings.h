#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvero {

// How the user may enter an entry's value.
enum class InputKind {
    List,        // one of the offered items; nothing can be typed
    Text,        // anything can be typed; the items are suggestions
    ColorPicked, // a colour text set by the colour button; typing is blocked
    ColorTyped,  // a colour text, typed or set by the colour button
};

// Where one border's three entries sit.
struct BorderEntries {
    int width, type, color;
};

// The entries that describe one menu item. The normal item's column starts
// at entry 7, the hovered item's at 24; both hold the same fields in the
// same order, so entry kHover.x describes for the hovered item what
// kNormal.x describes for the normal one.
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
    constexpr bool holds(int index) const {
        return index >= first() && index < first() + kFieldCount;
    }
};

// The menu settings: entries 0 to 40 (the main window's combo boxes, entries
// 7-23 for the normal item, 24-40 for the hovered one) plus the link target.
// Every value is text and reaches the page unchanged; the record checks
// nothing. It does not know about windows. Changes flow one way each:
//  - the user's edits arrive through edit(), which tells nobody, since the
//    box that raised the edit already shows it;
//  - changes the program makes (setValue, initialise, the status-bar rule)
//    are told to the observer in the order they are made, so a window can
//    show them.
class MenuSettings {
public:
    static constexpr int kEntryCount = 41; // entries 0..40
    static constexpr int kTarget = 41;     // index of the target entry
    static constexpr int kIndexCount = 42;

    static constexpr int kItemCount = 0;     // "Menu Item Count"
    static constexpr int kDirection = 1;     // "Menu Direction"
    static constexpr int kDistance = 2;      // "Menu Items Distance"
    static constexpr int kItemWidth = 3;     // "Menu Item Width"
    static constexpr int kItemHeight = 4;    // "Menu Item Height"
    static constexpr int kStatusUrl = 5;     // "Show URL in Statusbar"
    static constexpr int kStatusMessage = 6; // "Message in Statusbar"
    static constexpr ItemEntries kNormal = ItemEntries::startingAt(7);
    static constexpr ItemEntries kHover = ItemEntries::startingAt(24);

    // The twelve colour entries, normal item first.
    static constexpr std::array<int, 12> kColorEntries = {9,  11, 14, 17, 20, 23,
                                                          26, 28, 31, 34, 37, 40};

    enum class Change { Items, Value, Enabled };
    using Observer = std::function<void(int index, Change change)>;

    MenuSettings();

    static bool isValidIndex(int index) { return index >= 0 && index < kIndexCount; }
    static bool isColorEntry(int index);
    static std::string_view label(int index);
    static InputKind inputKind(int index);

    // Accessors take an index from 0 to kTarget; others throw std::out_of_range.
    const std::string& value(int index) const;
    const std::vector<std::string>& items(int index) const;
    bool isEnabled(int index) const;

    // A change made by the program (a picked colour, say): stored and told
    // to the observer, unless the value is unchanged.
    void setValue(int index, std::string value);
    // The user's own edit, as typed or chosen: stored, nobody told.
    void edit(int index, std::string value);

    // Fills every entry with its offered items and its default, step by step
    // in a fixed order (colour entries last, so their boxes are painted once
    // every list is in place).
    void initialise();

    // Entry 5 "Yes" empties and disables the message (entry 6); any other
    // value enables it with "Corvantis", dropping a message typed earlier.
    void applyStatusBarRule();

    void setObserver(Observer observer) { m_observer = std::move(observer); }

private:
    struct Entry {
        std::vector<std::string> items;
        std::string value;
        bool enabled = true;
    };

    Entry& entry(int index);
    const Entry& entry(int index) const;
    void notify(int index, Change change);
    void setItems(int index, std::vector<std::string> items);
    void appendItem(int index, std::string item);
    void assign(int index, std::string value);
    void setEnabled(int index, bool enabled);

    std::array<Entry, kIndexCount> m_entries;
    Observer m_observer;
};

} // namespace halvero
