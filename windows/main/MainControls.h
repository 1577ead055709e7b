#pragma once

#include "core/settings/MenuSettings.h"
#include "core/settings/SettingTable.h"
#include "windows/main/MainLayout.h"

#include <QString>
#include <array>

class BackdropWidget;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

// The main window's controls, built where MainLayout puts them: the column
// titles, a label and a box per entry (editable where the entry takes
// typing, keeping text exactly as typed), the colour buttons, the commands
// and the flash timer, with their tab order, the names screen readers
// announce and the pointer over each kind of control. Later it writes the
// changes the program makes in the settings into the boxes. It connects no
// handler and styles nothing: MainWindow and Look do.
class MainControls {
public:
    // Builds every control as a child of `window`.
    void build(BackdropWidget& window);

    // The object name of an entry's box: its column's key and its own,
    // "normal.fontColor"; its label and colour button add ".label" and
    // ".chooseColor".
    static QString entryName(int index);

    QComboBox* entry(int index) const { return entries.at(static_cast<std::size_t>(index)); }
    QPushButton* command(MainLayout::Command command) const {
        return commandButtons.at(static_cast<std::size_t>(command));
    }

    // Writes a change the program made in entry `index` of `settings` into
    // its box. Setting a box's text raises its currentTextChanged, which
    // repaints a colour box; it raises no user signal, so nothing travels
    // back into the record.
    void show(const halvero::MenuSettings& settings, int index,
              halvero::MenuSettings::Change change) const;

    std::array<QLabel*, 3> titles{};
    std::array<QLabel*, halvero::SettingTable::kEntryCount> labels{};
    std::array<QComboBox*, halvero::SettingTable::kEntryCount> entries{};
    // Only colour entries have one; the others hold nullptr.
    std::array<QPushButton*, halvero::SettingTable::kEntryCount> colorButtons{};
    std::array<QPushButton*, MainLayout::kCommandCount> commandButtons{};
    QLabel* contrastNote = nullptr;
    QTimer* flashTimer = nullptr;

private:
    QLabel* makeLabel(BackdropWidget& window, const MainLayout::Row& row);
    QComboBox* makeEntry(BackdropWidget& window, const MainLayout::Row& row);
    QPushButton* makeButton(BackdropWidget& window, const MainLayout::Row& row);
    void setTabOrder(BackdropWidget& window) const;
    void setPointers(BackdropWidget& window) const;
};
