#pragma once

#include <QObject>
#include <functional>

class QComboBox;

// The keys of the main window's editable boxes. Ctrl+Z and Ctrl+Shift+Z
// undo and redo in the box while it has typing of its own to take back, and
// reach the window's history once it has none. Leaving a box tells `left`
// its entry, so that a value left unfinished gives way to the record's.
class EntryKeys : public QObject {
public:
    EntryKeys(std::function<void(int index)> left, QObject* parent);

    void watch(QComboBox* box, int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int)> m_left;
};
