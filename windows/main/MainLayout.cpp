#include "windows/main/MainLayout.h"

#include "core/settings/SettingTable.h"

#include <QCoreApplication>

using halvero::Setting;
using halvero::SettingGroup;
using halvero::SettingTable;

namespace {

using K = MainLayout::Kind;

// The three columns: menu settings, normal item, hovered item.
constexpr int kColumnLeft[] = {120, 4680, 9240};
constexpr int kLabelWidth = 2175;
constexpr int kBoxOffset = 2280;    // from a label's left edge to its box
constexpr int kButtonOffset = 1800; // from a colour box's left edge to its button
constexpr int kBoxWidth = 2175;
constexpr int kColorBoxWidth = 1815;
constexpr int kRowHeight = 315;
constexpr int kLabelHeight = 375;

// Row tops of the menu column: one every 360 twips.
constexpr int menuRowTop(int row) {
    return 600 + 360 * row;
}
// Row tops of the item columns: five groups, 360 apart within a group and
// 480 between groups.
constexpr int kItemRowTop[halvero::ItemEntries::kFieldCount] = {600,  960,  1320, 1680, 2040, 2520,
                                                                2880, 3240, 3720, 4080, 4440, 4920,
                                                                5280, 5640, 6120, 6480, 6840};

std::vector<const Setting*> entriesOf(SettingGroup group) {
    std::vector<const Setting*> entries;
    for (const Setting& entry : SettingTable::entries())
        if (entry.group == group)
            entries.push_back(&entry);
    return entries;
}

void addEntry(std::vector<MainLayout::Row>& rows, const Setting& entry, int left, int top) {
    const QString caption = MainLayout::caption(entry.caption);
    const int boxLeft = left + kBoxOffset;
    rows.push_back({K::Label, entry.index, left, top, kLabelWidth, kLabelHeight, caption});
    rows.push_back({K::Entry, entry.index, boxLeft, top,
                    entry.isColor() ? kColorBoxWidth : kBoxWidth, kRowHeight, caption});
    if (entry.isColor())
        rows.push_back({K::ColorButton, entry.index, boxLeft + kButtonOffset, top, 375, kRowHeight,
                        QStringLiteral("...")});
}

void addCommand(std::vector<MainLayout::Row>& rows, MainLayout::Command command, int left, int top,
                int width, const QString& caption) {
    rows.push_back({K::Command, static_cast<int>(command), left, top, width, 375, caption});
}

std::vector<MainLayout::Row> build() {
    using C = MainLayout::Command;
    std::vector<MainLayout::Row> rows;
    for (SettingGroup group : {SettingGroup::Menu, SettingGroup::Normal, SettingGroup::Hover}) {
        const int column = static_cast<int>(group);
        rows.push_back({K::Title, column, kColumnLeft[column], 120, 4455, 375,
                        MainLayout::caption(SettingTable::groupCaption(group))});
    }

    const auto menu = entriesOf(SettingGroup::Menu);
    for (std::size_t row = 0; row < menu.size(); ++row)
        addEntry(rows, *menu[row], kColumnLeft[0], menuRowTop(static_cast<int>(row)));

    addCommand(rows, C::CreatePage, 120, 3600, 4455, MainLayout::tr("Create HTML Page File"));
    addCommand(rows, C::ShowPreview, 120, 4080, 4455, MainLayout::tr("Preview HTML Page File"));
    addCommand(rows, C::ShowAbout, 2400, 6840, 2175, MainLayout::tr("&About"));
    addCommand(rows, C::Exit, 120, 6840, 2175, MainLayout::tr("&Exit"));

    // The item columns row by row, the normal item's entry before the
    // hovered item's.
    const auto normal = entriesOf(SettingGroup::Normal);
    const auto hover = entriesOf(SettingGroup::Hover);
    for (std::size_t row = 0; row < normal.size(); ++row) {
        addEntry(rows, *normal[row], kColumnLeft[1], kItemRowTop[row]);
        addEntry(rows, *hover[row], kColumnLeft[2], kItemRowTop[row]);
    }
    return rows;
}

} // namespace

// The entry table lives in the core, which knows no Qt: its captions are
// translated here, where the window shows them.
QString MainLayout::caption(std::string_view utf8) {
    const std::string text(utf8);
    return QCoreApplication::translate("SettingTable", text.c_str());
}

const std::vector<MainLayout::Row>& MainLayout::rows() {
    static const std::vector<Row> table = build();
    return table;
}
