#include "MenuSettings.h"

#include <algorithm>
#include <stdexcept>

namespace halvero {

namespace {

constexpr std::array<std::string_view, MenuSettings::kIndexCount> kLabels = {
    "Menu Item Count", "Menu Direction", "Menu Items Distance", "Menu Item Width",
    "Menu Item Height", "Show URL in Statusbar", "Message in Statusbar",
    // Normal item, 7..23
    "Font Name", "Font Size", "Font Color", "Underline", "Back Color", "Border Left Width",
    "Border Left Type", "Border Left Color", "Border Top Width", "Border Top Type",
    "Border Top Color", "Border Right Width", "Border Right Type", "Border Right Color",
    "Border Button Width", "Border Button Type", "Borde Button Color",
    // Hovered item, 24..40
    "Font Name", "Font Size", "Font Color", "Underline", "Back Color", "Border Left Width",
    "Border Left Type", "Border Left Color", "Border Top Width", "Border Top Type",
    "Border Top Color", "Border Right Width", "Border Right Type", "Border Right Color",
    "Border Button Width", "Border Button Type", "Border Button Color",
    // kTarget
    "Target"};

constexpr std::array<int, 8> kWidthEntries = {12, 15, 18, 21, 29, 32, 35, 38};
constexpr std::array<int, 8> kTypeEntries = {13, 16, 19, 22, 30, 33, 36, 39};

void checkIndex(int index) {
    if (!MenuSettings::isValidIndex(index))
        throw std::out_of_range("no settings entry " + std::to_string(index));
}

std::vector<std::string> numbers(int last) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(last));
    for (int n = 1; n <= last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

} // namespace

MenuSettings::MenuSettings() = default;

bool MenuSettings::isColorEntry(int index) {
    return std::find(kColorEntries.begin(), kColorEntries.end(), index) != kColorEntries.end();
}

std::string_view MenuSettings::label(int index) {
    checkIndex(index);
    return kLabels[static_cast<std::size_t>(index)];
}

InputKind MenuSettings::inputKind(int index) {
    checkIndex(index);
    switch (index) {
    case kItemWidth:
    case kItemHeight:
    case kStatusMessage:
    case kTarget:
        return InputKind::Text;
    case kNormal.bottom.color:
    case kHover.bottom.color:
        return InputKind::ColorTyped;
    default:
        return isColorEntry(index) ? InputKind::ColorPicked : InputKind::List;
    }
}

MenuSettings::Entry& MenuSettings::entry(int index) {
    checkIndex(index);
    return m_entries[static_cast<std::size_t>(index)];
}

const MenuSettings::Entry& MenuSettings::entry(int index) const {
    checkIndex(index);
    return m_entries[static_cast<std::size_t>(index)];
}

const std::string& MenuSettings::value(int index) const {
    return entry(index).value;
}

const std::vector<std::string>& MenuSettings::items(int index) const {
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
    notify(index, Change::Items);
}

void MenuSettings::appendItem(int index, std::string item) {
    entry(index).items.push_back(std::move(item));
    notify(index, Change::Items);
}

void MenuSettings::setEnabled(int index, bool enabled) {
    Entry& e = entry(index);
    if (e.enabled == enabled)
        return;
    e.enabled = enabled;
    notify(index, Change::Enabled);
}

void MenuSettings::initialise() {
    for (int i = 0; i < kEntryCount; ++i)
        setItems(i, {});

    setItems(0, numbers(20));
    assign(0, "5");
    setItems(1, {"Vertical"});
    assign(1, "Vertical");
    setItems(2, numbers(50));
    assign(2, "4");
    setItems(3, numbers(300));
    assign(3, "120");
    setItems(4, numbers(100));
    assign(4, "20");
    setItems(kStatusUrl, {"No", "Yes"});
    assign(kStatusUrl, "No");
    setItems(kStatusMessage, {"Welcome To My Site...", "Corvantis"});
    assign(kStatusMessage, "Corvantis");
    // The message is only ever disabled by the status-bar rule; a fresh
    // start shows it enabled to match "No" above.
    setEnabled(kStatusMessage, true);
    setItems(7, {"Verdana", "Tahoma"});
    assign(7, "Tahoma");
    // The target list is replaced rather than appended to, so initialising
    // twice never lists a target twice.
    setItems(kTarget, {"_top", "_self", "_blank", "_parent"});
    assign(kTarget, "_blank");
    setItems(24, {"Verdana", "Tahoma"});
    assign(24, "Tahoma");

    setItems(8, numbers(72));
    setItems(25, numbers(72));
    assign(8, "8");
    assign(25, "8");

    for (int i : {10, 27}) {
        setItems(i, {"Yes", "No"});
        assign(i, "No");
    }

    for (int i : kWidthEntries)
        setItems(i, numbers(10));
    for (auto [i, v] : {std::pair{12, "1"},
                        {15, "1"},
                        {18, "2"},
                        {21, "2"},
                        {29, "2"},
                        {32, "2"},
                        {35, "1"},
                        {38, "1"}})
        assign(i, v);

    for (int i : kTypeEntries) {
        appendItem(i, "Solid");
        assign(i, "Solid");
    }

    for (auto [i, v] : {std::pair{11, "#FEF0BA"},
                        {28, "#FEF098"},
                        {9, "#0000FF"},
                        {26, "#0000FF"},
                        {14, "#FFFFFF"},
                        {17, "#FFFFFF"},
                        {20, "#999999"},
                        {23, "#999999"},
                        {31, "#999999"},
                        {34, "#999999"},
                        {37, "#FFFFFF"},
                        {40, "#FFFFFF"}})
        assign(i, v);
}

void MenuSettings::applyStatusBarRule() {
    if (value(kStatusUrl) == "Yes") {
        setEnabled(kStatusMessage, false);
        assign(kStatusMessage, "");
    } else {
        setEnabled(kStatusMessage, true);
        assign(kStatusMessage, "Corvantis");
    }
}

} // namespace halvero
