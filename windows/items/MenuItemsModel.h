#pragma once

#include "core/items/MenuItem.h"
#include "core/settings/SiteLanguage.h"

#include <QAbstractItemModel>
#include <QUndoStack>

#include <memory>
#include <vector>

// The Menu Items editor's rows: the menu's items as a tree, a column a
// field (Label, Link, Tooltip, Opens in, and a tick for the current page).
// Every change goes through the model's undo stack, one step each: typing
// into a cell (the keys typed into one cell are one step), a tick, and each
// change of the tree (add, remove with the sub-menu, move, indent, outdent,
// paste, drop). A change of the tree returns where the moved or new row is,
// and reaches views as the rows inserted, removed or moved, so that the
// rest of the tree keeps its selection, expansion and scroll position.
class MenuItemsModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { Label, Link, Tooltip, Target, Current, ColumnCount };
    // The path of a row: its row at the top, in its sub-menu, ...
    using Path = std::vector<int>;

    explicit MenuItemsModel(std::vector<halvero::MenuItem> items, QObject* parent = nullptr);
    ~MenuItemsModel() override;

    std::vector<halvero::MenuItem> items() const;
    QUndoStack* undoStack() { return &m_undo; }
    // Where an item without a target of its own opens, for "Opens in".
    void setMenuTarget(const QString& target) { m_menuTarget = target; }
    // The caption of where a row of `target` opens: never blank.
    QString targetCaption(const QString& target) const;
    // The language whose labels and links the Label and Link columns show
    // and edit: `index` of a site's `languages`, served under `base`; the
    // first (and a site in one language) shows the items' own. A row
    // without its own label or link in the language shows the one the page
    // takes instead, greyed.
    void setLanguage(const std::vector<halvero::SiteLanguage>& languages, int index,
                     const std::string& base);

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
    // The undo steps: a cell's new text or tick, and a change of the tree.
    class CellStep;
    class TreeStep;
    // One row of the tree. Rows live on the heap, so an index's pointer to
    // its row stays good while rows around it come and go.
    struct Node;
    // One change of the tree: a row inserted at or removed from `at`, or
    // moved from `at` to `to` (its place once moved).
    struct Edit {
        enum Kind { Insert, Remove, Move } kind;
        Path at, to;
        halvero::MenuItem item; // inserted or removed, with its sub-menu
    };

    Node* nodeAt(const QModelIndex& index) const;
    // The row at `path`, or nullptr; counted as if `skipped` were not there.
    Node* nodeAt(const Path& path, const Node* skipped = nullptr) const;
    QModelIndex indexOfNode(const Node* node, int column = Label) const;
    static int rowOf(const Node* node);
    void apply(const Edit& edit);
    // Sets one field; for a tick, clears the others (a page has one
    // current item).
    // In a language other than the first (its tag), a label or a link of
    // that language; an empty one is none.
    void setField(const Path& path, int column, const QVariant& value,
                  const std::string& language = {});
    // The label or link the row has of its own in the language shown, or
    // nullptr (none, or not a column of a language's).
    const std::string* ownInLanguage(const halvero::MenuItem& item, int column) const;
    // Makes `edits` one undo step named `what`; `from` is the row the
    // change started at, `to` the row it leads to.
    QModelIndex change(const QString& what, std::vector<Edit> edits, const Path& from,
                       const Path& to);
    // How many levels the item at `path` takes up, itself included.
    int height(const Path& path) const;

    std::unique_ptr<Node> m_root;
    QUndoStack m_undo;
    QString m_menuTarget;
    std::vector<halvero::SiteLanguage> m_languages;
    int m_language = 0; // of m_languages, shown in Label and Link
    std::string m_base;
};
