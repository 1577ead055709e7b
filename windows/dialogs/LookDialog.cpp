#include "windows/dialogs/LookDialog.h"

#include "app/Application.h"
#include "core/settings/MenuLook.h"

#include <QColor>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

using halvero::MenuLook;
using halvero::MenuSettings;
using halvero::SettingTable;

namespace {

QColor colorOf(const std::string& value, const QColor& otherwise) {
    const QColor color(QString::fromStdString(value));
    return value.empty() || !color.isValid() ? otherwise : color;
}

// A length of the settings in pixels for a picture whose text is `em`
// pixels high: px and em, a plain number in pixels.
qreal pixelsOf(const std::string& value, qreal em) {
    const QString text = QString::fromStdString(value);
    bool plain = false;
    if (text.endsWith(QLatin1String("em")))
        return text.chopped(2).toDouble() * em;
    const qreal number =
        (text.endsWith(QLatin1String("px")) ? text.chopped(2) : text).toDouble(&plain);
    return plain ? number : 0;
}

// A bar of three items in the look's colours, font, corners and borders,
// the first one current and the second hovered, drawn from the values the
// page is written from.
QPixmap pictureOf(const MenuLook& look, qreal scale) {
    MenuSettings settings;
    settings.initialise();
    look.applyTo(settings);
    const auto value = [&](std::string_view name) -> const std::string& {
        return settings.value(*SettingTable::findByName(name));
    };
    const QSize size(220, 64);
    QPixmap picture(size * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont font(
        QString::fromStdString(value("normal.fontName")).section(QLatin1Char(','), 0, 0).trimmed());
    font.setPixelSize(11);
    const std::string& weight = value("page.fontWeight");
    font.setWeight(weight == "normal" ? QFont::Normal
                   : weight == "500"  ? QFont::Medium
                   : weight == "bold" ? QFont::Bold
                                      : QFont::DemiBold);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const bool modern = look.style() == MenuSettings::PageStyle::Modern;
    const bool across = value("menu.direction") == "Horizontal";
    const QColor bar = colorOf(value("page.barColor"), Qt::white);
    painter.fillRect(QRect(QPoint(), size), modern ? bar : QColor(Qt::white));

    const QStringList labels = {QObject::tr("Home"), QObject::tr("Services"), QObject::tr("About")};
    const qreal height = across ? 26 : 16;
    const qreal radius = std::min(pixelsOf(value("page.cornerRadius"), 11), height / 2);
    qreal x = 8, y = across ? (size.height() - height) / 2 : 5;
    for (int i = 0; i < labels.size(); ++i) {
        const char* group = i == 1 ? "hover." : "normal.";
        const auto item = [&](const char* key) -> const std::string& {
            return value(std::string(group) + key);
        };
        QColor text = colorOf(item("fontColor"), Qt::black);
        QColor back = colorOf(item("backColor"), Qt::transparent);
        if (i == 0 && modern) {
            text = colorOf(value("page.currentColor"), text);
            back = colorOf(value("page.currentBackColor"), back);
        }
        const qreal width = across ? metrics.horizontalAdvance(labels[i]) + 20 : 110;
        const QRectF box(x, y, width, height);
        QPainterPath shape;
        shape.addRoundedRect(box, radius, radius);
        painter.fillPath(shape, back);
        const int border = QString::fromStdString(item("borderTopWidth")).toInt();
        if (border > 0 && item("borderTopType") != "None") {
            painter.setPen(QPen(colorOf(item("borderTopColor"), Qt::gray), border));
            painter.drawPath(shape);
        }
        painter.setPen(text);
        painter.drawText(
            box.adjusted(8, 0, -8, 0),
            Qt::AlignVCenter |
                (across || value("page.align") != "start" ? Qt::AlignHCenter : Qt::AlignLeft),
            labels[i]);
        if (i == 0 && modern && value("page.currentUnderline") == "Yes") {
            const qreal under = box.center().y() + metrics.ascent() / 2.0 + 3;
            const qreal half = metrics.horizontalAdvance(labels[i]) / 2.0;
            painter.fillRect(QRectF(box.center().x() - half, under, 2 * half, 1.5), text);
        }
        if (across)
            x += width + std::max<qreal>(2, pixelsOf(value("page.itemGap"), 11));
        else
            y += height + 2;
    }
    return picture;
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
    m_list->setIconSize(QSize(220, 64));
    m_list->setSpacing(4);
    m_list->setUniformItemSizes(true);
    const qreal scale = devicePixelRatioF();
    m_list->setWordWrap(true);
    for (const MenuLook& look : MenuLook::all()) {
        // The picture as it is, highlighted or not.
        QIcon picture;
        const QPixmap drawn = pictureOf(look, scale);
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected, QIcon::Active})
            picture.addPixmap(drawn, mode);
        auto* item = new QListWidgetItem(picture,
                                         QString::fromStdString(look.name()) + QLatin1Char('\n') +
                                             QString::fromStdString(look.sentence()),
                                         m_list);
        item->setData(Qt::AccessibleTextRole, QString::fromStdString(look.name()));
        item->setData(Qt::AccessibleDescriptionRole, QString::fromStdString(look.sentence()));
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
    setMinimumSize(600, 460);
}

const MenuLook& LookDialog::look() const {
    return MenuLook::all()[static_cast<std::size_t>(std::max(0, m_list->currentRow()))];
}
