#include "app/toolkit/Look.h"

#include "app/toolkit/ToolkitStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace {

using S = Look::Scheme;
using K = Look::Kind;

constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::Text,
                                              QPalette::ButtonText};
constexpr QPalette::ColorRole kBackRoles[] = {QPalette::Base, QPalette::Button, QPalette::Window};

// `palette` with `color` in all `roles`, active and not.
template <typename Roles>
QPalette withColor(QPalette palette, const Roles& roles, const QColor& color) {
    for (QPalette::ColorRole role : roles)
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, role, color);
    return palette;
}

// The font steps leave a font that already has what they set alone.
void setFont(QWidget* control, int pointSize) {
    QFont font = control->font();
    const QStringList face = {QStringLiteral("Verdana")};
    if (font.bold() && font.families() == face && (!pointSize || font.pointSize() == pointSize))
        return;
    font.setBold(true);
    font.setFamilies(face);
    if (pointSize)
        font.setPointSize(pointSize);
    control->setFont(font);
}

// The application's own button text colours, in place of any a parent set.
void setStandardButtonText(QWidget* button) {
    QPalette palette = button->palette();
    const QPalette standard = QApplication::palette(button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::ButtonText, standard.color(group, QPalette::ButtonText));
    if (palette != button->palette())
        button->setPalette(palette);
}

std::optional<K> kindOf(const QWidget* control) {
    if (qobject_cast<const QPushButton*>(control))
        return K::Button;
    if (qobject_cast<const QComboBox*>(control))
        return K::Box;
    if (qobject_cast<const QLabel*>(control))
        return control->objectName() == QLatin1String("title") ? K::Title : K::Label;
    return std::nullopt;
}

} // namespace

const QColor Look::kCream(255, 255, 204);
const QColor Look::kNavy(0, 0, 128);
const QColor Look::kOliveYellow(192, 192, 0);
const QColor Look::kLavender(192, 192, 255);

const std::vector<Look::Row>& Look::table() {
    static const std::vector<Row> rows = {
        {S::CreamForm, K::Button, {}, kCream},
        {S::CreamForm, K::Box, kNavy, kCream},
        {S::CreamForm, K::Label, kOliveYellow, {}},
        {S::LavenderSheet, K::Button, {}, kLavender},
        {S::LavenderSheet, K::Label, kOliveYellow, {}},
        {S::LavenderSheet, K::Title, kOliveYellow, {}, 18},
        {S::CreamSheet, K::Button, {}, kCream},
        {S::CreamSheet, K::Label, kOliveYellow, {}},
        {S::CreamSheet, K::Title, kOliveYellow, {}, 18},
    };
    return rows;
}

const Look::Row* Look::rowFor(Scheme scheme, Kind kind) {
    for (const Row& row : table())
        if (row.scheme == scheme && row.kind == kind)
            return &row;
    return nullptr;
}

void Look::prepareSurface(QWidget* surface) {
    applyRow(surface, *rowFor(Scheme::CreamForm, Kind::Box));
}

void Look::apply(QWidget* window, Scheme which) {
    for (QObject* child : window->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow())
            continue;
        if (const std::optional<Kind> kind = kindOf(control))
            if (const Row* row = rowFor(which, *kind))
                applyRow(control, *row);
    }
}

void Look::applyRow(QWidget* control, const Row& row) {
    setFont(control, row.pointSize);
    if (row.kind == Kind::Button) {
        control->setProperty(ToolkitStyle::kGraphical, true);
        setStandardButtonText(control);
    } else if (row.text.isValid()) {
        setTextColor(control, row.text);
    }
    if (row.back.isValid())
        setBackColor(control, row.back);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        label->setAutoFillBackground(false);
        label->setFrameShape(QFrame::NoFrame);
    }
}

void Look::setTextColor(QWidget* control, const QColor& color) {
    const QPalette wanted = withColor(control->palette(), kTextRoles, color);
    if (wanted != control->palette())
        control->setPalette(wanted);
}

void Look::setBackColor(QWidget* control, const QColor& color) {
    const QPalette wanted = withColor(control->palette(), kBackRoles, color);
    auto* combo = qobject_cast<QComboBox*>(control);
    QLineEdit* edit = combo ? combo->lineEdit() : nullptr;
    if (wanted != control->palette())
        control->setPalette(wanted);
    // An editable combo box paints its text field with the line edit's own
    // palette, which it copies only once.
    if (edit && withColor(edit->palette(), kBackRoles, color) != edit->palette())
        edit->setPalette(wanted);
}

QColor Look::backColor(const QWidget* control) {
    return control->palette().color(QPalette::Active, QPalette::Base);
}
