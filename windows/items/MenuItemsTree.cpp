#include "windows/items/MenuItemsTree.h"

MenuItemsTree::MenuItemsTree(QWidget* parent) : QTreeView(parent) {}

QModelIndex MenuItemsTree::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || (action != MoveNext && action != MovePrevious))
        return QTreeView::moveCursor(action, modifiers);
    const int columns = model()->columnCount(current.parent());
    if (action == MoveNext)
        return current.column() + 1 < columns ? current.siblingAtColumn(current.column() + 1)
                                              : indexBelow(current.siblingAtColumn(0));
    if (current.column() > 0)
        return current.siblingAtColumn(current.column() - 1);
    const QModelIndex above = indexAbove(current);
    return above.isValid() ? above.siblingAtColumn(columns - 1) : QModelIndex();
}
