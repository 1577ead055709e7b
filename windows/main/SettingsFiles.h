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
    enum class DialogMode { Open, Save };
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

signals:
    // Another menu replaced the settings (a file opened, or New).
    void replaced();

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
    // Asks where a web page goes and writes the text of `compose` there; a
    // failure is shown as `failure`.
    void writeWebFile(const QString& failure, const std::function<std::string()>& compose);
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
};
