#include "windows/main/EntryEditing.h"

#include "core/settings/ValueRules.h"
#include "windows/document/MenuDocument.h"
#include "windows/main/MainControls.h"
#include "windows/main/MainLayout.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStatusBar>

using halvero::SettingTable;

namespace {

constexpr char kEntryProperty[] = "entryIndex";

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace

EntryEditing::EntryEditing(MainControls& controls, MenuDocument& document, QStatusBar* status,
                           QObject* parent)
    : QObject(parent), m_controls(controls), m_document(document), m_status(status) {
    for (const halvero::Setting& entry : SettingTable::entries()) {
        const int index = entry.index;
        QComboBox* box = m_controls.entry(index);
        connect(box, &QComboBox::textActivated, this, [this, box, index](const QString& picked) {
            m_document.pick(index, picked.toUtf8().toStdString());
            // A long offer (a font stack) shows from its start, as the
            // program's own values do.
            if (box->lineEdit())
                box->lineEdit()->setCursorPosition(0);
        });
        if (!box->isEditable())
            continue;
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, index](const QString& value) { typed(index, value); });
        // The box itself has the focus and hands keys to its line edit.
        box->setProperty(kEntryProperty, index);
        box->installEventFilter(this);
    }
}

void EntryEditing::typed(int index, const QString& typedText) {
    std::string value = typedText.toUtf8().toStdString();
    const halvero::Setting& entry = SettingTable::at(index);
    if (const std::string problem = halvero::ValueRules::problem(entry, value); !problem.empty()) {
        m_status->showMessage(tr("%1: the value %2; the page keeps %3")
                                  .arg(MainLayout::caption(entry.caption), text(problem),
                                       text(m_document.settings().value(index))));
        return;
    }
    m_status->clearMessage();
    m_document.type(index, std::move(value));
}

void EntryEditing::left(int index) {
    if (m_controls.entry(index)->currentText().toStdString() != m_document.settings().value(index))
        m_controls.show(m_document.settings(), index, halvero::MenuSettings::Change::Value);
}

bool EntryEditing::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QComboBox*>(watched);
    if (!box || !box->lineEdit())
        return false;
    if (event->type() == QEvent::FocusOut)
        left(box->property(kEntryProperty).toInt());
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QLineEdit* line = box->lineEdit();
        if ((key->matches(QKeySequence::Undo) && !line->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !line->isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return false;
}
