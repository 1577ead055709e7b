#pragma once

#include "core/settings/MenuSettings.h"

#include <QUndoCommand>

// One step of the main window's undo history: the settings before and after
// a whole edit (a typed value, a pick, a colour, the items editor's OK, a
// page style). Typing into one entry is one step however many keys it took.
class SettingsEdit : public QUndoCommand {
public:
    // `typedEntry`: the entry typed into, or -1 for an edit that stands alone.
    SettingsEdit(halvero::MenuSettings& settings, halvero::MenuSettings::Snapshot before,
                 halvero::MenuSettings::Snapshot after, const QString& text, int typedEntry = -1);

    void undo() override;
    // The first redo is the push: the edit is already made.
    void redo() override;
    int id() const override { return m_typedEntry; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    halvero::MenuSettings& m_settings;
    halvero::MenuSettings::Snapshot m_before;
    halvero::MenuSettings::Snapshot m_after;
    int m_typedEntry;
    bool m_pushed = false;
};
