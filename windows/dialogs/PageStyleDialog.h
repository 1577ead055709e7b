#pragma once

#include "core/settings/PageLook.h"
#include "core/settings/SiteLanguage.h"

#include <QDialog>
#include <array>
#include <vector>

class MenuDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

// Page > Page Style...: the page's style (classic or modern) and the modern
// page's own look: where the bar folds behind its menu button and that
// button's label, the bar's colour, the items' padding, alignment, width,
// gap, weight and corners, and the current item's look; on a page of its
// own, the look of the panel a sub-menu drops in; on a third, the page's
// language and the words it writes of its own. Each change goes into the menu as it
// is made, so the live preview (shown while the dialog is open) follows it;
// a value the page cannot take stays in its box, and the dialog says why.
// OK keeps the changes, Cancel takes them all back.
class PageStyleDialog : public QDialog {
    Q_OBJECT
public:
    PageStyleDialog(MenuDocument& document, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void build();
    // Shows the menu's values in the fields.
    void showValues();
    // The user typed `text` (typed) or picked it for `key`.
    void edit(halvero::PageLook::Key key, const QString& text, bool typed);
    void chooseColor(halvero::PageLook::Key key);
    // The text a field holds for `key`, as the page takes it.
    QString fieldText(halvero::PageLook::Key key) const;
    // Each word's field shows the page language's word while it is empty.
    void showLanguageWords();
    // The site's languages as the table shows them, and given to the menu.
    std::vector<halvero::SiteLanguage> languagesShown() const;
    void editLanguages();

    MenuDocument& m_document;
    int m_historyAtOpen;
    int m_typing; // the typing numbers of this dialog's fields start here
    QRadioButton* m_classic = nullptr;
    QRadioButton* m_modern = nullptr;
    // Each setting's field: a colour's line, a word's line, a tick, or a list
    // (editable for a length or the language) of the others'.
    std::array<QLineEdit*, halvero::PageLook::kCount> m_colors{};
    std::array<QLineEdit*, halvero::PageLook::kCount> m_words{};
    std::array<QCheckBox*, halvero::PageLook::kCount> m_checks{}; // Yes or No
    std::array<QComboBox*, halvero::PageLook::kCount> m_boxes{};
    QTableWidget* m_languages = nullptr;
    QLabel* m_problem = nullptr;
};
