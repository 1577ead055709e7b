#pragma once

#include "app/platform/PageFolder.h"
#include "core/MenuSettings.h"
#include "core/Timestamp.h"
#include "windows/main/MainControls.h"
#include "windows/main/SettingsFiles.h"

#include <QColor>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class BackdropWidget;
class MainActions;
class QTimer;
class QUndoStack;

// The main window: every menu setting as a labelled combo box in three
// columns (menu, normal item, hovered item), and the four commands: create
// the page, preview it, About, Exit. Edits travel one way: what the user
// types or picks goes from the box into the settings record and no further;
// what the program changes in the record (defaults, the status-bar rule, a
// picked colour) is written into the box, whose change repaints a colour
// box. Every edit is a step of the undo history. The controls stand on a
// central surface under the menu bar; the status bar says where the page
// went. The page itself is composed and written by the core. It does not
// preview or describe the program itself: PreviewWindow and AboutWindow do.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Takes the colour to open on; returns the chosen one, or nothing when
    // the user cancels.
    using ColorDialog = std::function<std::optional<QColor>(const QColor& initial)>;

    MainWindow();
    ~MainWindow() override;

    // Replaces Qt's colour dialog (tests answer it this way).
    void setColorDialog(ColorDialog dialog) { m_colorDialog = std::move(dialog); }
    // The program's folder: the executable's, unless set otherwise. The page
    // goes there, or to the user's own folder when it cannot be written.
    void setProgramFolder(const QString& folder) { m_pageFolder = PageFolder(folder); }
    // Replaces Qt's file dialogs (tests answer them this way).
    void setFileDialog(SettingsFiles::FileDialog dialog) {
        m_files->setFileDialog(std::move(dialog));
    }

    // Opens a settings file as Open settings does, asking first about
    // unsaved changes; false when it was not opened.
    bool openSettings(const QString& path) { return m_files->openAsked(path); }
    // Opens a file another start of the program handed over, once no
    // dialog of the program is open (see takeHandedOver), and brings the
    // window to the front then.
    void openHandedOver(const QString& path);

public slots:
    // Writes the page for the settings of this moment; a failure is shown.
    void createPage();
    // Opens the preview of the page the settings make now, modally; nothing
    // is written.
    void showPreview();
    void showAbout();
    // Opens the Menu Items editor.
    void editMenuItems();
    // Ends the program: with unsaved changes after asking Save / Discard /
    // Cancel, without them after asking "Do you want to exit?".
    void confirmExit();
    // The defaults, after asking about unsaved changes.
    void newMenu();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectHandlers();
    void connectActions();
    void showContextMenu(const QPoint& at);
    void placeWindow();
    // Makes what the user just did one step of the undo history;
    // `typedEntry` joins the keys typed into one entry into one step.
    void record(const QString& what, int typedEntry = -1);
    void forgetHistory();
    void userEdited(int index, const QString& text);
    void leftEntry(int index);
    void userPicked(int index, const QString& text);
    void showColor(int index);
    void showContrastNote();
    static bool readsInThePage(int index);
    void chooseColor(int index);
    void flash();

    // The page's full path, as the file system names it and as shown.
    std::string pageFilePath();
    QString pagePath();
    // The page for the settings of this moment, as the preview shows it:
    // stamped with the window's start, so unchanged settings give the same
    // text and the preview shows the page it holds at once.
    QByteArray previewPage() const;
    // The page for the settings of this moment, as Create and Write page to
    // write it.
    std::string composePage() const;
    // Throws halvero::PageWriteError when the page cannot be written.
    void writePage();
    void exitApplication();
    // Asks the Exit button's question; true when the program may end.
    bool mayExit();
    void takeHandedOver();
    void showError(const QString& what, const QString& why);
    void tellWherePageWent();

    halvero::MenuSettings m_settings;
    BackdropWidget* m_surface = nullptr;
    MainControls m_controls;
    QUndoStack* m_history = nullptr;
    std::unique_ptr<MainActions> m_actions;
    // The settings as the history's latest step left them.
    halvero::MenuSettings::Snapshot m_recorded;
    PageFolder m_pageFolder;
    ColorDialog m_colorDialog;
    SettingsFiles* m_files = nullptr;
    const halvero::Timestamp m_previewStamp = halvero::Timestamp::now();
    QTimer* m_previewUpdate = nullptr;
    bool m_toldPerUserFolder = false;
    bool m_exiting = false;
    // Files handed over, waiting for the dialogs open to close.
    QStringList m_handedOver;
    static constexpr int kHandOverRetryMs = 200;
    // The property of an editable box that holds its entry's address.
    static constexpr char kEntryProperty[] = "entryIndex";
    bool m_flashOn = false;
};
