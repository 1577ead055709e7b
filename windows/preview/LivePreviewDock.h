#pragma once

#include <QByteArray>
#include <QDockWidget>
#include <QString>
#include <functional>
#include <utility>

class MenuDocument;
class QAction;
class QButtonGroup;
class QComboBox;
class QMainWindow;
class QLabel;
class QTimer;

// The live preview, docked beside the settings (right side by default,
// movable): the page the menu makes now, updated as the user edits, at a
// phone's width, a tablet's or filling the dock, and, when the menu has a
// site, the menu alone or in one of the site's pages. The browser engine starts
// only once the dock has been painted, so the window shows at its usual
// speed; until then the dock says the preview is starting. Whether it is
// shown, and at what width, is kept in Halvero's configuration file.
class LivePreviewDock : public QDockWidget {
    Q_OBJECT
public:
    // The page of the moment: its path (for its relative addresses) and
    // text; the menu's own page, or with `sitePage` (from the site's
    // folder), that page of the site with the menu in place.
    using PageSource = std::function<std::pair<QString, QByteArray>(const QString& sitePage)>;

    static constexpr int kPhoneWidth = 375;
    static constexpr int kTabletWidth = 768;

    LivePreviewDock(PageSource page, QWidget* parent);

    // Docks a live preview on the right of `window`, made when `toggle` is
    // first checked and shown while it is (its close button unticks it),
    // following `document`; the window keeps its size while the preview is
    // hidden. Once the window has been painted, `toggle` takes the state the
    // preview had when the program last ended.
    static void attach(QMainWindow* window, QAction* toggle, const MenuDocument& document,
                       PageSource page);

    // Whether the dock was shown when the program last ended, as kept by
    // keepShown().
    static bool wasShown();
    static void keepShown(bool shown);

    // The site's folder (absolute, or empty for none): its pages are
    // offered beside the widths.
    void setSiteFolder(const QString& folder);
    // The site's page shown ("about/team.html"), or empty for the menu's own.
    QString sitePage() const;

public slots:
    // The menu changed: the view follows at the next turn of the event
    // loop, once for any number of changes made together.
    void pageChanged();

signals:
    // The view shows the page given last (for benches and tests).
    void pageShown();
    // The user closed the dock (its close button).
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void startView();
    void showPage();
    void chooseWidth(int width);

    PageSource m_page;
    QWidget* m_view = nullptr;
    QLabel* m_starting = nullptr;
    QButtonGroup* m_widths = nullptr;
    QLabel* m_pagesLabel = nullptr;
    QComboBox* m_pages = nullptr;
    QString m_siteFolder;
    QTimer* m_update = nullptr;
    bool m_startAsked = false;
};
