#include "windows/main/MenuItemsDialog.h"

#include "app/Application.h"
#include "core/ItemsText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

using halvero::MenuItem;

namespace {

const QStringList kTargets = {QString(), QStringLiteral("_self"), QStringLiteral("_blank"),
                              QStringLiteral("_parent"), QStringLiteral("_top")};

QString text(const std::string& value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// Where a link of `target` opens, in words.
QString whereItOpens(const QString& target) {
    if (target == QLatin1String("_blank"))
        return MenuItemsDialog::tr("New tab");
    if (target == QLatin1String("_self"))
        return MenuItemsDialog::tr("Same frame");
    if (target == QLatin1String("_parent"))
        return MenuItemsDialog::tr("Parent frame");
    if (target == QLatin1String("_top"))
        return MenuItemsDialog::tr("Whole window");
    return target;
}

// Cells are edited in place; what is typed reaches the table at every
// key, so a fault is shown as it is typed. "Opens in" is picked from a
// list, its empty item meaning the menu's Target entry.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const QString& menuTarget, QObject* parent)
        : QStyledItemDelegate(parent), m_menuTarget(menuTarget) {}

    // Where the item opens, the menu's Target included: never blank.
    QString caption(const QString& target) const {
        return target.isEmpty()
                   ? MenuItemsDialog::tr("%1 (menu's Target)").arg(whereItOpens(m_menuTarget))
                   : whereItOpens(target);
    }
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        return m_showingTarget ? caption(value.toString())
                               : QStyledItemDelegate::displayText(value, locale);
    }
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        m_showingTarget = index.column() == MenuItemsDialog::Target;
        QStyledItemDelegate::initStyleOption(option, index);
        m_showingTarget = false;
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() == MenuItemsDialog::Target) {
            auto* box = new QComboBox(parent);
            for (const QString& target : kTargets)
                box->addItem(caption(target), target);
            connect(box, &QComboBox::activated, this,
                    [this, box] { emit const_cast<CellDelegate*>(this)->commitData(box); });
            return box;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        // Escape takes the cell back to what it held before this edit.
        editor->setProperty("cell", QVariant::fromValue(QPersistentModelIndex(index)));
        editor->setProperty("before", index.data());
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            connect(line, &QLineEdit::textEdited, this,
                    [this, line] { emit const_cast<CellDelegate*>(this)->commitData(line); });
        return editor;
    }
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            const auto cell = editor->property("cell").value<QPersistentModelIndex>();
            if (cell.isValid())
                const_cast<QAbstractItemModel*>(cell.model())
                    ->setData(cell, editor->property("before"));
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->setCurrentIndex(static_cast<int>(
                std::max<qsizetype>(0, kTargets.indexOf(index.data().toString()))));
            return;
        }
        // Text already shown stays as it is being typed.
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->isModified())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, box->currentData());
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    QString m_menuTarget;
    mutable bool m_showingTarget = false;
};

} // namespace

MenuItemsDialog::MenuItemsDialog(const std::vector<MenuItem>& items, int itemCount,
                                 const QString& menuTarget, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(0, ColumnCount, this)), m_problem(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_startCount(itemCount) {
    setObjectName(QStringLiteral("menuItemsDialog"));
    setFont(Application::windowFont());
    setWindowTitle(tr("Menu Items"));
    m_table->setObjectName(QStringLiteral("itemTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Label"), tr("Link"), tr("Tooltip"), tr("Opens in"), tr("Current page")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(Tooltip, QHeaderView::Stretch);
    m_table->setColumnWidth(Label, 130);
    m_table->setColumnWidth(Link, 200);
    m_table->setColumnWidth(Target, 175);
    m_table->horizontalHeaderItem(Current)->setToolTip(
        tr("The item of the page the menu is on: marked for screen readers (Space ticks it)"));
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    // Rows are dragged by their number to a new place.
    m_table->verticalHeader()->setSectionsMovable(true);
    m_table->verticalHeader()->setToolTip(tr("Drag a row's number to move it"));
    m_table->setItemDelegate(new CellDelegate(menuTarget, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Typing into a cell edits it, as in a spreadsheet; Tab moves on.
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_table->installEventFilter(this);
    for (const MenuItem& item : items)
        addRow(item);

    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);

    auto* add = new QPushButton(tr("&Add"), this);
    auto* remove = new QPushButton(tr("&Remove"), this);
    auto* up = new QPushButton(tr("Move &up"), this);
    auto* down = new QPushButton(tr("Move &down"), this);
    add->setObjectName(QStringLiteral("addButton"));
    remove->setObjectName(QStringLiteral("removeButton"));
    up->setObjectName(QStringLiteral("upButton"));
    down->setObjectName(QStringLiteral("downButton"));
    add->setToolTip(tr("Add a row (Insert)"));
    remove->setToolTip(tr("Remove the selected rows (Delete)"));
    up->setToolTip(tr("Move the row up (Alt+Up)"));
    down->setToolTip(tr("Move the row down (Alt+Down)"));
    for (QPushButton* button : {add, remove, up, down})
        button->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &MenuItemsDialog::addRows);
    connect(remove, &QPushButton::clicked, this, &MenuItemsDialog::removeRows);
    connect(up, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* changed) {
        keepOneCurrent(changed);
        check();
    });
    connect(m_table->verticalHeader(), &QHeaderView::sectionMoved, this, &MenuItemsDialog::check);

    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {add, remove, up, down})
        commands->addWidget(button);
    commands->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_table, 1);
    middle->addLayout(commands);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Each row is one item of the menu, in the order shown. Paste rows "
                               "copied from a spreadsheet (label, link) with Ctrl+V."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addLayout(middle, 1);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    resize(800, 380);
    check();
}

// The table has the keys from the start: typing edits the current cell.
void MenuItemsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_table->setFocus(Qt::OtherFocusReason);
    if (m_table->rowCount() > 0 && !m_table->currentItem())
        m_table->setCurrentCell(0, Label);
}

void MenuItemsDialog::addRow(const MenuItem& item) {
    const int row = m_table->rowCount();
    const QSignalBlocker quiet(m_table);
    m_table->insertRow(row);
    const QString values[Current] = {text(item.label), text(item.link), text(item.tooltip),
                                     text(item.target)};
    for (int column = 0; column < Current; ++column)
        m_table->setItem(row, column, new QTableWidgetItem(values[column]));
    auto* current = new QTableWidgetItem;
    current->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    current->setCheckState(item.current ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, Current, current);
}

// A page is one page: ticking an item as the current one clears the others.
void MenuItemsDialog::keepOneCurrent(const QTableWidgetItem* changed) {
    if (!changed || changed->column() != Current || changed->checkState() != Qt::Checked)
        return;
    const QSignalBlocker quiet(m_table);
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (QTableWidgetItem* other = m_table->item(row, Current); other && other != changed)
            other->setCheckState(Qt::Unchecked);
}

int MenuItemsDialog::rowAt(int visual) const {
    return m_table->verticalHeader()->logicalIndex(visual);
}

std::vector<MenuItem> MenuItemsDialog::items() const {
    std::vector<MenuItem> items;
    for (int visual = 0; visual < m_table->rowCount(); ++visual) {
        const int row = rowAt(visual);
        auto cell = [&](int column) {
            const QTableWidgetItem* item = m_table->item(row, column);
            return item ? item->text().toStdString() : std::string();
        };
        const QTableWidgetItem* current = m_table->item(row, Current);
        items.push_back({cell(Label),
                         cell(Link),
                         cell(Tooltip),
                         cell(Target),
                         current && current->checkState() == Qt::Checked,
                         {}});
    }
    return items;
}

int MenuItemsDialog::itemCount() const {
    const int rows = m_table->rowCount();
    return rows == 0 ? m_startCount : std::min(rows, kMaxCount);
}

bool MenuItemsDialog::roomFor(int more) {
    if (m_table->rowCount() + more <= kMaxRows)
        return true;
    m_problem->setText(
        tr("A menu holds at most %1 items; these %n row(s) would make it more.", nullptr, more)
            .arg(kMaxRows));
    return false;
}

void MenuItemsDialog::addRows() {
    if (!roomFor(1))
        return;
    addRow({});
    const int row = m_table->rowCount() - 1;
    m_table->setCurrentCell(row, Label);
    m_table->editItem(m_table->item(row, Label));
    check();
}

void MenuItemsDialog::removeRows() {
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && m_table->currentRow() >= 0)
        rows << m_table->currentRow();
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : rows)
        m_table->removeRow(row);
    check();
}

void MenuItemsDialog::moveRow(int by) {
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    QHeaderView* header = m_table->verticalHeader();
    const int from = header->visualIndex(row);
    const int to = from + by;
    if (to < 0 || to >= m_table->rowCount())
        return;
    header->moveSection(from, to);
    m_table->setCurrentCell(row, m_table->currentColumn());
}

// Lines of label TAB link [TAB tooltip [TAB target]], as a spreadsheet
// copies them and --items reads them, become rows, each checked like a
// typed one; a paste that is no such list, or too long, adds nothing and
// says why.
void MenuItemsDialog::paste() {
    const QByteArray clip = QApplication::clipboard()->text().toUtf8();
    if (clip.size() > static_cast<qsizetype>(halvero::ItemsText::kMaxBytes)) {
        m_problem->setText(tr("Nothing was pasted: a list of items is a few KB, this is %1 KB.")
                               .arg(clip.size() / 1024));
        return;
    }
    std::vector<halvero::ItemsText::Row> rows;
    try {
        rows = halvero::ItemsText::rows(
            std::string_view(clip.constData(), static_cast<std::size_t>(clip.size())));
    } catch (const halvero::ItemsTextError& error) {
        m_problem->setText(tr("Nothing was pasted: %1").arg(text(error.what())));
        return;
    }
    if (!roomFor(static_cast<int>(rows.size())))
        return;
    for (const halvero::ItemsText::Row& row : rows)
        addRow(row.item);
    check();
}

bool MenuItemsDialog::eventFilter(QObject* watched, QEvent* event) {
    // Keys for the table itself, not those a cell's editor passes on.
    const QWidget* focus = QApplication::focusWidget();
    const bool editing = focus && focus != m_table && m_table->isAncestorOf(focus);
    if (watched == m_table && event->type() == QEvent::KeyPress && !editing) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            paste();
            return true;
        }
        if (key->key() == Qt::Key_Insert) {
            addRows();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            removeRows();
            return true;
        }
        if (key->modifiers() == Qt::AltModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveRow(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Marks every cell at fault and every row the page will not show, and
// allows OK only when every row is an item the page can take.
void MenuItemsDialog::check() {
    if (m_checking)
        return;
    m_checking = true;
    const QSignalBlocker quiet(m_table);
    const std::vector<MenuItem> rows = items();
    QString first;
    bool allValid = true;
    for (int visual = 0; visual < static_cast<int>(rows.size()); ++visual) {
        const int row = rowAt(visual);
        const std::string problem = rows[static_cast<std::size_t>(visual)].problem();
        allValid = allValid && problem.empty();
        const QString field = text(problem.substr(0, problem.find(':')));
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem* cell = m_table->item(row, column);
            if (!cell)
                continue;
            const bool atFault =
                !problem.empty() &&
                field == QStringList({"label", "link", "tooltip", "target", "current"}).at(column);
            cell->setBackground(atFault ? QColor(0xFF, 0xD6, 0xD6) : QBrush());
            cell->setForeground(visual >= kMaxCount
                                    ? palette().color(QPalette::Disabled, QPalette::Text)
                                    : QBrush());
            cell->setToolTip(atFault ? text(problem)
                             : visual >= kMaxCount
                                 ? tr("Not in the page, which shows the first %1").arg(kMaxCount)
                                 : QString());
        }
        if (!problem.empty() && first.isEmpty())
            first = text(MenuItem::describe(static_cast<std::size_t>(visual) + 1,
                                            rows[static_cast<std::size_t>(visual)]) +
                         ": " + problem);
    }
    if (first.isEmpty() && static_cast<int>(rows.size()) > kMaxCount)
        first = tr("Rows after the %1th are kept but not in the page, which shows %1 items.")
                    .arg(kMaxCount);
    m_problem->setText(first);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(allValid);
    m_checking = false;
}
