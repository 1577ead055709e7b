#pragma once

#include "core/settings/MenuSettings.h"
#include "core/site/SiteJob.h"

#include <QDialog>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// Page > Update Site...: the menu written into every page of a site's
// folder, as `halvero --site` writes it. The folder is picked (and kept by
// the menu); the pages are listed with what will happen to each (update,
// unchanged, no markers, cannot read); Update writes them with a progress
// bar and a Cancel that stops before the next page. The pages are read and
// written by a SiteJob on worker threads, the window staying live; while
// another run updates the same site, the dialog says so and waits for Update.
class SiteDialog : public QDialog {
    Q_OBJECT
public:
    // How the folder is picked: given the dialog and the folder shown,
    // returns the folder chosen or an empty text. A test sets its own.
    using FolderDialog = std::function<QString(QWidget*, const QString&)>;
    static void setFolderDialog(FolderDialog dialog);

    SiteDialog(const halvero::MenuSettings& settings, const QString& folder,
               QWidget* parent = nullptr);
    ~SiteDialog() override;

    // The folder the pages are in, absolute; empty while none is chosen.
    const QString& folder() const { return m_folder; }
    // Whether pages were written (or tried), and what was done, for the
    // status bar ("7 pages: 6 updated, ...").
    bool ranUpdate() const { return m_ranUpdate; }
    const QString& summary() const { return m_summary; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void choose();
    // Reads every page (check: writes nothing) on the workers.
    void start(bool check);
    void poll();
    void finish();
    void stopWorkers();
    QString what(const halvero::SiteJob::Page& page) const;
    QString whatHappened(const halvero::SiteJob::Page& page) const;

    halvero::MenuSettings m_settings;
    QString m_folder;
    QString m_summary;
    QLineEdit* m_folderLine;
    QCheckBox* m_adopt;
    QTreeWidget* m_list;
    QLabel* m_state;
    QProgressBar* m_progress;
    QPushButton* m_update;
    QPushButton* m_close;
    QTimer m_poll;

    std::unique_ptr<halvero::SiteJob> m_job;
    bool m_checking = true;
    bool m_shown = false;
    bool m_ranUpdate = false;
    bool m_started = false; // the job ran (not refused)
    std::atomic<bool> m_finished{false};
    std::thread m_worker;
};
