#pragma once

#include <QSettings>
#include <QString>

// Halvero's own configuration file, ~/.config/Halvero/Halvero.conf (under
// XDG_CONFIG_HOME when set): the one place where the program keeps what it
// remembers between runs (the recent menus, the colour dialog's custom
// colours). Qt's own dialogs would otherwise keep their state in Qt's
// shared QtProject.conf; keepQtSettingsOut() stops that for this process.
class ConfigFile {
public:
    static QString path();
    // The file, opened for reading and writing (written when destroyed).
    static QSettings open();
    // Points Qt's default settings location where nothing can be written,
    // so no file but Halvero's own is read or written. Call before any
    // dialog is shown.
    static void keepQtSettingsOut();
};
