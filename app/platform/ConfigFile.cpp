#include "app/platform/ConfigFile.h"

#include <QStandardPaths>

QString ConfigFile::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Halvero/Halvero.conf");
}

QSettings ConfigFile::open() {
    return QSettings(path(), QSettings::IniFormat);
}

void ConfigFile::keepQtSettingsOut() {
    // A folder below a character device cannot be made: Qt's settings read
    // nothing there and their writes fail quietly.
    const QString nowhere = QStringLiteral("/dev/null/halvero");
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, nowhere);
}
