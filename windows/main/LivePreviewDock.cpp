#include "windows/main/LivePreviewDock.h"

#include "app/platform/ConfigFile.h"
#include "app/preview/PreviewEngine.h"
#include "windows/main/MenuDocument.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMetaObject>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr char kShownKey[] = "livePreview/shown";
constexpr char kWidthKey[] = "livePreview/width";

} // namespace

LivePreviewDock::LivePreviewDock(PageSource page, QWidget* parent)
    : QDockWidget(tr("Live Preview"), parent), m_page(std::move(page)) {
    setObjectName(QStringLiteral("livePreview"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* choices = new QHBoxLayout;
    m_widths = new QButtonGroup(this);
    for (const auto& [width, caption, tip] :
         {std::tuple{kPhoneWidth, tr("&Phone"), tr("As on a phone, 375 pixels wide")},
          {kTabletWidth, tr("&Tablet"), tr("As on a tablet, 768 pixels wide")},
          {0, tr("F&ill"), tr("As wide as the dock")}}) {
        auto* button = new QToolButton(content);
        button->setObjectName(width == kPhoneWidth    ? QStringLiteral("phoneWidth")
                              : width == kTabletWidth ? QStringLiteral("tabletWidth")
                                                      : QStringLiteral("fillWidth"));
        button->setText(caption);
        button->setToolTip(tip);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::StrongFocus);
        m_widths->addButton(button, width);
        choices->addWidget(button);
    }
    choices->addStretch();
    layout->addLayout(choices);
    m_starting = new QLabel(tr("The preview is starting\u2026"), content);
    m_starting->setAlignment(Qt::AlignCenter);
    m_starting->setMinimumSize(kPhoneWidth, 300);
    m_starting->installEventFilter(this);
    layout->addWidget(m_starting, 1);
    setWidget(content);

    const int width = ConfigFile::open().value(QLatin1String(kWidthKey), kPhoneWidth).toInt();
    if (QAbstractButton* chosen = m_widths->button(width))
        chosen->setChecked(true);
    else
        m_widths->button(kPhoneWidth)->setChecked(true);
    connect(m_widths, &QButtonGroup::idClicked, this, &LivePreviewDock::chooseWidth);

    m_update = new QTimer(this);
    m_update->setSingleShot(true);
    m_update->setInterval(0);
    connect(m_update, &QTimer::timeout, this, &LivePreviewDock::showPage);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            pageChanged();
    });
}

LivePreviewDock* LivePreviewDock::attach(QMainWindow* window, QAction* toggle,
                                         const MenuDocument& document, PageSource page) {
    auto* dock = new LivePreviewDock(std::move(page), window);
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide(); // until the action shows it, once the window is placed
    connect(&document, &MenuDocument::changed, dock, &LivePreviewDock::pageChanged);
    connect(dock, &LivePreviewDock::closed, toggle, [toggle] { toggle->setChecked(false); });
    // The settings keep their fixed size; with the preview docked, the
    // window may grow to give it room.
    connect(toggle, &QAction::toggled, dock, [window, dock](bool shown) {
        keepShown(shown);
        dock->setVisible(shown);
        window->layout()->setSizeConstraint(shown ? QLayout::SetDefaultConstraint
                                                  : QLayout::SetFixedSize);
        if (shown)
            window->resize(window->centralWidget()->width() + kPhoneWidth + 40, window->height());
        else
            window->adjustSize();
    });
    return dock;
}

bool LivePreviewDock::wasShown() {
    return ConfigFile::open().value(QLatin1String(kShownKey), false).toBool();
}

void LivePreviewDock::keepShown(bool shown) {
    ConfigFile::open().setValue(QLatin1String(kShownKey), shown);
}

// The engine starts after the dock's first paint, in a turn of its own.
bool LivePreviewDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_starting && event->type() == QEvent::Paint && !m_startAsked) {
        m_startAsked = true;
        QTimer::singleShot(0, this, &LivePreviewDock::startView);
    }
    return QDockWidget::eventFilter(watched, event);
}

void LivePreviewDock::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    emit closed();
}

void LivePreviewDock::startView() {
    QString error;
    m_view = PreviewEngine::makeLiveView(widget(), &error);
    if (!m_view) {
        m_starting->setText(tr("The preview could not be started: %1").arg(error));
        m_starting->setWordWrap(true);
        return;
    }
    connect(m_view, SIGNAL(pageShown()), this, SIGNAL(pageShown()));
    widget()->layout()->replaceWidget(m_starting, m_view);
    m_starting->hide();
    chooseWidth(m_widths->checkedId());
    showPage();
}

void LivePreviewDock::pageChanged() {
    if (m_view && isVisible())
        m_update->start();
}

void LivePreviewDock::showPage() {
    if (!m_view)
        return;
    const auto [path, text] = m_page();
    QMetaObject::invokeMethod(m_view, "setPage", Q_ARG(QString, path), Q_ARG(QByteArray, text));
}

void LivePreviewDock::chooseWidth(int width) {
    ConfigFile::open().setValue(QLatin1String(kWidthKey), width);
    if (m_view)
        QMetaObject::invokeMethod(m_view, "setPageWidth", Q_ARG(int, width));
}
