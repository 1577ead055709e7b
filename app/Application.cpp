#include "Application.h"

#include "Pictures.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void Application::configure() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    QApplication::setWindowIcon(Pictures::appIcon());
    QApplication::setApplicationName(QStringLiteral("Halvero"));
}
