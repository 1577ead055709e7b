#include "windows/main/ColorBoxes.h"

#include "app/platform/CustomColors.h"
#include "app/toolkit/Look.h"
#include "app/toolkit/QtColor.h"
#include "core/settings/ColorValues.h"
#include "windows/main/MainControls.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

using halvero::SettingTable;

namespace {

// Navy, the window's text colour, or white where it reads better on `back`.
QColor readableOn(const QColor& back) {
    const std::int32_t value = QtColor::toValue(back);
    return halvero::contrastRatio(QtColor::toValue(Look::kNavy), value) >=
                   halvero::contrastRatio(0xFFFFFF, value)
               ? Look::kNavy
               : QColor(Qt::white);
}

} // namespace

void ColorBoxes::paint(int index) const {
    QComboBox* box = m_controls.entry(index);
    try {
        const QColor color =
            QtColor::fromValue(halvero::hexToColor(box->currentText().toStdString()));
        Look::setBackColor(box, color);
        const QColor text = readableOn(color);
        Look::setTextColor(box, text);
        if (box->lineEdit())
            Look::setTextColor(box->lineEdit(), text);
    } catch (const halvero::ColorTextError&) {
        // Half-typed colour: the box keeps its last good colour.
    }
}

std::optional<QColor> ColorBoxes::ask(QWidget* parent, const QColor& initial) {
    CustomColors::restore();
    const QColor chosen = QColorDialog::getColor(initial, parent);
    CustomColors::keep();
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

bool ColorBoxes::weighs(int index) {
    return index == SettingTable::kNormal.fontColor || index == SettingTable::kNormal.backColor ||
           index == SettingTable::kHover.fontColor || index == SettingTable::kHover.backColor;
}

void ColorBoxes::noteContrast(const halvero::MenuSettings& settings) const {
    QStringList low;
    for (const auto& [item, name] : {std::pair{SettingTable::kNormal, tr("normal item")},
                                     {SettingTable::kHover, tr("hovered item")}}) {
        try {
            const double ratio =
                halvero::contrastRatio(halvero::hexToColor(settings.value(item.fontColor)),
                                       halvero::hexToColor(settings.value(item.backColor)));
            if (ratio < 4.5)
                low << tr("%1 %2:1").arg(name).arg(std::floor(ratio * 10) / 10, 0, 'f', 1);
        } catch (const halvero::ColorTextError&) {
            // A colour that is no #RRGGBB (a name, rgb()): nothing to weigh.
        }
    }
    m_controls.contrastNote->setText(
        low.isEmpty() ? QString()
                      : tr("Hard to read in the page: %1, text on background (4.5:1 or more "
                           "reads well).")
                            .arg(low.join(QStringLiteral(", "))));
}
