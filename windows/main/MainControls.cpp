#include "MainControls.h"

#include "ControlKind.h"
#include "MainLayout.h"
#include "MainLook.h"
#include "Pictures.h"
#include "Twips.h"
#include "frm1.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using halvero::InputKind;
using halvero::MenuSettings;

namespace {

using Kind = MainLayout::Kind;

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

QLabel* makeLabel(frm1& window, const MainLayout::Row& row) {
    auto* label = new QLabel(row.caption, &window);
    label->setTextFormat(Qt::PlainText);
    const auto index = static_cast<std::int16_t>(row.index);
    if (row.kind == Kind::Title) {
        label->setObjectName(QStringLiteral("lblTitle%1").arg(index));
        window.lblTitle.add(index, label);
    } else if (row.index == MenuSettings::kTarget) {
        label->setObjectName(QStringLiteral("lblTarget"));
        window.lblTarget = label;
    } else {
        label->setObjectName(QStringLiteral("lbl%1").arg(index));
        window.lbl.add(index, label);
    }
    return label;
}

QComboBox* makeEntry(frm1& window, const MainLayout::Row& row) {
    auto* box = new QComboBox(&window);
    const InputKind kind = MenuSettings::inputKind(row.index);
    box->setEditable(kind != InputKind::List);
    if (box->isEditable()) {
        takeTextAsTyped(box);
        box->lineEdit()->setReadOnly(kind == InputKind::ColorPicked);
    }
    // Screen readers on Linux name a combo box by the label whose buddy it
    // is; elsewhere by its accessible name.
    box->setAccessibleName(row.caption);
    const auto index = static_cast<std::int16_t>(row.index);
    if (row.index == MenuSettings::kTarget) {
        box->setObjectName(QStringLiteral("cboTarget"));
        window.lblTarget->setBuddy(box);
        window.cboTarget = box;
    } else {
        box->setObjectName(QStringLiteral("cbo%1").arg(index));
        window.lbl[index]->setBuddy(box);
        window.cbo.add(index, box);
    }
    return box;
}

QPushButton* makeButton(frm1& window, const MainLayout::Row& row) {
    auto* button = new QPushButton(row.caption, &window);
    button->setAutoDefault(false);
    MainLook::keepStandardButtonText(button);
    const auto index = static_cast<std::int16_t>(row.index);
    if (row.kind == Kind::Command) {
        button->setObjectName(QStringLiteral("cmd%1").arg(index));
        window.cmd.add(index, button);
    } else {
        button->setObjectName(QStringLiteral("cmdChangeColor%1").arg(index));
        button->setAccessibleName(QStringLiteral("Choose ") + window.lbl[index]->text());
        window.cmdChangeColor.add(index, button);
    }
    return button;
}

} // namespace

void MainControls::build(frm1& window) {
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
    window.tmrFlashForm = new QTimer(&window);
    window.tmrFlashForm->setObjectName(QStringLiteral("tmrFlashForm"));
    setTabOrder(window);
    setPointers(window);
}

// The first column top to bottom, the target, then the item columns with
// each colour button after its box, then the commands. Labels take no focus.
void MainControls::setTabOrder(frm1& window) {
    QList<QWidget*> order;
    for (int i = 0; i <= MenuSettings::kStatusMessage; ++i)
        order.append(window.entry(i));
    order.append(window.cboTarget);
    for (int i = MenuSettings::kNormal.first(); i < MenuSettings::kEntryCount; ++i) {
        order.append(window.entry(i));
        if (auto* button = window.cmdChangeColor[static_cast<std::int16_t>(i)])
            order.append(button);
    }
    for (const auto& [index, button] : window.cmd.elements())
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
void MainControls::setPointers(frm1& window) {
    window.setCursor(Pictures::ForbiddenHandPointer());
    for (QObject* control : window.controls()) {
        auto* widget = qobject_cast<QWidget*>(control);
        if (!widget)
            continue;
        const QString kind = ControlKind::of(widget);
        if (kind == QLatin1String("Label"))
            widget->setCursor(Qt::ArrowCursor);
        else if (kind == QLatin1String("CommandButton"))
            widget->setCursor(Pictures::HandPointer());
    }
    for (int i = 0; i < MenuSettings::kIndexCount; ++i) {
        QComboBox* box = window.entry(i);
        switch (MenuSettings::inputKind(i)) {
        case InputKind::List:
            box->setCursor(Pictures::HandPointer());
            break;
        case InputKind::ColorPicked:
        case InputKind::ColorTyped:
            box->setCursor(Pictures::GrabPointer());
            break;
        case InputKind::Text:
            box->setCursor(Pictures::PenPointer());
            break;
        }
        if (box->lineEdit())
            box->lineEdit()->setCursor(box->cursor());
    }
}

void MainControls::show(QComboBox* box, const MenuSettings& settings, int index,
                        MenuSettings::Change change) {
    auto text = [](const std::string& utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    };
    switch (change) {
    case MenuSettings::Change::Items: {
        const std::vector<std::string>& wanted = settings.items(index);
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
        if (box->isEditable())
            box->setEditText(value);
        break;
    }
    case MenuSettings::Change::Enabled:
        box->setEnabled(settings.isEnabled(index));
        break;
    }
}
