#include "frm1.h"

#include "ColorValues.h"
#include "ControlKind.h"
#include "KeyboardLayout.h"
#include "MainLook.h"
#include "PageFile.h"
#include "PageWriter.h"
#include "Pictures.h"
#include "PreviewLoader.h"
#include "Twips.h"
#include "WindowAttention.h"
#include "frm2.h"
#include "modMain.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using halvero::InputKind;
using halvero::MenuSettings;

namespace {

constexpr int kColumnB = 7;  // first entry of the normal-item column
constexpr int kColumnC = 24; // first entry of the hovered-item column
constexpr int kRowsPerItemColumn = 17;

// Row tops of the item columns: five groups, 360 apart within a group and
// 480 between groups.
int rowTop(int row) {
    static constexpr int kTops[kRowsPerItemColumn] = {600,  960,  1320, 1680, 2040, 2520,
                                                      2880, 3240, 3720, 4080, 4440, 4920,
                                                      5280, 5640, 6120, 6480, 6840};
    return kTops[row];
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frm1::frm1() {
    setWindowTitle(QStringLiteral("Halvero"));
    setWindowIcon(Pictures::appIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_programFolder = QCoreApplication::applicationDirPath();
    MyDialog = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, this);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    createControls();
    setTabOrder();
    setPointers();
    m_settings.setObserver(
        [this](int index, MenuSettings::Change change) { mirror(index, change); });
}

void frm1::createControls() {
    auto makeLabel = [this](const QString& caption, const QRect& geometry) {
        auto* label = new QLabel(caption, this);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(geometry);
        return label;
    };
    auto makeCombo = [this](int index, const QRect& geometry) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(index == MenuSettings::kTarget ? QStringLiteral("cboTarget")
                                                            : QStringLiteral("cbo%1").arg(index));
        combo->setGeometry(geometry);
        const InputKind kind = MenuSettings::inputKind(index);
        combo->setEditable(kind != InputKind::List);
        if (combo->isEditable()) {
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->lineEdit()->setReadOnly(kind == InputKind::ColorPicked);
            connect(combo, &QComboBox::editTextChanged, this,
                    [this, index] { onEntryTextChanged(index); });
        } else {
            connect(combo, &QComboBox::currentTextChanged, this,
                    [this, index] { onEntryTextChanged(index); });
        }
        return combo;
    };
    auto makeButton = [this](const QString& caption, const QRect& geometry) {
        auto* button = new QPushButton(caption, this);
        button->setGeometry(geometry);
        button->setAutoDefault(false);
        return button;
    };

    const char* titles[] = {"Menu Settings", "Normal Menu Item", "Hover Menu Item"};
    for (std::int16_t i = 0; i < 3; ++i) {
        auto* title =
            makeLabel(QString::fromLatin1(titles[i]), Twips::rect(120 + 4560 * i, 120, 4455, 375));
        title->setObjectName(QStringLiteral("lblTitle%1").arg(i));
        lblTitle.add(i, title);
    }

    auto addEntry = [&](int index, int left, int top, int comboWidth) {
        auto* label = makeLabel(fromUtf8(std::string(MenuSettings::label(index))),
                                Twips::rect(left, top, 2175, 375));
        label->setObjectName(QStringLiteral("lbl%1").arg(index));
        lbl.add(static_cast<std::int16_t>(index), label);
        cbo.add(static_cast<std::int16_t>(index),
                makeCombo(index, Twips::rect(left + 2280, top, comboWidth, 315)));
        if (MenuSettings::isColorEntry(index)) {
            auto* button =
                makeButton(QStringLiteral("..."), Twips::rect(left + 4080, top, 375, 315));
            button->setObjectName(QStringLiteral("cmdChangeColor%1").arg(index));
            cmdChangeColor.add(static_cast<std::int16_t>(index), button);
        }
    };

    for (int row = 0; row <= 6; ++row)
        addEntry(row, 120, 600 + 360 * row, 2175);
    lblTarget = makeLabel(QStringLiteral("Target"), Twips::rect(120, 3120, 2175, 375));
    lblTarget->setObjectName(QStringLiteral("lblTarget"));
    cboTarget = makeCombo(MenuSettings::kTarget, Twips::rect(2400, 3120, 2175, 315));

    const struct {
        const char* caption;
        QRect geometry;
    } commands[] = {{"Create HTML Page File", Twips::rect(120, 3600, 4455, 375)},
                    {"Preview HTML Page File", Twips::rect(120, 4080, 4455, 375)},
                    {"&About", Twips::rect(2400, 6840, 2175, 375)},
                    {"&Exit", Twips::rect(120, 6840, 2175, 375)}};
    for (std::int16_t i = 0; i < 4; ++i) {
        auto* button = makeButton(QString::fromLatin1(commands[i].caption), commands[i].geometry);
        button->setObjectName(QStringLiteral("cmd%1").arg(i));
        cmd.add(i, button);
    }

    for (int row = 0; row < kRowsPerItemColumn; ++row) {
        const bool colour = MenuSettings::isColorEntry(kColumnB + row);
        addEntry(kColumnB + row, 4680, rowTop(row), colour ? 1815 : 2175);
        addEntry(kColumnC + row, 9240, rowTop(row), colour ? 1815 : 2175);
    }

    tmrFlashForm = new QTimer(this);
    tmrFlashForm->setObjectName(QStringLiteral("tmrFlashForm"));
    connect(tmrFlashForm, &QTimer::timeout, this, &frm1::tmrFlashForm_Timer);

    cmd.connect(&QPushButton::clicked, [this](std::int16_t i) { cmd_Click(i); });
    cmdChangeColor.connect(&QPushButton::clicked,
                           [this](std::int16_t i) { cmdChangeColor_Click(i); });
    cbo.connect(&QComboBox::activated, [this](std::int16_t i) { cbo_Click(i); });
}

void frm1::setTabOrder() {
    QList<QWidget*> order;
    for (int i = 0; i <= 6; ++i)
        order.append(cbo[static_cast<std::int16_t>(i)]);
    order.append(cboTarget);
    for (int i = kColumnB; i < MenuSettings::kEntryCount; ++i) {
        order.append(cbo[static_cast<std::int16_t>(i)]);
        if (auto* button = cmdChangeColor[static_cast<std::int16_t>(i)])
            order.append(button);
    }
    for (const auto& [index, button] : cmd.elements())
        order.append(button);
    for (qsizetype k = 0; k + 1 < order.size(); ++k)
        QWidget::setTabOrder(order[k], order[k + 1]);
    for (QObject* control : controls())
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setFocusPolicy(Qt::NoFocus);
}

void frm1::setPointers() {
    setCursor(Pictures::ForbiddenHandPointer());
    for (QObject* control : controls()) {
        auto* widget = qobject_cast<QWidget*>(control);
        if (!widget)
            continue;
        const QString kind = ControlKind::of(widget);
        if (kind == QLatin1String("Label")) {
            widget->setCursor(Qt::ArrowCursor);
        } else if (kind == QLatin1String("CommandButton")) {
            widget->setCursor(Pictures::HandPointer());
        }
    }
    for (int i = 0; i < MenuSettings::kIndexCount; ++i) {
        QComboBox* combo = entry(i);
        switch (MenuSettings::inputKind(i)) {
        case InputKind::List:
            combo->setCursor(Pictures::HandPointer());
            break;
        case InputKind::ColorPicked:
        case InputKind::ColorTyped:
            combo->setCursor(Pictures::GrabPointer());
            break;
        case InputKind::Text:
            combo->setCursor(Pictures::PenPointer());
            break;
        }
        if (combo->lineEdit())
            combo->lineEdit()->setCursor(combo->cursor());
    }
}

QComboBox* frm1::entry(int index) const {
    return index == MenuSettings::kTarget ? cboTarget : cbo[static_cast<std::int16_t>(index)];
}

void frm1::Form_Load() {
    ControlLook::apply(controls(), MainLook::table());
    setKeyPreview(true);
    placeWindow();
    modMain::frmBackdrop = this;
    modMain::PaintBackdrop();
    tmrFlashForm->setInterval(1000);
    tmrFlashForm->start();
    setCancelButton(cmd[static_cast<std::int16_t>(cmd.count() - 1)]);
    lngChildShown = 0;
    cbo[0]->setFocus();
}

void frm1::placeWindow() {
    // The client area ends 120 twips below the Exit button; the window
    // system adds the caption and border.
    const QPushButton* exitButton = cmd[static_cast<std::int16_t>(cmd.count() - 1)];
    const int clientHeight = exitButton->geometry().bottom() + 1 + Twips::toPixels(120);
    setFixedSize(Twips::toPixels(13815), clientHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2, screen.top() + 50);
}

void frm1::Form_Activate() {
    if (lngChildShown == 0) {
        m_settings.initialise();
    } else {
        lngChildShown = 0;
    }
}

void frm1::Form_KeyDown(int, Qt::KeyboardModifiers) {}

void frm1::mirror(int index, MenuSettings::Change change) {
    QComboBox* combo = entry(index);
    const bool wasMirroring = m_mirroring;
    m_mirroring = true;
    switch (change) {
    case MenuSettings::Change::Items: {
        combo->clear();
        QStringList items;
        for (const std::string& item : m_settings.items(index))
            items.append(fromUtf8(item));
        combo->addItems(items);
        break;
    }
    case MenuSettings::Change::Value: {
        const QString value = fromUtf8(m_settings.value(index));
        if (combo->isEditable())
            combo->setEditText(value);
        else
            combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly));
        break;
    }
    case MenuSettings::Change::Enabled:
        combo->setEnabled(m_settings.isEnabled(index));
        break;
    }
    m_mirroring = wasMirroring;
}

void frm1::onEntryTextChanged(int index) {
    if (!m_mirroring) {
        const QByteArray text = entry(index)->currentText().toUtf8();
        m_settings.setValue(index, text.toStdString());
    }
    if (index != MenuSettings::kTarget)
        cbo_Change(static_cast<std::int16_t>(index));
}

void frm1::cbo_Change(std::int16_t index) {
    if (!MenuSettings::isColorEntry(index))
        return;
    QComboBox* combo = cbo[index];
    try {
        const std::int32_t value = halvero::HexToColor(combo->currentText().toStdString());
        ControlLook::setBackColor(combo,
                                  QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    } catch (const halvero::ColorTextError&) {
        // Half-typed colour: the box keeps its last good colour.
    }
}

void frm1::cbo_Click(std::int16_t index) {
    if (index == MenuSettings::kStatusUrl)
        m_settings.applyStatusBarRule();
}

void frm1::cmdChangeColor_Click(std::int16_t index) {
    QComboBox* combo = cbo[index];
    if (!combo || !MyDialog)
        return;
    const std::optional<QColor> chosen = MyDialog(ControlLook::backColor(combo));
    if (!chosen)
        return; // cancelled: the entry stays as it was
    const std::int32_t value = chosen->red() + 256 * chosen->green() + 65536 * chosen->blue();
    m_settings.setValue(index, halvero::ColorToHex(value));
}

void frm1::tmrFlashForm_Timer() {
    m_flashOn = !m_flashOn;
    WindowAttention::set(this, m_flashOn);
}

std::string frm1::pathFor(const std::string& fileName) const {
    return halvero::PageFile::joinPath(QFile::encodeName(m_programFolder).toStdString(), fileName);
}

QString frm1::pagePath() const {
    return QFile::decodeName(QByteArray::fromStdString(pathFor("pattern.htm")));
}

void frm1::GenerateHTMLFile(const std::string& strFileName) {
    const std::string page = halvero::PageWriter::compose(m_settings, halvero::Timestamp::now());
    halvero::PageFile::write(pathFor(strFileName), page);
}

void frm1::showError(const QString& what, const QString& why) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Halvero"), what, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("commandError"));
    box.setInformativeText(why);
    box.exec();
}

void frm1::cmd_Click(std::int16_t index) {
    const std::int16_t count = cmd.count();
    if (index == 0) {
        try {
            GenerateHTMLFile("pattern.htm");
        } catch (const halvero::PageWriteError& error) {
            showError(QStringLiteral("The page could not be written."),
                      QString::fromLocal8Bit(error.what()));
        }
    } else if (index == 1) {
        lngChildShown = 1;
        QString error;
        Form* preview = PreviewLoader::Load(pagePath(), &error);
        if (!preview) {
            lngChildShown = 0;
            showError(QStringLiteral("The preview could not be opened."), error);
            return;
        }
        preview->ShowModal();
    } else if (index == count - 2) {
        lngChildShown = 1;
        auto* about = Form::Load<frm2>();
        about->setApplicationName(modMain::strAppName);
        about->setApplicationDate(modMain::strAppDate);
        about->setApplicationVersion(modMain::strAppVersion);
        about->ShowModal();
    } else if (index == count - 1) {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Question"),
                             QStringLiteral("Do you want to exit?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setObjectName(QStringLiteral("exitQuestion"));
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() == QMessageBox::Yes)
            ExitApplication();
    }
}

void frm1::ExitApplication() {
    KeyboardLayout::switchAwayFromRightToLeft();
    Unload();
    QCoreApplication::exit(0);
}
