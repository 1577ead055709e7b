#include "core/settings/MenuSettings.h"

#include "core/settings/ValueRules.h"
#include "core/text/TextEncoding.h"

#include <algorithm>

namespace halvero {

MenuSettings::MenuSettings() = default;

MenuSettings::Entry& MenuSettings::entry(int index) {
    return m_entries[static_cast<std::size_t>(SettingTable::at(index).index)];
}

const MenuSettings::Entry& MenuSettings::entry(int index) const {
    return m_entries[static_cast<std::size_t>(SettingTable::at(index).index)];
}

const std::string& MenuSettings::value(int index) const {
    return entry(index).value;
}

const std::vector<std::string>& MenuSettings::offeredItems(int index) const {
    return entry(index).items;
}

bool MenuSettings::isEnabled(int index) const {
    return entry(index).enabled;
}

void MenuSettings::notify(int index, Change change) {
    if (m_observer)
        m_observer(index, change);
}

void MenuSettings::setValue(int index, std::string value) {
    Entry& e = entry(index);
    if (e.value == value)
        return;
    e.value = std::move(value);
    notify(index, Change::Value);
}

void MenuSettings::edit(int index, std::string value) {
    entry(index).value = std::move(value);
}

void MenuSettings::assign(int index, std::string value) {
    entry(index).value = std::move(value);
    notify(index, Change::Value);
}

void MenuSettings::setItems(int index, std::vector<std::string> items) {
    entry(index).items = std::move(items);
    notify(index, Change::OfferedItems);
}

void MenuSettings::setEnabled(int index, bool enabled) {
    Entry& e = entry(index);
    if (e.enabled == enabled)
        return;
    e.enabled = enabled;
    notify(index, Change::Enabled);
}

void MenuSettings::initialise() {
    // Lists are replaced, never appended to, so initialising twice lists
    // nothing twice.
    for (const Setting& d : SettingTable::entries())
        setItems(d.index, d.offeredItems());
    for (bool colours : {false, true})
        for (const Setting& d : SettingTable::entries())
            if (d.isColor() == colours)
                assign(d.index, std::string(d.defaultValue));
    for (const Setting& d : SettingTable::entries())
        setEnabled(d.index, true);
    setMenuItems({});
    setPageStyle(PageStyle::Classic);
    setPageLook({});
    setLanguages({});
    m_siteFolder.clear();
}

void MenuSettings::setValues(const std::array<std::string, SettingTable::kEntryCount>& values) {
    for (const Setting& d : SettingTable::entries())
        setValue(d.index, values[static_cast<std::size_t>(d.index)]);
    setEnabled(SettingTable::kStatusMessage, value(SettingTable::kStatusUrl) != "Yes");
    followItems();
}

void MenuSettings::setMenuItems(std::vector<MenuItem> items) {
    if (items != m_menuItems) {
        m_menuItems = std::move(items);
        notify(-1, Change::MenuItems);
    }
    followItems();
}

std::string MenuSettings::itemCountFor(std::size_t items) {
    return std::to_string(std::min(items, kMaxPageItems));
}

void MenuSettings::followItems() {
    if (!m_menuItems.empty())
        setValue(SettingTable::kItemCount, itemCountFor(m_menuItems.size()));
    setEnabled(SettingTable::kItemCount, m_menuItems.empty());
}

long MenuSettings::itemCountOf(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long count = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        count = count * 10 + (text[i] - '0');
        if (count > kMaxItemBlocks)
            count = kMaxItemBlocks; // keeps reading the digits without overflow
    }
    return negative ? 0 : count;
}

long MenuSettings::pageItemCount() const {
    if (!m_menuItems.empty())
        return static_cast<long>(std::min(m_menuItems.size(), kMaxPageItems));
    return itemCountOf(value(SettingTable::kItemCount));
}

std::string MenuSettings::problem(const Setting& setting, std::string_view value) {
    return setting.group == SettingGroup::Page ? PageLook::problem(PageLook::keyOf(setting), value)
                                               : ValueRules::problem(setting, value);
}

const std::string& MenuSettings::value(const Setting& setting) const {
    return setting.group == SettingGroup::Page ? m_pageLook.value(PageLook::keyOf(setting))
                                               : value(setting.index);
}

void MenuSettings::setValue(const Setting& setting, std::string value) {
    if (setting.group != SettingGroup::Page)
        return setValue(setting.index, std::move(value));
    PageLook look = m_pageLook;
    look.set(PageLook::keyOf(setting), std::move(value));
    setPageLook(std::move(look));
}

void MenuSettings::setPageStyle(PageStyle style) {
    if (style == m_pageStyle)
        return;
    m_pageStyle = style;
    notify(-1, Change::PageStyle);
}

void MenuSettings::setPageLook(PageLook look) {
    if (look == m_pageLook)
        return;
    m_pageLook = std::move(look);
    notify(-1, Change::PageLook);
}

MenuSettings::Snapshot MenuSettings::snapshot() const {
    Snapshot state;
    for (const Setting& d : SettingTable::entries())
        state.values[static_cast<std::size_t>(d.index)] = value(d.index);
    state.items = m_menuItems;
    state.style = m_pageStyle;
    state.siteFolder = m_siteFolder;
    state.look = m_pageLook;
    state.languages = m_languages;
    return state;
}

// The items first, so that Item Count follows the items of `state`.
void MenuSettings::restore(const Snapshot& state) {
    setMenuItems(state.items);
    setValues(state.values);
    setPageStyle(state.style);
    setPageLook(state.look);
    setLanguages(state.languages);
    m_siteFolder = state.siteFolder;
}

void MenuSettings::setLanguages(std::vector<SiteLanguage> languages) {
    if (languages == m_languages)
        return;
    m_languages = std::move(languages);
    notify(-1, Change::PageLook);
}

void MenuSettings::applyStatusBarRule() {
    const int message = SettingTable::kStatusMessage;
    if (value(SettingTable::kStatusUrl) == "Yes") {
        setEnabled(message, false);
        assign(message, "");
    } else {
        setEnabled(message, true);
        assign(message, "Corvantis");
    }
}

} // namespace halvero
