#pragma once

#include <QTreeView>

// The Menu Items editor's tree: cells are edited as in a spreadsheet, Tab
// and Shift+Tab inside a cell going on to the next cell and back to the one
// before it, row after row in the order shown.
class MenuItemsTree : public QTreeView {
    Q_OBJECT
public:
    explicit MenuItemsTree(QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};
