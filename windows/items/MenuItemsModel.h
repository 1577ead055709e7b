#pragma once

#include "core/items/MenuItem.h"

#include <QAbstractItemModel>
#include <QUndoStack>

#include <unordered_map>
#include <vector>

// The Menu Items editor's rows: the menu's items as a tree, a column a
// field (Label, Link, Tooltip, Opens in, and a tick for the current page).
// Every change goes through the model's undo stack, one step each: typing
// into a cell (the keys typed into one cell are one step), a tick, and each
// change of the tree (add, remove with the sub-menu, move, indent, outdent,
// paste, drop). A change of the tree returns where the moved or new row is.
class MenuItemsModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { Label, Link, Tooltip, Target, Current, ColumnCount };
    // The path of a row: its row at the top, in its sub-menu, ...
    using Path = std::vector<int>;

    explicit MenuItemsModel(std::vector<halvero::MenuItem> items, QObject* parent = nullptr);

    const std::vector<halvero::MenuItem>& items() const { return m_items; }
    QUndoStack* undoStack() { return &m_undo; }
    // Where an item without a target of its own opens, for "Opens in".
    void setMenuTarget(const QString& target) { m_menuTarget = target; }
    // The caption of where a row of `target` opens: never blank.
    QString targetCaption(const QString& target) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Dragging a row (with its sub-menu) to another place.
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    Path pathOf(const QModelIndex& index) const;
    QModelIndex indexOf(const Path& path, int column = Label) const;
    // The level of a row: 1 at the top.
    static int levelOf(const Path& path) { return static_cast<int>(path.size()); }

    // Changes of the tree; each returns the row to make current, or an
    // invalid index when nothing changed.
    QModelIndex addAfter(const QModelIndex& index);
    QModelIndex addChild(const QModelIndex& index);
    QModelIndex remove(QModelIndexList rows);
    QModelIndex move(const QModelIndex& index, int by);
    QModelIndex indent(const QModelIndex& index);
    QModelIndex outdent(const QModelIndex& index);
    // Appends `items` (trees) at the end of the top level.
    QModelIndex append(std::vector<halvero::MenuItem> items);

signals:
    // A change of the tree, done or undone, leads to this row.
    void rowToShow(const QModelIndex& index);

public:
    // The first row at fault, described for the user, or "" (MenuItem::
    // treeProblem).
    QString firstProblem() const;

private:
    // The undo steps: a cell's new text or tick, and a new tree.
    class CellStep;
    class TreeStep;

    const halvero::MenuItem* itemAt(const QModelIndex& index) const;
    halvero::MenuItem* itemAt(const QModelIndex& index);
    // Replaces the whole tree (an undo step's before or after) and asks
    // for the row at `focus` to be shown.
    void reset(std::vector<halvero::MenuItem> items, const Path& focus);
    void index();
    // Sets one field; for a tick, clears the others (a page has one
    // current item).
    void setField(const Path& path, int column, const QVariant& value);
    // Makes `after` the tree in one undo step named `what`; `from` is the
    // row the change started at, `to` the row it leads to.
    QModelIndex change(const QString& what, std::vector<halvero::MenuItem> after, const Path& from,
                       const Path& to);
    // How many levels the item at `path` takes up, itself included.
    int height(const Path& path) const;

    std::vector<halvero::MenuItem> m_items;
    // Where each item is: its parent (nullptr at the top) and its row.
    struct Place {
        const halvero::MenuItem* parent;
        int row;
    };
    std::unordered_map<const halvero::MenuItem*, Place> m_places;
    QUndoStack m_undo;
    QString m_menuTarget;
};
