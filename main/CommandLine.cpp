#include "main/CommandLine.h"

#include "app/Identity.h"
#include "core/settings/MenuLook.h"
#include "core/settings/SettingTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <utility>

namespace {

// Every option with its description, and the description of the program
// with its exit statuses: what --help shows.
struct Options {
    QCommandLineOption write, settings, look, set, items, import, save, style, fragment, current,
        site, check, adopt, looks;

    Options()
        : write({QStringLiteral("w"), QStringLiteral("write")},
                CommandLine::tr(
                    "Write the page to PAGE (\"-\" for standard output) and exit, without a "
                    "window or a display."),
                QStringLiteral("PAGE")),
          settings(
              {QStringLiteral("s"), QStringLiteral("settings")},
              CommandLine::tr("With --write: take the settings from FILE instead of the defaults."),
              QStringLiteral("FILE")),
          look(QStringLiteral("look"),
               CommandLine::tr(
                   "With --write, --site or --save: give the menu the look NAME (see --looks) "
                   "after FILE and before --set: its page style and every setting of its "
                   "appearance; the items, the status bar, the target and the site stay."),
               QStringLiteral("NAME")),
          set(QStringLiteral("set"),
              CommandLine::tr(
                  "With --write or --site: set one setting, after FILE; KEY is its group and "
                  "key as in the settings file (menu.itemCount, normal.fontColor, "
                  "page.barColor); every key is listed below."),
              QStringLiteral("KEY=VALUE")),
          items(QStringLiteral("items"),
                CommandLine::tr(
                    "With --write: take the menu's items from FILE (\"-\" for standard input), "
                    "one a line: label<TAB>link[<TAB>tooltip[<TAB>target]], a sub-menu's items "
                    "after their parent with one > a level before the label (\"> Web "
                    "design<TAB>web.html\"); blank lines and lines starting with # are "
                    "skipped. They replace the settings file's items; the page shows them (at "
                    "most 20 at the top; the classic page shows no sub-menus)."),
                QStringLiteral("FILE")),
          import(QStringLiteral("import"),
                 CommandLine::tr(
                     "Take the menu's items from the navigation of an existing page, as --items "
                     "does from a list: the page's first <nav> (or, for PAGE#ID, the <nav> or "
                     "<ul> with that id), its nested lists three levels deep, each link's label, "
                     "address and target; links are rewritten from the page's folder to the "
                     "site's root (page.siteFolder, or the page's folder). What was read is "
                     "listed on standard error."),
                 QStringLiteral("PAGE")),
          save(QStringLiteral("save"),
               CommandLine::tr(
                   "Keep the settings as given (--settings, then --items or --import, then "
                   "--set) in the settings file FILE, replaced whole; alone, or with --write "
                   "or --site."),
               QStringLiteral("FILE")),
          style(QStringLiteral("style"),
                CommandLine::tr(
                    "With --write: the page's style, classic (the XHTML page, the default) or "
                    "modern (HTML5 and CSS; a small inline script for sub-menus)."),
                QStringLiteral("STYLE")),
          fragment(QStringLiteral("fragment"),
                   CommandLine::tr(
                       "With --write: write only the modern menu's <style> and <nav>, to paste "
                       "into an existing page; --fragment style writes the <style> alone (for "
                       "the page's <head>), --fragment nav the <nav> and its script alone.")),
          current(QStringLiteral("current"),
                  CommandLine::tr(
                      "With --write: mark the first item that links to LINK as the page the "
                      "menu is on (aria-current in the modern page), and no other."),
                  QStringLiteral("LINK")),
          site(QStringLiteral("site"),
               CommandLine::tr(
                   "Write the menu into every .html and .htm page under DIR, sub-folders "
                   "included (hidden folders and links leading out of DIR left alone), "
                   "between the markers <!-- halvero-menu --> and <!-- /halvero-menu --> and "
                   "its style between <!-- halvero-menu-style --> and <!-- "
                   "/halvero-menu-style -->, its breadcrumb trail between <!-- "
                   "halvero-breadcrumb --> and <!-- /halvero-breadcrumb -->, each page with "
                   "its own current item and links; pages without markers are named and left "
                   "alone (see --adopt), and so are those page.siteExclude names. Without DIR "
                   "(last, or \"\"), the settings file's page.siteFolder. Takes --settings, "
                   "--items and --set as --write does."),
               QStringLiteral("DIR")),
          check(QStringLiteral("check"),
                CommandLine::tr(
                    "With --site: write nothing; show how each page's menu differs from what "
                    "the settings make (a short diff), and exit with 1 when one does, when a "
                    "page has no markers (and is not excluded), or when an item's link leads to "
                    "no file of the site.")),
          adopt(QStringLiteral("adopt"),
                CommandLine::tr(
                    "With --site: in each page without markers, put the menu in place of the "
                    "<nav> whose links are most of the menu's, between the markers, and the "
                    "style markers before </head>; pages where none is found are named and "
                    "left alone. With --check, say what it would do.")),
          looks(QStringLiteral("looks"),
                CommandLine::tr(
                    "List the looks --look takes, one a line: its name, a tab and what it "
                    "looks like.")) {}

    // Adds the options to `parser`; returns the help and version options.
    std::pair<QCommandLineOption, QCommandLineOption> addTo(QCommandLineParser& parser) const {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(CommandLine::tr(
            "Builds the page of a web site's navigation menu.\n"
            "\n"
            "With no options, opens the window, with the settings of FILE (a\n"
            ".halvero settings file) when one is given. When Halvero already runs\n"
            "on this desktop, FILE opens in the running window instead.\n"
            "\n"
            "Exit status: 0 when the page was written; 1 for bad input (an unknown\n"
            "key or option, a value the page cannot take, a settings file that\n"
            "cannot be read, a file the running window did not take); 2 when the\n"
            "page cannot be written. With --site: 0 when every page with markers\n"
            "is up to date, 1 when a page is no UTF-8 text or has broken markers\n"
            "(or, with --check, differs, has no markers, or an item's link leads\n"
            "to no file), 2 when a page could not be written; the other pages are\n"
            "updated all the same."));
        std::pair<QCommandLineOption, QCommandLineOption> standard{parser.addHelpOption(),
                                                                   parser.addVersionOption()};
        parser.addOptions({write, settings, look, set, items, import, save, style, fragment,
                           current, site, check, adopt, looks});
        parser.addPositionalArgument(QStringLiteral("FILE"),
                                     CommandLine::tr("A settings file to open."),
                                     QStringLiteral("[FILE]"));
        return standard;
    }
};

} // namespace

CommandLine::CommandLine(const QStringList& given) {
    const Options options;
    QCommandLineParser parser;
    const auto [help, version] = options.addTo(parser);
    // --site without its folder, last or before another option, takes the
    // settings' own: the parser is given the empty folder it stands for.
    QStringList arguments = given;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if ((arguments[i] == QLatin1String("--site") || arguments[i] == QLatin1String("-site")) &&
            (i + 1 == arguments.size() ||
             (arguments[i + 1].startsWith(QLatin1Char('-')) && arguments[i + 1].size() > 1)))
            arguments.insert(i + 1, QString());

    auto refuse = [this](const QString& why) {
        m_action = Action::Error;
        m_error = why;
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
        return;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        m_action = Action::Help;
        return;
    }
    if (parser.isSet(version)) {
        m_action = Action::Version;
        return;
    }
    if (parser.isSet(options.looks)) {
        if (arguments.size() > 2) {
            refuse(tr("--looks goes alone"));
            return;
        }
        m_action = Action::Looks;
        return;
    }
    const QStringList files = parser.positionalArguments();
    m_assignments = parser.values(options.set);
    for (const QCommandLineOption* once :
         {&options.write, &options.settings, &options.look, &options.items, &options.import,
          &options.save, &options.style, &options.current, &options.site}) {
        if (parser.values(*once).size() > 1) {
            refuse(tr("--%1 is given once").arg(once->names().constLast()));
            return;
        }
    }
    for (const QCommandLineOption* named :
         {&options.write, &options.settings, &options.items, &options.import, &options.save}) {
        if (parser.isSet(*named) && parser.value(*named).isEmpty()) {
            refuse(tr("--%1 needs a file name").arg(named->names().constLast()));
            return;
        }
    }
    for (const QCommandLineOption* withSite : {&options.check, &options.adopt}) {
        if (parser.isSet(*withSite) && !parser.isSet(options.site)) {
            refuse(tr("--%1 goes with --site DIR").arg(withSite->names().constLast()));
            return;
        }
    }
    if (parser.isSet(options.items) && parser.isSet(options.import)) {
        refuse(tr("--items and --import both give the items; take one"));
        return;
    }
    if (parser.isSet(options.look)) {
        m_look = parser.value(options.look);
        if (!halvero::MenuLook::find(m_look.toStdString())) {
            refuse(tr("--look: no look '%1' (the looks are %2)")
                       .arg(m_look, QString::fromStdString(halvero::MenuLook::namesInWords())));
            return;
        }
    }
    m_settingsFile = parser.value(options.settings);
    m_itemsFile = parser.value(options.items);
    m_importPage = parser.value(options.import);
    m_saveFile = parser.value(options.save);
    if (parser.isSet(options.site)) {
        m_action = Action::UpdateSite;
        m_siteFolder = parser.value(options.site);
        m_check = parser.isSet(options.check);
        m_adopt = parser.isSet(options.adopt);
        for (const QCommandLineOption* notHere :
             {&options.write, &options.fragment, &options.current}) {
            if (parser.isSet(*notHere)) {
                refuse(tr("--%1 does not go with --site (every page gets the modern menu, "
                          "marked for itself)")
                           .arg(notHere->names().constLast()));
                return;
            }
        }
        if (parser.isSet(options.style) && parser.value(options.style) != QLatin1String("modern")) {
            refuse(tr("--site writes the modern menu into pages; --style is modern there"));
            return;
        }
        if (!files.isEmpty()) {
            refuse(tr("unexpected argument '%1' (the settings file goes after --settings)")
                       .arg(files.first()));
            return;
        }
        return;
    }
    if (parser.isSet(options.write)) {
        m_action = Action::WritePage;
        m_pagePath = parser.value(options.write);
        m_style = parser.value(options.style);
        m_fragment = parser.isSet(options.fragment);
        m_currentLink = parser.value(options.current);
        // The part of the fragment follows it as a word of its own.
        if (m_fragment && !files.isEmpty()) {
            if (files.size() > 1 || (files.first() != QLatin1String("style") &&
                                     files.first() != QLatin1String("nav"))) {
                refuse(tr("--fragment writes style and navigation, or one of them: --fragment "
                          "style or --fragment nav, not '%1'")
                           .arg(files.join(QLatin1Char(' '))));
                return;
            }
            m_fragmentPart = files.first();
            return;
        }
        if (parser.isSet(options.style) && m_style != QLatin1String("classic") &&
            m_style != QLatin1String("modern")) {
            refuse(tr("--style is classic or modern, not '%1'").arg(m_style));
            return;
        }
        if (m_fragment && m_style == QLatin1String("classic")) {
            refuse(tr("--fragment writes the modern menu's code; the classic page has none "
                      "(leave out --style classic)"));
            return;
        }
        if (!files.isEmpty()) {
            refuse(tr("unexpected argument '%1' (the settings file goes "
                      "after --settings)")
                       .arg(files.first()));
            return;
        }
        return;
    }
    for (const QCommandLineOption* withWrite :
         {&options.style, &options.fragment, &options.current}) {
        if (parser.isSet(*withWrite)) {
            refuse(tr("--%1 goes with --write PAGE").arg(withWrite->names().constLast()));
            return;
        }
    }
    if (parser.isSet(options.save)) {
        m_action = Action::SaveSettings;
        if (!files.isEmpty()) {
            refuse(tr("unexpected argument '%1' (the settings file goes after --settings)")
                       .arg(files.first()));
            return;
        }
        return;
    }
    for (const QCommandLineOption* withWrite :
         {&options.settings, &options.look, &options.set, &options.items, &options.import}) {
        if (parser.isSet(*withWrite)) {
            refuse(tr("--%1 goes with --write PAGE, --site DIR or --save FILE")
                       .arg(withWrite->names().constLast()));
            return;
        }
    }
    if (files.size() > 1) {
        refuse(tr("one settings file at a time"));
        return;
    }
    m_settingsFile = files.value(0);
}

QString CommandLine::keysText() {
    QString text = tr("\nKeys for --set, with what each may hold and its default:\n");
    for (const halvero::Setting& setting : halvero::SettingTable::all()) {
        // The hovered item's keys are the normal item's: one line serves both.
        if (setting.group == halvero::SettingGroup::Hover)
            continue;
        QString names = QString::fromStdString(halvero::SettingTable::nameOf(setting));
        QString defaults = QString::fromLatin1(setting.defaultValue), also;
        if (setting.group == halvero::SettingGroup::Normal) {
            const halvero::Setting* hover =
                halvero::SettingTable::find(halvero::SettingGroup::Hover, setting.key);
            names += QStringLiteral(", ") +
                     QString::fromStdString(halvero::SettingTable::nameOf(*hover));
            if (hover->defaultValue != setting.defaultValue)
                defaults += QStringLiteral("; hover ") + QString::fromLatin1(hover->defaultValue);
            if (hover->valuesInWords() != setting.valuesInWords())
                also = QStringLiteral("; hover also ") +
                       QString::fromLatin1(halvero::SettingTable::kSameAsNormal);
        }
        text += QStringLiteral("  %1\n      %2 (default %3)%4\n")
                    .arg(names, QString::fromStdString(setting.valuesInWords()),
                         defaults.isEmpty() ? tr("empty") : defaults, also);
    }
    return text;
}

QString CommandLine::helpText() {
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    QString text = parser.helpText();
    // Without an application object the parser cannot know the program's
    // name.
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("halvero"));
    return text + keysText();
}

QString CommandLine::versionText() {
    return Identity::name().toLower() + QLatin1Char(' ') + Identity::version() + QLatin1Char('\n');
}
