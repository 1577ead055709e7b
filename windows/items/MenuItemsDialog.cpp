#include "windows/items/MenuItemsDialog.h"

#include "app/Application.h"
#include "core/items/ItemsText.h"
#include "windows/items/MenuItemsModel.h"
#include "windows/items/MenuItemsTree.h"

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
#include <QTreeView>
#include <QVBoxLayout>

using halvero::MenuItem;

namespace {

// The menu's own target (empty), then those an item may name.
const QStringList kTargets = [] {
    QStringList targets = {QString()};
    for (std::string_view target : MenuItem::kTargets)
        targets << QString::fromLatin1(target.data(), static_cast<qsizetype>(target.size()));
    return targets;
}();

QString text(const std::string& value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// Cells are edited in place; what is typed reaches the model at every key,
// so a fault is shown as it is typed. "Opens in" is picked from a list,
// its empty item meaning the menu's Target entry.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(const MenuItemsModel* model, QObject* parent)
        : QStyledItemDelegate(parent), m_model(model) {}

    // Rows tall enough for an editor to open in them without cutting its
    // text.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize hint = QStyledItemDelegate::sizeHint(option, index);
        return {hint.width(), std::max(hint.height(), option.fontMetrics.height() + 10)};
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() == MenuItemsModel::Target) {
            auto* box = new QComboBox(parent);
            for (const QString& target : kTargets)
                box->addItem(m_model->targetCaption(target), target);
            connect(box, &QComboBox::activated, this,
                    [this, box] { emit const_cast<CellDelegate*>(this)->commitData(box); });
            return box;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        // Escape takes the cell back to what it held before this edit.
        editor->setProperty("cell", QVariant::fromValue(QPersistentModelIndex(index)));
        editor->setProperty("before", index.data(Qt::EditRole));
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
                std::max<qsizetype>(0, kTargets.indexOf(index.data(Qt::EditRole).toString()))));
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
    const MenuItemsModel* m_model;
};

} // namespace

MenuItemsDialog::MenuItemsDialog(const std::vector<MenuItem>& items, int itemCount,
                                 const QString& menuTarget, halvero::MenuSettings::PageStyle style,
                                 QWidget* parent)
    : QDialog(parent), m_model(new MenuItemsModel(items, this)), m_tree(new MenuItemsTree(this)),
      m_problem(new QLabel(this)), m_note(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_startCount(itemCount), m_classic(style == halvero::MenuSettings::PageStyle::Classic) {
    setObjectName(QStringLiteral("menuItemsDialog"));
    setFont(Application::windowFont());
    setWindowTitle(tr("Menu Items"));
    m_model->setMenuTarget(menuTarget);
    m_tree->setObjectName(QStringLiteral("itemTree"));
    m_tree->setAccessibleName(tr("Menu items"));
    m_tree->setModel(m_model);
    m_tree->setItemDelegate(new CellDelegate(m_model, m_tree));
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    // A cell at a time, as in a spreadsheet: arrows and Tab go from cell
    // to cell.
    m_tree->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Typing into a cell edits it, as in a spreadsheet.
    m_tree->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    // A row is dragged to a new place, or onto a row to join its sub-menu.
    m_tree->setDragEnabled(true);
    m_tree->setAcceptDrops(true);
    m_tree->setDropIndicatorShown(true);
    m_tree->setDragDropMode(QAbstractItemView::InternalMove);
    m_tree->setDefaultDropAction(Qt::MoveAction);
    QHeaderView* header = m_tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(MenuItemsModel::Tooltip, QHeaderView::Stretch);
    m_tree->setColumnWidth(MenuItemsModel::Label, 190);
    m_tree->setColumnWidth(MenuItemsModel::Link, 200);
    m_tree->setColumnWidth(MenuItemsModel::Target, 175);
    m_tree->installEventFilter(this);
    m_tree->expandAll();
    // Rows that come in (added, pasted, or back by an undo) show their
    // sub-menus; the rest keep how the user left them.
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_tree->expandRecursively(m_model->index(row, 0, parent));
            });
    connect(m_model, &MenuItemsModel::rowToShow, this, &MenuItemsDialog::showRow);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, changed, this, &MenuItemsDialog::check);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, &MenuItemsDialog::check);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &MenuItemsDialog::check);

    for (QLabel* label : {m_problem, m_note}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    m_problem->setObjectName(QStringLiteral("problem"));
    m_note->setObjectName(QStringLiteral("classicNote"));

    struct Command {
        QString caption, name, tip;
        std::function<void()> run;
    };
    const auto current = [this] { return m_tree->currentIndex(); };
    const std::vector<Command> commands = {
        {tr("&Add"), "addButton", tr("Add an item after this one (Insert)"),
         [this] { add(false); }},
        {tr("Add &Sub-item"), "addChildButton", tr("Add an item to this one's sub-menu"),
         [this] { add(true); }},
        {tr("&Remove"), "removeButton",
         tr("Remove the selected items and their sub-menus (Delete)"), [this] { removeRows(); }},
        {tr("Move &up"), "upButton", tr("Move the item up (Alt+Up)"),
         [this, current] { showRow(m_model->move(current(), -1)); }},
        {tr("Move &down"), "downButton", tr("Move the item down (Alt+Down)"),
         [this, current] { showRow(m_model->move(current(), 1)); }},
        {tr("&Indent"), "indentButton",
         tr("Put the item in the sub-menu of the one above it (Tab, Alt+Right)"),
         [this, current] { showRow(m_model->indent(current())); }},
        {tr("&Outdent"), "outdentButton",
         tr("Take the item out of its sub-menu (Shift+Tab, Alt+Left)"),
         [this, current] { showRow(m_model->outdent(current())); }},
    };
    auto* column = new QVBoxLayout;
    for (const Command& command : commands) {
        auto* button = new QPushButton(command.caption, this);
        button->setObjectName(command.name);
        button->setToolTip(command.tip);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command.run);
        column->addWidget(button);
    }
    column->addStretch();
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_tree, 1);
    middle->addLayout(column);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Each row is one item of the menu, in the order shown; an indented "
                               "row is in the sub-menu of the row above it. Paste rows copied "
                               "from a spreadsheet (label, link) with Ctrl+V, \">\" before a "
                               "label for each level down. Ctrl+Tab leaves the list."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    // In a site of several languages: the one the rows show.
    m_languageRow = new QWidget(this);
    auto* languageLayout = new QHBoxLayout(m_languageRow);
    languageLayout->setContentsMargins(0, 0, 0, 0);
    m_language = new QComboBox(m_languageRow);
    m_language->setObjectName(QStringLiteral("itemsLanguage"));
    auto* languageCaption = new QLabel(tr("Labels and links in lan&guage:"), m_languageRow);
    languageCaption->setBuddy(m_language);
    languageLayout->addWidget(languageCaption);
    languageLayout->addWidget(m_language);
    languageLayout->addStretch(1);
    m_languageRow->hide();
    layout->addWidget(m_languageRow);
    layout->addLayout(middle, 1);
    layout->addWidget(m_note);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    resize(900, 440);
    check();
}

void MenuItemsDialog::setLanguages(const std::vector<halvero::SiteLanguage>& languages,
                                   const std::string& base) {
    m_language->clear();
    for (const halvero::SiteLanguage& language : languages)
        m_language->addItem(QString::fromStdString(language.name) + QStringLiteral(" (") +
                            QString::fromStdString(language.tag) + QLatin1Char(')'));
    m_languageRow->setVisible(languages.size() > 1);
    connect(m_language, &QComboBox::currentIndexChanged, this,
            [this, languages, base](int index) { m_model->setLanguage(languages, index, base); });
    m_model->setLanguage(languages, 0, base);
}

// The tree has the keys from the start: typing edits the current cell.
void MenuItemsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_tree->setFocus(Qt::OtherFocusReason);
    if (m_model->rowCount() > 0 && !m_tree->currentIndex().isValid())
        m_tree->setCurrentIndex(m_model->index(0, MenuItemsModel::Label));
}

void MenuItemsDialog::showRow(const QModelIndex& index) {
    if (!index.isValid())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_tree->expand(parent);
    // Selected too, whatever the selection held: an undone move leaves the
    // row current but not selected.
    m_tree->selectionModel()->setCurrentIndex(index.siblingAtColumn(MenuItemsModel::Label),
                                              QItemSelectionModel::ClearAndSelect);
    m_tree->scrollTo(index);
}

std::vector<MenuItem> MenuItemsDialog::items() const {
    return m_model->items();
}

int MenuItemsDialog::itemCount() const {
    const int rows = m_model->rowCount();
    return rows == 0 ? m_startCount : std::min(rows, kMaxCount);
}

bool MenuItemsDialog::roomFor(std::size_t more) {
    if (MenuItem::countAll(m_model->items()) + more <= static_cast<std::size_t>(kMaxRows))
        return true;
    // Without a translation loaded, %n has no plural forms: the two
    // sentences are chosen here.
    m_problem->setText(
        more == 1 ? tr("A menu holds at most %1 items; this one would make it more.").arg(kMaxRows)
                  : tr("A menu holds at most %1 items; these %2 would make it more.")
                        .arg(kMaxRows)
                        .arg(more));
    return false;
}

void MenuItemsDialog::add(bool child) {
    if (!roomFor(1))
        return;
    const QModelIndex current = m_tree->currentIndex();
    const QModelIndex added = child ? m_model->addChild(current) : m_model->addAfter(current);
    if (!added.isValid()) {
        m_problem->setText(
            tr("A menu has at most %1 levels: this item's sub-menu would be a fourth.")
                .arg(MenuItem::kMaxLevels));
        return;
    }
    showRow(added);
    m_tree->edit(added.siblingAtColumn(MenuItemsModel::Label));
}

void MenuItemsDialog::removeRows() {
    QModelIndexList rows = m_tree->selectionModel()->selectedIndexes();
    if (rows.isEmpty() && m_tree->currentIndex().isValid())
        rows << m_tree->currentIndex();
    showRow(m_model->remove(rows));
}

// Lines of label TAB link [TAB tooltip [TAB target]], as a spreadsheet
// copies them and --items reads them, become rows at the end, each checked
// like a typed one; a paste that is no such list, or too long, adds
// nothing and says why.
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
    if (!roomFor(rows.size()))
        return;
    showRow(m_model->append(halvero::ItemsText::tree(std::move(rows))));
}

bool MenuItemsDialog::eventFilter(QObject* watched, QEvent* event) {
    // Keys for the tree itself, not those a cell's editor passes on.
    const QWidget* focus = QApplication::focusWidget();
    const bool editing = focus && focus != m_tree && m_tree->isAncestorOf(focus);
    if (watched != m_tree || event->type() != QEvent::KeyPress || editing)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QModelIndex current = m_tree->currentIndex();
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool alt = modifiers == Qt::AltModifier;
    if (key->matches(QKeySequence::Paste))
        paste();
    else if (key->matches(QKeySequence::Undo))
        m_model->undoStack()->undo();
    else if (key->matches(QKeySequence::Redo))
        m_model->undoStack()->redo();
    else if (key->key() == Qt::Key_Insert && modifiers == Qt::NoModifier)
        add(false);
    else if (key->key() == Qt::Key_Delete && modifiers == Qt::NoModifier)
        removeRows();
    else if (alt && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down))
        showRow(m_model->move(current, key->key() == Qt::Key_Up ? -1 : 1));
    else if ((key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) ||
             (alt && key->key() == Qt::Key_Right))
        showRow(m_model->indent(current));
    else if (key->key() == Qt::Key_Backtab || (alt && key->key() == Qt::Key_Left))
        showRow(m_model->outdent(current));
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

// Allows OK only when every row is an item the page can take, and says
// what the page leaves out.
void MenuItemsDialog::check() {
    const QString problem = m_model->firstProblem();
    m_problem->setText(
        !problem.isEmpty() || m_model->rowCount() <= kMaxCount
            ? problem
            : tr("Rows after the %1th are kept but not in the page, which shows %1 items.")
                  .arg(kMaxCount));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (problem.isEmpty())
        emit itemsEdited();
    const bool dropped = m_classic && MenuItem::hasSubMenus(m_model->items());
    m_note->setText(dropped ? tr("The classic page shows the top-level items only; pick Modern in "
                                 "Page > Page Style... to show the sub-menus.")
                            : QString());
    m_note->setVisible(dropped);
}
