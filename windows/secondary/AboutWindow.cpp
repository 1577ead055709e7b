#include "windows/secondary/AboutWindow.h"

#include "app/toolkit/Twips.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget* parent) : BorderlessForm(parent) {
    setWindowTitle(QStringLiteral("About"));
    for (int i = 0; i < kLines; ++i) {
        auto* line = new QLabel(this);
        line->setObjectName(QStringLiteral("line%1").arg(i));
        line->setGeometry(Twips::rect(120, 720 + 360 * i, 9855, 255));
        line->setFocusPolicy(Qt::NoFocus);
        line->setTextFormat(Qt::PlainText);
        line->setCursor(cursor());
        m_lines[static_cast<std::size_t>(i)] = line;
    }
    createTitle();
    createCloseButton();
    loadCommon(QColor(192, 192, 255));
    QLabel* last = m_lines.back();
    QPalette red = last->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    last->setPalette(red);
}

void AboutWindow::prepare() {
    setTitle(QStringLiteral("About"));
    const QString lines[kLines] = {
        QStringLiteral("Application Name: ") + m_applicationName,
        QStringLiteral("Version: ") + m_applicationVersion + QStringLiteral(" - Date: ") +
            m_applicationDate,
        QStringLiteral("Written by: Sample Author - From: Exampleland/Example City"),
        QStringLiteral("Phone: +1 555 0100"),
        QStringLiteral("EMail: author@example.com"),
        QStringLiteral("EMail: halvero@example.com"),
        QStringLiteral("EMail: support@example.com"),
        QStringLiteral("EMail: news@example.com"),
        QStringLiteral("Homepage: http://www.example.com/"),
        QStringLiteral("You can download new versions in http://download.example.com/, In FREE "
                       "utilities part"),
        QStringLiteral("By the way, I recommend you contact me for joining my mailling list to "
                       "recieve newer versions..."),
        QStringLiteral("IT'S FREE!"),
    };
    for (int i = 0; i < kLines; ++i)
        m_lines[static_cast<std::size_t>(i)]->setText(lines[i]);
}
