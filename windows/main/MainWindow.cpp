#include "windows/main/MainWindow.h"

#include "app/Application.h"
#include "app/Identity.h"
#include "app/pictures/Pictures.h"
#include "app/platform/CustomColors.h"
#include "app/platform/KeyboardLayout.h"
#include "app/platform/WindowAttention.h"
#include "app/preview/PreviewEngine.h"
#include "app/toolkit/BackdropWidget.h"
#include "app/toolkit/Look.h"
#include "app/toolkit/QtColor.h"
#include "app/toolkit/Twips.h"
#include "core/ColorValues.h"
#include "core/PageFile.h"
#include "core/PageWriter.h"
#include "core/ValueRules.h"
#include "windows/main/MainActions.h"
#include "windows/main/MenuItemsDialog.h"
#include "windows/main/Message.h"
#include "windows/main/SettingsEdit.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
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
    setFont(Application::windowFont());
    m_colorDialog = [this](const QColor& initial) -> std::optional<QColor> {
        CustomColors::restore();
        const QColor chosen = QColorDialog::getColor(initial, this);
        CustomColors::keep();
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    m_files = new SettingsFiles(this, m_settings, [this] { return composePage(); });
    m_history = new QUndoStack(this);
    m_actions = std::make_unique<MainActions>(this, m_history);
    m_actions->fillMenuBar(menuBar());
    statusBar()->setSizeGripEnabled(false);
    setAcceptDrops(true);

    m_surface = new BackdropWidget;
    m_surface->setObjectName(QStringLiteral("surface"));
    setCentralWidget(m_surface);
    Look::prepareSurface(m_surface);
    m_controls.build(*m_surface);
    connectHandlers();
    connectActions();
    // After edits, the kept preview gets the page as it is now, once the
    // user pauses, so the next opening shows it at once.
    m_previewUpdate = new QTimer(this);
    m_previewUpdate->setSingleShot(true);
    m_previewUpdate->setInterval(100);
    connect(m_previewUpdate, &QTimer::timeout, this,
            [this] { PreviewEngine::update(pagePath(), previewPage()); });
    m_settings.setObserver([this](int index, MenuSettings::Change change) {
        m_previewUpdate->start();
        if (change == MenuSettings::Change::Value && readsInThePage(index))
            showContrastNote();
        m_controls.show(m_settings, index, change);
    });

    // Styles and places the window, paints its backdrop, starts the
    // flashing and fills every entry with its default, once for the
    // window's life: Preview and About leave the settings as they are.
    Look::apply(m_surface, Look::Window::Main);
    m_controls.contrastNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeWindow();
    m_surface->paintBackdrop();
    m_controls.flashTimer->setInterval(1000);
    m_controls.flashTimer->start();
    m_settings.initialise();
    m_files->startFresh();
    forgetHistory();
    m_controls.entry(EntryTable::kItemCount)->setFocus();
}

// The history, cleared as the window's children go, tells nobody.
MainWindow::~MainWindow() {
    m_history->disconnect(this);
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
        if (box->isEditable()) {
            connect(box->lineEdit(), &QLineEdit::textEdited, this,
                    [this, index](const QString& text) { userEdited(index, text); });
            box->setProperty(kEntryProperty, index);
            box->installEventFilter(this);
            // Ctrl+Z undoes within the box while the box has typing to undo,
            // and the window's last step once it has none (see eventFilter).
        }
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
    // Enter presses the focused button, as Space does.
    for (QPushButton* button : m_surface->findChildren<QPushButton*>())
        button->installEventFilter(this);
    m_surface->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_surface, &QWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
}

void MainWindow::connectActions() {
    MainActions& a = *m_actions;
    connect(a.newMenu, &QAction::triggered, this, &MainWindow::newMenu);
    connect(a.open, &QAction::triggered, m_files, &SettingsFiles::open);
    connect(a.save, &QAction::triggered, m_files, &SettingsFiles::save);
    connect(a.saveAs, &QAction::triggered, m_files, &SettingsFiles::saveAs);
    connect(a.writePageTo, &QAction::triggered, m_files, &SettingsFiles::writePageTo);
    connect(a.writeFragmentTo, &QAction::triggered, m_files, &SettingsFiles::writeFragmentTo);
    // The recent files are read as a menu that shows them opens, not at
    // start.
    for (QMenu* menu :
         {a.contextMenu(), menuBar()->findChild<QMenu*>(QStringLiteral("menuBarFile"))})
        connect(menu, &QMenu::aboutToShow, this,
                [this] { m_files->fillRecentMenu(m_actions->openRecent); });
    connect(a.quit, &QAction::triggered, this, &MainWindow::confirmExit);
    connect(a.editItems, &QAction::triggered, this, &MainWindow::editMenuItems);
    connect(a.createPage, &QAction::triggered, this, &MainWindow::createPage);
    connect(a.preview, &QAction::triggered, this, &MainWindow::showPreview);
    connect(a.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(a.copyCode, &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(m_files->fragment());
        statusBar()->showMessage(tr("Menu code copied to the clipboard"), 8000);
    });
    connect(m_files, &SettingsFiles::done, this,
            [this](const QString& what) { statusBar()->showMessage(what, 8000); });
    for (auto [action, style] : {std::pair{a.classicStyle, MenuSettings::PageStyle::Classic},
                                 {a.modernStyle, MenuSettings::PageStyle::Modern}})
        connect(action, &QAction::triggered, this, [this, style = style] {
            m_settings.setPageStyle(style);
            record(tr("Page Style"));
        });
    connect(a.pageStyle, &QMenu::aboutToShow, this, [this] {
        const bool modern = m_settings.pageStyle() == MenuSettings::PageStyle::Modern;
        (modern ? m_actions->modernStyle : m_actions->classicStyle)->setChecked(true);
    });
    connect(a.menuKeys, &QAction::triggered, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        m_actions->contextMenu()->popup(focus && focus->window() == this
                                            ? focus->mapToGlobal(QPoint(0, focus->height()))
                                            : m_surface->mapToGlobal(QPoint(20, 20)));
    });
    // Every step recorded, undone or redone: the recorded state and the
    // title follow (the settings' observer updates the boxes and preview).
    connect(m_history, &QUndoStack::indexChanged, this, [this] {
        m_recorded = m_settings.snapshot();
        m_files->settingsEdited();
    });
    connect(m_files, &SettingsFiles::replaced, this, &MainWindow::forgetHistory);
}

// The push moves the history's index, whose handler keeps the new state
// and updates the title, as for undo and redo.
void MainWindow::record(const QString& what, int typedEntry) {
    MenuSettings::Snapshot now = m_settings.snapshot();
    if (now == m_recorded)
        return;
    m_history->push(new SettingsEdit(m_settings, m_recorded, std::move(now), what, typedEntry));
}

void MainWindow::forgetHistory() {
    m_history->clear();
    m_recorded = m_settings.snapshot();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.command(Command::ShowPreview) &&
        (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn))
        PreviewEngine::warmUp();
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (auto* button = qobject_cast<QPushButton*>(watched);
            button && enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            !key->isAutoRepeat()) {
            button->click();
            return true;
        }
    }
    // Left with an unfinished value, a box shows the record's again.
    if (event->type() == QEvent::FocusOut && watched->property(kEntryProperty).isValid())
        leftEntry(watched->property(kEntryProperty).toInt());
    // A box with nothing of its own to undo or redo lets the window's
    // Undo and Redo have the keys.
    // The key comes to the box, which has the focus, and the box hands it
    // to its line edit.
    if (event->type() == QEvent::ShortcutOverride)
        if (auto* box = qobject_cast<QComboBox*>(watched);
            QLineEdit* line = box ? box->lineEdit() : nullptr) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->matches(QKeySequence::Undo) && !line->isUndoAvailable()) ||
                (key->matches(QKeySequence::Redo) && !line->isRedoAvailable())) {
                event->ignore();
                return true;
            }
        }
    return QMainWindow::eventFilter(watched, event);
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
    return QByteArray::fromStdString(halvero::PageWriter::compose(m_settings, m_previewStamp));
}

// A value the page cannot take (an unfinished colour, an empty width)
// stays in the box while it is typed, but not in the record: the status bar
// says why, and the box shows the record's value again when the user
// leaves it.
void MainWindow::userEdited(int index, const QString& text) {
    std::string value = text.toUtf8().toStdString();
    const EntryDescriptor& entry = EntryTable::at(index);
    if (const std::string problem = halvero::ValueRules::problem(entry, value); !problem.empty()) {
        statusBar()->showMessage(
            tr("%1: the value %2; the page keeps %3")
                .arg(QString::fromUtf8(entry.caption.data(),
                                       static_cast<qsizetype>(entry.caption.size())),
                     QString::fromStdString(problem),
                     QString::fromStdString(m_settings.value(index))));
        return;
    }
    statusBar()->clearMessage();
    m_previewUpdate->start();
    m_settings.edit(index, std::move(value));
    record(tr("Typing"), index);
}

void MainWindow::leftEntry(int index) {
    const QComboBox* box = m_controls.entry(index);
    if (box->currentText().toStdString() != m_settings.value(index))
        m_controls.show(m_settings, index, MenuSettings::Change::Value);
}

void MainWindow::userPicked(int index, const QString& text) {
    m_previewUpdate->start();
    m_settings.edit(index, text.toUtf8().toStdString());
    if (index == EntryTable::kStatusUrl)
        m_settings.applyStatusBarRule();
    record(tr("Pick"));
}

namespace {

// Navy, the window's text colour, or white where it reads better on `back`.
QColor readableOn(const QColor& back) {
    const std::int32_t value = QtColor::toValue(back);
    return halvero::ContrastRatio(QtColor::toValue(Look::kNavy), value) >=
                   halvero::ContrastRatio(0xFFFFFF, value)
               ? Look::kNavy
               : QColor(Qt::white);
}

} // namespace

// The text and back colours of the two items, the colours the contrast
// note weighs (picked, never typed: they change through the record).
bool MainWindow::readsInThePage(int index) {
    return index == EntryTable::kNormal.fontColor || index == EntryTable::kNormal.backColor ||
           index == EntryTable::kHover.fontColor || index == EntryTable::kHover.backColor;
}

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
        Look::setBackColor(box, color);
        // Its text stays readable on its colour.
        const QColor text = readableOn(color);
        Look::setTextColor(box, text);
        if (box->lineEdit())
            Look::setTextColor(box->lineEdit(), text);
    } catch (const halvero::ColorTextError&) {
        // Half-typed colour: the box keeps its last good colour.
    }
}

void MainWindow::chooseColor(int index) {
    if (!m_colorDialog)
        return;
    const std::optional<QColor> chosen = m_colorDialog(Look::backColor(m_controls.entry(index)));
    if (!chosen)
        return; // cancelled: the entry stays as it was
    m_settings.setValue(index, halvero::ColorToHex(QtColor::toValue(*chosen)));
    record(tr("Colour"));
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
        writePage();
        statusBar()->showMessage(tr("Page written to %1").arg(pagePath()), 8000);
        tellWherePageWent();
    } catch (const halvero::PageWriteError& error) {
        showError(tr("The page could not be written."), QString::fromLocal8Bit(error.what()));
    }
}

// The Menu Items editor; its OK replaces the items (and Item Count when
// the number of rows changed), its Cancel changes nothing.
void MainWindow::editMenuItems() {
    const auto count =
        static_cast<int>(halvero::PageWriter::itemCount(m_settings.value(EntryTable::kItemCount)));
    MenuItemsDialog dialog(m_settings.menuItems(), count,
                           QString::fromStdString(m_settings.value(EntryTable::kTarget)), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.setMenuItems(dialog.items());
    m_settings.setValue(EntryTable::kItemCount, std::to_string(dialog.itemCount()));
    record(tr("Menu Items"));
}

void MainWindow::showPreview() {
    QString error;
    m_previewUpdate->stop();
    // The kept preview is a dialog of this window, modal, kept above it.
    QDialog* preview = PreviewEngine::load(this, pagePath(), previewPage(), &error);
    if (!preview) {
        showError(tr("The preview could not be opened."), error);
        return;
    }
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
    if (m_files->isModified())
        return m_files->maySetAside();
    QMessageBox question(QMessageBox::Question, tr("Question"), tr("Do you want to exit?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("exitQuestion"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

void MainWindow::openHandedOver(const QString& path) {
    m_handedOver << path;
    takeHandedOver();
}

// A file handed over while a dialog of the program is open waits for it to
// close, so the menu is never replaced under the dialog; then it is opened
// as Open does, asking first about unsaved changes.
void MainWindow::takeHandedOver() {
    if (m_handedOver.isEmpty())
        return;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(kHandOverRetryMs, this, &MainWindow::takeHandedOver);
        return;
    }
    const QString path = m_handedOver.takeFirst();
    showNormal();
    raise();
    activateWindow();
    m_files->openAsked(path);
    takeHandedOver();
}

void MainWindow::newMenu() {
    m_files->startNew();
}

void MainWindow::exitApplication() {
    m_exiting = true;
    KeyboardLayout::switchAwayFromRightToLeft();
    hide();
    QCoreApplication::exit(0);
}
