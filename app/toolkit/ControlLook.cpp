#include "app/toolkit/ControlLook.h"

#include "app/toolkit/ControlKind.h"
#include "app/toolkit/ToolkitStyle.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

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

QTextDocument* documentOf(QWidget* control) {
    if (auto* edit = qobject_cast<QTextEdit*>(control))
        return edit->document();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        return edit->document();
    return nullptr;
}

} // namespace

const QColor ControlLook::kCream(255, 255, 204);
const QColor ControlLook::kNavy(0, 0, 128);
const QColor ControlLook::kOliveYellow(192, 192, 0);

const ControlLook::Row* ControlLook::rowFor(const QString& kind, const Table& table) {
    for (const Row& row : table)
        if (row.kind.compare(kind, Qt::CaseSensitive) == 0)
            return &row;
    return nullptr;
}

void ControlLook::apply(const QList<QObject*>& controls, const Table& table) {
    for (QObject* control : controls) {
        auto* widget = qobject_cast<QWidget*>(control);
        if (!widget)
            continue;
        if (const Row* row = rowFor(ControlKind::of(widget), table))
            row->apply(widget);
    }
}

// Both font steps leave a font that already has what they set alone: a
// window whose controls share a face sets it once for all of them.
void ControlLook::setBold(QWidget* control) {
    QFont font = control->font();
    if (font.bold())
        return;
    font.setBold(true);
    control->setFont(font);
}

void ControlLook::setFace(QWidget* control, const QString& face) {
    QFont font = control->font();
    if (font.families() == QStringList{face})
        return;
    font.setFamilies({face});
    control->setFont(font);
}

// Like the font steps, the colour steps leave a palette that already has
// what they set: a window sets its controls' common colours once.
void ControlLook::setTextColor(QWidget* control, const QColor& color) {
    const QPalette wanted = withColor(control->palette(), kTextRoles, color);
    if (wanted != control->palette())
        control->setPalette(wanted);
}

void ControlLook::setBackColor(QWidget* control, const QColor& color) {
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

QColor ControlLook::backColor(const QWidget* control) {
    return control->palette().color(QPalette::Active, QPalette::Base);
}

void ControlLook::setAlignment(QWidget* control, Qt::Alignment horizontal) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setAlignment(horizontal | Qt::AlignVCenter);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setAlignment(horizontal | Qt::AlignVCenter);
    } else if (QTextDocument* document = documentOf(control)) {
        // A multi-line box: every paragraph, typed later or not.
        QTextOption option = document->defaultTextOption();
        option.setAlignment(horizontal);
        document->setDefaultTextOption(option);
    }
}

void ControlLook::setTransparent(QWidget* control) {
    control->setAutoFillBackground(false);
    control->setAttribute(Qt::WA_TranslucentBackground, false);
}

void ControlLook::setSingleBorder(QWidget* control, bool single) {
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setFlat(!single); // a flat group box draws only its top line
    } else if (auto* frame = qobject_cast<QFrame*>(control)) {
        frame->setFrameShape(single ? QFrame::Box : QFrame::NoFrame);
        frame->setFrameShadow(QFrame::Plain);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setFrame(single);
    }
}

void ControlLook::setRightToLeft(QWidget* control, bool rightToLeft) {
    control->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

void ControlLook::setButtonLook(QWidget* control, const QColor& back) {
    control->setProperty(ToolkitStyle::kGraphical, true);
    setBold(control);
    setFace(control, QStringLiteral("Verdana"));
    setBackColor(control, back);
}

void ControlLook::setLabelLook(QWidget* control) {
    setAlignment(control, Qt::AlignHCenter);
    setBold(control);
    setTextColor(control, kOliveYellow);
    setFace(control, QStringLiteral("Verdana"));
    setTransparent(control);
    setSingleBorder(control, false);
}
