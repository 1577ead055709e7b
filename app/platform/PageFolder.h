#pragma once

#include <QString>
#include <optional>

// Decides which folder the page goes into, once per run: the program's own
// folder when this user may write it (a copy kept in the user's folders),
// otherwise "Halvero" in the user's documents folder, or in the home folder
// when there is none (a program installed system-wide, or run from a
// read-only medium). A program folder that is missing is kept: writing
// there reports the missing folder. Creating the per-user folder is left to
// prepare(); writing the page is the core's business.
class PageFolder {
public:
    explicit PageFolder(QString programFolder);

    // The folder for this run, decided at the first call.
    QString path();
    // Whether path() is the per-user folder instead of the program's.
    bool isPerUser();
    // Creates the per-user folder when needed. False, with the system's
    // reason, when it cannot be created.
    bool prepare(QString* reason);

private:
    static QString perUserFolder();
    void decide();

    QString m_programFolder;
    std::optional<QString> m_path; // decided at the first call
    bool m_perUser = false;
};
