#include "windows/dialogs/AboutWindow.h"

#include "app/toolkit/Twips.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget* parent) : BorderlessForm(parent) {
    setWindowTitle(tr("About"));
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
    loadCommon(Look::Scheme::LavenderSheet);
    QLabel* last = m_lines.back();
    QPalette red = last->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    last->setPalette(red);
}

void AboutWindow::prepare() {
    setTitle(tr("About"));
    const QString lines[kLines] = {
        tr("Application Name: ") + m_applicationName,
        tr("Version: ") + m_applicationVersion + tr(" - Date: ") + m_applicationDate,
        tr("Written by: Sample Author - From: Exampleland/Example City"),
        tr("Phone: +1 555 0100"),
        tr("EMail: author@example.com"),
        tr("EMail: halvero@example.com"),
        tr("EMail: support@example.com"),
        tr("EMail: news@example.com"),
        tr("Homepage: http://www.example.com/"),
        tr("You can download new versions in http://download.example.com/, In FREE "
           "utilities part"),
        tr("By the way, I recommend you contact me for joining my mailling list to "
           "recieve newer versions..."),
        tr("IT'S FREE!"),
    };
    for (int i = 0; i < kLines; ++i)
        m_lines[static_cast<std::size_t>(i)]->setText(lines[i]);
}
