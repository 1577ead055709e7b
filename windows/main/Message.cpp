#include "windows/main/Message.h"

void Message::show(QWidget* parent, QMessageBox::Icon icon, const QString& name,
                   const QString& what, const QString& why) {
    QMessageBox box(icon, QStringLiteral("Halvero"), what, QMessageBox::Ok, parent);
    box.setObjectName(name);
    box.setInformativeText(why);
    box.exec();
}
