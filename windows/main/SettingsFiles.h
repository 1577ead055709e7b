#pragma once

#include "core/MenuSettings.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

// Keeps the main window's menu as a settings file: New, Open, Save, Save
// as, Write page to and Open recent; the window's title with the open file's name and a mark
// for unsaved changes; and the question before unsaved changes are lost.
// Opening is all or nothing: a refused file changes nothing and says why.
// It does not compose the page (the window hands it a way to) and builds
// no controls of the window.
class SettingsFiles : public QObject {
    Q_OBJECT
public:
    // Open and Save a settings file, save a page, save the menu's code.
    enum class DialogMode { Open, Save, SavePage, SaveFragment };
    // Asks for a file: what for, the folder to start in and the filter;
    // returns the chosen path, or an empty text when the user cancels.
    using FileDialog =
        std::function<QString(DialogMode mode, const QString& folder, const QString& filter)>;

    SettingsFiles(QWidget* window, halvero::MenuSettings& settings,
                  std::function<std::string()> composePage);

    // Replaces Qt's file dialogs (tests answer them this way).
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }

    // Takes the settings as they are now as the saved state: no file open,
    // nothing to save. Called once the window holds its defaults.
    void startFresh();
    // Opens `path` after asking about unsaved changes; false when the user
    // cancelled or the file was refused (then nothing changed).
    bool openAsked(const QString& path);
    // Asks Save / Discard / Cancel when there are unsaved changes; true
    // when the caller may go on (saved, discarded, or nothing to lose).
    bool maySetAside();
    bool hasFile() const { return !m_path.isEmpty(); }
    // Whether the settings differ from the open file's (or, with no file,
    // from the defaults the window started with).
    bool isModified() const;
    // New: the defaults, after asking about unsaved changes; false when the
    // user cancelled.
    bool startNew();
    // Lists the recently used files in `recent`, each opening its file.
    void fillRecentMenu(QMenu* recent);

    // To call after every edit: the title follows.
    void settingsEdited();

    // The menu's code to paste into an existing page, naming the open file.
    QString fragment() const;
    // The recent files as the menu shows them: each file's name, with as
    // much of its folder as tells files of the same name apart.
    static QStringList recentCaptions(const QStringList& paths);

signals:
    // Another menu replaced the settings (a file opened, or New).
    void replaced();
    // A file was written: what to say in the status bar.
    void done(const QString& what);

public slots:
    void open();
    bool save();
    bool saveAs();
    void writePageTo();
    void writeFragmentTo();

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
    // The settings as they are now become the saved state of `path` (no
    // file when empty), which joins the recent menus.
    void keepAsSaved(const QString& path);
    QString startFolder() const;
    void updateTitle();
    void showProblem(const QString& what, const QString& why) const;

    QWidget* m_window;
    halvero::MenuSettings& m_settings;
    std::function<std::string()> m_composePage;
    FileDialog m_fileDialog;
    QString m_path; // the open file, or empty
    halvero::MenuSettings::Snapshot m_saved;
    // The open file as it stood on disk when it was opened or saved: its
    // change time, size and inode, to notice another program's save.
    QByteArray m_diskState;
};
