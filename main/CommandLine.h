#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks for, read before any window or display
// exists:
//   halvero [FILE]                       the window, with FILE's settings
//   halvero --write PAGE [--settings FILE] [--items FILE] [--set KEY=VALUE]...
//           [--style classic|modern] [--fragment [style|nav]] [--current LINK]
//                                        the page alone, no window
//   halvero --site [DIR] [--check] [--adopt] [--settings FILE] [--items FILE]
//           [--set KEY=VALUE]...         the menu written into a site's pages
//   halvero --save FILE [--settings FILE] [--items FILE | --import PAGE] [--set ...]
//                                        the settings kept in a file (also
//                                        with --write or --site)
//   halvero --looks                      the looks --look takes (with --write,
//                                        --site and --save)
//   halvero --help | --version
// It only reads the arguments; the caller acts on them.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Window, WritePage, UpdateSite, SaveSettings, Looks, Help, Version, Error };

    explicit CommandLine(const QStringList& arguments);

    Action action() const { return m_action; }
    // The settings file to open in the window, or to write the page from.
    const QString& settingsFile() const { return m_settingsFile; }
    // Where --items reads the menu's items ("-" for standard input), or empty.
    const QString& itemsFile() const { return m_itemsFile; }
    // The page whose navigation --import reads ("page.html#id"), or empty.
    const QString& importPage() const { return m_importPage; }
    // Where --save keeps the settings, or empty.
    const QString& saveFile() const { return m_saveFile; }
    // "classic", "modern", or empty when the settings decide.
    const QString& style() const { return m_style; }
    // Whether --write writes only the fragment for an existing page, and
    // which part of it: "style", "nav", or empty for both.
    bool fragment() const { return m_fragment; }
    const QString& fragmentPart() const { return m_fragmentPart; }
    // The link of the page the menu is written for (--current), or empty.
    const QString& currentLink() const { return m_currentLink; }
    // Where --write puts the page; "-" for standard output.
    const QString& pagePath() const { return m_pagePath; }
    // The site's folder for --site (empty: the settings' own), whether
    // --check only compares, and whether --adopt puts the menu in place of
    // the navigation of pages without markers.
    const QString& siteFolder() const { return m_siteFolder; }
    bool check() const { return m_check; }
    bool adopt() const { return m_adopt; }
    // The look --look names (a known one), or empty.
    const QString& look() const { return m_look; }
    // The KEY=VALUE texts of --set, in order.
    const QStringList& assignments() const { return m_assignments; }
    // Why the arguments were refused (Action::Error).
    const QString& error() const { return m_error; }

    static QString helpText();
    // --help's list of every settings key, from the table of settings.
    static QString keysText();
    static QString versionText();

private:
    Action m_action = Action::Window;
    QString m_settingsFile;
    QString m_pagePath;
    QString m_itemsFile;
    QString m_importPage;
    QString m_saveFile;
    QString m_style;
    bool m_fragment = false;
    QString m_fragmentPart;
    QString m_currentLink;
    QString m_siteFolder;
    bool m_check = false;
    bool m_adopt = false;
    QString m_look;
    QStringList m_assignments;
    QString m_error;
};
