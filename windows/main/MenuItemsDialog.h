#pragma once

#include "core/MenuItem.h"
#include "core/MenuSettings.h"
#include "core/SettingsFile.h"

#include <QDialog>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

// The Menu Items editor: the menu's items as rows of a table (Label, Link,
// Tooltip, Opens in, and a tick for the current page), with Add, Remove, Move up and Move down
// (Insert, Delete, Alt+Up, Alt+Down), rows dragged by their number to reorder them, and rows pasted
// from a spreadsheet (label TAB link ... a line). Every cell is checked as it is typed: a cell at
// fault is marked, with the reason in its tooltip and below the table, and OK stays unavailable
// until every row is an item the page can take. Nothing changes until OK.
//
// Item Count follows the rows (at most 20 are in the page; rows past the
// 20th are shown greyed); with no rows, the menu keeps its count of
// placeholder items. The editor holds at most as many rows as a settings
// file may, so what it makes can always be saved and opened again.
class MenuItemsDialog : public QDialog {
    Q_OBJECT
public:
    // The items a page shows, and the rows a settings file holds.
    static constexpr int kMaxCount = static_cast<int>(halvero::MenuSettings::kMaxPageItems);
    static constexpr int kMaxRows = static_cast<int>(halvero::SettingsFile::kMaxItems);

    // `itemCount`: the menu's count, kept when the rows are all removed;
    // `menuTarget`: where an item without its own target opens.
    MenuItemsDialog(const std::vector<halvero::MenuItem>& items, int itemCount,
                    const QString& menuTarget, QWidget* parent = nullptr);

    // The rows in their order, as items.
    std::vector<halvero::MenuItem> items() const;
    // The Item Count the menu takes on OK.
    int itemCount() const;

    enum Column { Label, Link, Tooltip, Target, Current, ColumnCount };

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addRow(const halvero::MenuItem& item);
    // Whether `more` rows fit; says why not when they do not.
    bool roomFor(int more);
    void addRows();
    void removeRows();
    void moveRow(int by);
    void paste();
    void check();
    void keepOneCurrent(const QTableWidgetItem* changed);
    int rowAt(int visual) const;

    QTableWidget* m_table;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
    int m_startCount;
    bool m_checking = false;
};
