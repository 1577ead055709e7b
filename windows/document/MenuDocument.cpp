#include "windows/document/MenuDocument.h"

#include "app/platform/FileName.h"
#include "app/platform/RecentFiles.h"
#include "core/page/PageComposer.h"
#include "core/settings/MenuLook.h"
#include "core/site/SiteUpdate.h"
#include "core/text/AtomicFile.h"
#include "core/text/FileReader.h"
#include "windows/document/SettingsEdit.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>
#include <sys/stat.h>

using halvero::MenuSettings;
using halvero::SettingTable;

namespace {

// A page the preview's browser takes as text (it refuses more than 2 MB).
constexpr std::size_t kMaxSitePage = 1900 * 1024;

std::string fileSystemPath(const QString& path) {
    return FileName::encode(path).toStdString();
}

// A file's change time, size and inode: another program's save changes
// at least one. Empty for a file that cannot be found.
QByteArray diskState(const QString& path) {
    struct stat status = {};
    if (path.isEmpty() || ::stat(FileName::encode(path).constData(), &status) != 0)
        return {};
    return QByteArray::number(static_cast<qlonglong>(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(static_cast<qlonglong>(status.st_mtim.tv_nsec)) + '/' +
           QByteArray::number(static_cast<qlonglong>(status.st_size)) + '/' +
           QByteArray::number(static_cast<qulonglong>(status.st_ino));
}

} // namespace

MenuDocument::MenuDocument(QObject* parent) : QObject(parent), m_history(new QUndoStack(this)) {
    m_settings.setObserver(
        [this](int index, MenuSettings::Change change) { emit entryChanged(index, change); });
    // Every step recorded, undone or redone (a typing step merged back to
    // nothing included): the recorded state follows, and the views.
    connect(m_history, &QUndoStack::indexChanged, this, [this] {
        m_recorded = m_settings.snapshot();
        emit changed();
    });
    connect(m_history, &QUndoStack::cleanChanged, this, [this] { emit savedStateChanged(m_path); });
}

bool MenuDocument::isModified() const {
    return !m_history->isClean();
}

// The push moves the history's index, whose handler keeps the new state
// and tells the views, as for undo and redo.
void MenuDocument::record(const QString& what, int typedEntry) {
    MenuSettings::Snapshot now = m_settings.snapshot();
    if (now == m_recorded)
        return;
    m_history->push(new SettingsEdit(m_settings, m_recorded, std::move(now), what, typedEntry));
}

void MenuDocument::type(int index, std::string value) {
    m_settings.edit(index, std::move(value));
    record(tr("Typing"), index);
}

void MenuDocument::pick(int index, std::string value) {
    m_settings.edit(index, std::move(value));
    if (index == SettingTable::kStatusUrl)
        m_settings.applyStatusBarRule();
    record(tr("Pick"));
}

void MenuDocument::change(const QString& what, const std::function<void(MenuSettings&)>& how) {
    how(m_settings);
    record(what);
}

void MenuDocument::changeFrom(int step, const QString& what,
                              const std::function<void(MenuSettings&)>& how) {
    m_history->setIndex(step);
    change(what, how);
}

void MenuDocument::setPageLook(halvero::PageLook::Key key, std::string value, int typing) {
    halvero::PageLook look = m_settings.pageLook();
    look.set(key, std::move(value));
    m_settings.setPageLook(std::move(look));
    record(tr("Page Style"), typing);
}

// `path` (none when empty) holds the menu as it is now.
void MenuDocument::takeFile(const QString& path) {
    m_path = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    m_diskState = diskState(m_path);
    m_history->setClean();
    if (!m_path.isEmpty())
        RecentFiles::add(m_path);
    emit savedStateChanged(m_path);
}

void MenuDocument::keepAsSaved(const QString& path) {
    m_recorded = m_settings.snapshot();
    m_history->clear();
    takeFile(path);
}

void MenuDocument::startNew(const halvero::MenuLook* look) {
    m_settings.initialise();
    if (look) {
        look->applyTo(m_settings);
        if (look->style() == halvero::MenuSettings::PageStyle::Modern)
            m_settings.setValue(halvero::SettingTable::kTarget, "_self");
    }
    keepAsSaved(QString());
    emit replaced();
    emit changed();
}

halvero::SettingsFile::Contents MenuDocument::open(const QString& path) {
    halvero::SettingsFile::Contents contents = halvero::SettingsFile::read(fileSystemPath(path));
    // The file keeps the site's folder relative to itself; the menu, as
    // the user chose it.
    if (!contents.siteFolder.empty())
        contents.siteFolder =
            fileSystemPath(QDir::cleanPath(QFileInfo(path).absoluteDir().absoluteFilePath(
                FileName::decode(QByteArray::fromStdString(contents.siteFolder)))));
    m_settings.restore(contents.snapshot());
    keepAsSaved(path);
    // A count that did not follow the items: the menu is not as the file
    // holds it until it is saved.
    if (contents.itemCountGiven)
        m_history->resetClean();
    emit replaced();
    emit changed();
    return contents;
}

void MenuDocument::saveAs(const QString& path) {
    halvero::MenuSettings saved = m_settings;
    saved.setObserver(nullptr);
    if (const QString site = siteFolder(); !site.isEmpty()) {
        const QString relative = QFileInfo(path).absoluteDir().relativeFilePath(site);
        saved.setSiteFolder(fileSystemPath(relative.isEmpty() ? QStringLiteral(".") : relative));
    }
    halvero::SettingsFile::write(fileSystemPath(path), saved);
    takeFile(path);
}

QString MenuDocument::siteFolder() const {
    return FileName::decode(QByteArray::fromStdString(m_settings.siteFolder()));
}

void MenuDocument::setSiteFolder(const QString& folder) {
    const std::string stored = folder.isEmpty() ? std::string() : fileSystemPath(folder);
    if (stored == m_settings.siteFolder())
        return;
    change(tr("Site Folder"),
           [&](halvero::MenuSettings& settings) { settings.setSiteFolder(stored); });
}

bool MenuDocument::fileChangedOnDisk() const {
    return !m_path.isEmpty() && diskState(m_path) != m_diskState;
}

std::string MenuDocument::page(const halvero::Timestamp& stamp) const {
    return halvero::PageComposer::compose(m_settings, stamp);
}

std::optional<std::string> MenuDocument::sitePage(const QString& relative) const {
    const QString site = siteFolder();
    if (site.isEmpty() || relative.isEmpty())
        return std::nullopt;
    try {
        const std::string text = halvero::FileReader::read(
            fileSystemPath(QDir(site).filePath(relative)), kMaxSitePage, "a page of the site");
        const std::string path = fileSystemPath(relative);
        halvero::SiteUpdate::Result result = halvero::SiteUpdate::update(
            text, m_settings, path, halvero::SiteUpdate::style(m_settings));
        return result.outcome == halvero::SiteUpdate::Outcome::Changed ? std::move(result.text)
                                                                       : text;
    } catch (const halvero::FileReadError&) {
        return std::nullopt;
    } catch (const halvero::SitePageError&) {
        return std::nullopt;
    }
}

std::string MenuDocument::fragment(halvero::ModernPage::Part part) const {
    const std::string source =
        m_path.isEmpty() ? std::string() : QFileInfo(m_path).fileName().toStdString();
    return halvero::PageComposer::fragment(m_settings, source, {}, part);
}

void MenuDocument::writeFile(const QString& path, const std::string& text) {
    halvero::AtomicFile::write(fileSystemPath(path), text);
}

QString MenuDocument::pagePath(PageFolder& folder) {
    return FileName::decode(QByteArray::fromStdString(halvero::AtomicFile::joinPath(
        fileSystemPath(folder.path()), std::string(halvero::PageComposer::kFileName))));
}

void MenuDocument::writePage(PageFolder& folder) const {
    QString reason;
    if (!folder.prepare(&reason))
        throw halvero::FileWriteError(fileSystemPath(pagePath(folder)), reason.toStdString());
    writeFile(pagePath(folder), page(halvero::Timestamp::now()));
}
