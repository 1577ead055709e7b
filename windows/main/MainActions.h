#pragma once

#include <QCoreApplication>

class QAction;
class QMenu;
class QMenuBar;
class QUndoStack;
class QWidget;

// The main window's commands, each one QAction made once and shared by the
// menu bar, the context menu and the shortcuts (standard key sequences
// where the desktop has them). It connects nothing: the window does.
class MainActions {
    Q_DECLARE_TR_FUNCTIONS(MainActions)

public:
    MainActions(QWidget* window, QUndoStack* history);

    // File, Edit, Page and Help.
    void fillMenuBar(QMenuBar* bar) const;
    // What a right click on the window offers: the menu's items and its
    // files, the page's style and code.
    QMenu* contextMenu() const { return m_contextMenu; }

    QAction* newMenu;
    // A new menu in one of the looks Halvero ships (LookDialog).
    QAction* newFromLook;
    QAction* open;
    QMenu* openRecent; // filled as it opens
    QAction* save;
    QAction* saveAs;
    QAction* writePageTo;
    // An existing page's navigation read as the menu's items.
    QAction* importNavigation;
    QAction* quit;
    QAction* undo;
    QAction* redo;
    QAction* editItems;
    QAction* createPage;
    QAction* preview;
    // Checked while the live preview is docked beside the settings.
    QAction* livePreview;
    // The page's style and the modern page's look (PageStyleDialog).
    QAction* pageStyle;
    // One of the looks given to the open menu, as one step of the history.
    QAction* applyLook;
    QAction* copyCode;
    // The modern menu's code in parts: the style for a page's head, and
    // the navigation for the menu's place.
    QAction* copyStyle;
    QAction* copyNavigation;
    QAction* writeFragmentTo;
    // The menu written into every page of a site's folder.
    QAction* updateSite;
    QAction* about;
    // Shift+F10 and the Menu key: the context menu, from the keyboard.
    QAction* menuKeys;

private:
    QMenu* m_contextMenu;
};
