#include "windows/items/MenuItemsModel.h"

#include "core/page/SiteLanguages.h"

#include <QColor>
#include <QDataStream>
#include <QFont>
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

} // namespace

// The text typed into one cell is one step: each key merges into the step
// before it while it edits the same cell.
class MenuItemsModel::CellStep : public QUndoCommand {
public:
    CellStep(MenuItemsModel* model, Path path, int column, QVariant before, QVariant after,
             std::string language)
        : QUndoCommand(MenuItemsModel::tr("Typing")), m_model(model), m_path(std::move(path)),
          m_column(column), m_before(std::move(before)), m_after(std::move(after)),
          m_language(std::move(language)) {}
    int id() const override { return m_column == Current ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const CellStep*>(other);
        if (next->m_path != m_path || next->m_column != m_column || next->m_language != m_language)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }
    void undo() override { m_model->setField(m_path, m_column, m_before, m_language); }
    void redo() override { m_model->setField(m_path, m_column, m_after, m_language); }

private:
    MenuItemsModel* m_model;
    Path m_path;
    int m_column;
    QVariant m_before, m_after;
    std::string m_language; // a language's label or link, by its tag
};

struct MenuItemsModel::Node {
    MenuItem item; // its fields; its sub-menu is `children`
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    static std::unique_ptr<Node> of(const MenuItem& item, Node* parent) {
        auto node = std::make_unique<Node>();
        node->item = item;
        node->item.items.clear();
        node->parent = parent;
        for (const MenuItem& child : item.items)
            node->children.push_back(of(child, node.get()));
        return node;
    }
    MenuItem toItem() const {
        MenuItem whole = item;
        for (const auto& child : children)
            whole.items.push_back(child->toItem());
        return whole;
    }
    int levels() const {
        int deepest = 0;
        for (const auto& child : children)
            deepest = std::max(deepest, child->levels());
        return 1 + deepest;
    }
};

// A change of the tree, undone by its edits' opposites, last first.
class MenuItemsModel::TreeStep : public QUndoCommand {
public:
    TreeStep(MenuItemsModel* model, const QString& what, std::vector<Edit> edits, Path from,
             Path to)
        : QUndoCommand(what), m_model(model), m_edits(std::move(edits)), m_from(std::move(from)),
          m_to(std::move(to)) {}
    void undo() override {
        for (auto edit = m_edits.rbegin(); edit != m_edits.rend(); ++edit) {
            Edit opposite = *edit;
            if (edit->kind == Edit::Move)
                std::swap(opposite.at, opposite.to);
            else
                opposite.kind = edit->kind == Edit::Insert ? Edit::Remove : Edit::Insert;
            m_model->apply(opposite);
        }
        emit m_model->rowToShow(m_model->indexOf(m_from));
    }
    void redo() override {
        for (const Edit& edit : m_edits)
            m_model->apply(edit);
        emit m_model->rowToShow(m_model->indexOf(m_to));
    }

private:
    MenuItemsModel* m_model;
    std::vector<Edit> m_edits;
    Path m_from, m_to;
};

MenuItemsModel::MenuItemsModel(std::vector<MenuItem> items, QObject* parent)
    : QAbstractItemModel(parent),
      m_root(Node::of(MenuItem{"", "", "", "", false, items}, nullptr)) {}

MenuItemsModel::~MenuItemsModel() = default;

std::vector<MenuItem> MenuItemsModel::items() const {
    return m_root->toItem().items;
}

MenuItemsModel::Node* MenuItemsModel::nodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

MenuItemsModel::Node* MenuItemsModel::nodeAt(const Path& path, const Node* skipped) const {
    Node* node = m_root.get();
    for (int row : path) {
        Node* next = nullptr;
        for (const auto& child : node->children)
            if (child.get() != skipped && row-- == 0) {
                next = child.get();
                break;
            }
        if (!next)
            return nullptr;
        node = next;
    }
    return node;
}

int MenuItemsModel::rowOf(const Node* node) {
    const auto& siblings = node->parent->children;
    return static_cast<int>(
        std::find_if(siblings.begin(), siblings.end(),
                     [node](const auto& sibling) { return sibling.get() == node; }) -
        siblings.begin());
}

QModelIndex MenuItemsModel::indexOfNode(const Node* node, int column) const {
    if (!node || node == m_root.get())
        return {};
    return createIndex(rowOf(node), column, const_cast<Node*>(node));
}

QModelIndex MenuItemsModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || row >= rowCount(parent))
        return {};
    return createIndex(row, column, nodeAt(parent)->children[static_cast<std::size_t>(row)].get());
}

QModelIndex MenuItemsModel::parent(const QModelIndex& child) const {
    return child.isValid() ? indexOfNode(nodeAt(child)->parent) : QModelIndex();
}

int MenuItemsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return static_cast<int>(nodeAt(parent)->children.size());
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
    return path.empty() ? QModelIndex() : indexOfNode(nodeAt(path), column);
}

void MenuItemsModel::apply(const Edit& edit) {
    const int row = edit.at.back();
    if (edit.kind == Edit::Insert) {
        Node* parent = nodeAt(Path(edit.at.begin(), edit.at.end() - 1));
        beginInsertRows(indexOfNode(parent), row, row);
        parent->children.insert(parent->children.begin() + row, Node::of(edit.item, parent));
        endInsertRows();
        return;
    }
    Node* node = nodeAt(edit.at);
    Node* from = node->parent;
    if (edit.kind == Edit::Remove) {
        beginRemoveRows(indexOfNode(from), row, row);
        from->children.erase(from->children.begin() + row);
        endRemoveRows();
        return;
    }
    // A move: where to, counted without the row itself, and for Qt before
    // it leaves.
    Node* into = nodeAt(Path(edit.to.begin(), edit.to.end() - 1), node);
    const int to = edit.to.back();
    const int before = into == from && to > row ? to + 1 : to;
    if (!beginMoveRows(indexOfNode(from), row, row, indexOfNode(into), before))
        return;
    std::unique_ptr<Node> moved = std::move(from->children[static_cast<std::size_t>(row)]);
    from->children.erase(from->children.begin() + row);
    moved->parent = into;
    into->children.insert(into->children.begin() + to, std::move(moved));
    endMoveRows();
}

QString MenuItemsModel::targetCaption(const QString& target) const {
    return target.isEmpty() ? tr("%1 (menu's Target)").arg(whereItOpens(m_menuTarget))
                            : whereItOpens(target);
}

QVariant MenuItemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const MenuItem* item = &nodeAt(index)->item;
    const int column = index.column();
    const bool outOfPage = !index.parent().isValid() && index.row() >= kMaxTop;
    if (m_language > 0 && (column == Label || column == Link)) {
        // A language's own label or link, or, greyed, what the page takes
        // in its place.
        const std::string* own = ownInLanguage(*item, column);
        const halvero::SiteLanguage& language = m_languages[static_cast<std::size_t>(m_language)];
        switch (role) {
        case Qt::DisplayRole:
            if (own)
                return text(*own);
            return text(column == Label ? item->label
                                        : halvero::SiteLanguages::linkIn(*item, m_languages,
                                                                         m_language, m_base));
        case Qt::EditRole:
            return own ? text(*own) : QString();
        case Qt::ForegroundRole:
            return own ? QVariant()
                       : QVariant(QPalette().color(QPalette::Disabled, QPalette::Text));
        case Qt::FontRole: {
            QFont font;
            font.setItalic(!own);
            return own ? QVariant() : QVariant(font);
        }
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (!own)
                return column == Label ? tr("No %1 label yet: the page shows the first language's")
                                             .arg(text(language.name))
                                       : tr("No %1 link of its own: the page leads here, in the "
                                            "language's folder")
                                             .arg(text(language.name));
            break;
        default:
            break;
        }
    }
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
                         .arg(text(std::string(nodeAt(index.parent())->item.trimmedLabel())));
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

void MenuItemsModel::setLanguage(const std::vector<halvero::SiteLanguage>& languages, int shown,
                                 const std::string& base) {
    m_languages = languages;
    m_language = shown > 0 && shown < static_cast<int>(languages.size()) ? shown : 0;
    m_base = base;
    emit headerDataChanged(Qt::Horizontal, Label, Link);
    if (rowCount() > 0)
        emit dataChanged(index(0, Label), index(rowCount() - 1, Link));
    // Rows below the top are told through their parents' views: all of them.
    std::vector<Node*> rows = {m_root.get()};
    while (!rows.empty()) {
        Node* parent = rows.back();
        rows.pop_back();
        for (const auto& child : parent->children) {
            if (!child->children.empty()) {
                rows.push_back(child.get());
                const QModelIndex first = indexOfNode(child->children.front().get(), Label);
                const QModelIndex last = indexOfNode(child->children.back().get(), Link);
                emit dataChanged(first, last);
            }
        }
    }
}

const std::string* MenuItemsModel::ownInLanguage(const MenuItem& item, int column) const {
    if (m_language <= 0 || (column != Label && column != Link))
        return nullptr;
    const auto& translated = column == Label ? item.labels : item.links;
    const auto found = translated.find(m_languages[static_cast<std::size_t>(m_language)].tag);
    return found == translated.end() ? nullptr : &found->second;
}

QVariant MenuItemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        const QString in = m_language > 0
                               ? QStringLiteral(" (%1)").arg(
                                     text(m_languages[static_cast<std::size_t>(m_language)].name))
                               : QString();
        const QString titles[] = {tr("Label") + in, tr("Link") + in, tr("Tooltip"), tr("Opens in"),
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
    if (!index.isValid())
        return false;
    const MenuItem* item = &nodeAt(index)->item;
    const int column = index.column();
    QVariant before, after;
    if (column == Current && role == Qt::CheckStateRole) {
        before = item->current;
        after = value.toInt() == Qt::Checked;
    } else if (column != Current && role == Qt::EditRole) {
        before = data(index, Qt::EditRole).toString();
        after = value.toString();
    } else {
        return false;
    }
    if (before == after)
        return true;
    const bool translated = m_language > 0 && (column == Label || column == Link);
    m_undo.push(new CellStep(this, pathOf(index), column, before, after,
                             translated ? m_languages[static_cast<std::size_t>(m_language)].tag
                                        : std::string()));
    return true;
}

void MenuItemsModel::setField(const Path& path, int column, const QVariant& value,
                              const std::string& language) {
    Node* node = nodeAt(path);
    if (!node || node == m_root.get())
        return;
    const QModelIndex at = indexOfNode(node, column);
    if (!language.empty()) {
        auto& translated = column == Label ? node->item.labels : node->item.links;
        if (const std::string typed = value.toString().toStdString(); typed.empty())
            translated.erase(language);
        else
            translated[language] = typed;
        emit dataChanged(at, at);
        return;
    }
    if (column != Current) {
        field(node->item, column) = value.toString().toStdString();
        emit dataChanged(at, at);
        return;
    }
    node->item.current = value.toBool();
    emit dataChanged(at, at, {Qt::CheckStateRole});
    if (!node->item.current)
        return;
    // A page is one page: ticking one item clears the others.
    std::vector<Node*> rows = {m_root.get()};
    while (!rows.empty()) {
        Node* parent = rows.back();
        rows.pop_back();
        for (const auto& child : parent->children) {
            if (child.get() != node && child->item.current) {
                child->item.current = false;
                const QModelIndex cleared = indexOfNode(child.get(), Current);
                emit dataChanged(cleared, cleared, {Qt::CheckStateRole});
            }
            rows.push_back(child.get());
        }
    }
}

int MenuItemsModel::height(const Path& path) const {
    const Node* node = path.empty() ? nullptr : nodeAt(path);
    return node ? node->levels() : 0;
}

QModelIndex MenuItemsModel::change(const QString& what, std::vector<Edit> edits, const Path& from,
                                   const Path& to) {
    m_undo.push(new TreeStep(this, what, std::move(edits), from, to));
    return indexOf(to);
}

QModelIndex MenuItemsModel::addAfter(const QModelIndex& index) {
    Path path = index.isValid() ? pathOf(index) : Path{rowCount() - 1};
    ++path.back();
    return change(tr("Add Item"), {{Edit::Insert, path, {}, {}}}, pathOf(index), path);
}

QModelIndex MenuItemsModel::addChild(const QModelIndex& index) {
    if (!index.isValid())
        return {};
    const Path parent = pathOf(index);
    if (levelOf(parent) >= MenuItem::kMaxLevels)
        return {};
    Path path = parent;
    path.push_back(rowCount(index.siblingAtColumn(0)));
    return change(tr("Add Sub-item"), {{Edit::Insert, path, {}, {}}}, parent, path);
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
    std::vector<Edit> edits;
    for (auto at = kept.rbegin(); at != kept.rend(); ++at)
        edits.push_back({Edit::Remove, *at, {}, nodeAt(*at)->toItem()});
    // The row after the first removed one, or before it, or its parent.
    Path focus = kept.front();
    const Path parent(focus.begin(), focus.end() - 1);
    const long left =
        rowCount(indexOf(parent)) - std::count_if(kept.begin(), kept.end(), [&](const Path& path) {
            return path.size() == focus.size() &&
                   std::equal(parent.begin(), parent.end(), path.begin());
        });
    if (focus.back() >= left)
        --focus.back();
    if (focus.back() < 0)
        focus.pop_back();
    return change(tr("Remove Items"), std::move(edits), kept.front(), focus);
}

QModelIndex MenuItemsModel::move(const QModelIndex& index, int by) {
    if (!index.isValid())
        return {};
    const Path from = pathOf(index);
    Path to = from;
    to.back() += by;
    if (to.back() < 0 || to.back() >= rowCount(index.parent()))
        return {};
    return change(by < 0 ? tr("Move Up") : tr("Move Down"), {{Edit::Move, from, to, {}}}, from, to);
}

// The row becomes the last item of the sub-menu of the row above it.
QModelIndex MenuItemsModel::indent(const QModelIndex& index) {
    if (!index.isValid() || index.row() == 0)
        return {};
    const Path path = pathOf(index);
    if (levelOf(path) + height(path) > MenuItem::kMaxLevels)
        return {};
    Path to(path.begin(), path.end() - 1);
    to.push_back(path.back() - 1);
    to.push_back(rowCount(index.sibling(index.row() - 1, 0)));
    return change(tr("Indent"), {{Edit::Move, path, to, {}}}, path, to);
}

// The row leaves its sub-menu and follows its parent.
QModelIndex MenuItemsModel::outdent(const QModelIndex& index) {
    if (!index.isValid() || !index.parent().isValid())
        return {};
    const Path path = pathOf(index);
    Path to(path.begin(), path.end() - 2);
    to.push_back(path[path.size() - 2] + 1);
    return change(tr("Outdent"), {{Edit::Move, path, to, {}}}, path, to);
}

QModelIndex MenuItemsModel::append(std::vector<MenuItem> items) {
    if (items.empty())
        return {};
    const int first = rowCount();
    std::vector<Edit> edits;
    for (MenuItem& item : items)
        edits.push_back(
            {Edit::Insert, {first + static_cast<int>(edits.size())}, {}, std::move(item)});
    return change(tr("Paste"), std::move(edits), {}, {first});
}

QString MenuItemsModel::firstProblem() const {
    return text(MenuItem::treeProblem(items()));
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
    if (from.empty() || !nodeAt(from))
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
    // Taking the row out moves the rows after it up, in its list and below.
    Path parentOfFrom(from.begin(), from.end() - 1);
    if (into.size() >= from.size() &&
        std::equal(parentOfFrom.begin(), parentOfFrom.end(), into.begin()) &&
        into[from.size() - 1] > from.back())
        --into[from.size() - 1];
    const int size = static_cast<int>(nodeAt(into, nodeAt(from))->children.size()) -
                     (into == parentOfFrom ? 1 : 0);
    if (row < 0 || row > size)
        row = size;
    else if (into == parentOfFrom && row > from.back())
        --row;
    Path focus = into;
    focus.push_back(row);
    change(tr("Move Item"), {{Edit::Move, from, focus, {}}}, from, focus);
    return true;
}
