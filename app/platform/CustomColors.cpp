#include "app/platform/CustomColors.h"

#include "app/platform/ConfigFile.h"

#include <QColorDialog>

namespace {

const QString kKey = QStringLiteral("colorDialog/customColors");

} // namespace

void CustomColors::restore() {
    const QStringList kept = ConfigFile::open().value(kKey).toStringList();
    for (int i = 0; i < QColorDialog::customCount() && i < kept.size(); ++i)
        if (const QColor colour = QColor::fromString(kept[i]); colour.isValid())
            QColorDialog::setCustomColor(i, colour);
}

void CustomColors::keep() {
    QStringList colours;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        colours << QColorDialog::customColor(i).name();
    ConfigFile::open().setValue(kKey, colours);
}
