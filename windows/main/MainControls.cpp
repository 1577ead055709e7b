#include "windows/main/MainControls.h"

#include "app/pictures/Pictures.h"
#include "app/toolkit/BackdropWidget.h"
#include "app/toolkit/Twips.h"
#include "windows/main/ValueValidator.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using halvero::InputKind;
using halvero::MenuSettings;
using halvero::Setting;
using halvero::SettingGroup;
using halvero::SettingTable;

namespace {

using Kind = MainLayout::Kind;

// A value, an offered item or a key: the record's text as it stands.
QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::size_t slot(int index) {
    return static_cast<std::size_t>(index);
}

// An editable box takes text exactly as typed: its completer (Qt gives every
// editable box one) completes from a role no item has, so nothing is ever
// completed, and is case-sensitive, which also stops Qt from matching the
// text case-insensitively to an item when editing ends.
void takeTextAsTyped(QComboBox* box) {
    box->setInsertPolicy(QComboBox::NoInsert);
    QCompleter* completer = box->completer();
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setCompletionRole(Qt::UserRole + 1);
}

QString commandName(MainLayout::Command command) {
    switch (command) {
    case MainLayout::Command::CreatePage:
        return QStringLiteral("createPageButton");
    case MainLayout::Command::ShowPreview:
        return QStringLiteral("previewButton");
    case MainLayout::Command::ShowAbout:
        return QStringLiteral("aboutButton");
    case MainLayout::Command::Exit:
        break;
    }
    return QStringLiteral("exitButton");
}

// The name screen readers announce for an entry: its caption, and for the
// two item columns, which share their captions, the column too ("Font
// Color, Hover Menu Item").
QString spokenName(int index, const QString& caption) {
    const SettingGroup group = SettingTable::at(index).group;
    if (group == SettingGroup::Menu)
        return caption;
    return caption + QStringLiteral(", ") + MainLayout::caption(SettingTable::groupCaption(group));
}

} // namespace

QString MainControls::entryName(int index) {
    return QString::fromStdString(SettingTable::nameOf(SettingTable::at(index)));
}

QLabel* MainControls::makeLabel(BackdropWidget& window, const MainLayout::Row& row) {
    auto* label = new QLabel(row.caption, &window);
    label->setTextFormat(Qt::PlainText);
    if (row.kind == Kind::Title) {
        const auto group = static_cast<SettingGroup>(row.index);
        label->setObjectName(text(SettingTable::groupKey(group)) + QStringLiteral(".title"));
        titles.at(slot(row.index)) = label;
    } else {
        label->setObjectName(entryName(row.index) + QStringLiteral(".label"));
        label->setAccessibleName(spokenName(row.index, row.caption));
        labels.at(slot(row.index)) = label;
    }
    return label;
}

QComboBox* MainControls::makeEntry(BackdropWidget& window, const MainLayout::Row& row) {
    auto* box = new QComboBox(&window);
    const Setting& entry = SettingTable::at(row.index);
    box->setEditable(entry.isEditable());
    if (box->isEditable()) {
        takeTextAsTyped(box);
        box->setValidator(new ValueValidator(entry, box));
    }
    // Screen readers on Linux name a combo box by the label whose buddy it
    // is; elsewhere by its accessible name.
    box->setAccessibleName(spokenName(row.index, row.caption));
    box->setObjectName(entryName(row.index));
    labels.at(slot(row.index))->setBuddy(box);
    entries.at(slot(row.index)) = box;
    return box;
}

QPushButton* MainControls::makeButton(BackdropWidget& window, const MainLayout::Row& row) {
    auto* button = new QPushButton(row.caption, &window);
    button->setAutoDefault(false);
    if (row.kind == Kind::Command) {
        const auto command = static_cast<MainLayout::Command>(row.index);
        button->setObjectName(commandName(command));
        commandButtons.at(slot(row.index)) = button;
    } else {
        button->setObjectName(entryName(row.index) + QStringLiteral(".chooseColor"));
        button->setAccessibleName(
            QCoreApplication::translate("MainControls", "Choose %1")
                .arg(spokenName(row.index, labels.at(slot(row.index))->text())));
        colorButtons.at(slot(row.index)) = button;
    }
    return button;
}

void MainControls::build(BackdropWidget& window) {
    for (const MainLayout::Row& row : MainLayout::rows()) {
        QWidget* control = nullptr;
        switch (row.kind) {
        case Kind::Title:
        case Kind::Label:
            control = makeLabel(window, row);
            break;
        case Kind::Entry:
            control = makeEntry(window, row);
            break;
        case Kind::ColorButton:
        case Kind::Command:
            control = makeButton(window, row);
            break;
        }
        control->setGeometry(Twips::rect(row.left, row.top, row.width, row.height));
    }
    // A note on hard-to-read item colours, in the free space under the
    // commands; empty, and so unseen, while the colours read well.
    const QRect preview = command(MainLayout::Command::ShowPreview)->geometry();
    contrastNote = new QLabel(&window);
    contrastNote->setObjectName(QStringLiteral("contrastNote"));
    contrastNote->setGeometry(preview.left(), preview.bottom() + 12, preview.width(),
                              command(MainLayout::Command::Exit)->geometry().top() -
                                  preview.bottom() - 24);
    contrastNote->setWordWrap(true);
    contrastNote->setTextFormat(Qt::PlainText);
    flashTimer = new QTimer(&window);
    flashTimer->setObjectName(QStringLiteral("flashTimer"));
    setTabOrder(window);
    setPointers(window);
}

// Column by column, top to bottom, each colour button after its box, then
// the commands. Labels take no focus.
void MainControls::setTabOrder(BackdropWidget& window) const {
    QList<QWidget*> order;
    for (SettingGroup group : {SettingGroup::Menu, SettingGroup::Normal, SettingGroup::Hover})
        for (const Setting& entry : SettingTable::entries()) {
            if (entry.group != group)
                continue;
            order.append(this->entry(entry.index));
            if (QPushButton* button = colorButtons.at(slot(entry.index)))
                order.append(button);
        }
    for (QPushButton* button : commandButtons)
        order.append(button);
    for (qsizetype k = 0; k + 1 < order.size(); ++k)
        QWidget::setTabOrder(order[k], order[k + 1]);
    for (QObject* control : window.controls())
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setFocusPolicy(Qt::NoFocus);
}

// The forbidden hand over the bare window, the hand over buttons and lists,
// the grabbing hand over colour boxes, the pen over the other typed boxes;
// labels keep the arrow.
void MainControls::setPointers(BackdropWidget& window) const {
    window.setCursor(Pictures::forbiddenHandPointer());
    for (QObject* control : window.controls()) {
        auto* widget = qobject_cast<QWidget*>(control);
        if (!widget)
            continue;
        if (qobject_cast<QLabel*>(widget))
            widget->setCursor(Qt::ArrowCursor);
        else if (qobject_cast<QPushButton*>(widget))
            widget->setCursor(Pictures::handPointer());
    }
    for (const Setting& entry : SettingTable::entries()) {
        QComboBox* box = this->entry(entry.index);
        switch (entry.kind) {
        case InputKind::List:
            box->setCursor(Pictures::handPointer());
            break;
        case InputKind::ColorTyped:
            box->setCursor(Pictures::grabPointer());
            break;
        case InputKind::Text:
            box->setCursor(Pictures::penPointer());
            break;
        }
        if (box->lineEdit())
            box->lineEdit()->setCursor(box->cursor());
    }
}

void MainControls::show(const MenuSettings& settings, int index,
                        MenuSettings::Change change) const {
    if (index < 0)
        return; // the items and the page's style and look: no box shows them
    QComboBox* box = entry(index);
    switch (change) {
    case MenuSettings::Change::MenuItems:
    case MenuSettings::Change::PageStyle:
    case MenuSettings::Change::PageLook:
        break;
    case MenuSettings::Change::OfferedItems: {
        const std::vector<std::string>& wanted = settings.offeredItems(index);
        if (box->count() > 0)
            box->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(wanted.size()));
        for (const std::string& item : wanted)
            items.append(text(item));
        if (!items.isEmpty())
            box->addItems(items);
        break;
    }
    case MenuSettings::Change::Value: {
        const QString value = text(settings.value(index));
        // The list opens on the value when it is one of the offered items.
        const int item = box->findText(value, Qt::MatchExactly);
        if (item >= 0 || !box->isEditable())
            box->setCurrentIndex(item);
        if (box->isEditable()) {
            box->setEditText(value);
            // A value the program puts in shows from its start, as a
            // typed one would before the caret moved on.
            box->lineEdit()->setCursorPosition(0);
        }
        break;
    }
    case MenuSettings::Change::Enabled:
        box->setEnabled(settings.isEnabled(index));
        // Item Count is disabled while the menu has items of its own.
        if (index == SettingTable::kItemCount)
            box->setToolTip(settings.isEnabled(index)
                                ? QString()
                                : QCoreApplication::translate(
                                      "MainControls", "The number of the menu's own items (Edit > "
                                                      "Menu Items, Ctrl+I)"));
        break;
    }
}
