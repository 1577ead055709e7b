#pragma once

#include "core/items/MenuItem.h"
#include "core/settings/PageLook.h"
#include "core/settings/SettingTable.h"
#include "core/settings/SiteLanguage.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace halvero {

// The menu settings: the value, offered items and enabled state of each
// entry of SettingTable, addressed as the table addresses them. Every value
// is text and reaches the page unchanged; the record checks nothing. It
// does not know about windows. Changes flow one way each:
//  - the user's edits arrive through edit(), which tells nobody, since the
//    box that raised the edit already shows it;
//  - changes the program makes (setValue, initialise, the status-bar rule)
//    are told to the observer in the order they are made, so a window can
//    show them.
class MenuSettings {
public:
    // The kind of page the menu makes: today's XHTML page, or clean HTML5.
    enum class PageStyle { Classic, Modern };

    // OfferedItems: an entry's offered items; MenuItems: the menu's own
    // items, PageStyle: the page's style, PageLook: the modern page's own
    // settings (the last three told with index -1).
    enum class Change { OfferedItems, Value, Enabled, MenuItems, PageStyle, PageLook };
    using Observer = std::function<void(int index, Change change)>;

    MenuSettings();

    // Accessors take an address of SettingTable; others throw std::out_of_range.
    const std::string& value(int index) const;
    const std::vector<std::string>& offeredItems(int index) const;
    bool isEnabled(int index) const;

    // A change made by the program (a picked colour, say): stored and told
    // to the observer, unless the value is unchanged.
    void setValue(int index, std::string value);
    // The user's own edit, as typed or chosen: stored, nobody told.
    void edit(int index, std::string value);

    // Fills every entry with its offered items, then its default (colour
    // entries last, so their boxes are painted once every list is in place),
    // enables them all, empties the menu's items, forgets the site and
    // gives the modern page its default look.
    void initialise();

    // Sets every entry at once, as a settings file holds them; told to the
    // observer like setValue. The status-bar message is enabled unless
    // "Show URL in Statusbar" is "Yes"; the message itself is kept.
    void setValues(const std::array<std::string, SettingTable::kEntryCount>& values);

    // "Show URL in Statusbar" at "Yes" empties and disables the status-bar
    // message; any other value enables it with "Corvantis", dropping a
    // message typed earlier.
    void applyStatusBarRule();

    // The most items a page shows.
    static constexpr std::size_t kMaxPageItems = 20;

    // The menu's items, in order. A menu with items of its own shows exactly
    // those (the first kMaxPageItems), and Item Count follows their number,
    // its entry disabled; a menu without items shows Item Count placeholder
    // items.
    const std::vector<MenuItem>& menuItems() const { return m_menuItems; }
    // How many items the page shows.
    long pageItemCount() const;
    // The most item blocks a page gets; the item count is a typed number in
    // principle, and a mistyped billion must not exhaust memory.
    static constexpr long kMaxItemBlocks = 10000;
    // The item count read as a whole number: leading blanks, an optional
    // sign and the digits up to the first other character ("5", " 7",
    // "3abc" -> 3); no digits give 0. Clamped to 0..kMaxItemBlocks.
    static long itemCountOf(std::string_view text);
    // The Item Count a menu with `items` of its own has.
    static std::string itemCountFor(std::size_t items);
    // The item the page shows at `position` (counting from 1): the list's,
    // or nullptr where the list has none and the placeholder stands.
    const MenuItem* pageItem(long position) const {
        return position >= 1 && static_cast<std::size_t>(position) <= m_menuItems.size()
                   ? &m_menuItems[static_cast<std::size_t>(position - 1)]
                   : nullptr;
    }
    // Replaces the items (checked by the caller); told to the observer.
    void setMenuItems(std::vector<MenuItem> items);

    PageStyle pageStyle() const { return m_pageStyle; }
    void setPageStyle(PageStyle style);

    // The modern page's own settings (checked by the caller); told to the
    // observer.
    const PageLook& pageLook() const { return m_pageLook; }
    void setPageLook(PageLook look);
    // Any setting of the table, an entry or the page's look, by its row:
    // why `value` cannot be its value (empty when it can), its value, and
    // storing a value checked by the caller.
    static std::string problem(const Setting& setting, std::string_view value);
    const std::string& value(const Setting& setting) const;
    void setValue(const Setting& setting, std::string value);

    // The folder of the site the menu is written into (Update Site), or
    // empty when none was chosen. The window keeps it absolute; a settings
    // file keeps it relative to its own folder, so that it moves with the
    // site.
    const std::string& siteFolder() const { return m_siteFolder; }
    void setSiteFolder(std::string folder) { m_siteFolder = std::move(folder); }

    // The languages of a site in several (SiteLanguage), the default first;
    // empty for a site in one. Checked by the caller; told to the observer
    // as a change of the page's look.
    const std::vector<SiteLanguage>& languages() const { return m_languages; }
    void setLanguages(std::vector<SiteLanguage> languages);

    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Everything a settings file keeps: what undo returns to, and what a
    // saved file is compared with.
    struct Snapshot {
        std::array<std::string, SettingTable::kEntryCount> values;
        std::vector<MenuItem> items;
        PageStyle style = PageStyle::Classic;
        std::string siteFolder;
        PageLook look;
        std::vector<SiteLanguage> languages;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const;
    // Back to `state`, or to a settings file's contents, told to the
    // observer as setValues and setMenuItems tell.
    void restore(const Snapshot& state);

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
    void assign(int index, std::string value);
    void setEnabled(int index, bool enabled);
    // Item Count follows the menu's own items, if it has any.
    void followItems();

    std::array<Entry, SettingTable::kEntryCount> m_entries;
    std::vector<MenuItem> m_menuItems;
    PageStyle m_pageStyle = PageStyle::Classic;
    std::string m_siteFolder;
    std::vector<SiteLanguage> m_languages;
    PageLook m_pageLook;
    Observer m_observer;
};

} // namespace halvero
