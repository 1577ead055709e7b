#include "app/CommandLine.h"

#include "app/Identity.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The command line's own texts, translated where a translation is installed.
QString tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption write({QStringLiteral("w"), QStringLiteral("write")}, {},
                                   QStringLiteral("PAGE"));
    const QCommandLineOption settings({QStringLiteral("s"), QStringLiteral("settings")}, {},
                                      QStringLiteral("FILE"));
    const QCommandLineOption set(QStringLiteral("set"), {}, QStringLiteral("KEY=VALUE"));
    const QCommandLineOption items(QStringLiteral("items"), {}, QStringLiteral("FILE"));
    const QCommandLineOption style(QStringLiteral("style"), {}, QStringLiteral("STYLE"));
    const QCommandLineOption fragment(QStringLiteral("fragment"));
    const QCommandLineOption current(QStringLiteral("current"), {}, QStringLiteral("LINK"));
    parser.addOptions({help, version, write, settings, set, items, style, fragment, current});

    auto refuse = [this](const QString& why) {
        m_action = Action::Error;
        m_error = why;
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
        return;
    }
    if (parser.isSet(help)) {
        m_action = Action::Help;
        return;
    }
    if (parser.isSet(version)) {
        m_action = Action::Version;
        return;
    }
    const QStringList files = parser.positionalArguments();
    m_assignments = parser.values(set);
    if (parser.values(write).size() > 1 || parser.values(settings).size() > 1 ||
        parser.values(items).size() > 1 || parser.values(current).size() > 1 ||
        parser.values(style).size() > 1) {
        refuse(tr("--write, --settings, --items, --style and --current are given once each"));
        return;
    }
    for (const QCommandLineOption* named : {&write, &settings, &items}) {
        if (parser.isSet(*named) && parser.value(*named).isEmpty()) {
            refuse(tr("--%1 needs a file name").arg(named->names().constLast()));
            return;
        }
    }
    if (parser.isSet(write)) {
        m_action = Action::WritePage;
        m_pagePath = parser.value(write);
        m_settingsFile = parser.value(settings);
        m_itemsFile = parser.value(items);
        m_style = parser.value(style);
        m_fragment = parser.isSet(fragment);
        m_currentLink = parser.value(current);
        if (parser.isSet(style) && m_style != QLatin1String("classic") &&
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
    if (parser.isSet(settings) || parser.isSet(set) || parser.isSet(items) || parser.isSet(style) ||
        parser.isSet(fragment) || parser.isSet(current)) {
        refuse(tr("--settings, --set, --items, --style, --fragment and --current go "
                  "with --write PAGE"));
        return;
    }
    if (files.size() > 1) {
        refuse(tr("one settings file at a time"));
        return;
    }
    m_settingsFile = files.value(0);
}

QString CommandLine::helpText() {
    return tr("Usage: halvero [FILE]\n"
              "       halvero --write PAGE [--settings FILE] [--items FILE] [--set KEY=VALUE]...\n"
              "                            [--style classic|modern] [--fragment] [--current LINK]\n"
              "\n"
              "Builds the page of a web site's navigation menu.\n"
              "\n"
              "With no options, opens the window, with the settings of FILE (a .halvero\n"
              "settings file) when one is given. When Halvero already runs on this desktop,\n"
              "FILE opens in the running window instead.\n"
              "\n"
              "  -w, --write PAGE       write the page to PAGE (\"-\" for standard output)\n"
              "                         and exit, without a window or a display\n"
              "  -s, --settings FILE    take the settings from FILE instead of the defaults\n"
              "      --set KEY=VALUE    set one entry, after FILE; KEY is its column and\n"
              "                         key, as in the settings file: menu.itemCount,\n"
              "                         normal.fontColor, hover.borderTopWidth, menu.target\n"
              "      --items FILE       take the menu's items from FILE (\"-\" for standard\n"
              "                         input), one a line: label<TAB>link[<TAB>tooltip\n"
              "                         [<TAB>target]]; blank lines and lines starting\n"
              "                         with # are skipped. They replace the settings\n"
              "                         file's items; the page shows them (at most 20)\n"
              "      --style STYLE      the page's style: classic (the XHTML page, the\n"
              "                         default) or modern (HTML5 and CSS, no script)\n"
              "      --fragment         write only the menu's <style> and <nav>, to paste\n"
              "                         into an existing page\n"
              "      --current LINK     mark the first item that links to LINK as the page\n"
              "                         the menu is on (aria-current in the modern page),\n"
              "                         and no other\n"
              "  -h, --help             show this text\n"
              "  -v, --version          show the version\n"
              "\n"
              "Exit status: 0 when the page was written, 1 for bad input (an unknown key or\n"
              "option, a value the page cannot take, a settings file that cannot be read, a\n"
              "file the running window did not take), 2 when the page cannot be written.\n");
}

QString CommandLine::versionText() {
    return Identity::name().toLower() + QLatin1Char(' ') + Identity::version() + QLatin1Char('\n');
}
