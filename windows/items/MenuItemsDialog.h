#pragma once

#include "core/items/MenuItem.h"
#include "core/settings/MenuSettings.h"
#include "core/settings/SettingsFile.h"

#include <QDialog>
#include <vector>

class MenuItemsModel;
class QDialogButtonBox;
class QComboBox;
class QLabel;
class QTreeView;

// The Menu Items editor: the menu's items as rows of a tree (Label, Link,
// Tooltip, Opens in, and a tick for the current page), an item's sub-menu
// indented below it, up to three levels. Add, Add Sub-item, Remove (with
// the sub-menu), Move up and down, Indent and Outdent, by buttons and keys
// (Insert, Delete, Alt+Up, Alt+Down, Tab and Shift+Tab or Alt+Right and
// Alt+Left), by dragging a row, and rows pasted from a spreadsheet (label
// TAB link ... a line, ">" before the label a level down). Every change is
// one undo step (Ctrl+Z, Ctrl+Shift+Z). Every cell is checked as it is
// typed: a cell at fault is marked, with the reason in its tooltip and
// below the tree, and OK stays unavailable until every row is an item the
// page can take. Each change that leaves every row one the page can take
// is told (itemsEdited), for the live preview; OK keeps the rows, Cancel
// leaves the menu's items as they were.
//
// Item Count follows the top rows (at most 20 are in the page; top rows
// past the 20th are shown greyed); with no rows, the menu keeps its count
// of placeholder items. The editor holds at most as many items as a
// settings file may, so what it makes can always be saved and opened
// again. For the classic page, which shows no sub-menus, it says so.
class MenuItemsDialog : public QDialog {
    Q_OBJECT
public:
    // The items a page shows, and the items a settings file holds.
    static constexpr int kMaxCount = static_cast<int>(halvero::MenuSettings::kMaxPageItems);
    static constexpr int kMaxRows = static_cast<int>(halvero::MenuItem::kMaxItems);

    // `itemCount`: the menu's count, kept when the rows are all removed;
    // `menuTarget`: where an item without its own target opens.
    MenuItemsDialog(const std::vector<halvero::MenuItem>& items, int itemCount,
                    const QString& menuTarget, halvero::MenuSettings::PageStyle style,
                    QWidget* parent = nullptr);

    // A site's languages, served under `base`: with more than one, a list
    // picks the language whose labels and links the rows show and edit.
    void setLanguages(const std::vector<halvero::SiteLanguage>& languages, const std::string& base);

    // The rows in their order, as items holding their sub-menus.
    std::vector<halvero::MenuItem> items() const;
    // The Item Count the menu takes on OK.
    int itemCount() const;

signals:
    // The rows changed, and every one is an item the page can take.
    void itemsEdited();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether `more` items fit; says why not when they do not.
    bool roomFor(std::size_t more);
    void add(bool child);
    void removeRows();
    // Makes `index` the current row, its label column, when it is valid.
    void showRow(const QModelIndex& index);
    void paste();
    void check();

    MenuItemsModel* m_model;
    QTreeView* m_tree;
    QLabel* m_problem;
    QWidget* m_languageRow = nullptr; // the language's caption and list
    QComboBox* m_language = nullptr;
    QLabel* m_note;
    QDialogButtonBox* m_buttons;
    int m_startCount;
    bool m_classic;
};
