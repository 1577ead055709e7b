#pragma once

#include "app/platform/PageFolder.h"
#include "core/page/ModernPage.h"
#include "core/settings/MenuSettings.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Timestamp.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QUndoStack;

namespace halvero {
class MenuLook;
}

// The open menu: its settings, the history of its edits (whose clean state
// is "saved"), the settings file it is kept in, and the pages it makes.
// Every edit, whoever makes it (typing, a pick, a colour, the items editor,
// undo and redo, opening a file, New), goes through it and comes out as one
// changed(); views listen, none compares settings itself. It shows nothing
// and asks nothing: the windows do.
class MenuDocument : public QObject {
    Q_OBJECT
public:
    explicit MenuDocument(QObject* parent = nullptr);

    const halvero::MenuSettings& settings() const { return m_settings; }
    // Undo and Redo; clean while the menu is as it was saved (or, with no
    // file, as it started).
    QUndoStack* history() const { return m_history; }
    bool isModified() const;
    // The settings file, absolute, or empty while the menu has none.
    const QString& path() const { return m_path; }

    // The user typed `value` into entry `index`: the typing into one entry
    // is one step. The caller has checked the value.
    void type(int index, std::string value);
    // The user picked `value` from entry `index`'s list.
    void pick(int index, std::string value);
    // A change of the program's (a picked colour, the items editor's OK, the
    // page style): `how` changes the settings, one step named `what`.
    void change(const QString& what, const std::function<void(halvero::MenuSettings&)>& how);
    // The same, in place of every step after `step` of the history: a
    // dialog's change shown while it is open replaces the one shown before.
    void changeFrom(int step, const QString& what,
                    const std::function<void(halvero::MenuSettings&)>& how);
    // The user typed or picked `value` for the modern page's `key` (checked
    // by the caller). Typed values with the same `typing` number (a field
    // of one page-style dialog) join one step; -1 stands alone.
    void setPageLook(halvero::PageLook::Key key, std::string value, int typing = -1);

    // The defaults, or `look`'s appearance (a modern look's links opening
    // in the same tab), no file, nothing to save.
    void startNew(const halvero::MenuLook* look = nullptr);
    // Reads the settings file at `path` and takes it as the menu, or throws
    // halvero::SettingsFileError and changes nothing. Returns what the file
    // held that the caller may want to tell (unknown keys, a count that did
    // not follow the items; the menu is then not as saved).
    halvero::SettingsFile::Contents open(const QString& path);
    // Writes the menu to `path`, which becomes its file. Throws
    // halvero::FileWriteError.
    void saveAs(const QString& path);
    // The folder of the site the menu is written into, absolute, or empty.
    QString siteFolder() const;
    // Another site's folder (absolute): one step of the history.
    void setSiteFolder(const QString& folder);
    // Whether the file was changed on disk by another program since it was
    // opened or saved here.
    bool fileChangedOnDisk() const;

    // The page the menu makes (the classic or modern style), and the
    // modern menu's code alone, naming the settings file.
    std::string page(const halvero::Timestamp& stamp) const;
    std::string fragment(halvero::ModernPage::Part part = halvero::ModernPage::Part::Whole) const;
    // The site's page at `relative` (from the site's folder) as a browser
    // would load it from disk after Update Site: the menu, its style (in
    // the page, even with one stylesheet, which may not be written yet) and
    // its trail between the page's markers, its current item marked. The
    // page as it is when it has no markers; nothing when it cannot be read
    // or its markers are broken.
    std::optional<std::string> sitePage(const QString& relative) const;
    // Writes `text` to `path` as the page is written (AtomicFile). Throws
    // halvero::FileWriteError.
    static void writeFile(const QString& path, const std::string& text);
    // The page file, pattern.htm, in `folder`.
    static QString pagePath(PageFolder& folder);
    // Writes the page of this moment into `folder`, creating the folder
    // when it is the user's own. Throws halvero::FileWriteError.
    void writePage(PageFolder& folder) const;

signals:
    // The menu changed, whatever changed it.
    void changed();
    // The program changed entry `index` (or the items, index -1): what a
    // view showing the entries writes into its box.
    void entryChanged(int index, halvero::MenuSettings::Change change);
    // Another menu took this one's place: a file opened, or New.
    void replaced();
    // The menu's file, or whether the menu is as saved, changed.
    void savedStateChanged(const QString& path);

private:
    void record(const QString& what, int typedEntry = -1);
    void takeFile(const QString& path);
    // A new menu (a file opened, or New), with a history of its own.
    void keepAsSaved(const QString& path);

    halvero::MenuSettings m_settings;
    QUndoStack* m_history;
    // The settings as the history's latest step left them.
    halvero::MenuSettings::Snapshot m_recorded;
    QString m_path;
    // The file as it stood on disk when it was opened or saved: its change
    // time, size and inode, to notice another program's save.
    QByteArray m_diskState;
};
