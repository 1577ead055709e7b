#include "windows/main/EntryKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr char kEntryProperty[] = "entryIndex";

} // namespace

EntryKeys::EntryKeys(std::function<void(int)> left, QObject* parent)
    : QObject(parent), m_left(std::move(left)) {}

// The box itself has the focus and hands keys to its line edit, so the
// box is the one watched.
void EntryKeys::watch(QComboBox* box, int index) {
    box->setProperty(kEntryProperty, index);
    box->installEventFilter(this);
}

bool EntryKeys::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QComboBox*>(watched);
    if (!box || !box->lineEdit())
        return false;
    if (event->type() == QEvent::FocusOut)
        m_left(box->property(kEntryProperty).toInt());
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
