#include "windows/main/MainWindow.h"

#include "app/Application.h"
#include "app/Identity.h"
#include "app/pictures/Pictures.h"
#include "app/platform/KeyboardLayout.h"
#include "app/platform/WindowAttention.h"
#include "app/preview/PreviewEngine.h"
#include "app/toolkit/BackdropWidget.h"
#include "app/toolkit/EnterClicks.h"
#include "app/toolkit/Look.h"
#include "app/toolkit/QtColor.h"
#include "app/toolkit/Twips.h"
#include "core/page/PageComposer.h"
#include "core/settings/ColorValues.h"
#include "core/settings/MenuLook.h"
#include "core/text/AtomicFile.h"
#include "windows/dialogs/AboutWindow.h"
#include "windows/dialogs/LookDialog.h"
#include "windows/dialogs/PageStyleDialog.h"
#include "windows/dialogs/SiteDialog.h"
#include "windows/document/MenuDocument.h"
#include "windows/items/MenuItemsDialog.h"
#include "windows/main/EntryEditing.h"
#include "windows/main/MainActions.h"
#include "windows/main/Message.h"
#include "windows/preview/LivePreviewDock.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>

using halvero::MenuSettings;
using halvero::Setting;
using halvero::SettingTable;
using Command = MainLayout::Command;

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace

MainWindow::MainWindow() : m_pageFolder(QCoreApplication::applicationDirPath()) {
    setWindowTitle(QStringLiteral("Halvero"));
    setWindowIcon(Pictures::appIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(Application::windowFont());
    m_colorDialog = [this](const QColor& initial) { return ColorBoxes::ask(this, initial); };
    m_document = new MenuDocument(this);
    m_files = new FileCommands(this, *m_document);
    m_actions = std::make_unique<MainActions>(this, m_document->history());
    m_actions->fillMenuBar(menuBar());
    statusBar()->setSizeGripEnabled(false);
    m_files->acceptDrops(this);

    m_surface = new BackdropWidget;
    m_surface->setObjectName(QStringLiteral("surface"));
    setCentralWidget(m_surface);
    Look::prepareSurface(m_surface);
    m_controls.build(*m_surface);
    connectControls();
    connectActions();
    // After edits, the kept preview gets the page as it is now, once the
    // user pauses, so the next opening shows it at once.
    m_previewUpdate = new QTimer(this);
    m_previewUpdate->setSingleShot(true);
    m_previewUpdate->setInterval(100);
    connect(m_previewUpdate, &QTimer::timeout, this,
            [this] { PreviewEngine::update(pagePath(), previewPage()); });
    connect(m_document, &MenuDocument::changed, m_previewUpdate, qOverload<>(&QTimer::start));
    connect(m_document, &MenuDocument::entryChanged, this,
            [this](int index, MenuSettings::Change change) {
                if (change == MenuSettings::Change::Value && ColorBoxes::weighs(index))
                    m_colorBoxes.noteContrast(m_document->settings());
                m_controls.show(m_document->settings(), index, change);
            });
    connect(m_document, &MenuDocument::savedStateChanged, this, &MainWindow::showFile);
    const auto page = [this](const QString& sitePage) {
        if (const std::optional<std::string> text = m_document->sitePage(sitePage))
            return std::pair{QDir(m_document->siteFolder()).filePath(sitePage),
                             QByteArray::fromStdString(*text)};
        return std::pair{pagePath(), previewPage()};
    };
    LivePreviewDock::attach(this, m_actions->livePreview, *m_document, page);

    // Styles and places the window, paints its backdrop, starts the
    // flashing and fills every entry with its default, once for the
    // window's life: Preview and About leave the settings as they are.
    Look::apply(m_surface, Look::Scheme::CreamForm);
    m_controls.contrastNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeWindow();
    m_surface->paintBackdrop();
    m_controls.flashTimer->setInterval(1000);
    m_controls.flashTimer->start();
    m_document->startNew();
    m_controls.entry(SettingTable::kItemCount)->setFocus();
}

// The document's history, cleared as the window's children go, tells
// nobody.
MainWindow::~MainWindow() {
    m_document->disconnect(this);
    m_document->history()->disconnect(this);
}

// The user's typing (textEdited) and picking (textActivated) go to the
// document; every change of a colour box's text, the program's included,
// repaints it.
void MainWindow::connectControls() {
    new EntryEditing(m_controls, *m_document, statusBar(), this);
    for (const Setting& entry : SettingTable::entries()) {
        if (!entry.isColor())
            continue;
        const int index = entry.index;
        connect(m_controls.entry(index), &QComboBox::currentTextChanged, this,
                [this, index] { m_colorBoxes.paint(index); });
        connect(m_controls.colorButtons.at(static_cast<std::size_t>(index)), &QPushButton::clicked,
                this, [this, index] { chooseColor(index); });
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
    PreviewEngine::warmUpNear(m_controls.command(Command::ShowPreview));
    auto* enterClicks = new EnterClicks(this);
    for (QPushButton* button : m_surface->findChildren<QPushButton*>())
        enterClicks->watch(button);
    m_surface->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_surface, &QWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
}

void MainWindow::connectActions() {
    MainActions& a = *m_actions;
    m_files->connectActions(a, menuBar()->findChild<QMenu*>(QStringLiteral("menuBarFile")));
    connect(a.quit, &QAction::triggered, this, &MainWindow::confirmExit);
    connect(a.editItems, &QAction::triggered, this, &MainWindow::editMenuItems);
    connect(a.updateSite, &QAction::triggered, this, &MainWindow::updateSite);
    connect(a.createPage, &QAction::triggered, this, &MainWindow::createPage);
    connect(a.preview, &QAction::triggered, this, &MainWindow::showPreview);
    // Highlighted in its menu, it is likely to be chosen: as the pointer on
    // the Preview button.
    connect(a.preview, &QAction::hovered, this, [] {
        PreviewEngine::warmUp();
        PreviewEngine::expectOpening(true);
    });
    connect(a.about, &QAction::triggered, this, &MainWindow::showAbout);
    using Part = halvero::ModernPage::Part;
    for (auto [action, part, said] :
         {std::tuple{a.copyCode, Part::Whole, tr("Menu code copied to the clipboard")},
          {a.copyStyle, Part::Style,
           tr("Menu style copied to the clipboard: paste it into the page's <head>")},
          {a.copyNavigation, Part::Nav,
           tr("Menu navigation copied to the clipboard: paste it where the menu goes")}})
        connect(action, &QAction::triggered, this, [this, part = part, said = said] {
            QApplication::clipboard()->setText(text(m_document->fragment(part)));
            statusBar()->showMessage(said, 8000);
        });
    connect(a.pageStyle, &QAction::triggered, this, &MainWindow::editPageStyle);
    connect(a.applyLook, &QAction::triggered, this, &MainWindow::applyLook);
    connect(m_files, &FileCommands::done, this,
            [this](const QString& what) { statusBar()->showMessage(what, 8000); });
    connect(a.menuKeys, &QAction::triggered, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        m_actions->contextMenu()->popup(focus && focus->window() == this
                                            ? focus->mapToGlobal(QPoint(0, focus->height()))
                                            : m_surface->mapToGlobal(QPoint(20, 20)));
    });
}

// The title names the open file, marked while it has unsaved changes (not
// every window system adds the program's name to a file's, so it is said).
void MainWindow::showFile() {
    const QString path = m_document->path();
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty()
                       ? QStringLiteral("Halvero")
                       : QFileInfo(path).fileName() + QStringLiteral("[*] \u2014 Halvero"));
    setWindowModified(!path.isEmpty() && m_document->isModified());
}

// Closed by the window system (its close button, Alt+F4): the same
// question as the Exit button asks.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_exiting && !mayExit()) {
        event->ignore();
        return;
    }
    KeyboardLayout::switchAwayFromRightToLeft();
    event->accept();
}

// Escape, wherever the focus is in the window (no box keeps it), asks the
// exit question as the Exit button does.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        confirmExit();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Right click anywhere but on an entry: the window's commands.
void MainWindow::showContextMenu(const QPoint& at) {
    for (QWidget* w = m_surface->childAt(at); w && w != m_surface; w = w->parentWidget())
        if (qobject_cast<QComboBox*>(w))
            return;
    m_actions->contextMenu()->popup(m_surface->mapToGlobal(at));
}

void MainWindow::placeWindow() {
    // The surface ends 120 twips below the Exit button; the menu bar and
    // status bar add their heights, the window system its caption and
    // border.
    const QPushButton* exitButton = m_controls.command(Command::Exit);
    const int surfaceHeight =
        exitButton->geometry().bottom() + 1 + Twips::toPixels(MainLayout::kBottomMargin);
    m_surface->setFixedSize(Twips::toPixels(MainLayout::kClientWidth), surfaceHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2, screen.top() + 50);
}

QByteArray MainWindow::previewPage() const {
    return QByteArray::fromStdString(m_document->page(m_previewStamp));
}

void MainWindow::chooseColor(int index) {
    if (!m_colorDialog)
        return;
    const std::optional<QColor> chosen = m_colorDialog(Look::backColor(m_controls.entry(index)));
    if (!chosen)
        return; // cancelled: the entry stays as it was
    const std::string hex = halvero::colorToHex(QtColor::toValue(*chosen));
    m_document->change(tr("Colour"),
                       [&](MenuSettings& settings) { settings.setValue(index, hex); });
}

// Toggled once a second: task bars flash the window's entry.
void MainWindow::flash() {
    m_flashOn = !m_flashOn;
    WindowAttention::set(this, m_flashOn);
}

QString MainWindow::pagePath() {
    return MenuDocument::pagePath(m_pageFolder);
}

// Said once a run: the page is not beside the program, where the user may
// look for it first.
void MainWindow::tellWherePageWent() {
    if (!m_pageFolder.isPerUser() || m_toldPerUserFolder)
        return;
    m_toldPerUserFolder = true;
    Message::show(this, QMessageBox::Information, QStringLiteral("pageWrittenElsewhere"),
                  tr("The program's folder cannot be written, so the page was "
                     "written to your own folder:"),
                  pagePath());
}

void MainWindow::showError(const QString& what, const QString& why) {
    Message::show(this, QMessageBox::Critical, QStringLiteral("commandError"), what, why);
}

void MainWindow::createPage() {
    try {
        m_document->writePage(m_pageFolder);
        statusBar()->showMessage(
            halvero::PageComposer::dropsSubMenus(m_document->settings())
                ? tr("Page written to %1; the classic page shows the top-level items only")
                      .arg(pagePath())
                : tr("Page written to %1").arg(pagePath()),
            8000);
        tellWherePageWent();
    } catch (const halvero::FileWriteError& error) {
        showError(tr("The page could not be written."), QString::fromLocal8Bit(error.what()));
    }
}

// The Menu Items editor; its rows reach the menu as they are typed (the
// live preview, when shown, follows them), its OK keeps them (Item Count
// follows them), its Cancel takes them back.
void MainWindow::editMenuItems() {
    const MenuSettings& settings = m_document->settings();
    const auto count = static_cast<int>(
        halvero::MenuSettings::itemCountOf(settings.value(SettingTable::kItemCount)));
    MenuItemsDialog dialog(settings.menuItems(), count,
                           QString::fromStdString(settings.value(SettingTable::kTarget)),
                           settings.pageStyle(), this);
    dialog.setLanguages(settings.languages(),
                        settings.pageLook().value(halvero::PageLook::kSiteBase));
    QUndoStack* history = m_document->history();
    const int atOpen = history->index();
    // The rows as they stand replace the ones shown before: one step at most.
    auto show = [this, atOpen, &dialog] {
        m_document->changeFrom(atOpen, tr("Menu Items"), [&](MenuSettings& changed) {
            changed.setMenuItems(dialog.items());
            changed.setValue(SettingTable::kItemCount, std::to_string(dialog.itemCount()));
        });
    };
    connect(&dialog, &MenuItemsDialog::itemsEdited, this, show);
    if (execBesideLivePreview(dialog, false) != QDialog::Accepted) {
        history->setIndex(atOpen);
        return;
    }
    show();
    if (halvero::PageComposer::dropsSubMenus(m_document->settings()))
        statusBar()->showMessage(
            tr("The classic page shows the top-level items only; pick Modern in "
               "Page > Page Style... to show the sub-menus"),
            8000);
}

// Page Style: its changes go into the menu as they are made, and the live
// preview, shown while the dialog is open, follows them.
void MainWindow::editPageStyle() {
    PageStyleDialog dialog(*m_document, this);
    execBesideLivePreview(dialog);
}

int MainWindow::execBesideLivePreview(QDialog& dialog, bool showPreview) {
    const bool previewShown = m_actions->livePreview->isChecked();
    if (!previewShown && showPreview)
        m_actions->livePreview->trigger();
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    if (const auto* dock = findChild<QDockWidget*>(QStringLiteral("livePreview"));
        dock && dock->isVisible()) {
        const QRect screen =
            (windowHandle() && windowHandle()->screen() ? windowHandle()->screen()
                                                        : QGuiApplication::primaryScreen())
                ->availableGeometry();
        const int dockLeft = dock->mapToGlobal(QPoint(0, 0)).x();
        const int frame = std::max(0, frameGeometry().width() - width());
        const int x = std::max(screen.left(), dockLeft - dialog.width() - frame - 8);
        const int y = std::clamp(mapToGlobal(QPoint(0, 0)).y(), screen.top(),
                                 std::max(screen.top(), screen.bottom() - dialog.height()));
        dialog.move(x, y);
    }
    const int result = dialog.exec();
    if (!previewShown && m_actions->livePreview->isChecked())
        m_actions->livePreview->trigger();
    return result;
}

void MainWindow::applyLook() {
    QUndoStack* history = m_document->history();
    const int atOpen = history->index();
    LookDialog dialog(LookDialog::Purpose::Apply, this);
    // Each look highlighted replaces the one before: one step at most.
    auto show = [this, atOpen](const halvero::MenuLook& look) {
        m_document->changeFrom(
            atOpen, tr("Apply Look %1").arg(LookDialog::nameOf(look)),
            [&look](halvero::MenuSettings& settings) { look.applyTo(settings); });
    };
    connect(&dialog, &LookDialog::lookShown, this, show);
    if (execBesideLivePreview(dialog) == QDialog::Accepted)
        show(dialog.look());
    else
        history->setIndex(atOpen);
}

// Update Site: the folder picked there is kept by the menu (one step of
// the history); the status bar says what was written.
void MainWindow::updateSite() {
    SiteDialog dialog(m_document->settings(), m_document->siteFolder(), this);
    dialog.exec();
    m_document->setSiteFolder(dialog.folder());
    if (dialog.ranUpdate())
        statusBar()->showMessage(tr("Site updated: %1").arg(dialog.summary()), 15000);
}

void MainWindow::showPreview() {
    QString error;
    m_previewUpdate->stop();
    // The kept preview: modal, and transient for this window, so it is
    // kept above it (set at each opening: hiding it drops the hint).
    QDialog* preview = PreviewEngine::load(this, pagePath(), previewPage(), &error);
    if (!preview) {
        showError(tr("The preview could not be opened."), error);
        return;
    }
    preview->winId();
    preview->windowHandle()->setTransientParent(windowHandle());
    preview->exec();
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.setApplicationName(Identity::name());
    about.setApplicationDate(Identity::date());
    about.setApplicationVersion(Identity::version());
    about.exec();
}

void MainWindow::confirmExit() {
    if (mayExit())
        exitApplication();
}

// Unsaved changes, a typed menu's included, are not lost silently: the one
// question is then whether to save them; otherwise "Do you want to exit?".
bool MainWindow::mayExit() {
    if (m_document->isModified())
        return m_files->maySetAside();
    QMessageBox question(QMessageBox::Question, tr("Question"), tr("Do you want to exit?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("exitQuestion"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

void MainWindow::exitApplication() {
    m_exiting = true;
    KeyboardLayout::switchAwayFromRightToLeft();
    hide();
    QCoreApplication::exit(0);
}
