#include "app/Application.h"

#include "app/pictures/Pictures.h"
#include "app/platform/ConfigFile.h"
#include "app/toolkit/ToolkitStyle.h"

#include <QApplication>
#include <QFont>

void Application::configure() {
    QApplication::setStyle(new ToolkitStyle);
    QApplication::setWindowIcon(Pictures::appIcon());
    QApplication::setApplicationName(QStringLiteral("Halvero"));
    ConfigFile::keepQtSettingsOut();
}

QFont Application::windowFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}
