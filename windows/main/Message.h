#pragma once

#include <QMessageBox>

class QString;
class QWidget;

// The one way the main window tells the user something: a message box
// titled "Halvero" over `parent`, saying `what` with `why` below it, an OK
// button, and `name` as its object name (tests find it by that).
class Message {
public:
    static void show(QWidget* parent, QMessageBox::Icon icon, const QString& name,
                     const QString& what, const QString& why);
};
