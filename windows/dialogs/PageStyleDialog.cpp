#include "windows/dialogs/PageStyleDialog.h"

#include "app/Application.h"
#include "windows/document/MenuDocument.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

using halvero::MenuSettings;
using halvero::PageLook;

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QString nameOf(PageLook::Key key) {
    return QString::fromLatin1(PageLook::entries()[key].key);
}

// The caption of `key`'s field, from the table of settings: its letter at
// `mnemonic` the field's Alt shortcut, and a colon unless it is a check
// box's own text.
QString captionOf(PageLook::Key key, int mnemonic, bool colon = true) {
    QString caption =
        QCoreApplication::translate("SettingTable", PageLook::entries()[key].caption.data());
    caption.insert(mnemonic, QLatin1Char('&'));
    return colon ? caption + QLatin1Char(':') : caption;
}

// An editable list of suggestions for `key`.
QComboBox* suggestions(QWidget* parent, PageLook::Key key, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(nameOf(key));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

// A list of the choices of `key`, each shown as its caption.
QComboBox* choices(QWidget* parent, PageLook::Key key, const QStringList& captions) {
    auto* box = new QComboBox(parent);
    box->setObjectName(nameOf(key));
    const auto values = PageLook::entries()[key].texts;
    for (std::size_t i = 0; i < values.size(); ++i)
        box->addItem(
            captions.value(static_cast<qsizetype>(i)),
            QString::fromLatin1(values[i].data(), static_cast<qsizetype>(values[i].size())));
    return box;
}

} // namespace

PageStyleDialog::PageStyleDialog(MenuDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_historyAtOpen(document.history()->index()) {
    static int sessions = 0;
    m_typing = 1000 + 100 * ++sessions;
    setObjectName(QStringLiteral("pageStyleDialog"));
    setFont(Application::windowFont());
    setWindowTitle(tr("Page Style"));
    build();
    showValues();
}

void PageStyleDialog::build() {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_classic = new QRadioButton(tr("&Classic (XHTML, as always)"), this);
    m_modern = new QRadioButton(tr("&Modern (HTML5 and CSS)"), this);
    m_classic->setObjectName(QStringLiteral("classicStyle"));
    m_modern->setObjectName(QStringLiteral("modernStyle"));
    auto* styles = new QVBoxLayout;
    styles->addWidget(m_classic);
    styles->addWidget(m_modern);
    form->addRow(tr("Page style:"), styles);
    for (QRadioButton* style : {m_classic, m_modern})
        connect(style, &QRadioButton::clicked, this, [this] {
            const auto style = m_modern->isChecked() ? MenuSettings::PageStyle::Modern
                                                     : MenuSettings::PageStyle::Classic;
            m_document.change(tr("Page Style"),
                              [style](MenuSettings& settings) { settings.setPageStyle(style); });
        });
    auto* note =
        new QLabel(tr("The modern page's own look; the classic page keeps its own."), this);
    note->setWordWrap(true);
    form->addRow(note);

    auto row = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    auto typedInto = [this](QComboBox* box, PageLook::Key key) {
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, key](const QString& typed) { edit(key, typed, true); });
        connect(box, &QComboBox::textActivated, this,
                [this, key](const QString& picked) { edit(key, picked, false); });
    };
    auto colorRow = [&](PageLook::Key key, const QString& caption, const QString& chooseName) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(nameOf(key));
        if (!PageLook::entries()[key].defaultValue.empty())
            edit->setPlaceholderText(QStringLiteral("#1F3A5F"));
        else
            edit->setPlaceholderText(tr("as the item"));
        m_colors.at(key) = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, key](const QString& typed) { this->edit(key, typed, true); });
        auto* choose = new QToolButton(this);
        choose->setText(tr("..."));
        choose->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        choose->setFocusPolicy(Qt::StrongFocus);
        choose->setObjectName(nameOf(key) + QStringLiteral("Button"));
        choose->setAccessibleName(chooseName);
        choose->setToolTip(chooseName);
        connect(choose, &QToolButton::clicked, this, [this, key] { chooseColor(key); });
        // The button shows the colour the field holds (none: a clear swatch).
        auto showSwatch = [choose](const QString& typed) {
            const QColor color(typed);
            QPixmap swatch(12, 12);
            swatch.fill(color.isValid() ? color : QColor(Qt::transparent));
            choose->setIcon(QIcon(swatch));
        };
        showSwatch(QString());
        connect(edit, &QLineEdit::textChanged, choose, showSwatch);
        auto* layout = new QHBoxLayout;
        layout->addWidget(edit, 1);
        layout->addWidget(choose);
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        form->addRow(label, layout);
    };

    m_foldBelow =
        suggestions(this, PageLook::kFoldBelow,
                    {QStringLiteral("never"), QStringLiteral("30em"), QStringLiteral("40em"),
                     QStringLiteral("48em"), QStringLiteral("64em")});
    m_foldBelow->setToolTip(tr("Narrower screens show the menu button; a width such as 40em or "
                               "600px, or never"));
    typedInto(m_foldBelow, PageLook::kFoldBelow);
    row(captionOf(PageLook::kFoldBelow, 0), m_foldBelow);

    m_buttonLabel = new QLineEdit(this);
    m_buttonLabel->setObjectName(nameOf(PageLook::kMenuButtonLabel));
    connect(m_buttonLabel, &QLineEdit::textEdited, this,
            [this](const QString& typed) { edit(PageLook::kMenuButtonLabel, typed, true); });
    row(captionOf(PageLook::kMenuButtonLabel, 5), m_buttonLabel);

    colorRow(PageLook::kBarColor, captionOf(PageLook::kBarColor, 2), tr("Choose the bar colour"));

    m_padding = suggestions(this, PageLook::kItemPadding,
                            {QStringLiteral("0"), QStringLiteral("0.25em 0.5em"),
                             QStringLiteral("0.5em 1em"), QStringLiteral("4px 8px")});
    m_padding->setToolTip(tr("One to four lengths: all sides, or top and bottom then the sides"));
    typedInto(m_padding, PageLook::kItemPadding);
    row(captionOf(PageLook::kItemPadding, 5), m_padding);

    m_align = choices(this, PageLook::kAlign,
                      {tr("At the start"), tr("Centred"), tr("At the end"), tr("Spread out")});
    m_width = choices(this, PageLook::kItemWidth,
                      {tr("Fixed: the Menu Item Width"), tr("As wide as its label")});
    for (auto [box, key] : {std::pair{m_align, PageLook::kAlign}, {m_width, PageLook::kItemWidth}})
        connect(box, &QComboBox::activated, this, [this, box = box, key = key](int index) {
            edit(key, box->itemData(index).toString(), false);
        });
    row(captionOf(PageLook::kAlign, 0), m_align);
    row(captionOf(PageLook::kItemWidth, 5), m_width);

    colorRow(PageLook::kCurrentColor, captionOf(PageLook::kCurrentColor, 13),
             tr("Choose the current item's text colour"));
    colorRow(PageLook::kCurrentBackColor, captionOf(PageLook::kCurrentBackColor, 16),
             tr("Choose the current item's background"));
    m_underline = new QCheckBox(captionOf(PageLook::kCurrentUnderline, 0, false), this);
    m_underline->setObjectName(nameOf(PageLook::kCurrentUnderline));
    connect(m_underline, &QCheckBox::clicked, this, [this](bool checked) {
        edit(PageLook::kCurrentUnderline, checked ? QStringLiteral("Yes") : QStringLiteral("No"),
             false);
    });
    form->addRow(QString(), m_underline);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("pageStyleProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The message has its room from the start, so that nothing moves when
    // it appears and a click aimed at the next field still lands there.
    m_problem->setMinimumHeight(2 * m_problem->fontMetrics().lineSpacing());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PageStyleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PageStyleDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

void PageStyleDialog::showValues() {
    const MenuSettings& settings = m_document.settings();
    const PageLook& look = settings.pageLook();
    const bool modern = settings.pageStyle() == MenuSettings::PageStyle::Modern;
    (modern ? m_modern : m_classic)->setChecked(true);
    m_foldBelow->setEditText(text(look.value(PageLook::kFoldBelow)));
    m_buttonLabel->setText(text(look.value(PageLook::kMenuButtonLabel)));
    for (PageLook::Key key :
         {PageLook::kBarColor, PageLook::kCurrentColor, PageLook::kCurrentBackColor})
        m_colors.at(key)->setText(text(look.value(key)));
    m_padding->setEditText(text(look.value(PageLook::kItemPadding)));
    m_align->setCurrentIndex(m_align->findData(text(look.value(PageLook::kAlign))));
    m_width->setCurrentIndex(m_width->findData(text(look.value(PageLook::kItemWidth))));
    m_underline->setChecked(look.value(PageLook::kCurrentUnderline) == "Yes");
}

QString PageStyleDialog::fieldText(PageLook::Key key) const {
    switch (key) {
    case PageLook::kFoldBelow:
        return m_foldBelow->currentText();
    case PageLook::kMenuButtonLabel:
        return m_buttonLabel->text();
    case PageLook::kItemPadding:
        return m_padding->currentText();
    case PageLook::kAlign:
        return m_align->currentData().toString();
    case PageLook::kItemWidth:
        return m_width->currentData().toString();
    case PageLook::kCurrentUnderline:
        return m_underline->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No");
    case PageLook::kBarColor:
    case PageLook::kCurrentColor:
    case PageLook::kCurrentBackColor:
        return m_colors.at(key)->text();
    default:
        // How the menu sits in a site's pages is not set here: the value
        // stays as it is.
        return text(m_document.settings().pageLook().value(key));
    }
}

void PageStyleDialog::edit(PageLook::Key key, const QString& typed, bool isTyped) {
    const std::string value = typed.toStdString();
    if (const std::string problem = PageLook::problem(key, value); !problem.empty()) {
        m_problem->setText(tr("%1: the value %2; the page keeps %3.")
                               .arg(text(std::string(PageLook::entries()[key].caption)),
                                    text(problem),
                                    text(m_document.settings().pageLook().value(key))));
        return;
    }
    m_problem->clear();
    if (value != m_document.settings().pageLook().value(key))
        m_document.setPageLook(key, value, isTyped ? m_typing + key : -1);
}

void PageStyleDialog::chooseColor(PageLook::Key key) {
    const QColor start(m_colors.at(key)->text());
    const QColor chosen =
        QColorDialog::getColor(start.isValid() ? start : QColor(Qt::white), this,
                               text(std::string(PageLook::entries()[key].caption)));
    if (!chosen.isValid())
        return;
    const QString name = chosen.name(QColor::HexRgb).toUpper();
    m_colors.at(key)->setText(name);
    edit(key, name, false);
}

// A field still holding a value the page cannot take keeps the dialog
// open, with the reason, rather than losing what was typed unsaid.
void PageStyleDialog::accept() {
    for (const halvero::Setting& setting : PageLook::entries()) {
        const PageLook::Key key = PageLook::keyOf(setting);
        const QString shown = fieldText(key);
        if (shown.toStdString() == m_document.settings().pageLook().value(key))
            continue;
        edit(key, shown, false);
        if (shown.toStdString() != m_document.settings().pageLook().value(key)) {
            if (QWidget* field = findChild<QWidget*>(nameOf(key)))
                field->setFocus();
            return;
        }
    }
    QDialog::accept();
}

// Cancel takes back every change made here, as Undo would.
void PageStyleDialog::reject() {
    m_document.history()->setIndex(m_historyAtOpen);
    QDialog::reject();
}
