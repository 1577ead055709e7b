#include "windows/items/MenuItemsModel.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QPalette>

#include <algorithm>
#include <cstring>

using halvero::MenuItem;

namespace {

constexpr int kMaxTop = 20; // the items a page shows at the top
const QString kMimeType = QStringLiteral("application/x-halvero-menu-item-path");

QString text(const std::string& value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// Where a link of `target` opens, in words.
QString whereItOpens(const QString& target) {
    if (target == QLatin1String("_blank"))
        return MenuItemsModel::tr("New tab");
    if (target == QLatin1String("_self"))
        return MenuItemsModel::tr("Same frame");
    if (target == QLatin1String("_parent"))
        return MenuItemsModel::tr("Parent frame");
    if (target == QLatin1String("_top"))
        return MenuItemsModel::tr("Whole window");
    return target;
}

std::string& field(MenuItem& item, int column) {
    switch (column) {
    case MenuItemsModel::Link:
        return item.link;
    case MenuItemsModel::Tooltip:
        return item.tooltip;
    case MenuItemsModel::Target:
        return item.target;
    default:
        return item.label;
    }
}

const std::string& field(const MenuItem& item, int column) {
    return field(const_cast<MenuItem&>(item), column);
}

const char* const kFields[] = {"label", "link", "tooltip", "target", "current"};

// The list in `items` that the first `depth` rows of `path` lead to: with
// the path's length less one, the list holding the row it names.
std::vector<MenuItem>& listIn(std::vector<MenuItem>& items, const std::vector<int>& path,
                              std::size_t depth) {
    std::vector<MenuItem>* list = &items;
    for (std::size_t i = 0; i < depth; ++i)
        list = &(*list)[static_cast<std::size_t>(path[i])].items;
    return *list;
}

} // namespace

// The text typed into one cell is one step: each key merges into the step
// before it while it edits the same cell.
class MenuItemsModel::CellStep : public QUndoCommand {
public:
    CellStep(MenuItemsModel* model, Path path, int column, QVariant before, QVariant after)
        : QUndoCommand(MenuItemsModel::tr("Typing")), m_model(model), m_path(std::move(path)),
          m_column(column), m_before(std::move(before)), m_after(std::move(after)) {}
    int id() const override { return m_column == Current ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const CellStep*>(other);
        if (next->m_path != m_path || next->m_column != m_column)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }
    void undo() override { m_model->setField(m_path, m_column, m_before); }
    void redo() override { m_model->setField(m_path, m_column, m_after); }

private:
    MenuItemsModel* m_model;
    Path m_path;
    int m_column;
    QVariant m_before, m_after;
};

class MenuItemsModel::TreeStep : public QUndoCommand {
public:
    TreeStep(MenuItemsModel* model, const QString& what, std::vector<MenuItem> before,
             std::vector<MenuItem> after, Path from, Path to)
        : QUndoCommand(what), m_model(model), m_before(std::move(before)),
          m_after(std::move(after)), m_from(std::move(from)), m_to(std::move(to)) {}
    void undo() override { m_model->reset(m_before, m_from); }
    void redo() override { m_model->reset(m_after, m_to); }

private:
    MenuItemsModel* m_model;
    std::vector<MenuItem> m_before, m_after;
    Path m_from, m_to;
};

MenuItemsModel::MenuItemsModel(std::vector<MenuItem> items, QObject* parent)
    : QAbstractItemModel(parent), m_items(std::move(items)) {
    index();
}

void MenuItemsModel::index() {
    m_places.clear();
    std::vector<std::pair<const std::vector<MenuItem>*, const MenuItem*>> lists = {
        {&m_items, nullptr}};
    while (!lists.empty()) {
        const auto [list, parent] = lists.back();
        lists.pop_back();
        for (std::size_t row = 0; row < list->size(); ++row) {
            const MenuItem& item = (*list)[row];
            m_places[&item] = {parent, static_cast<int>(row)};
            if (!item.items.empty())
                lists.emplace_back(&item.items, &item);
        }
    }
}

void MenuItemsModel::reset(std::vector<MenuItem> items, const Path& focus) {
    beginResetModel();
    m_items = std::move(items);
    index();
    endResetModel();
    emit rowToShow(indexOf(focus));
}

const MenuItem* MenuItemsModel::itemAt(const QModelIndex& index) const {
    if (!index.isValid())
        return nullptr;
    const auto* parent = static_cast<const MenuItem*>(index.internalPointer());
    const std::vector<MenuItem>& list = parent ? parent->items : m_items;
    return index.row() < static_cast<int>(list.size())
               ? &list[static_cast<std::size_t>(index.row())]
               : nullptr;
}

MenuItem* MenuItemsModel::itemAt(const QModelIndex& index) {
    return const_cast<MenuItem*>(std::as_const(*this).itemAt(index));
}

QModelIndex MenuItemsModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || row >= rowCount(parent))
        return {};
    return createIndex(row, column, const_cast<MenuItem*>(itemAt(parent)));
}

QModelIndex MenuItemsModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || !child.internalPointer())
        return {};
    const auto* parent = static_cast<const MenuItem*>(child.internalPointer());
    const auto at = m_places.find(parent);
    if (at == m_places.end())
        return {};
    return createIndex(at->second.row, 0, const_cast<MenuItem*>(at->second.parent));
}

int MenuItemsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    const MenuItem* item = itemAt(parent);
    return static_cast<int>(item ? item->items.size() : (parent.isValid() ? 0 : m_items.size()));
}

int MenuItemsModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

MenuItemsModel::Path MenuItemsModel::pathOf(const QModelIndex& index) const {
    Path path;
    for (QModelIndex at = index; at.isValid(); at = at.parent())
        path.insert(path.begin(), at.row());
    return path;
}

QModelIndex MenuItemsModel::indexOf(const Path& path, int column) const {
    QModelIndex at;
    for (std::size_t i = 0; i < path.size(); ++i)
        at = index(path[i], i + 1 == path.size() ? column : 0, at);
    return at;
}

QString MenuItemsModel::targetCaption(const QString& target) const {
    return target.isEmpty() ? tr("%1 (menu's Target)").arg(whereItOpens(m_menuTarget))
                            : whereItOpens(target);
}

QVariant MenuItemsModel::data(const QModelIndex& index, int role) const {
    const MenuItem* item = itemAt(index);
    if (!item)
        return {};
    const int column = index.column();
    const bool outOfPage = !index.parent().isValid() && index.row() >= kMaxTop;
    switch (role) {
    case Qt::DisplayRole:
        if (column == Target)
            return targetCaption(text(item->target));
        return column == Current ? QVariant() : text(field(*item, column));
    case Qt::EditRole:
        return column == Current ? QVariant(item->current) : text(field(*item, column));
    case Qt::CheckStateRole:
        return column == Current ? QVariant(item->current ? Qt::Checked : Qt::Unchecked)
                                 : QVariant();
    case Qt::AccessibleDescriptionRole: {
        const Path path = pathOf(index);
        return path.size() == 1
                   ? tr("Level 1")
                   : tr("Level %1, in %2")
                         .arg(path.size())
                         .arg(text(std::string(itemAt(index.parent())->trimmedLabel())));
    }
    case Qt::BackgroundRole:
    case Qt::ToolTipRole: {
        const std::string problem = item->problem();
        const bool atFault = !problem.empty() && problem.rfind(kFields[column], 0) == 0 &&
                             problem[std::strlen(kFields[column])] == ':';
        if (role == Qt::BackgroundRole)
            return atFault ? QVariant(QColor(0xFF, 0xD6, 0xD6)) : QVariant();
        if (atFault)
            return text(problem);
        return outOfPage ? tr("Not in the page, which shows the first %1").arg(kMaxTop)
                         : QVariant();
    }
    case Qt::ForegroundRole:
        return outOfPage ? QVariant(QPalette().color(QPalette::Disabled, QPalette::Text))
                         : QVariant();
    default:
        return {};
    }
}

QVariant MenuItemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        const QString titles[] = {tr("Label"), tr("Link"), tr("Tooltip"), tr("Opens in"),
                                  tr("Current page")};
        return section >= 0 && section < ColumnCount ? titles[section] : QString();
    }
    if (role == Qt::ToolTipRole && section == Current)
        return tr(
            "The item of the page the menu is on: marked for screen readers (Space ticks it)");
    return {};
}

Qt::ItemFlags MenuItemsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return flags | (index.column() == Current ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool MenuItemsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const MenuItem* item = itemAt(index);
    if (!item)
        return false;
    const int column = index.column();
    QVariant before, after;
    if (column == Current && role == Qt::CheckStateRole) {
        before = item->current;
        after = value.toInt() == Qt::Checked;
    } else if (column != Current && role == Qt::EditRole) {
        before = text(field(*item, column));
        after = value.toString();
    } else {
        return false;
    }
    if (before == after)
        return true;
    m_undo.push(new CellStep(this, pathOf(index), column, before, after));
    return true;
}

void MenuItemsModel::setField(const Path& path, int column, const QVariant& value) {
    const QModelIndex at = indexOf(path, column);
    MenuItem* item = itemAt(at);
    if (!item)
        return;
    if (column != Current) {
        field(*item, column) = value.toString().toStdString();
        emit dataChanged(at, at);
        return;
    }
    item->current = value.toBool();
    emit dataChanged(at, at, {Qt::CheckStateRole});
    if (!item->current)
        return;
    // A page is one page: ticking one item clears the others.
    std::vector<QModelIndex> others;
    std::vector<QModelIndex> rows = {QModelIndex()};
    while (!rows.empty()) {
        const QModelIndex parent = rows.back();
        rows.pop_back();
        for (int row = 0; row < rowCount(parent); ++row) {
            const QModelIndex child = index(row, Current, parent);
            MenuItem* other = itemAt(child);
            if (other != item && other->current) {
                other->current = false;
                emit dataChanged(child, child, {Qt::CheckStateRole});
            }
            rows.push_back(index(row, 0, parent));
        }
    }
}

int MenuItemsModel::height(const Path& path) const {
    const MenuItem* item = itemAt(indexOf(path));
    return item ? 1 + MenuItem::levels(item->items) : 0;
}

QModelIndex MenuItemsModel::change(const QString& what, std::vector<MenuItem> after,
                                   const Path& from, const Path& to) {
    m_undo.push(new TreeStep(this, what, m_items, std::move(after), from, to));
    return indexOf(to);
}

QModelIndex MenuItemsModel::addAfter(const QModelIndex& index) {
    std::vector<MenuItem> after = m_items;
    Path path = index.isValid() ? pathOf(index) : Path{static_cast<int>(m_items.size()) - 1};
    ++path.back();
    std::vector<MenuItem>& list = listIn(after, path, path.size() - 1);
    list.insert(list.begin() + path.back(), MenuItem{});
    return change(tr("Add Item"), std::move(after), pathOf(index), path);
}

QModelIndex MenuItemsModel::addChild(const QModelIndex& index) {
    if (!index.isValid())
        return {};
    const Path parent = pathOf(index);
    if (levelOf(parent) >= MenuItem::kMaxLevels)
        return {};
    std::vector<MenuItem> after = m_items;
    std::vector<MenuItem>& list = listIn(after, parent, parent.size());
    list.emplace_back();
    Path path = parent;
    path.push_back(static_cast<int>(list.size()) - 1);
    return change(tr("Add Sub-item"), std::move(after), parent, path);
}

QModelIndex MenuItemsModel::remove(QModelIndexList rows) {
    std::vector<Path> paths;
    for (const QModelIndex& row : rows)
        if (row.isValid())
            paths.push_back(pathOf(row.siblingAtColumn(0)));
    if (paths.empty())
        return {};
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    // Rows inside a removed row go with it (in order, a row comes before
    // the rows inside it); the others go last first, so that each path
    // still names its row.
    std::vector<Path> kept;
    for (const Path& path : paths)
        if (kept.empty() || kept.back().size() > path.size() ||
            !std::equal(kept.back().begin(), kept.back().end(), path.begin()))
            kept.push_back(path);
    std::vector<MenuItem> after = m_items;
    for (auto at = kept.rbegin(); at != kept.rend(); ++at) {
        std::vector<MenuItem>& list = listIn(after, *at, at->size() - 1);
        list.erase(list.begin() + at->back());
    }
    // The row after the first removed one, or before it, or its parent.
    Path focus = kept.front();
    if (focus.back() >= static_cast<int>(listIn(after, focus, focus.size() - 1).size()))
        --focus.back();
    if (focus.back() < 0)
        focus.pop_back();
    return change(tr("Remove Items"), std::move(after), kept.front(), focus);
}

QModelIndex MenuItemsModel::move(const QModelIndex& index, int by) {
    if (!index.isValid())
        return {};
    Path path = pathOf(index);
    const int to = path.back() + by;
    if (to < 0 || to >= rowCount(index.parent()))
        return {};
    std::vector<MenuItem> after = m_items;
    std::vector<MenuItem>& list = listIn(after, path, path.size() - 1);
    std::swap(list[static_cast<std::size_t>(path.back())], list[static_cast<std::size_t>(to)]);
    const Path from = path;
    path.back() = to;
    return change(by < 0 ? tr("Move Up") : tr("Move Down"), std::move(after), from, path);
}

// The row becomes the last item of the sub-menu of the row above it.
QModelIndex MenuItemsModel::indent(const QModelIndex& index) {
    if (!index.isValid() || index.row() == 0)
        return {};
    const Path path = pathOf(index);
    if (levelOf(path) + height(path) > MenuItem::kMaxLevels)
        return {};
    std::vector<MenuItem> after = m_items;
    std::vector<MenuItem>& list = listIn(after, path, path.size() - 1);
    MenuItem moved = std::move(list[static_cast<std::size_t>(path.back())]);
    list.erase(list.begin() + path.back());
    std::vector<MenuItem>& into = list[static_cast<std::size_t>(path.back() - 1)].items;
    into.push_back(std::move(moved));
    Path focus(path.begin(), path.end() - 1);
    focus.push_back(path.back() - 1);
    focus.push_back(static_cast<int>(into.size()) - 1);
    return change(tr("Indent"), std::move(after), path, focus);
}

// The row leaves its sub-menu and follows its parent.
QModelIndex MenuItemsModel::outdent(const QModelIndex& index) {
    if (!index.isValid() || !index.parent().isValid())
        return {};
    const Path path = pathOf(index);
    std::vector<MenuItem> after = m_items;
    std::vector<MenuItem>& outer = listIn(after, path, path.size() - 2);
    const int parentRow = path[path.size() - 2];
    std::vector<MenuItem>& inner = outer[static_cast<std::size_t>(parentRow)].items;
    MenuItem moved = std::move(inner[static_cast<std::size_t>(path.back())]);
    inner.erase(inner.begin() + path.back());
    outer.insert(outer.begin() + parentRow + 1, std::move(moved));
    Path focus(path.begin(), path.end() - 2);
    focus.push_back(parentRow + 1);
    return change(tr("Outdent"), std::move(after), path, focus);
}

QModelIndex MenuItemsModel::append(std::vector<MenuItem> items) {
    if (items.empty())
        return {};
    std::vector<MenuItem> after = m_items;
    const int first = static_cast<int>(after.size());
    for (MenuItem& item : items)
        after.push_back(std::move(item));
    return change(tr("Paste"), std::move(after), {}, {first});
}

QString MenuItemsModel::firstProblem() const {
    return text(MenuItem::treeProblem(m_items));
}

Qt::DropActions MenuItemsModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList MenuItemsModel::mimeTypes() const {
    return {kMimeType};
}

QMimeData* MenuItemsModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int row : pathOf(indexes.front()))
        out << row;
    auto* data = new QMimeData;
    data->setData(kMimeType, bytes);
    return data;
}

namespace {

MenuItemsModel::Path draggedPath(const QMimeData* data) {
    MenuItemsModel::Path path;
    QDataStream in(data->data(kMimeType));
    for (int row; !in.atEnd() && path.size() < 8;) {
        in >> row;
        path.push_back(row);
    }
    return path;
}

} // namespace

bool MenuItemsModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                     const QModelIndex& parent) const {
    if (!data || !data->hasFormat(kMimeType))
        return false;
    const Path from = draggedPath(data);
    if (from.empty() || !itemAt(indexOf(from)))
        return false;
    const Path into = pathOf(parent.siblingAtColumn(0));
    // Not into itself, and no deeper than a menu goes.
    if (into.size() >= from.size() && std::equal(from.begin(), from.end(), into.begin()))
        return false;
    return levelOf(into) + height(from) <= MenuItem::kMaxLevels;
}

// A row dropped on a row joins its sub-menu at the end; dropped between
// rows, it takes that place.
bool MenuItemsModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const Path from = draggedPath(data);
    Path into = pathOf(parent.siblingAtColumn(0));
    std::vector<MenuItem> after = m_items;
    std::vector<MenuItem>& source = listIn(after, from, from.size() - 1);
    MenuItem moved = std::move(source[static_cast<std::size_t>(from.back())]);
    source.erase(source.begin() + from.back());
    // Taking the row out moves the rows after it up, in its list and below.
    Path parentOfFrom(from.begin(), from.end() - 1);
    if (into.size() >= from.size() &&
        std::equal(parentOfFrom.begin(), parentOfFrom.end(), into.begin()) &&
        into[from.size() - 1] > from.back())
        --into[from.size() - 1];
    std::vector<MenuItem>& target = listIn(after, into, into.size());
    if (row < 0 || row > static_cast<int>(target.size()))
        row = static_cast<int>(target.size());
    else if (into == parentOfFrom && row > from.back())
        --row;
    target.insert(target.begin() + row, std::move(moved));
    Path focus = into;
    focus.push_back(row);
    change(tr("Move Item"), std::move(after), from, focus);
    return true;
}
