#include "windows/main/SettingsFiles.h"

#include "app/platform/FileName.h"
#include "app/platform/RecentSettingsFiles.h"
#include "core/ModernPageWriter.h"
#include "core/PageFile.h"
#include "core/SettingsFile.h"
#include "windows/main/Message.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>

using halvero::SettingsFile;

namespace {

// The file dialogs' filters; the extension in brackets is what counts.
QString menuFilter() {
    return QCoreApplication::translate("SettingsFiles", "Halvero settings files (*.halvero)");
}
QString pageFilter() {
    return QCoreApplication::translate("SettingsFiles", "Web pages (*.htm *.html)");
}

std::string fileSystemPath(const QString& path) {
    return FileName::encode(path).toStdString();
}

QString shown(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SettingsFiles::SettingsFiles(QWidget* window, halvero::MenuSettings& settings,
                             std::function<std::string()> composePage)
    : QObject(window), m_window(window), m_settings(settings),
      m_composePage(std::move(composePage)) {
    m_fileDialog = [this](DialogMode mode, const QString& folder, const QString& filter) {
        return askForFile(mode, folder, filter);
    };
}

// Qt's file dialog, with the extension of the filter added to a typed name
// before the dialog asks whether to replace an existing file of that name.
QString SettingsFiles::askForFile(DialogMode mode, const QString& folder, const QString& filter) {
    QFileDialog dialog(m_window, mode == DialogMode::Open ? tr("Open settings") : tr("Save as"),
                       folder, filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    if (mode == DialogMode::Save) {
        const bool menu = filter == menuFilter();
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(menu ? QStringLiteral("halvero") : QStringLiteral("htm"));
        // A name to start from: the open file's, or the usual one.
        dialog.selectFile(menu ? (m_path.isEmpty() ? QStringLiteral("menu.halvero")
                                                   : QFileInfo(m_path).fileName())
                               : QStringLiteral("pattern.htm"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void SettingsFiles::fillRecentMenu(QMenu* recent) {
    recent->clear();
    const QStringList files = RecentSettingsFiles::list();
    for (const QString& path : files)
        connect(recent->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                [this, path] { openAsked(path); });
    recent->setEnabled(!files.isEmpty());
}

bool SettingsFiles::startNew() {
    if (!maySetAside())
        return false;
    m_settings.initialise();
    startFresh();
    emit replaced();
    return true;
}

void SettingsFiles::startFresh() {
    keepAsSaved(QString());
}

void SettingsFiles::keepAsSaved(const QString& path) {
    m_path = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    m_saved = m_settings.snapshot();
    if (!m_path.isEmpty())
        RecentSettingsFiles::add(m_path);
    updateTitle();
}

bool SettingsFiles::isModified() const {
    return !(m_saved == m_settings.snapshot());
}

void SettingsFiles::settingsEdited() {
    updateTitle();
}

void SettingsFiles::updateTitle() {
    if (m_path.isEmpty()) {
        m_window->setWindowModified(false);
        m_window->setWindowTitle(QStringLiteral("Halvero"));
        return;
    }
    m_window->setWindowTitle(QFileInfo(m_path).fileName() + QStringLiteral("[*] \u2014 Halvero"));
    m_window->setWindowModified(isModified());
}

QString SettingsFiles::startFolder() const {
    if (!m_path.isEmpty())
        return QFileInfo(m_path).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void SettingsFiles::showProblem(const QString& what, const QString& why) const {
    Message::show(m_window, QMessageBox::Critical, QStringLiteral("fileError"), what, why);
}

bool SettingsFiles::maySetAside() {
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? tr("this menu") : QFileInfo(m_path).fileName();
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Halvero"),
                         tr("Save the changes to %1?").arg(name),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    question.setObjectName(QStringLiteral("unsavedChanges"));
    question.setInformativeText(tr("Your changes will be lost if you don't save them."));
    question.setDefaultButton(QMessageBox::Save);
    question.button(QMessageBox::Save)->setText(tr("&Save"));
    question.button(QMessageBox::Discard)->setText(tr("&Discard"));
    question.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    switch (question.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void SettingsFiles::open() {
    if (!maySetAside())
        return;
    const QString path = m_fileDialog(DialogMode::Open, startFolder(), menuFilter());
    if (!path.isEmpty())
        openFile(path);
}

bool SettingsFiles::openAsked(const QString& path) {
    return maySetAside() && openFile(path);
}

bool SettingsFiles::openFile(const QString& path) {
    SettingsFile::Contents contents;
    try {
        contents = SettingsFile::read(fileSystemPath(path));
    } catch (const halvero::SettingsFileError& error) {
        showProblem(tr("The settings file could not be opened."),
                    shown(error.describe(fileSystemPath(path))));
        return false;
    }
    m_settings.setValues(contents.values);
    m_settings.setMenuItems(contents.items);
    m_settings.setPageStyle(contents.pageStyle);
    keepAsSaved(path);
    emit replaced();
    if (!contents.unknownKeys.empty()) {
        QStringList keys;
        for (const std::string& key : contents.unknownKeys)
            keys << QString::fromStdString(key);
        Message::show(m_window, QMessageBox::Information, QStringLiteral("unknownKeys"),
                      tr("The settings file was opened, but Halvero does not know "
                         "some of its keys and left them out."),
                      QFileInfo(path).fileName() + QStringLiteral(": ") +
                          keys.join(QStringLiteral(", ")));
    }
    return true;
}

bool SettingsFiles::save() {
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool SettingsFiles::saveAs() {
    const QString path = m_fileDialog(DialogMode::Save, startFolder(), menuFilter());
    return !path.isEmpty() && saveTo(path);
}

bool SettingsFiles::saveTo(const QString& path) {
    try {
        SettingsFile::write(fileSystemPath(path), m_settings);
    } catch (const halvero::PageWriteError& error) {
        showProblem(tr("The settings could not be saved."), shown(error.what()));
        return false;
    }
    keepAsSaved(path);
    return true;
}

QString SettingsFiles::fragment() const {
    const std::string source =
        m_path.isEmpty() ? std::string() : QFileInfo(m_path).fileName().toStdString();
    const std::string text = halvero::ModernPageWriter::fragment(m_settings, source);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SettingsFiles::writeWebFile(const QString& failure,
                                 const std::function<std::string()>& compose) {
    const QString path = m_fileDialog(DialogMode::Save, startFolder(), pageFilter());
    if (path.isEmpty())
        return;
    try {
        halvero::PageFile::write(fileSystemPath(path), compose());
    } catch (const halvero::PageWriteError& error) {
        showProblem(failure, shown(error.what()));
    }
}

// The menu's <style> and <nav> alone, for pasting into a page of one's own.
void SettingsFiles::writeFragmentTo() {
    writeWebFile(tr("The menu code could not be written."),
                 [this] { return fragment().toStdString(); });
}

void SettingsFiles::writePageTo() {
    writeWebFile(tr("The page could not be written."), m_composePage);
}
