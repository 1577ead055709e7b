#pragma once

#include <QObject>

class MainControls;
class MenuDocument;
class QComboBox;
class QStatusBar;

// The user's typing and picking in the main window's boxes. A pick goes to
// the document at once; typing goes once the page can take the value (an
// unfinished colour or an empty width stays in the box, the status bar
// says why, and the box shows the document's value again when left).
// Ctrl+Z and Ctrl+Shift+Z undo and redo in a box while it has typing of
// its own to take back, and reach the document's history once it has none.
class EntryEditing : public QObject {
    Q_OBJECT

public:
    EntryEditing(MainControls& controls, MenuDocument& document, QStatusBar* status,
                 QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed(int index, const QString& text);
    void left(int index);

    MainControls& m_controls;
    MenuDocument& m_document;
    QStatusBar* m_status;
};
