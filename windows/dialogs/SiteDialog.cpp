#include "windows/dialogs/SiteDialog.h"

#include "app/Application.h"
#include "app/platform/FileName.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using halvero::SiteJob;
using Outcome = SiteJob::Outcome;

namespace {

SiteDialog::FolderDialog& folderDialog() {
    static SiteDialog::FolderDialog dialog = [](QWidget* parent, const QString& shown) {
        return QFileDialog::getExistingDirectory(parent, SiteDialog::tr("The Site's Folder"),
                                                 shown);
    };
    return dialog;
}

QString text(const std::string& value) {
    return FileName::decode(QByteArray::fromStdString(value));
}

} // namespace

void SiteDialog::setFolderDialog(FolderDialog dialog) {
    folderDialog() = std::move(dialog);
}

SiteDialog::SiteDialog(const halvero::MenuSettings& settings, const QString& folder,
                       QWidget* parent)
    : QDialog(parent), m_settings(settings), m_folder(folder), m_folderLine(new QLineEdit(this)),
      m_adopt(new QCheckBox(tr("Put the menu in place of the &navigation of pages without "
                               "markers"),
                            this)),
      m_list(new QTreeWidget(this)), m_state(new QLabel(this)), m_progress(new QProgressBar(this)),
      m_update(new QPushButton(tr("&Update"), this)), m_close(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("siteDialog"));
    setFont(Application::windowFont());
    setWindowTitle(tr("Update Site"));
    m_settings.setObserver(nullptr);

    auto* intro = new QLabel(
        tr("Writes the menu into every page of the site's folder between the markers "
           "<!-- halvero-menu --> and <!-- /halvero-menu --> (and its style between "
           "<!-- halvero-menu-style --> and <!-- /halvero-menu-style -->), each page with "
           "its own current item and links. Nothing else in a page changes."),
        this);
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);
    auto* folderLabel = new QLabel(tr("Site &folder:"), this);
    folderLabel->setBuddy(m_folderLine);
    m_folderLine->setObjectName(QStringLiteral("siteFolder"));
    m_folderLine->setReadOnly(true);
    m_folderLine->setText(QDir::toNativeSeparators(m_folder));
    auto* choose = new QPushButton(tr("&Choose..."), this);
    choose->setObjectName(QStringLiteral("chooseFolder"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &SiteDialog::choose);
    m_adopt->setObjectName(QStringLiteral("adoptNavigation"));
    m_adopt->setToolTip(tr("In a page without markers, the <nav> whose links are most of the "
                           "menu's gives way to the menu and its markers."));
    connect(m_adopt, &QCheckBox::toggled, this, [this] {
        if (!m_folder.isEmpty() && !m_worker.joinable())
            start(true);
    });

    m_list->setObjectName(QStringLiteral("sitePages"));
    m_list->setAccessibleName(tr("Pages"));
    m_list->setHeaderLabels({tr("Page"), tr("What happens")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(1, 260);
    m_state->setObjectName(QStringLiteral("siteState"));
    m_state->setWordWrap(true);
    m_state->setTextFormat(Qt::PlainText);
    m_progress->setObjectName(QStringLiteral("siteProgress"));
    m_progress->hide();

    m_update->setObjectName(QStringLiteral("updateButton"));
    m_update->setDefault(true);
    m_update->setEnabled(false);
    m_close->setObjectName(QStringLiteral("closeButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_update, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);
    connect(m_update, &QPushButton::clicked, this, [this] { start(false); });
    connect(m_close, &QPushButton::clicked, this, &SiteDialog::reject);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folderLine, 1);
    folderRow->addWidget(choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(folderRow);
    layout->addWidget(m_adopt);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_state);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);
    resize(640, 460);

    m_poll.setInterval(30);
    connect(&m_poll, &QTimer::timeout, this, &SiteDialog::poll);
}

SiteDialog::~SiteDialog() {
    if (m_job)
        m_job->cancel();
    stopWorkers();
}

void SiteDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // A menu without a site asks for its folder at once.
    if (m_folder.isEmpty())
        QTimer::singleShot(0, this, &SiteDialog::choose);
    else
        start(true);
}

void SiteDialog::choose() {
    if (m_worker.joinable())
        return;
    const QString chosen = folderDialog()(this, m_folder);
    if (chosen.isEmpty())
        return;
    m_folder = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    m_folderLine->setText(QDir::toNativeSeparators(m_folder));
    start(true);
}

void SiteDialog::start(bool check) {
    stopWorkers();
    m_checking = check;
    // A check reads the folder anew; an update writes what it found to differ.
    if (check || !m_job)
        m_job = std::make_unique<SiteJob>(m_settings, FileName::encode(m_folder).toStdString(),
                                          m_adopt->isChecked());
    m_update->setEnabled(false);
    m_progress->setRange(0, check ? 0 : static_cast<int>(m_job->pages().size()));
    m_progress->setValue(0);
    m_progress->setVisible(!check);
    m_state->setText(check ? tr("Reading the pages...") : tr("Updating..."));
    m_finished = false;
    m_started = false;
    m_worker = std::thread([this, check] {
        m_started = m_job->run(check, SiteJob::Busy::Refuse, !check);
        m_finished = true;
    });
    m_poll.start();
}

void SiteDialog::poll() {
    if (!m_checking)
        m_progress->setValue(static_cast<int>(std::min(m_job->done(), m_job->pages().size())));
    if (m_finished)
        finish();
}

void SiteDialog::stopWorkers() {
    m_poll.stop();
    if (m_worker.joinable())
        m_worker.join();
}

QString SiteDialog::what(const SiteJob::Page& page) const {
    if (page.outcome == Outcome::NoMarkers && !page.notes.empty())
        return tr("No markers, and no <nav> with the menu's links: left alone");
    QString shown = whatHappened(page);
    for (const std::string& note : page.notes)
        shown += QStringLiteral("; ") + text(note);
    return shown;
}

QString SiteDialog::whatHappened(const SiteJob::Page& page) const {
    switch (page.outcome) {
    case Outcome::Updated:
        if (page.adoptedLine > 0)
            return tr("Menu put in place of its <nav> (line %1)").arg(page.adoptedLine);
        return page.hardLinked ? tr("Updated (its hard link's other name keeps the old page)")
                               : tr("Updated");
    case Outcome::Unchanged:
        return tr("Unchanged");
    case Outcome::Differs:
        if (!m_checking && !m_job->cancelled())
            return tr("Not updated (cancelled)");
        return page.adoptedLine > 0
                   ? tr("Put the menu in place of its <nav> (line %1)").arg(page.adoptedLine)
                   : tr("Update");
    case Outcome::NoMarkers:
        return tr("No markers: left alone");
    case Outcome::Excluded:
        return tr("Excluded by the settings: left alone");
    case Outcome::Outside:
        return tr("Left alone: %1").arg(text(page.problem));
    case Outcome::NotAPage:
        return tr("Not a page: %1").arg(text(page.problem));
    case Outcome::Unreadable:
        return tr("Cannot read: %1").arg(text(page.problem));
    case Outcome::Unwritable:
        return tr("Not written: %1").arg(text(page.problem));
    }
    return {};
}

void SiteDialog::finish() {
    stopWorkers();
    m_progress->hide();
    if (!m_started) {
        // The folder cannot be opened, or another run holds it: nothing was
        // done. An update refused so can be tried again.
        if (m_checking)
            m_list->clear();
        m_state->setText(tr("The site cannot be updated now: %1").arg(text(m_job->problem())));
        m_update->setEnabled(!m_checking);
        return;
    }
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const std::string& broken : m_job->brokenLinks())
        rows << new QTreeWidgetItem({tr("Menu item"), text(broken)});
    for (const SiteJob::Page& file : m_job->sharedFiles())
        rows << new QTreeWidgetItem({text(file.path), what(file)});
    for (const halvero::SiteFolder::Problem& folder : m_job->folders())
        rows << new QTreeWidgetItem(
            {text(folder.path + "/"), tr("Cannot read this folder: %1").arg(text(folder.problem))});
    for (const SiteJob::Page& page : m_job->pages())
        rows << new QTreeWidgetItem({text(page.path), what(page)});
    if (m_checking)
        for (const std::string& leftover : m_job->leftovers())
            rows << new QTreeWidgetItem(
                {text(leftover), tr("A copy left by a write that was stopped: Update removes it")});
    for (const halvero::SiteFolder::Problem& leftover : m_job->leftoverProblems())
        rows << new QTreeWidgetItem(
            {text(leftover.path), tr("Not removed: %1").arg(text(leftover.problem))});
    m_list->addTopLevelItems(rows);
    m_list->setUpdatesEnabled(true);
    const auto count = [&](Outcome outcome) { return static_cast<int>(m_job->count(outcome)); };
    const int failed = count(Outcome::Unreadable) + count(Outcome::Unwritable);
    const int pages = static_cast<int>(m_job->pages().size());
    QString summary = pages == 1 ? tr("1 page: ") : tr("%1 pages: ").arg(pages);
    summary += m_checking ? tr("%1 to update, %2 unchanged")
                                .arg(count(Outcome::Differs))
                                .arg(count(Outcome::Unchanged))
                          : tr("%1 updated, %2 unchanged")
                                .arg(count(Outcome::Updated))
                                .arg(count(Outcome::Unchanged));
    if (failed)
        summary += tr(", %1 failed").arg(failed);
    if (count(Outcome::NoMarkers))
        summary += tr("; %1 without markers").arg(count(Outcome::NoMarkers));
    if (!m_job->folders().empty())
        summary += tr("; %1 folders not read").arg(m_job->folders().size());
    if (m_job->cancelled())
        summary += tr(" (cancelled)");
    m_summary = summary;
    m_state->setText(summary);
    if (m_checking) {
        m_update->setEnabled(count(Outcome::Differs) > 0 || !m_job->leftovers().empty());
        if (m_update->isEnabled())
            m_update->setFocus();
        return;
    }
    // Done: the list says what happened to each page until Close.
    m_ranUpdate = true;
    m_close->setText(tr("Close"));
    m_update->hide();
    m_close->setFocus();
}

// Cancel during an update stops before the next page; otherwise it closes.
void SiteDialog::reject() {
    if (m_worker.joinable() && !m_checking) {
        m_job->cancel();
        return;
    }
    if (m_job)
        m_job->cancel();
    stopWorkers();
    QDialog::reject();
}
