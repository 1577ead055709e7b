#pragma once

#include "windows/main/MenuDocument.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QMenu;
class QWidget;

// The file dialogs and questions around the menu document: New, Open, Save,
// Save as, Write page to, Write fragment to and Open recent, and the
// question before unsaved changes are lost or another program's save is
// overwritten. Opening is all or nothing: a refused file changes nothing
// and says why. The document reads and writes; this asks where and whether.
class SettingsFiles : public QObject {
    Q_OBJECT
public:
    // Open and Save a settings file, save a page, save the menu's code.
    enum class DialogMode { Open, Save, SavePage, SaveFragment };
    // Asks for a file: what for, the folder to start in and the filter;
    // returns the chosen path, or an empty text when the user cancels.
    using FileDialog =
        std::function<QString(DialogMode mode, const QString& folder, const QString& filter)>;

    SettingsFiles(QWidget* window, MenuDocument& document);

    // Replaces Qt's file dialogs (tests answer them this way).
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }

    // Opens `path` after asking about unsaved changes; false when the user
    // cancelled or the file was refused (then nothing changed).
    bool openAsked(const QString& path);
    // Asks Save / Discard / Cancel when there are unsaved changes; true
    // when the caller may go on (saved, discarded, or nothing to lose).
    bool maySetAside();
    // New: the defaults, after asking about unsaved changes; false when the
    // user cancelled.
    bool startNew();
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

    QWidget* m_window;
    MenuDocument& m_document;
    FileDialog m_fileDialog;
};
