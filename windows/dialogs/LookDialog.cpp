#include "windows/dialogs/LookDialog.h"

#include "app/Application.h"
#include "core/settings/MenuLook.h"

#include "app/preview/PreviewEngine.h"
#include "core/page/PageComposer.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using halvero::MenuLook;
using halvero::MenuSettings;

namespace {

// The size of a look's picture on screen, and the page's scale in it.
constexpr QSize kPictureSize(210, 110);
constexpr qreal kPageScale = 0.6;
// The view the page is drawn in: a desktop's width at that scale.
constexpr QSize kPageRoom(640, 300);

// The page of `look` for its picture: three items in the look, the first
// one current and the second holding a sub-menu, written as the look's own
// pages are.
QByteArray samplePage(const MenuLook& look) {
    MenuSettings settings;
    settings.initialise();
    look.applyTo(settings);
    const auto item = [](const QString& label, const char* link) {
        halvero::MenuItem made;
        made.label = label.toStdString();
        made.link = link;
        return made;
    };
    halvero::MenuItem services = item(LookDialog::tr("Services"), "services.html");
    services.items = {item(LookDialog::tr("Design"), "design.html"),
                      item(LookDialog::tr("Hosting"), "hosting.html")};
    settings.setMenuItems({item(LookDialog::tr("Home"), "index.html"), services,
                           item(LookDialog::tr("About"), "about.html")});
    return QByteArray::fromStdString(
        halvero::PageComposer::compose(settings, halvero::Timestamp::now(), "index.html"));
}

// A picture's place until the page is drawn: the list's own background.
QIcon blankPicture(qreal scale) {
    QPixmap blank(kPictureSize * scale);
    blank.setDevicePixelRatio(scale);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

LookDialog::LookDialog(Purpose purpose, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("lookDialog"));
    setFont(Application::windowFont());
    setWindowTitle(purpose == Purpose::NewMenu ? tr("New From Look") : tr("Apply Look"));

    auto* intro = new QLabel(
        purpose == Purpose::NewMenu
            ? tr("A new menu in the look you pick; a modern look's links open in the same tab.")
            : tr("The look you pick replaces the menu's colours, fonts, sizes and page style; "
                 "its items, target and site stay. Undo takes it back."),
        this);
    intro->setWordWrap(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("looks"));
    m_list->setIconSize(kPictureSize);
    m_list->setSpacing(4);
    m_list->setUniformItemSizes(true);
    const qreal scale = devicePixelRatioF();
    m_list->setWordWrap(true);
    for (const MenuLook& look : MenuLook::all()) {
        const QString name = nameOf(look);
        const QString sentence = QCoreApplication::translate("MenuLook", look.sentence().c_str());
        auto* item =
            new QListWidgetItem(blankPicture(scale), name + QLatin1Char('\n') + sentence, m_list);
        item->setData(Qt::AccessibleTextRole, name);
        item->setData(Qt::AccessibleDescriptionRole, sentence);
    }
    auto* caption = new QLabel(tr("&Looks:"), this);
    caption->setBuddy(m_list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(purpose == Purpose::NewMenu ? tr("&New Menu") : tr("&Apply"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { emit lookShown(look()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(caption);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    m_list->setCurrentRow(0);
    m_list->setFocus();
    setMinimumSize(640, 520);
    // The pictures come once the dialog is up: the engine takes a moment
    // to start the first time.
    QTimer::singleShot(0, this, &LookDialog::drawPictures);
}

// Each look's page, drawn by the browser engine, as its picture; the list
// stays without pictures when the engine cannot start.
void LookDialog::drawPictures() {
    QString error;
    QObject* snapshots = PreviewEngine::makeSnapshots(this, &error);
    if (!snapshots) {
        qWarning("The looks' pictures could not be drawn: %s", qPrintable(error));
        return;
    }
    connect(snapshots, SIGNAL(taken(int, QImage)), this, SLOT(showPicture(int, QImage)));
    for (int row = 0; row < m_list->count(); ++row)
        QMetaObject::invokeMethod(
            snapshots, "take", Q_ARG(int, row),
            Q_ARG(QByteArray, samplePage(MenuLook::all()[static_cast<std::size_t>(row)])),
            Q_ARG(QSize, kPageRoom), Q_ARG(qreal, kPageScale));
}

void LookDialog::showPicture(int row, const QImage& picture) {
    QListWidgetItem* item = m_list->item(row);
    if (!item || picture.isNull())
        return;
    const qreal scale = devicePixelRatioF();
    // Fitted into the picture's room, never enlarged, at its start: the
    // looks' names stand in one column.
    const QSize room = kPictureSize * scale;
    QImage fitted = picture.width() > room.width() || picture.height() > room.height()
                        ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        : picture;
    fitted.setDevicePixelRatio(1); // drawn pixel for pixel
    QPixmap placed(room);
    placed.fill(Qt::transparent);
    QPainter painter(&placed);
    const QRect area(QPoint(0, (room.height() - fitted.height()) / 2), fitted.size());
    painter.drawImage(area.topLeft(), fitted);
    // A hairline around it, so that a white page stands apart from the list.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.end();
    placed.setDevicePixelRatio(scale);
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected, QIcon::Active})
        icon.addPixmap(placed, mode);
    item->setIcon(icon);
    item->setData(Qt::UserRole, true); // drawn
}

const MenuLook& LookDialog::look() const {
    return MenuLook::all()[static_cast<std::size_t>(std::max(0, m_list->currentRow()))];
}

QString LookDialog::nameOf(const MenuLook& look) {
    return QCoreApplication::translate("MenuLook", look.name().c_str());
}
