#pragma once

#include "app/platform/PageFolder.h"
#include "core/text/Timestamp.h"
#include "windows/main/ColorBoxes.h"
#include "windows/main/FileCommands.h"
#include "windows/main/MainControls.h"

#include <QColor>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class BackdropWidget;
class MainActions;
class MenuDocument;
class QTimer;

// The main window, the view of the menu document: every menu setting as a
// labelled combo box in three columns (menu, normal item, hovered item),
// the commands (create the page, preview it, About, Exit) as buttons, menus
// and keys, and the status bar. What the user types or picks goes to the
// document, one step of its history each; what the document changes comes
// back into the boxes. It composes no page and reads no file itself.
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
    void setFileDialog(FileCommands::FileDialog dialog) {
        m_files->setFileDialog(std::move(dialog));
    }
    MenuDocument& document() const { return *m_document; }

    // Opens a settings file as Open settings does, asking first about
    // unsaved changes; false when it was not opened.
    bool openSettings(const QString& path) { return m_files->openAsked(path); }
    // Opens a file another start of the program handed over, once no
    // dialog of the program is open, and brings the window to the front
    // then.
    void openHandedOver(const QString& path) { m_files->openWhenFree(path); }

public slots:
    // Writes the page for the settings of this moment; a failure is shown.
    void createPage();
    // Opens the preview of the page the settings make now, modally; nothing
    // is written.
    void showPreview();
    void showAbout();
    // Opens the Menu Items editor.
    void editMenuItems();
    void updateSite();
    void editPageStyle();
    // Page > Apply Look...: the highlighted look shown in the live preview
    // as it is highlighted; Apply keeps it as one step, Cancel takes it back.
    void applyLook();
    // Runs `dialog` beside the live preview rather than over it; with
    // `showPreview`, the preview is shown for it (and hidden again after
    // when it was hidden).
    int execBesideLivePreview(QDialog& dialog, bool showPreview = true);
    // Ends the program: with unsaved changes after asking Save / Discard /
    // Cancel, without them after asking "Do you want to exit?".
    void confirmExit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectControls();
    void connectActions();
    void showContextMenu(const QPoint& at);
    void placeWindow();
    void showFile();
    void chooseColor(int index);
    void flash();

    // The page's full path, as shown.
    QString pagePath();
    // The page for the settings of this moment, as the preview shows it:
    // stamped with the window's start, so unchanged settings give the same
    // text and the preview shows the page it holds at once.
    QByteArray previewPage() const;
    void exitApplication();
    // Asks the Exit button's question; true when the program may end.
    bool mayExit();
    void showError(const QString& what, const QString& why);
    void tellWherePageWent();

    MenuDocument* m_document = nullptr;
    BackdropWidget* m_surface = nullptr;
    MainControls m_controls;
    ColorBoxes m_colorBoxes{m_controls};
    std::unique_ptr<MainActions> m_actions;
    PageFolder m_pageFolder;
    ColorDialog m_colorDialog;
    FileCommands* m_files = nullptr;
    const halvero::Timestamp m_previewStamp = halvero::Timestamp::now();
    QTimer* m_previewUpdate = nullptr;
    bool m_toldPerUserFolder = false;
    bool m_flashOn = false;
    bool m_exiting = false;
};
