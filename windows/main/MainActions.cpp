#include "windows/main/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QWidget>

namespace {

// `action` as an action of `window`, so its shortcut works wherever the
// focus is in it.
QAction* adopt(QWidget* window, QAction* action, const char* name,
               const QList<QKeySequence>& keys) {
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

QAction* make(QWidget* window, const QString& text, const char* name,
              const QList<QKeySequence>& keys = {}) {
    return adopt(window, new QAction(text, window), name, keys);
}

} // namespace

MainActions::MainActions(QWidget* window, QUndoStack* history) {
    newMenu = make(window, tr("&New"), "newMenu", QKeySequence::keyBindings(QKeySequence::New));
    newFromLook = make(window, tr("New From &Look..."), "newFromLook");
    open =
        make(window, tr("&Open..."), "openSettings", QKeySequence::keyBindings(QKeySequence::Open));
    openRecent = new QMenu(tr("Open &Recent"), window);
    openRecent->setObjectName(QStringLiteral("recentMenu"));
    save = make(window, tr("&Save"), "saveSettings", QKeySequence::keyBindings(QKeySequence::Save));
    saveAs = make(window, tr("Save &As..."), "saveSettingsAs",
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    writePageTo = make(window, tr("&Write Page To..."), "writePageTo",
                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)});
    importNavigation = make(window, tr("&Import Navigation..."), "importNavigation");
    quit = make(window, tr("&Quit"), "quit", {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    undo = adopt(window, history->createUndoAction(window, tr("&Undo")), "undo",
                 QKeySequence::keyBindings(QKeySequence::Undo));
    redo = adopt(window, history->createRedoAction(window, tr("&Redo")), "redo",
                 QKeySequence::keyBindings(QKeySequence::Redo));
    editItems =
        make(window, tr("Menu &Items..."), "editMenuItems", {QKeySequence(Qt::CTRL | Qt::Key_I)});

    createPage = make(window, tr("&Create Page File"), "createPage",
                      {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::Key_F9)});
    preview = make(window, tr("&Preview"), "preview", {QKeySequence(Qt::Key_F5)});
    livePreview = make(window, tr("&Live Preview"), "livePreview",
                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)});
    livePreview->setCheckable(true);
    pageStyle = make(window, tr("Page &Style..."), "pageStyle");
    applyLook = make(window, tr("Apply Loo&k..."), "applyLook");
    copyCode = make(window, tr("Copy Menu &Code"), "copyMenuCode",
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    copyStyle = make(window, tr("Copy St&yle"), "copyStyle");
    copyNavigation = make(window, tr("Copy &Navigation"), "copyNavigation");
    writeFragmentTo = make(window, tr("Write &Fragment To..."), "writeFragmentTo");
    updateSite = make(window, tr("&Update Site..."), "updateSite");
    about = make(window, tr("&About Halvero"), "about");
    menuKeys = make(window, QString(), "menuKeys",
                    {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});

    m_contextMenu = new QMenu(window);
    m_contextMenu->setObjectName(QStringLiteral("contextMenu"));
    m_contextMenu->addAction(editItems);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(open);
    m_contextMenu->addMenu(openRecent);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(save);
    m_contextMenu->addAction(saveAs);
    m_contextMenu->addAction(pageStyle);
    m_contextMenu->addActions({copyCode, copyStyle, copyNavigation});
    m_contextMenu->addAction(writePageTo);
    m_contextMenu->addAction(writeFragmentTo);
}

void MainActions::fillMenuBar(QMenuBar* bar) const {
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuBarFile"));
    file->addActions({newMenu, newFromLook, open});
    file->addMenu(openRecent);
    file->addAction(importNavigation);
    file->addSeparator();
    file->addActions({save, saveAs, writePageTo});
    file->addSeparator();
    file->addAction(quit);
    // Alt+E belongs to the Exit button.
    QMenu* edit = bar->addMenu(tr("E&dit"));
    edit->setObjectName(QStringLiteral("menuBarEdit"));
    edit->addActions({undo, redo});
    edit->addSeparator();
    edit->addAction(editItems);
    QMenu* page = bar->addMenu(tr("&Page"));
    page->setObjectName(QStringLiteral("menuBarPage"));
    page->addActions({createPage, preview, livePreview});
    page->addSeparator();
    page->addActions({pageStyle, applyLook, copyCode, copyStyle, copyNavigation, writeFragmentTo});
    page->addSeparator();
    page->addAction(updateSite);
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuBarHelp"));
    help->addAction(about);
}
