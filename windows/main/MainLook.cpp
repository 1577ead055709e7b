#include "windows/main/MainLook.h"

#include <QApplication>
#include <QWidget>

namespace {

using L = ControlLook;

void commandButton(QWidget* w) {
    L::setButtonLook(w, L::kCream);
}

void checkBox(QWidget* w) {
    L::setBold(w);
    L::setTextColor(w, L::kNavy);
    L::setFace(w, QStringLiteral("Verdana"));
}

void textBox(QWidget* w) {
    const bool rightToLeft = w->property("tag").toString().toUpper() == QLatin1String("F");
    L::setAlignment(w, rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    L::setRightToLeft(w, rightToLeft);
    L::setBold(w);
    L::setFace(w, rightToLeft ? QStringLiteral("Tahoma") : QStringLiteral("Verdana"));
    L::setTextColor(w, L::kNavy);
    L::setSingleBorder(w, true);
    L::setBackColor(w, L::kCream);
}

void comboBox(QWidget* w) {
    L::setBold(w);
    L::setTextColor(w, L::kNavy);
    L::setFace(w, QStringLiteral("Verdana"));
    L::setBackColor(w, L::kCream);
}

void frame(QWidget* w) {
    L::setBold(w);
    L::setTextColor(w, L::kNavy);
    L::setFace(w, QStringLiteral("Verdana"));
    L::setSingleBorder(w, true);
}

void label(QWidget* w) {
    L::setLabelLook(w);
    // Set although it never shows: the label is transparent.
    L::setBackColor(w, L::kCream);
}

} // namespace

void MainLook::setCommonLook(QWidget* window) {
    comboBox(window); // the look most controls share
}

void MainLook::keepStandardButtonText(QWidget* button) {
    QPalette palette = button->palette();
    const QPalette standard = QApplication::palette(button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::ButtonText, standard.color(group, QPalette::ButtonText));
    button->setPalette(palette);
}

const ControlLook::Table& MainLook::table() {
    static const ControlLook::Table rows = {
        {QStringLiteral("CommandButton"), commandButton},
        {QStringLiteral("CheckBox"), checkBox},
        {QStringLiteral("TextBox"), textBox},
        {QStringLiteral("ComboBox"), comboBox},
        {QStringLiteral("Frame"), frame},
        {QStringLiteral("Label"), label},
    };
    return rows;
}
