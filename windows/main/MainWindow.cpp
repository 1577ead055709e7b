#include "frm1.h"

#include "ColorValues.h"
#include "ControlLook.h"
#include "KeyboardLayout.h"
#include "MainControls.h"
#include "MainLayout.h"
#include "MainLook.h"
#include "PageFile.h"
#include "PageWriter.h"
#include "Pictures.h"
#include "PreviewEngine.h"
#include "QtColor.h"
#include "Twips.h"
#include "WindowAttention.h"
#include "frm2.h"
#include "modMain.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using halvero::MenuSettings;

namespace {

constexpr std::string_view kPageFile = halvero::PageWriter::kFileName;

} // namespace

frm1::frm1() : m_pageFolder(QCoreApplication::applicationDirPath()) {
    setWindowTitle(QStringLiteral("Halvero"));
    setWindowIcon(Pictures::appIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    MyDialog = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, this);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    MainLook::setCommonLook(this);
    MainControls::build(*this);
    connectHandlers();
    m_settings.setObserver([this](int index, MenuSettings::Change change) {
        MainControls::show(entry(index), m_settings, index, change);
    });
}

// The user's typing (textEdited) and picking (textActivated) go into the
// record; every change of a box's text, the program's included, raises
// cbo_Change.
void frm1::connectHandlers() {
    for (int i = 0; i < MenuSettings::kIndexCount; ++i) {
        QComboBox* box = entry(i);
        connect(box, &QComboBox::textActivated, this,
                [this, i](const QString& text) { userPicked(i, text); });
        if (box->isEditable())
            connect(box->lineEdit(), &QLineEdit::textEdited, this,
                    [this, i](const QString& text) { userEdited(i, text); });
        if (i != MenuSettings::kTarget)
            connect(box, &QComboBox::currentTextChanged, this,
                    [this, i] { cbo_Change(static_cast<std::int16_t>(i)); });
    }
    cmd.connect(&QPushButton::clicked, [this](std::int16_t i) { cmd_Click(i); });
    cmdChangeColor.connect(&QPushButton::clicked,
                           [this](std::int16_t i) { cmdChangeColor_Click(i); });
    connect(tmrFlashForm, &QTimer::timeout, this, &frm1::tmrFlashForm_Timer);
}

QComboBox* frm1::entry(int index) const {
    return index == MenuSettings::kTarget ? cboTarget : cbo[static_cast<std::int16_t>(index)];
}

void frm1::Form_Load() {
    ControlLook::apply(controls(), MainLook::table());
    setKeyPreview(true);
    placeWindow();
    modMain::frmBackdrop = this;
    modMain::PaintBackdrop();
    tmrFlashForm->setInterval(1000);
    tmrFlashForm->start();
    setCancelButton(cmd[static_cast<std::int16_t>(cmd.count() - 1)]);
    lngChildShown = 0;
    cbo[0]->setFocus();
}

void frm1::placeWindow() {
    // The client area ends 120 twips below the Exit button; the window
    // system adds the caption and border.
    const QPushButton* exitButton = cmd[static_cast<std::int16_t>(cmd.count() - 1)];
    const int clientHeight =
        exitButton->geometry().bottom() + 1 + Twips::toPixels(MainLayout::kBottomMargin);
    setFixedSize(Twips::toPixels(MainLayout::kClientWidth), clientHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2, screen.top() + 50);
}

void frm1::Form_Activate() {
    if (lngChildShown == 0) {
        m_settings.initialise();
    } else {
        lngChildShown = 0;
    }
}

void frm1::Form_KeyDown(int, Qt::KeyboardModifiers) {}

void frm1::userEdited(int index, const QString& text) {
    m_settings.edit(index, text.toUtf8().toStdString());
}

void frm1::userPicked(int index, const QString& text) {
    m_settings.edit(index, text.toUtf8().toStdString());
    if (index != MenuSettings::kTarget)
        cbo_Click(static_cast<std::int16_t>(index));
}

void frm1::cbo_Change(std::int16_t index) {
    if (!MenuSettings::isColorEntry(index))
        return;
    QComboBox* box = cbo[index];
    try {
        const std::int32_t value = halvero::HexToColor(box->currentText().toStdString());
        ControlLook::setBackColor(box, QtColor::fromValue(value));
    } catch (const halvero::ColorTextError&) {
        // Half-typed colour: the box keeps its last good colour.
    }
}

void frm1::cbo_Click(std::int16_t index) {
    if (index == MenuSettings::kStatusUrl)
        m_settings.applyStatusBarRule();
}

void frm1::cmdChangeColor_Click(std::int16_t index) {
    QComboBox* combo = cbo[index];
    if (!combo || !MyDialog)
        return;
    const std::optional<QColor> chosen = MyDialog(ControlLook::backColor(combo));
    if (!chosen)
        return; // cancelled: the entry stays as it was
    m_settings.setValue(index, halvero::ColorToHex(QtColor::toValue(*chosen)));
}

void frm1::tmrFlashForm_Timer() {
    m_flashOn = !m_flashOn;
    WindowAttention::set(this, m_flashOn);
}

std::string frm1::pathFor(const std::string& fileName) {
    return halvero::PageFile::joinPath(QFile::encodeName(m_pageFolder.path()).toStdString(),
                                       fileName);
}

QString frm1::pagePath() {
    return QFile::decodeName(QByteArray::fromStdString(pathFor(std::string(kPageFile))));
}

void frm1::GenerateHTMLFile(const std::string& strFileName) {
    const std::string page = halvero::PageWriter::compose(m_settings, halvero::Timestamp::now());
    const std::string path = pathFor(strFileName);
    QString reason;
    if (!m_pageFolder.prepare(&reason))
        throw halvero::PageWriteError(path, reason.toStdString());
    halvero::PageFile::write(path, page);
}

// Said once a run: the page is not beside the program, where the user may
// look for it first.
void frm1::tellWherePageWent() {
    if (!m_pageFolder.isPerUser() || m_toldPerUserFolder)
        return;
    m_toldPerUserFolder = true;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Halvero"),
                    QStringLiteral("The program's folder cannot be written, so the page was "
                                   "written to your own folder:"),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("pageWrittenElsewhere"));
    box.setInformativeText(pagePath());
    box.exec();
}

void frm1::showError(const QString& what, const QString& why) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Halvero"), what, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("commandError"));
    box.setInformativeText(why);
    box.exec();
}

void frm1::cmd_Click(std::int16_t index) {
    const std::int16_t count = cmd.count();
    if (index == MainLayout::CreatePage) {
        try {
            GenerateHTMLFile(std::string(kPageFile));
            tellWherePageWent();
        } catch (const halvero::PageWriteError& error) {
            showError(QStringLiteral("The page could not be written."),
                      QString::fromLocal8Bit(error.what()));
        }
    } else if (index == MainLayout::PreviewPage) {
        lngChildShown = 1;
        QString error;
        Form* preview = PreviewEngine::Load(pagePath(), &error);
        if (!preview) {
            lngChildShown = 0;
            showError(QStringLiteral("The preview could not be opened."), error);
            return;
        }
        preview->ShowModal();
    } else if (index == count - 2) { // About
        lngChildShown = 1;
        auto* about = Form::Load<frm2>();
        about->setApplicationName(modMain::strAppName);
        about->setApplicationDate(modMain::strAppDate);
        about->setApplicationVersion(modMain::strAppVersion);
        about->ShowModal();
    } else if (index == count - 1) { // Exit
        QMessageBox question(QMessageBox::Question, QStringLiteral("Question"),
                             QStringLiteral("Do you want to exit?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setObjectName(QStringLiteral("exitQuestion"));
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() == QMessageBox::Yes)
            ExitApplication();
    }
}

void frm1::ExitApplication() {
    KeyboardLayout::switchAwayFromRightToLeft();
    Unload();
    QCoreApplication::exit(0);
}
