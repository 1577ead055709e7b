#pragma once

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QUndoStack;
class QWidget;

// The main window's commands, each one QAction made once and shared by the
// menu bar, the context menu and the shortcuts (standard key sequences
// where the desktop has them). It connects nothing: the window does.
class MainActions {
public:
    MainActions(QWidget* window, QUndoStack* history);

    // File, Edit, Page and Help.
    void fillMenuBar(QMenuBar* bar) const;
    // What a right click on the window offers: the menu's items and its
    // files, the page's style and code.
    QMenu* contextMenu() const { return m_contextMenu; }

    QAction* newMenu;
    QAction* open;
    QMenu* openRecent; // filled as it opens
    QAction* save;
    QAction* saveAs;
    QAction* writePageTo;
    QAction* quit;
    QAction* undo;
    QAction* redo;
    QAction* editItems;
    QAction* createPage;
    QAction* preview;
    // Checked while the live preview is docked beside the settings.
    QAction* livePreview;
    QMenu* pageStyle;
    QAction* classicStyle;
    QAction* modernStyle;
    QAction* copyCode;
    QAction* writeFragmentTo;
    // The menu written into every page of a site's folder.
    QAction* updateSite;
    QAction* about;
    // Shift+F10 and the Menu key: the context menu, from the keyboard.
    QAction* menuKeys;

private:
    QMenu* m_contextMenu;
};
