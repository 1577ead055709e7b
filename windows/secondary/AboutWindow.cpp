#include "frm2.h"

#include "Twips.h"

#include <QLabel>
#include <QPushButton>

frm2::frm2() {
    setWindowTitle(QStringLiteral("About"));
    for (std::int16_t i = 0; i < kLines; ++i) {
        auto* line = new QLabel(this);
        line->setObjectName(QStringLiteral("lbl%1").arg(i));
        line->setGeometry(Twips::rect(120, 720 + 360 * i, 9855, 255));
        line->setFocusPolicy(Qt::NoFocus);
        line->setTextFormat(Qt::PlainText);
        line->setCursor(cursor());
        lbl.add(i, line);
    }
    createTitle();
    createCloseButton();
}

void frm2::Form_Load() {
    loadCommon(QColor(192, 192, 255));
    QPalette red = lbl[11]->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lbl[11]->setPalette(red);
}

void frm2::Form_Activate() {
    lblTitle->setText(QStringLiteral("About"));
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
    for (std::int16_t i = 0; i < kLines; ++i)
        lbl[i]->setText(lines[i]);
}
