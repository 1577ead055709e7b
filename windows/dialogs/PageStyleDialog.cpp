#include "windows/dialogs/PageStyleDialog.h"

#include "core/page/PageWords.h"

#include "app/Application.h"
#include "windows/document/MenuDocument.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

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
// `mnemonic` (none for -1) the field's Alt shortcut, and a colon unless it
// is a check box's own text. A translated caption takes the same letter
// where it has it, or its first.
QString captionOf(PageLook::Key key, int mnemonic, bool colon = true) {
    const std::string english(PageLook::entries()[key].caption);
    QString caption = QCoreApplication::translate("SettingTable", english.c_str());
    if (mnemonic >= 0) {
        const qsizetype at =
            caption == QLatin1String(english)
                ? mnemonic
                : caption.indexOf(QLatin1Char(english.at(mnemonic)), 0, Qt::CaseInsensitive);
        caption.insert(std::max<qsizetype>(at, 0), QLatin1Char('&'));
    }
    return colon ? caption + QLatin1Char(':') : caption;
}

// Where `text`'s access key stands (after its "&"), or -1 for none.
qsizetype accessKeyAt(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at < 0 || at + 1 >= text.size() || text.at(at + 1) == QLatin1Char('&') ? -1 : at + 1;
}

// Gives each control of `page` an access key that neither `taken` nor a
// control before it has. A translated caption may take a letter another
// caption of its tab took, as the translator sees one caption at a time:
// the first letter of its own still free replaces it.
void spreadAccessKeys(QWidget* page, QSet<QChar> taken) {
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!(label && label->buddy()) && !button)
            continue;
        QString text = label ? label->text() : button->text();
        const qsizetype key = accessKeyAt(text);
        if (key < 0)
            continue;
        if (!taken.contains(text.at(key).toLower())) {
            taken.insert(text.at(key).toLower());
            continue;
        }
        text.remove(key - 1, 1);
        for (qsizetype i = 0; i < text.size(); ++i)
            if (const QChar c = text.at(i).toLower(); c.isLetter() && !taken.contains(c)) {
                text.insert(i, QLatin1Char('&'));
                taken.insert(c);
                break;
            }
        label ? label->setText(text) : button->setText(text);
    }
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
    auto* top = new QFormLayout;
    QFormLayout* form = top;

    m_classic = new QRadioButton(tr("&Classic (XHTML, as always)"), this);
    m_modern = new QRadioButton(tr("&Modern (HTML5 and CSS)"), this);
    m_classic->setObjectName(QStringLiteral("classicStyle"));
    m_modern->setObjectName(QStringLiteral("modernStyle"));
    auto* styles = new QVBoxLayout;
    // Each as wide as its caption: a click beside it misses nothing.
    styles->addWidget(m_classic, 0, Qt::AlignLeft);
    styles->addWidget(m_modern, 0, Qt::AlignLeft);
    top->addRow(tr("Page style:"), styles);
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
    top->addRow(note);

    // The bar on one page, the panel its sub-menus drop in on another.
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pageStylePages"));
    auto newPage = [&](const QString& title) {
        auto* page = new QWidget(pages);
        form = new QFormLayout(page);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        pages->addTab(page, title);
    };
    newPage(tr("B&ar"));

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
        else if (key == PageLook::kPanelSeparator)
            edit->setPlaceholderText(tr("none"));
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

    // A row of suggestions for `key`, typed into or picked from.
    auto suggestRow = [&](PageLook::Key key, int mnemonic, const QStringList& items,
                          const QString& tip) {
        QComboBox* box = suggestions(this, key, items);
        box->setToolTip(tip);
        typedInto(box, key);
        m_boxes.at(key) = box;
        row(captionOf(key, mnemonic), box);
    };
    // A row of the choices of `key`, each shown as its caption.
    auto choiceRow = [&](PageLook::Key key, int mnemonic, const QStringList& captions) {
        QComboBox* box = choices(this, key, captions);
        connect(box, &QComboBox::activated, this,
                [this, box, key](int index) { edit(key, box->itemData(index).toString(), false); });
        m_boxes.at(key) = box;
        row(captionOf(key, mnemonic), box);
    };

    // A tick for a Yes or No setting, its caption its own text.
    auto checkRow = [&](PageLook::Key key, int mnemonic) {
        auto* box = new QCheckBox(captionOf(key, mnemonic, false), this);
        box->setObjectName(nameOf(key));
        connect(box, &QCheckBox::clicked, this, [this, key](bool checked) {
            edit(key, checked ? QStringLiteral("Yes") : QStringLiteral("No"), false);
        });
        m_checks.at(key) = box;
        form->addRow(QString(), box);
    };

    suggestRow(PageLook::kFoldBelow, 0,
               {QStringLiteral("never"), QStringLiteral("30em"), QStringLiteral("40em"),
                QStringLiteral("48em"), QStringLiteral("64em")},
               tr("Narrower screens show the menu button; a width such as 40em or 600px, or "
                  "never"));

    // A word of the page: empty for the page language's, which it shows.
    auto wordRow = [&](PageLook::Key key, int mnemonic) {
        auto* field = new QLineEdit(this);
        field->setObjectName(nameOf(key));
        field->setToolTip(text(std::string(PageLook::entries()[key].hint)));
        connect(field, &QLineEdit::textEdited, this,
                [this, key](const QString& typed) { edit(key, typed, true); });
        m_words.at(key) = field;
        row(captionOf(key, mnemonic), field);
    };
    wordRow(PageLook::kMenuButtonLabel, 5);

    colorRow(PageLook::kBarColor, captionOf(PageLook::kBarColor, 2), tr("Choose the bar colour"));

    suggestRow(PageLook::kItemPadding, 5,
               {QStringLiteral("0"), QStringLiteral("0.25em 0.5em"), QStringLiteral("0.5em 1em"),
                QStringLiteral("4px 8px")},
               tr("One to four lengths: all sides, or top and bottom then the sides"));
    choiceRow(PageLook::kAlign, 0,
              {tr("At the start"), tr("Centred"), tr("At the end"), tr("Spread out")});
    choiceRow(PageLook::kItemWidth, 5,
              {tr("Fixed: the Menu Item Width"), tr("As wide as its label")});
    suggestRow(PageLook::kItemGap, 0,
               {QString(), QStringLiteral("0"), QStringLiteral("4px"), QStringLiteral("0.5em"),
                QStringLiteral("1em")},
               tr("Empty for the Menu Items Distance, or a length"));
    choiceRow(PageLook::kFontWeight, 9,
              {tr("Normal"), tr("Medium (500)"), tr("Semi-bold (600)"), tr("Bold")});
    suggestRow(PageLook::kCornerRadius, 1,
               {QStringLiteral("0"), QStringLiteral("4px"), QStringLiteral("8px"),
                QStringLiteral("999px")},
               tr("0 for square corners; 999px rounds the ends into pills"));

    colorRow(PageLook::kCurrentColor, captionOf(PageLook::kCurrentColor, 13),
             tr("Choose the current item's text colour"));
    colorRow(PageLook::kCurrentBackColor, captionOf(PageLook::kCurrentBackColor, 16),
             tr("Choose the current item's background"));
    checkRow(PageLook::kCurrentUnderline, 0);

    newPage(tr("Sub-menu pa&nel"));
    auto* panelNote = new QLabel(
        tr("The panel a sub-menu drops in below a bar; an empty colour is the bar's item's."),
        this);
    panelNote->setWordWrap(true);
    form->addRow(panelNote);
    colorRow(PageLook::kPanelBackColor, captionOf(PageLook::kPanelBackColor, 6),
             tr("Choose the panel's background"));
    colorRow(PageLook::kPanelColor, captionOf(PageLook::kPanelColor, 6),
             tr("Choose the panel's text colour"));
    colorRow(PageLook::kPanelHoverBackColor, captionOf(PageLook::kPanelHoverBackColor, 6),
             tr("Choose a hovered sub-item's background"));
    colorRow(PageLook::kPanelHoverColor, captionOf(PageLook::kPanelHoverColor, 7),
             tr("Choose a hovered sub-item's text colour"));
    suggestRow(PageLook::kPanelPadding, 6,
               {QStringLiteral("0"), QStringLiteral("4px"), QStringLiteral("0.25em 0")},
               tr("One to four lengths: the room inside the panel"));
    colorRow(PageLook::kPanelSeparator, captionOf(PageLook::kPanelSeparator, 0),
             tr("Choose the line between sub-items"));
    suggestRow(PageLook::kPanelRadius, 13,
               {QStringLiteral("0"), QStringLiteral("4px"), QStringLiteral("0.5em")},
               tr("0 for square corners"));
    choiceRow(PageLook::kPanelShadow, 6, {tr("None"), tr("Soft"), tr("Strong")});
    suggestRow(PageLook::kPanelMaxWidth, 6,
               {QStringLiteral("16em"), QStringLiteral("20em"), QStringLiteral("28em")},
               tr("The panel is as wide as its widest label up to this; longer labels wrap"));

    newPage(tr("Language and wor&ds"));
    auto* wordsNote = new QLabel(
        tr("The page's language, and the words it writes of its own for visitors and screen "
           "readers; an empty word is the language's."),
        this);
    wordsNote->setWordWrap(true);
    form->addRow(wordsNote);
    // The carried languages by their own names; any other tag can be typed.
    auto* language = new QComboBox(this);
    language->setObjectName(nameOf(PageLook::kLanguage));
    language->setEditable(true);
    language->setInsertPolicy(QComboBox::NoInsert);
    language->setToolTip(tr("A language tag such as en, de, pt-BR or ar"));
    for (const halvero::PageWords::Language& carried : halvero::PageWords::languages()) {
        const QString tag = text(std::string(carried.tag));
        language->addItem(tag + QStringLiteral(" \u2014 ") + text(std::string(carried.name)), tag);
    }
    connect(language->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& typed) { edit(PageLook::kLanguage, typed, true); });
    connect(language, &QComboBox::activated, this, [this, language](int index) {
        const QString tag = language->itemData(index).toString();
        language->setEditText(tag);
        edit(PageLook::kLanguage, tag, false);
    });
    m_boxes.at(PageLook::kLanguage) = language;
    row(captionOf(PageLook::kLanguage, 5), language);
    wordRow(PageLook::kWordMenu, 1);
    wordRow(PageLook::kWordSubMenu, 0);
    wordRow(PageLook::kWordNewTab, 2);
    wordRow(PageLook::kWordBreadcrumb, 0);
    wordRow(PageLook::kWordSkipLink, 1);
    wordRow(PageLook::kWordLanguages, 3);

    // A site in several languages, each in a folder of its own.
    m_languages = new QTableWidget(0, 3, this);
    m_languages->setObjectName(QStringLiteral("siteLanguages"));
    m_languages->setHorizontalHeaderLabels({tr("Tag"), tr("Name"), tr("Folder")});
    // The name takes the room the tag and the folder leave.
    m_languages->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_languages->setColumnWidth(
        0, m_languages->fontMetrics().horizontalAdvance(QStringLiteral("zh-Hant-TW")));
    m_languages->setColumnWidth(
        2, m_languages->fontMetrics().horizontalAdvance(QStringLiteral("lang/pt-br/")));
    m_languages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_languages->verticalHeader()->hide();
    m_languages->setTabKeyNavigation(false);
    m_languages->setMinimumHeight(4 * m_languages->verticalHeader()->defaultSectionSize());
    m_languages->setToolTip(tr("The default language first, its folder empty for the site's "
                               "root; each other in a folder of its own (de/)"));
    connect(m_languages, &QTableWidget::itemChanged, this, &PageStyleDialog::editLanguages);
    row(tr("Site's languages and &folders:"), m_languages);
    auto* addLanguage = new QPushButton(tr("Add lang&uage"), this);
    auto* removeLanguage = new QPushButton(tr("&Remove language"), this);
    addLanguage->setObjectName(QStringLiteral("addLanguage"));
    removeLanguage->setObjectName(QStringLiteral("removeLanguage"));
    for (QPushButton* button : {addLanguage, removeLanguage})
        button->setAutoDefault(false);
    connect(addLanguage, &QPushButton::clicked, this, [this] {
        const int added = m_languages->rowCount();
        {
            const QSignalBlocker quiet(m_languages);
            m_languages->insertRow(added);
            for (int column = 0; column < 3; ++column)
                m_languages->setItem(added, column, new QTableWidgetItem);
        }
        m_languages->setCurrentCell(added, 0);
        m_languages->setFocus();
        m_languages->editItem(m_languages->item(added, 0));
    });
    connect(removeLanguage, &QPushButton::clicked, this, [this] {
        if (m_languages->currentRow() < 0)
            return;
        m_languages->removeRow(m_languages->currentRow());
        editLanguages();
    });
    auto* languageButtons = new QHBoxLayout;
    languageButtons->addWidget(addLanguage);
    languageButtons->addWidget(removeLanguage);
    languageButtons->addStretch(1);
    form->addRow(QString(), languageButtons);
    choiceRow(PageLook::kMissingTranslation, 10,
              {tr("Lead to the default language's page"), tr("Leave the item out"),
               tr("Lead to the language's home page")});
    checkRow(PageLook::kAlternateLinks, 23);

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
    layout->addLayout(top);
    layout->addWidget(pages);
    layout->addWidget(m_problem);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(460);

    // The keys the dialog's own controls and the tabs hold, then each tab's.
    QSet<QChar> taken;
    QStringList held = {m_classic->text(), m_modern->text()};
    for (int i = 0; i < pages->count(); ++i)
        held << pages->tabText(i);
    for (const QString& text : held)
        if (const qsizetype key = accessKeyAt(text); key >= 0)
            taken.insert(text.at(key).toLower());
    for (int i = 0; i < pages->count(); ++i)
        spreadAccessKeys(pages->widget(i), taken);
}

void PageStyleDialog::showValues() {
    const MenuSettings& settings = m_document.settings();
    const PageLook& look = settings.pageLook();
    const bool modern = settings.pageStyle() == MenuSettings::PageStyle::Modern;
    (modern ? m_modern : m_classic)->setChecked(true);
    for (const halvero::Setting& setting : PageLook::entries()) {
        const PageLook::Key key = PageLook::keyOf(setting);
        const QString value = text(look.value(key));
        if (QLineEdit* field = m_colors.at(key) ? m_colors.at(key) : m_words.at(key))
            field->setText(value);
        else if (QCheckBox* check = m_checks.at(key))
            check->setChecked(value == QLatin1String("Yes"));
        else if (QComboBox* box = m_boxes.at(key); box && box->isEditable())
            box->setEditText(value);
        else if (box)
            box->setCurrentIndex(box->findData(value));
    }
    showLanguageWords();
    const QSignalBlocker quiet(m_languages);
    m_languages->setRowCount(0);
    for (const halvero::SiteLanguage& language : settings.languages()) {
        const int added = m_languages->rowCount();
        m_languages->insertRow(added);
        int column = 0;
        for (const std::string* field : {&language.tag, &language.name, &language.folder})
            m_languages->setItem(added, column++, new QTableWidgetItem(text(*field)));
    }
}

std::vector<halvero::SiteLanguage> PageStyleDialog::languagesShown() const {
    std::vector<halvero::SiteLanguage> languages;
    for (int row = 0; row < m_languages->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = m_languages->item(row, column);
            return item ? item->text().trimmed().toStdString() : std::string();
        };
        languages.push_back({cell(0), cell(1), cell(2)});
    }
    return languages;
}

// The languages as the table shows them reach the menu when they can be
// its languages; until then the dialog says why.
void PageStyleDialog::editLanguages() {
    std::vector<halvero::SiteLanguage> languages = languagesShown();
    if (const std::string problem = halvero::SiteLanguage::listProblem(languages);
        !problem.empty()) {
        m_problem->setText(
            tr("Site's languages: %1; the menu keeps the ones before.").arg(text(problem)));
        return;
    }
    m_problem->clear();
    if (languages != m_document.settings().languages())
        m_document.change(tr("Site Languages"), [languages](MenuSettings& settings) {
            settings.setLanguages(languages);
        });
}

void PageStyleDialog::showLanguageWords() {
    const halvero::PageWords words = halvero::PageWords::of(m_document.settings().pageLook());
    const halvero::PageWords carried =
        halvero::PageWords::carried(m_document.settings().pageLook().value(PageLook::kLanguage));
    m_words.at(PageLook::kMenuButtonLabel)->setPlaceholderText(text(carried.menuButton));
    m_words.at(PageLook::kWordMenu)->setPlaceholderText(text(words.menuButton));
    m_words.at(PageLook::kWordSubMenu)->setPlaceholderText(text(carried.subMenu));
    m_words.at(PageLook::kWordNewTab)->setPlaceholderText(text(carried.newTab));
    m_words.at(PageLook::kWordBreadcrumb)->setPlaceholderText(text(carried.breadcrumb));
    m_words.at(PageLook::kWordSkipLink)->setPlaceholderText(text(carried.skipLink));
    m_words.at(PageLook::kWordLanguages)->setPlaceholderText(text(carried.languageList));
}

QString PageStyleDialog::fieldText(PageLook::Key key) const {
    if (const QLineEdit* word = m_words.at(key))
        return word->text();
    if (const QCheckBox* check = m_checks.at(key))
        return check->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No");
    if (const QLineEdit* color = m_colors.at(key))
        return color->text();
    if (const QComboBox* box = m_boxes.at(key))
        return box->isEditable() ? box->currentText() : box->currentData().toString();
    // How the menu sits in a site's pages is not set here: the value stays
    // as it is.
    return text(m_document.settings().pageLook().value(key));
}

void PageStyleDialog::edit(PageLook::Key key, const QString& typed, bool isTyped) {
    const std::string value = typed.toStdString();
    if (const std::string problem = PageLook::problem(key, value); !problem.empty()) {
        m_problem->setText(tr("%1: the value %2; the page keeps %3.")
                               .arg(captionOf(key, -1, false), text(problem),
                                    text(m_document.settings().pageLook().value(key))));
        return;
    }
    m_problem->clear();
    if (value != m_document.settings().pageLook().value(key))
        m_document.setPageLook(key, value, isTyped ? m_typing + key : -1);
    if (key == PageLook::kLanguage || key == PageLook::kMenuButtonLabel)
        showLanguageWords();
}

void PageStyleDialog::chooseColor(PageLook::Key key) {
    const QColor start(m_colors.at(key)->text());
    const QColor chosen = QColorDialog::getColor(start.isValid() ? start : QColor(Qt::white), this,
                                                 captionOf(key, -1, false));
    if (!chosen.isValid())
        return;
    const QString name = chosen.name(QColor::HexRgb).toUpper();
    m_colors.at(key)->setText(name);
    edit(key, name, false);
}

// A field still holding a value the page cannot take keeps the dialog
// open, with the reason, rather than losing what was typed unsaid.
void PageStyleDialog::accept() {
    if (languagesShown() != m_document.settings().languages()) {
        editLanguages();
        if (languagesShown() != m_document.settings().languages()) {
            m_languages->setFocus();
            return;
        }
    }
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
