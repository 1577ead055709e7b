#include "windows/main/MainWindow.h"

#include "app/Identity.h"
#include "app/pictures/Pictures.h"
#include "app/platform/CustomColors.h"
#include "app/platform/KeyboardLayout.h"
#include "app/platform/WindowAttention.h"
#include "app/preview/PreviewEngine.h"
#include "app/toolkit/ControlLook.h"
#include "app/toolkit/QtColor.h"
#include "app/toolkit/Twips.h"
#include "core/ColorValues.h"
#include "core/PageFile.h"
#include "core/PageWriter.h"
#include "windows/main/MainLook.h"
#include "windows/main/MenuItemsDialog.h"
#include "windows/secondary/AboutWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

using halvero::EntryDescriptor;
using halvero::EntryTable;
using halvero::MenuSettings;
using Command = MainLayout::Command;

MainWindow::MainWindow() : m_pageFolder(QCoreApplication::applicationDirPath()) {
    setWindowTitle(QStringLiteral("Halvero"));
    setWindowIcon(Pictures::appIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_colorDialog = [this](const QColor& initial) -> std::optional<QColor> {
        CustomColors::restore();
        const QColor chosen = QColorDialog::getColor(initial, this);
        CustomColors::keep();
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    m_files = new MenuFiles(this, m_settings, [this] { return composePage(); });
    // The menu's items, from the context menu or Ctrl+I.
    auto* editItems = new QAction(tr("Menu &Items..."), this);
    editItems->setObjectName(QStringLiteral("editMenuItems"));
    editItems->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    editItems->setShortcutContext(Qt::WindowShortcut);
    addAction(editItems);
    m_files->contextMenu()->insertAction(m_files->contextMenu()->actions().value(0), editItems);
    m_files->contextMenu()->insertSeparator(m_files->contextMenu()->actions().value(1));
    connect(editItems, &QAction::triggered, this, &MainWindow::editMenuItems);
    addPageStyleCommands();
    setAcceptDrops(true);
    MainLook::setCommonLook(this);
    m_controls.build(*this);
    connectHandlers();
    // After edits, the kept preview gets the page as it is now, once the
    // user pauses, so the next opening shows it at once.
    m_previewUpdate = new QTimer(this);
    m_previewUpdate->setSingleShot(true);
    m_previewUpdate->setInterval(100);
    connect(m_previewUpdate, &QTimer::timeout, this,
            [this] { PreviewEngine::update(pagePath(), previewPage()); });
    m_settings.setObserver([this](int index, MenuSettings::Change change) {
        m_previewUpdate->start();
        showContrastNote();
        m_controls.show(m_settings, index, change);
    });
}

// The user's typing (textEdited) and picking (textActivated) go into the
// record; every change of a colour box's text, the program's included,
// repaints it.
void MainWindow::connectHandlers() {
    for (const EntryDescriptor& entry : EntryTable::all()) {
        const int index = entry.index;
        QComboBox* box = m_controls.entry(index);
        connect(box, &QComboBox::textActivated, this,
                [this, index](const QString& text) { userPicked(index, text); });
        if (box->isEditable())
            connect(box->lineEdit(), &QLineEdit::textEdited, this,
                    [this, index](const QString& text) { userEdited(index, text); });
        if (entry.isColor()) {
            connect(box, &QComboBox::currentTextChanged, this, [this, index] { showColor(index); });
            connect(m_controls.colorButtons.at(static_cast<std::size_t>(index)),
                    &QPushButton::clicked, this, [this, index] { chooseColor(index); });
        }
    }
    connect(m_controls.command(Command::CreatePage), &QPushButton::clicked, this,
            &MainWindow::createPage);
    connect(m_controls.command(Command::ShowPreview), &QPushButton::clicked, this,
            &MainWindow::showPreview);
    connect(m_controls.command(Command::ShowAbout), &QPushButton::clicked, this,
            &MainWindow::showAbout);
    connect(m_controls.command(Command::Exit), &QPushButton::clicked, this,
            &MainWindow::confirmExit);
    connect(m_controls.flashTimer, &QTimer::timeout, this, &MainWindow::flash);
    // The pointer resting on Preview, or the focus reaching it, warms the
    // browser engine up for the click that likely follows.
    m_controls.command(Command::ShowPreview)->installEventFilter(this);
}

// Sees the Preview button's events (and, as a form, the application's keys).
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.command(Command::ShowPreview) &&
        (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn))
        PreviewEngine::warmUp();
    return Form::eventFilter(watched, event);
}

// Styles and places the window, paints its backdrop, starts the flashing
// and fills every entry with its default, once for the window's life:
// Preview and About leave the settings as the user left them.
void MainWindow::onLoad() {
    ControlLook::apply(controls(), MainLook::table());
    m_controls.contrastNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeWindow();
    paintBackdrop();
    m_controls.flashTimer->setInterval(1000);
    m_controls.flashTimer->start();
    // Escape presses Exit.
    setCancelButton(m_controls.command(Command::Exit));
    m_settings.initialise();
    m_files->startFresh();
    m_controls.entry(EntryTable::kItemCount)->setFocus();
}

// Closed by the window system (its close button, Alt+F4): unsaved
// changes, to an open settings file or to a menu never saved, are not lost
// silently either.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_files->maySetAside()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

// Right click anywhere but on an entry: the settings-file commands.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    for (QWidget* w = childAt(event->pos()); w && w != this; w = w->parentWidget())
        if (qobject_cast<QComboBox*>(w))
            return;
    m_files->contextMenu()->popup(event->globalPos());
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

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so the drag source is not kept waiting
    // on a question.
    QTimer::singleShot(0, this, [this, path] { m_files->openAsked(path); });
}

void MainWindow::placeWindow() {
    // The client area ends 120 twips below the Exit button; the window
    // system adds the caption and border.
    const QPushButton* exitButton = m_controls.command(Command::Exit);
    const int clientHeight =
        exitButton->geometry().bottom() + 1 + Twips::toPixels(MainLayout::kBottomMargin);
    setFixedSize(Twips::toPixels(MainLayout::kClientWidth), clientHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2, screen.top() + 50);
}

QByteArray MainWindow::previewPage() const {
    return QByteArray::fromStdString(halvero::PageWriter::compose(m_settings, m_previewStamp));
}

void MainWindow::userEdited(int index, const QString& text) {
    m_previewUpdate->start();
    m_settings.edit(index, text.toUtf8().toStdString());
    m_files->settingsEdited();
}

void MainWindow::userPicked(int index, const QString& text) {
    m_previewUpdate->start();
    m_settings.edit(index, text.toUtf8().toStdString());
    if (index == EntryTable::kStatusUrl)
        m_settings.applyStatusBarRule();
    m_files->settingsEdited();
}

namespace {

// Navy, the window's text colour, or white where it reads better on `back`.
QColor readableOn(const QColor& back) {
    const std::int32_t value = QtColor::toValue(back);
    return halvero::ContrastRatio(QtColor::toValue(ControlLook::kNavy), value) >=
                   halvero::ContrastRatio(0xFFFFFF, value)
               ? ControlLook::kNavy
               : QColor(Qt::white);
}

} // namespace

// Says, beside the commands, which item's text reads under 4.5:1 on its
// background in the page, and by how much; says nothing otherwise. It
// never stops anything.
void MainWindow::showContrastNote() {
    QStringList low;
    for (const auto& [item, name] : {std::pair{EntryTable::kNormal, tr("normal item")},
                                     {EntryTable::kHover, tr("hovered item")}}) {
        try {
            const double ratio =
                halvero::ContrastRatio(halvero::HexToColor(m_settings.value(item.fontColor)),
                                       halvero::HexToColor(m_settings.value(item.backColor)));
            if (ratio < 4.5)
                low << tr("%1 %2:1").arg(name).arg(std::floor(ratio * 10) / 10, 0, 'f', 1);
        } catch (const halvero::ColorTextError&) {
            // A colour being typed: nothing to say yet.
        }
    }
    m_controls.contrastNote->setText(
        low.isEmpty() ? QString()
                      : tr("Hard to read in the page: %1, text on background (4.5:1 or more "
                           "reads well).")
                            .arg(low.join(QStringLiteral(", "))));
}

void MainWindow::showColor(int index) {
    QComboBox* box = m_controls.entry(index);
    try {
        const std::int32_t value = halvero::HexToColor(box->currentText().toStdString());
        const QColor color = QtColor::fromValue(value);
        ControlLook::setBackColor(box, color);
        // Its text stays readable on its colour.
        ControlLook::setTextColor(box, readableOn(color));
        if (box->lineEdit())
            ControlLook::setTextColor(box->lineEdit(), readableOn(color));
    } catch (const halvero::ColorTextError&) {
        // Half-typed colour: the box keeps its last good colour.
    }
}

void MainWindow::chooseColor(int index) {
    if (!m_colorDialog)
        return;
    const std::optional<QColor> chosen =
        m_colorDialog(ControlLook::backColor(m_controls.entry(index)));
    if (!chosen)
        return; // cancelled: the entry stays as it was
    m_settings.setValue(index, halvero::ColorToHex(QtColor::toValue(*chosen)));
    m_files->settingsEdited();
}

// Toggled once a second: task bars flash the window's entry.
void MainWindow::flash() {
    m_flashOn = !m_flashOn;
    WindowAttention::set(this, m_flashOn);
}

std::string MainWindow::pageFilePath() {
    return halvero::PageFile::joinPath(QFile::encodeName(m_pageFolder.path()).toStdString(),
                                       std::string(halvero::PageWriter::kFileName));
}

QString MainWindow::pagePath() {
    return QFile::decodeName(QByteArray::fromStdString(pageFilePath()));
}

std::string MainWindow::composePage() const {
    return halvero::PageWriter::compose(m_settings, halvero::Timestamp::now());
}

void MainWindow::writePage() {
    const std::string page = composePage();
    const std::string path = pageFilePath();
    QString reason;
    if (!m_pageFolder.prepare(&reason))
        throw halvero::PageWriteError(path, reason.toStdString());
    halvero::PageFile::write(path, page);
}

// Said once a run: the page is not beside the program, where the user may
// look for it first.
void MainWindow::tellWherePageWent() {
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

void MainWindow::showError(const QString& what, const QString& why) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Halvero"), what, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("commandError"));
    box.setInformativeText(why);
    box.exec();
}

void MainWindow::createPage() {
    try {
        writePage();
        tellWherePageWent();
    } catch (const halvero::PageWriteError& error) {
        showError(QStringLiteral("The page could not be written."),
                  QString::fromLocal8Bit(error.what()));
    }
}

// The page's style, classic or modern, and the menu's code for a page of
// the user's own, in the context menu.
void MainWindow::addPageStyleCommands() {
    QMenu* menu = m_files->contextMenu();
    QAction* first = menu->actions().value(2);
    QMenu* styles = new QMenu(tr("Page &Style"), menu);
    styles->setObjectName(QStringLiteral("pageStyleMenu"));
    auto* group = new QActionGroup(styles);
    for (const auto& [text, name, style] :
         {std::tuple{tr("&Classic (XHTML, as always)"), "classicStyle",
                     MenuSettings::PageStyle::Classic},
          {tr("&Modern (HTML5 and CSS)"), "modernStyle", MenuSettings::PageStyle::Modern}}) {
        QAction* action = styles->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(style == m_settings.pageStyle());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, style = style] {
            m_settings.setPageStyle(style);
            m_files->settingsEdited();
        });
    }
    connect(styles, &QMenu::aboutToShow, this, [this, styles] {
        const bool modern = m_settings.pageStyle() == MenuSettings::PageStyle::Modern;
        styles->actions().value(modern ? 1 : 0)->setChecked(true);
    });
    menu->insertMenu(first, styles);
    auto* copy = new QAction(tr("Copy Menu &Code"), this);
    copy->setObjectName(QStringLiteral("copyMenuCode"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    menu->insertAction(first, copy);
    connect(copy, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(m_files->fragment()); });
}

// The Menu Items editor; its OK replaces the items (and Item Count when
// the number of rows changed), its Cancel changes nothing.
void MainWindow::editMenuItems() {
    const auto count =
        static_cast<int>(halvero::PageWriter::itemCount(m_settings.value(EntryTable::kItemCount)));
    MenuItemsDialog dialog(m_settings.menuItems(), count, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.setMenuItems(dialog.items());
    m_settings.setValue(EntryTable::kItemCount, std::to_string(dialog.itemCount()));
    m_files->settingsEdited();
}

void MainWindow::showPreview() {
    QString error;
    m_previewUpdate->stop();
    Form* preview = PreviewEngine::load(pagePath(), previewPage(), &error);
    if (!preview) {
        showError(QStringLiteral("The preview could not be opened."), error);
        return;
    }
    preview->showModal();
}

void MainWindow::showAbout() {
    auto* about = Form::load<AboutWindow>();
    about->setApplicationName(Identity::name());
    about->setApplicationDate(Identity::date());
    about->setApplicationVersion(Identity::version());
    about->showModal();
}

void MainWindow::confirmExit() {
    QMessageBox question(QMessageBox::Question, QStringLiteral("Question"),
                         QStringLiteral("Do you want to exit?"), QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setObjectName(QStringLiteral("exitQuestion"));
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    // Unsaved changes, a typed menu's included, are not lost silently.
    if (!m_files->maySetAside())
        return;
    exitApplication();
}

void MainWindow::exitApplication() {
    KeyboardLayout::switchAwayFromRightToLeft();
    unload();
    QCoreApplication::exit(0);
}
