#include "windows/document/SettingsEdit.h"

SettingsEdit::SettingsEdit(halvero::MenuSettings& settings, halvero::MenuSettings::Snapshot before,
                           halvero::MenuSettings::Snapshot after, const QString& text,
                           int typedEntry)
    : QUndoCommand(text), m_settings(settings), m_before(std::move(before)),
      m_after(std::move(after)), m_typedEntry(typedEntry) {}

void SettingsEdit::undo() {
    m_settings.restore(m_before);
}

void SettingsEdit::redo() {
    if (m_pushed)
        m_settings.restore(m_after);
    m_pushed = true;
}

bool SettingsEdit::mergeWith(const QUndoCommand* other) {
    m_after = static_cast<const SettingsEdit*>(other)->m_after;
    setObsolete(m_after == m_before);
    return true;
}
