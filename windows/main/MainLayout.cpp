#include "MainLayout.h"

#include "MenuSettings.h"

using halvero::MenuSettings;

namespace {

// The three columns: menu settings, normal item, hovered item.
constexpr int kColumnLeft[] = {120, 4680, 9240};
constexpr int kLabelWidth = 2175;
constexpr int kBoxOffset = 2280;    // from a label's left edge to its box
constexpr int kButtonOffset = 1800; // from a colour box's left edge to its button
constexpr int kBoxWidth = 2175;
constexpr int kColorBoxWidth = 1815;
constexpr int kRowHeight = 315;
constexpr int kLabelHeight = 375;

// Row tops of the item columns: five groups, 360 apart within a group and
// 480 between groups.
constexpr int kItemRowTop[halvero::ItemEntries::kFieldCount] = {600,  960,  1320, 1680, 2040, 2520,
                                                                2880, 3240, 3720, 4080, 4440, 4920,
                                                                5280, 5640, 6120, 6480, 6840};

QString labelOf(int index) {
    const std::string_view text = MenuSettings::label(index);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void addEntry(std::vector<MainLayout::Row>& rows, int index, int left, int top) {
    using K = MainLayout::Kind;
    const QString caption = labelOf(index);
    const bool colour = MenuSettings::isColorEntry(index);
    const int boxLeft = left + kBoxOffset;
    rows.push_back({K::Label, index, left, top, kLabelWidth, kLabelHeight, caption});
    rows.push_back(
        {K::Entry, index, boxLeft, top, colour ? kColorBoxWidth : kBoxWidth, kRowHeight, caption});
    if (colour)
        rows.push_back({K::ColorButton, index, boxLeft + kButtonOffset, top, 375, kRowHeight,
                        QStringLiteral("...")});
}

std::vector<MainLayout::Row> build() {
    using K = MainLayout::Kind;
    std::vector<MainLayout::Row> rows;
    const char* titles[] = {"Menu Settings", "Normal Menu Item", "Hover Menu Item"};
    for (int i = 0; i < 3; ++i)
        rows.push_back(
            {K::Title, i, kColumnLeft[i], 120, 4455, 375, QString::fromLatin1(titles[i])});

    for (int i = MenuSettings::kItemCount; i <= MenuSettings::kStatusMessage; ++i)
        addEntry(rows, i, kColumnLeft[0], 600 + 360 * i);
    addEntry(rows, MenuSettings::kTarget, kColumnLeft[0], 3120);

    rows.push_back({K::Command, MainLayout::CreatePage, 120, 3600, 4455, 375,
                    QStringLiteral("Create HTML Page File")});
    rows.push_back({K::Command, MainLayout::PreviewPage, 120, 4080, 4455, 375,
                    QStringLiteral("Preview HTML Page File")});
    rows.push_back(
        {K::Command, MainLayout::About, 2400, 6840, 2175, 375, QStringLiteral("&About")});
    rows.push_back({K::Command, MainLayout::Exit, 120, 6840, 2175, 375, QStringLiteral("&Exit")});

    for (int k = 0; k < halvero::ItemEntries::kFieldCount; ++k) {
        addEntry(rows, MenuSettings::kNormal.first() + k, kColumnLeft[1], kItemRowTop[k]);
        addEntry(rows, MenuSettings::kHover.first() + k, kColumnLeft[2], kItemRowTop[k]);
    }
    return rows;
}

} // namespace

const std::vector<MainLayout::Row>& MainLayout::rows() {
    static const std::vector<Row> table = build();
    return table;
}
