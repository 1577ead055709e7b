#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "MenuSettings.h"
#include "PageFolder.h"

#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

// The main window: every menu setting as a labelled combo box in three
// columns (menu, normal item, hovered item), and the four commands: create
// the page, preview it, About, Exit. Edits travel one way: what the user
// types or picks goes from the box into the settings record and no further;
// what the program changes in the record (defaults, the status-bar rule, a
// picked colour) is written into the box, whose change handler repaints a
// colour box. The page itself is composed and written by the core. It does
// not preview or describe the program itself: frm3 and frm2 do.
class frm1 : public Form {
    Q_OBJECT
public:
    frm1();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift) override;

    void cmd_Click(std::int16_t index);
    void cbo_Change(std::int16_t index);
    void cbo_Click(std::int16_t index);
    void cmdChangeColor_Click(std::int16_t index);
    void tmrFlashForm_Timer();

    // Writes the page for the settings of this moment into the program's
    // folder. Throws halvero::PageWriteError when the file cannot be written.
    void GenerateHTMLFile(const std::string& strFileName);

    // The program's folder: the executable's, unless set otherwise. The page
    // goes there, or to the user's own folder when it cannot be written.
    void setProgramFolder(const QString& folder) { m_pageFolder = PageFolder(folder); }
    // The full path of the page, as the writer and the preview use it.
    QString pagePath();

    const halvero::MenuSettings& settings() const { return m_settings; }
    // The box of entry `index`: cbo(index), or cboTarget for MenuSettings::kTarget.
    QComboBox* entry(int index) const;
    std::int32_t lngChildShown = 0;

    // The colour dialog: takes the colour to open on, returns the chosen
    // one or nothing when the user cancels. Replaceable for tests.
    std::function<std::optional<QColor>(const QColor& initial)> MyDialog;

    ControlArray<QLabel> lblTitle;
    ControlArray<QLabel> lbl;
    ControlArray<QComboBox> cbo;
    ControlArray<QPushButton> cmd;
    ControlArray<QPushButton> cmdChangeColor;
    QLabel* lblTarget = nullptr;
    QComboBox* cboTarget = nullptr;
    QTimer* tmrFlashForm = nullptr;

private:
    void connectHandlers();
    void placeWindow();

    // A file in the program's folder, as the file system names it.
    std::string pathFor(const std::string& fileName);
    void userEdited(int index, const QString& text);
    void userPicked(int index, const QString& text);
    void ExitApplication();
    void showError(const QString& what, const QString& why);
    void tellWherePageWent();

    halvero::MenuSettings m_settings;
    PageFolder m_pageFolder;
    bool m_toldPerUserFolder = false;
    bool m_flashOn = false;
};
