#include "windows/preview/LivePreviewDock.h"

#include "app/platform/ConfigFile.h"
#include "app/preview/PreviewEngine.h"
#include "windows/document/MenuDocument.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMetaObject>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

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
         {std::tuple{kPhoneWidth, tr("Ph&one"), tr("As on a phone, 375 pixels wide")},
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
    m_pagesLabel = new QLabel(tr("Sho&w:"), content);
    m_pages = new QComboBox(content);
    m_pages->setObjectName(QStringLiteral("previewPage"));
    m_pages->setToolTip(tr("The menu alone, or in one of the site's pages as Update Site "
                           "writes it"));
    m_pages->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pages->setMinimumContentsLength(12);
    m_pagesLabel->setBuddy(m_pages);
    for (QWidget* shown : {static_cast<QWidget*>(m_pagesLabel), static_cast<QWidget*>(m_pages)}) {
        choices->addWidget(shown);
        shown->hide();
    }
    connect(m_pages, &QComboBox::currentIndexChanged, this, [this] { pageChanged(); });
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

namespace {

// The dock, made when it is first shown: a window whose live preview is
// closed pays nothing for it at start. Whether it was shown is read once the
// window has been painted, so a preview remembered open leaves the first
// paint as it is and fills in beside it.
class DockOnDemand : public QObject {
public:
    DockOnDemand(QMainWindow* window, QAction* toggle, const MenuDocument& document,
                 LivePreviewDock::PageSource page)
        : QObject(window), m_window(window), m_toggle(toggle), m_document(document),
          m_page(std::move(page)) {
        connect(toggle, &QAction::toggled, this, &DockOnDemand::show);
        QWidget* surface = window->centralWidget();
        (surface ? surface : window)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (LivePreviewDock::wasShown())
                    m_toggle->setChecked(true);
            });
        }
        return false;
    }

private:
    // The settings keep their fixed size; with the preview docked, the
    // window may grow to give it room.
    void show(bool shown) {
        LivePreviewDock::keepShown(shown);
        if (shown && !m_dock) {
            m_dock = new LivePreviewDock(m_page, m_window);
            m_window->addDockWidget(Qt::RightDockWidgetArea, m_dock);
            connect(&m_document, &MenuDocument::changed, m_dock, [this] {
                m_dock->setSiteFolder(m_document.siteFolder());
                m_dock->pageChanged();
            });
            m_dock->setSiteFolder(m_document.siteFolder());
            connect(m_dock, &LivePreviewDock::closed, m_toggle,
                    [toggle = m_toggle] { toggle->setChecked(false); });
        }
        if (!m_dock)
            return;
        m_dock->setVisible(shown);
        m_window->layout()->setSizeConstraint(shown ? QLayout::SetDefaultConstraint
                                                    : QLayout::SetFixedSize);
        if (shown) {
            m_window->resize(m_window->centralWidget()->width() + LivePreviewDock::kPhoneWidth + 40,
                             m_window->height());
            // Grown, the window stays on its screen.
            if (const QScreen* screen = m_window->screen(); screen && m_window->isVisible()) {
                const QRect room = screen->availableGeometry();
                const QRect frame = m_window->frameGeometry();
                if (const int over = frame.right() - room.right(); over > 0)
                    m_window->move(std::max(room.left(), frame.left() - over), frame.top());
            }
        } else
            m_window->adjustSize();
    }

    QMainWindow* m_window;
    QAction* m_toggle;
    const MenuDocument& m_document;
    LivePreviewDock::PageSource m_page;
    LivePreviewDock* m_dock = nullptr;
};

} // namespace

void LivePreviewDock::attach(QMainWindow* window, QAction* toggle, const MenuDocument& document,
                             PageSource page) {
    new DockOnDemand(window, toggle, document, std::move(page));
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

namespace {

// The site's pages (.html and .htm) from its folder, its home first, then
// by name; hidden folders and links are passed over, as a site update does.
QStringList pagesOf(const QString& folder) {
    constexpr qsizetype kMostPages = 2000;
    QStringList pages;
    QDirIterator walk(folder, {QStringLiteral("*.html"), QStringLiteral("*.htm")},
                      QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    const QDir root(folder);
    while (walk.hasNext() && pages.size() < kMostPages) {
        const QString page = root.relativeFilePath(walk.next());
        if (!page.startsWith(QLatin1Char('.')) && !page.contains(QLatin1String("/.")))
            pages.append(page);
    }
    std::sort(pages.begin(), pages.end(), [](const QString& a, const QString& b) {
        const bool aHome = a == QLatin1String("index.html"),
                   bHome = b == QLatin1String("index.html");
        return aHome != bHome ? aHome : a < b;
    });
    return pages;
}

} // namespace

void LivePreviewDock::setSiteFolder(const QString& folder) {
    if (folder == m_siteFolder)
        return;
    m_siteFolder = folder;
    const QString shown = sitePage();
    const QSignalBlocker quiet(m_pages);
    m_pages->clear();
    m_pages->addItem(tr("The menu alone"), QString());
    if (!folder.isEmpty())
        for (const QString& page : pagesOf(folder))
            m_pages->addItem(page, page);
    m_pages->setCurrentIndex(std::max(0, m_pages->findData(shown)));
    const bool offered = m_pages->count() > 1;
    m_pagesLabel->setVisible(offered);
    m_pages->setVisible(offered);
    pageChanged();
}

QString LivePreviewDock::sitePage() const {
    return m_pages->currentData().toString();
}

void LivePreviewDock::pageChanged() {
    if (m_view && isVisible())
        m_update->start();
}

void LivePreviewDock::showPage() {
    if (!m_view)
        return;
    const auto [path, text] = m_page(sitePage());
    QMetaObject::invokeMethod(m_view, "setPage", Q_ARG(QString, path), Q_ARG(QByteArray, text));
}

void LivePreviewDock::chooseWidth(int width) {
    ConfigFile::open().setValue(QLatin1String(kWidthKey), width);
    if (m_view)
        QMetaObject::invokeMethod(m_view, "setPageWidth", Q_ARG(int, width));
}
