#pragma once

#include "windows/document/MenuDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class MainActions;
class QMenu;
class QWidget;

// The file dialogs and questions around the menu document: New, Open, Save,
// Save as, Write page to, Write fragment to and Open recent, and the
// question before unsaved changes are lost or another program's save is
// overwritten. Opening is all or nothing: a refused file changes nothing
// and says why. The document reads and writes; this asks where and whether.
class FileCommands : public QObject {
    Q_OBJECT
public:
    // Open and Save a settings file, save a page, save the menu's code.
    enum class DialogMode { Open, Save, SavePage, SaveFragment, ImportPage };
    // Asks for a file: what for, the folder to start in and the filter;
    // returns the chosen path, or an empty text when the user cancels.
    using FileDialog =
        std::function<QString(DialogMode mode, const QString& folder, const QString& filter)>;

    FileCommands(QWidget* window, MenuDocument& document);

    // Replaces Qt's file dialogs (tests answer them this way).
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }

    // Opens `path` after asking about unsaved changes; false when the user
    // cancelled or the file was refused (then nothing changed).
    bool openAsked(const QString& path);
    // Opens `path` as openAsked() does once no dialog of the program is
    // open, so the menu is never replaced under a dialog, and brings the
    // window to the front then.
    void openWhenFree(const QString& path);
    // Asks Save / Discard / Cancel when there are unsaved changes; true
    // when the caller may go on (saved, discarded, or nothing to lose).
    bool maySetAside();
    // New: the defaults, after asking about unsaved changes; false when the
    // user cancelled.
    bool startNew();
    // New From Look: a look picked, then a new menu in it after asking
    // about unsaved changes; false when the user cancelled either.
    bool startNewFromLook();
    // Carries out the file commands of `actions`: New, New From Look, Open, Open Recent,
    // Save, Save As, Write Page To, Write Fragment To.
    void connectActions(const MainActions& actions, QMenu* fileMenu);
    // A settings file dropped on `window` opens, as Open does.
    void acceptDrops(QWidget* window);
    // Lists the recently used files in `recent`, each opening its file.
    void fillRecentMenu(QMenu* recent);
    // The recent files as the menu shows them: each file's name, with as
    // much of its folder as tells files of the same name apart.
    static QStringList recentCaptions(const QStringList& paths);

signals:
    // A file was written: what to say in the status bar.
    void done(const QString& what);

public slots:
    void open();
    bool save();
    bool saveAs();
    void writePageTo();
    void writeFragmentTo();
    // Reads an existing page's navigation as the menu's items, shows what
    // was read and replaces the items with it when the user agrees (one
    // step of the history).
    void importNavigation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString askForFile(DialogMode mode, const QString& folder, const QString& filter);
    bool openFile(const QString& path);
    bool saveTo(const QString& path);
    // Whether `path` may be saved over: it is not the open file, or the open
    // file has not changed on disk since it was opened or saved, or the user
    // says to overwrite it (or reloads it, which ends the save).
    bool mayOverwrite(const QString& path);
    // Writes `text` to `path`; a failure is shown as `failure`.
    bool writeWebFile(const QString& path, const QString& failure, const std::string& text);
    QString startFolder() const;
    void showProblem(const QString& what, const QString& why) const;

    void takeWaiting();

    QWidget* m_window;
    MenuDocument& m_document;
    FileDialog m_fileDialog;
    // Files waiting for the dialogs open to close.
    QStringList m_waiting;
    static constexpr int kWaitingRetryMs = 200;
};
