#include "windows/main/FileCommands.h"

#include "app/platform/FileName.h"
#include "app/platform/RecentFiles.h"
#include "core/settings/SettingsFile.h"
#include "core/site/NavReader.h"
#include "core/text/AtomicFile.h"
#include "core/text/FileReader.h"
#include "core/text/TextEncoding.h"
#include "core/text/Timestamp.h"
#include "windows/dialogs/LookDialog.h"
#include "windows/main/MainActions.h"
#include "windows/main/Message.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <algorithm>

using halvero::SettingsFile;

namespace {

// The file dialogs' filters; the extension in brackets is what counts.
QString menuFilter() {
    return QCoreApplication::translate("FileCommands", "Halvero settings files (*.halvero)");
}
QString pageFilter() {
    return QCoreApplication::translate("FileCommands", "Web pages (*.htm *.html)");
}

std::string fileSystemPath(const QString& path) {
    return FileName::encode(path).toStdString();
}

QString shown(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FileCommands::FileCommands(QWidget* window, MenuDocument& document)
    : QObject(window), m_window(window), m_document(document) {
    m_fileDialog = [this](DialogMode mode, const QString& folder, const QString& filter) {
        return askForFile(mode, folder, filter);
    };
}

// Qt's file dialog, with the extension of the filter added to a typed name
// before the dialog asks whether to replace an existing file of that name.
QString FileCommands::askForFile(DialogMode mode, const QString& folder, const QString& filter) {
    const QString titles[] = {tr("Open settings"), tr("Save as"), tr("Write page to"),
                              tr("Write menu code to"), tr("Import navigation from")};
    QFileDialog dialog(m_window, titles[static_cast<int>(mode)], folder, filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    if (mode == DialogMode::Open || mode == DialogMode::ImportPage) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(mode == DialogMode::Save ? QStringLiteral("halvero")
                                                         : QStringLiteral("html"));
        // A name to start from: the open file's, or the usual one.
        const QString open = m_document.path();
        dialog.selectFile(mode == DialogMode::SavePage       ? QStringLiteral("pattern.htm")
                          : mode == DialogMode::SaveFragment ? QStringLiteral("menu-fragment.html")
                          : open.isEmpty()                   ? QStringLiteral("menu.halvero")
                                                             : QFileInfo(open).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList FileCommands::recentCaptions(const QStringList& paths) {
    QStringList captions;
    const QString home = QDir::homePath();
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        QStringList folders = QFileInfo(path).absolutePath().split(QLatin1Char('/'));
        // As many of the folders above it, nearest first, as it takes to
        // tell it from every other file of its name.
        QString caption = name;
        for (qsizetype shown = 0;; ++shown) {
            const QStringList tail = folders.mid(folders.size() - shown);
            const QString where = tail.join(QLatin1Char('/'));
            const bool unique = std::none_of(paths.begin(), paths.end(), [&](const QString& other) {
                return other != path && QFileInfo(other).fileName() == name &&
                       (QFileInfo(other).absolutePath() + QLatin1Char('/'))
                           .endsWith(where + QLatin1Char('/'));
            });
            if (unique || shown >= folders.size()) {
                if (shown > 0) {
                    QString folder = QFileInfo(path).absolutePath();
                    if (shown < folders.size())
                        folder = QStringLiteral("\u2026/") + where;
                    else if (folder.startsWith(home + QLatin1Char('/')))
                        folder = QStringLiteral("~") + folder.mid(home.size());
                    caption = tr("%1 (in %2)").arg(name, folder);
                }
                break;
            }
        }
        captions << caption;
    }
    return captions;
}

void FileCommands::fillRecentMenu(QMenu* recent) {
    recent->clear();
    recent->setToolTipsVisible(true);
    const QStringList files = RecentFiles::list();
    const QStringList captions = recentCaptions(files);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action = recent->addAction(captions[i]);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openAsked(path); });
    }
    recent->setEnabled(!files.isEmpty());
}

bool FileCommands::startNew() {
    if (!maySetAside())
        return false;
    m_document.startNew();
    return true;
}

bool FileCommands::startNewFromLook() {
    LookDialog dialog(LookDialog::Purpose::NewMenu, m_window);
    if (dialog.exec() != QDialog::Accepted || !maySetAside())
        return false;
    m_document.startNew(&dialog.look());
    return true;
}

QString FileCommands::startFolder() const {
    if (!m_document.path().isEmpty())
        return QFileInfo(m_document.path()).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void FileCommands::showProblem(const QString& what, const QString& why) const {
    Message::show(m_window, QMessageBox::Critical, QStringLiteral("fileError"), what, why);
}

bool FileCommands::maySetAside() {
    if (!m_document.isModified())
        return true;
    const QString name =
        m_document.path().isEmpty() ? tr("this menu") : QFileInfo(m_document.path()).fileName();
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

void FileCommands::open() {
    if (!maySetAside())
        return;
    const QString path = m_fileDialog(DialogMode::Open, startFolder(), menuFilter());
    if (!path.isEmpty())
        openFile(path);
}

bool FileCommands::openAsked(const QString& path) {
    return maySetAside() && openFile(path);
}

namespace {

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

} // namespace

void FileCommands::connectActions(const MainActions& a, QMenu* fileMenu) {
    connect(a.newMenu, &QAction::triggered, this, &FileCommands::startNew);
    connect(a.newFromLook, &QAction::triggered, this, &FileCommands::startNewFromLook);
    connect(a.open, &QAction::triggered, this, &FileCommands::open);
    connect(a.save, &QAction::triggered, this, &FileCommands::save);
    connect(a.saveAs, &QAction::triggered, this, &FileCommands::saveAs);
    connect(a.writePageTo, &QAction::triggered, this, &FileCommands::writePageTo);
    connect(a.writeFragmentTo, &QAction::triggered, this, &FileCommands::writeFragmentTo);
    connect(a.importNavigation, &QAction::triggered, this, &FileCommands::importNavigation);
    // The recent files are read as a menu that shows them opens, not at
    // start.
    QMenu* recent = a.openRecent;
    for (QMenu* menu : {a.contextMenu(), fileMenu})
        connect(menu, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
}

void FileCommands::acceptDrops(QWidget* window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    // Opened once the drop is over, so the drag source is not kept waiting
    // on a question.
    if (event->type() == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { openAsked(path); });
    return true;
}

void FileCommands::openWhenFree(const QString& path) {
    m_waiting << path;
    takeWaiting();
}

void FileCommands::takeWaiting() {
    if (m_waiting.isEmpty())
        return;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(kWaitingRetryMs, this, &FileCommands::takeWaiting);
        return;
    }
    const QString path = m_waiting.takeFirst();
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    openAsked(path);
    takeWaiting();
}

bool FileCommands::openFile(const QString& path) {
    SettingsFile::Contents contents;
    try {
        contents = m_document.open(path);
    } catch (const halvero::SettingsFileError& error) {
        showProblem(tr("The settings file could not be opened."),
                    shown(error.describe(fileSystemPath(path))));
        return false;
    }
    if (contents.itemCountGiven)
        Message::show(m_window, QMessageBox::Information, QStringLiteral("itemCountFollows"),
                      tr("The menu shows all of its own items (%1).").arg(contents.items.size()),
                      tr("%1 gives Menu Item Count %2, which is not the number of its items. "
                         "Save it to keep the count of its items.")
                          .arg(QFileInfo(path).fileName(),
                               shown(halvero::firstLineQuoted(*contents.itemCountGiven, 20))));
    if (!contents.unknownKeys.empty()) {
        // A line of them, and how many more.
        QStringList keys;
        for (const std::string& key : contents.unknownKeysShown())
            keys << shown(key);
        QString list = keys.join(QStringLiteral(", "));
        if (const auto more = contents.unknownKeys.size() - keys.size(); more > 0)
            list += tr(" and %n more", nullptr, static_cast<int>(more));
        Message::show(m_window, QMessageBox::Information, QStringLiteral("unknownKeys"),
                      tr("The settings file was opened, but Halvero does not know "
                         "some of its keys and left them out."),
                      QFileInfo(path).fileName() + QStringLiteral(": ") + list);
    }
    return true;
}

bool FileCommands::save() {
    return m_document.path().isEmpty() ? saveAs() : saveTo(m_document.path());
}

bool FileCommands::saveAs() {
    const QString path = m_fileDialog(DialogMode::Save, startFolder(), menuFilter());
    return !path.isEmpty() && saveTo(path);
}

bool FileCommands::mayOverwrite(const QString& path) {
    const QString open = m_document.path();
    if (QFileInfo(path).absoluteFilePath() != open || !m_document.fileChangedOnDisk())
        return true;
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Halvero"),
                         tr("%1 was changed by another program since you opened it.")
                             .arg(QFileInfo(open).fileName()),
                         QMessageBox::Save | QMessageBox::Reset | QMessageBox::Cancel, m_window);
    question.setObjectName(QStringLiteral("changedOnDisk"));
    question.setInformativeText(tr("Overwrite it with your menu, or reload it and lose your "
                                   "changes?"));
    question.button(QMessageBox::Save)->setText(tr("&Overwrite"));
    question.button(QMessageBox::Reset)->setText(tr("&Reload"));
    question.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    question.setDefaultButton(QMessageBox::Cancel);
    switch (question.exec()) {
    case QMessageBox::Save:
        return true;
    case QMessageBox::Reset:
        openFile(open);
        return false;
    default:
        return false;
    }
}

bool FileCommands::saveTo(const QString& path) {
    if (!mayOverwrite(path))
        return false;
    try {
        m_document.saveAs(path);
    } catch (const halvero::FileWriteError& error) {
        showProblem(tr("The settings could not be saved."), shown(error.what()));
        return false;
    }
    return true;
}

bool FileCommands::writeWebFile(const QString& path, const QString& failure,
                                const std::string& text) {
    try {
        MenuDocument::writeFile(path, text);
        return true;
    } catch (const halvero::FileWriteError& error) {
        showProblem(failure, shown(error.what()));
        return false;
    }
}

namespace {

// Whether the file at `path` begins as a whole web page does.
bool isWholePage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(64 * 1024).toLower();
    return start.contains("<html") || start.contains("<!doctype") || start.contains("<body");
}

} // namespace

// The menu's <style> and <nav> alone, for pasting into a page of one's own;
// a whole page chosen by mistake is not replaced without a word.
void FileCommands::writeFragmentTo() {
    const QString path = m_fileDialog(DialogMode::SaveFragment, startFolder(), pageFilter());
    if (path.isEmpty())
        return;
    if (isWholePage(path)) {
        QMessageBox question(QMessageBox::Warning, QStringLiteral("Halvero"),
                             tr("%1 is a whole web page.").arg(QFileInfo(path).fileName()),
                             QMessageBox::Yes | QMessageBox::No, m_window);
        question.setObjectName(QStringLiteral("replacesWholePage"));
        question.setInformativeText(
            tr("Writing the menu code there replaces the whole page with the menu alone. "
               "To put the menu into the page, use Copy Menu Code and paste it. Replace the "
               "page?"));
        question.button(QMessageBox::Yes)->setText(tr("&Replace"));
        question.button(QMessageBox::No)->setText(tr("&Keep the page"));
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return;
    }
    if (writeWebFile(path, tr("The menu code could not be written."), m_document.fragment()))
        emit done(tr("Menu code written to %1").arg(QDir::toNativeSeparators(path)));
}

void FileCommands::writePageTo() {
    const QString path = m_fileDialog(DialogMode::SavePage, startFolder(), pageFilter());
    if (!path.isEmpty() && writeWebFile(path, tr("The page could not be written."),
                                        m_document.page(halvero::Timestamp::now())))
        emit done(tr("Page written to %1").arg(QDir::toNativeSeparators(path)));
}

void FileCommands::importNavigation() {
    const QString site = m_document.siteFolder();
    const QString path =
        m_fileDialog(DialogMode::ImportPage, site.isEmpty() ? startFolder() : site, pageFilter());
    if (path.isEmpty())
        return;
    const QString failure =
        tr("The navigation of %1 cannot be read").arg(QFileInfo(path).fileName());
    // Links are kept from the site's root: the menu's site when the page
    // is in it, else the page's own folder.
    QString fromRoot = QFileInfo(path).fileName();
    if (!site.isEmpty()) {
        const QString relative = QDir(site).relativeFilePath(QFileInfo(path).absoluteFilePath());
        if (!relative.startsWith(QLatin1String("../")))
            fromRoot = relative;
    }
    halvero::NavReader::Result read;
    try {
        const std::string text = halvero::FileReader::read(
            FileName::encode(path).toStdString(), 64 * 1024 * 1024, "a web page is some KB");
        read = halvero::NavReader::read(text, {}, FileName::encode(fromRoot).toStdString());
    } catch (const std::exception& error) {
        showProblem(failure, shown(error.what()));
        return;
    }
    QString listed;
    halvero::MenuItem::visit(
        read.items, [&](const halvero::MenuItem& item, int level, const std::string&) {
            listed +=
                QString(2 * (level - 1), QLatin1Char(' ')) + QString::fromStdString(item.label) +
                (item.link.empty() ? QString() : QStringLiteral("  \u2192  ") + shown(item.link)) +
                QLatin1Char('\n');
        });
    for (const std::string& note : read.notes)
        listed += QLatin1Char('\n') + shown(note);
    const auto count = static_cast<int>(halvero::MenuItem::countAll(read.items));
    QMessageBox question(QMessageBox::Question, tr("Import Navigation"),
                         tr("%1 holds a navigation of %2 items. Replace the menu's items with "
                            "them?")
                             .arg(QFileInfo(path).fileName())
                             .arg(count),
                         QMessageBox::Yes | QMessageBox::Cancel, m_window);
    question.setObjectName(QStringLiteral("importNavigation"));
    question.setInformativeText(listed.trimmed());
    question.button(QMessageBox::Yes)->setText(tr("&Replace Items"));
    question.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() != QMessageBox::Yes)
        return;
    m_document.change(tr("Import Navigation"), [&](halvero::MenuSettings& settings) {
        settings.setMenuItems(read.items);
        settings.setValue(halvero::SettingTable::kItemCount,
                          halvero::MenuSettings::itemCountFor(read.items.size()));
    });
    emit done(tr("%1 items read from %2").arg(count).arg(QFileInfo(path).fileName()));
}
