#include "main/CommandLine.h"

#include "core/settings/SettingTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// What the command line refuses, and why; and what it takes.
class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("why");
        QTest::newRow("--set without --write")
            << QStringList{"--set", "menu.itemCount=3"}
            << "--set goes with --write PAGE, --site DIR or --save FILE";
        QTest::newRow("--fragment without --write")
            << QStringList{"--fragment"} << "--fragment goes with --write PAGE";
        QTest::newRow("a repeated --write")
            << QStringList{"--write", "a.htm", "--write", "b.htm"} << "--write is given once";
        QTest::newRow("a repeated --style")
            << QStringList{"--write", "-", "--style", "bogus", "--style", "modern"}
            << "--style is given once";
        QTest::newRow("a bad --style") << QStringList{"--write", "-", "--style", "fancy"}
                                       << "--style is classic or modern, not 'fancy'";
        QTest::newRow("--fragment of the classic page")
            << QStringList{"--write", "-", "--fragment", "--style", "classic"}
            << "--fragment writes the modern menu's code; the classic page has none (leave out "
               "--style classic)";
        QTest::newRow("a part of the fragment that is none")
            << QStringList{"--write", "-", "--fragment", "head"}
            << "--fragment writes style and navigation, or one of them: --fragment style or "
               "--fragment nav, not 'head'";
        QTest::newRow("an empty --items")
            << QStringList{"--write", "-", "--items", ""} << "--items needs a file name";
        QTest::newRow("two files")
            << QStringList{"a.halvero", "b.halvero"} << "one settings file at a time";
        QTest::newRow("a file after --write")
            << QStringList{"--write", "-", "a.halvero"}
            << "unexpected argument 'a.halvero' (the settings file goes after --settings)";
        QTest::newRow("--check without --site")
            << QStringList{"--write", "-", "--check"} << "--check goes with --site DIR";
        QTest::newRow("--site with --current")
            << QStringList{"--site", "public", "--current", "a.html"}
            << "--current does not go with --site (every page gets the modern menu, marked for "
               "itself)";
        QTest::newRow("--site with the classic style")
            << QStringList{"--site", "public", "--style", "classic"}
            << "--site writes the modern menu into pages; --style is modern there";
        QTest::newRow("an unknown look")
            << QStringList{"--write", "-", "--look", "Glass"}
            << "--look: no look 'Glass' (the looks are Classic, Brand bar, Underline tabs, Pills, "
               "Sidebar)";
        QTest::newRow("--look without a page") << QStringList{"--look", "Pills"}
                                               << "--look goes with --write PAGE, --site DIR or "
                                                  "--save FILE";
        QTest::newRow("--looks with more")
            << QStringList{"--looks", "--write", "-"} << "--looks goes alone";
        QTest::newRow("an unknown option") << QStringList{"--bogus"} << "Unknown option 'bogus'.";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, why);
        const CommandLine command(QStringList{"halvero"} + arguments);
        QCOMPARE(command.action(), CommandLine::Action::Error);
        QCOMPARE(command.error(), why);
    }

    void whatItTakes() {
        const CommandLine write({"halvero", "-w", "-", "--settings", "m.halvero", "--set", "a=1",
                                 "--set", "b=2", "--fragment", "--current", "about.html"});
        QCOMPARE(write.action(), CommandLine::Action::WritePage);
        QCOMPARE(write.pagePath(), QStringLiteral("-"));
        QCOMPARE(write.settingsFile(), QStringLiteral("m.halvero"));
        QCOMPARE(write.assignments(), (QStringList{"a=1", "b=2"}));
        QVERIFY(write.fragment());
        QCOMPARE(write.currentLink(), QStringLiteral("about.html"));
        QVERIFY(write.fragmentPart().isEmpty());
        for (const char* part : {"style", "nav"})
            QCOMPARE(CommandLine({"halvero", "-w", "-", "--fragment", part}).fragmentPart(),
                     QLatin1String(part));
        const CommandLine site({"halvero", "--site", "public", "--check", "--items", "i.tsv"});
        QCOMPARE(site.action(), CommandLine::Action::UpdateSite);
        QCOMPARE(site.siteFolder(), QStringLiteral("public"));
        QVERIFY(site.check());
        QCOMPARE(site.itemsFile(), QStringLiteral("i.tsv"));
        const CommandLine window({"halvero", "menu.halvero"});
        QCOMPARE(window.action(), CommandLine::Action::Window);
        QCOMPARE(window.settingsFile(), QStringLiteral("menu.halvero"));
        for (const char* asking : {"--help", "-h", "--help-all"})
            QCOMPARE(CommandLine({"halvero", asking}).action(), CommandLine::Action::Help);
        QCOMPARE(CommandLine({"halvero", "--version"}).action(), CommandLine::Action::Version);
    }

    // The help names the program, every option and the exit statuses.
    void helpSaysEverything() {
        const QString help = CommandLine::helpText();
        QVERIFY(help.startsWith(QStringLiteral("Usage: halvero [options] [FILE]")));
        for (const char* option :
             {"--write <PAGE>", "--settings <FILE>", "--set <KEY=VALUE>", "--items <FILE>",
              "--style <STYLE>", "--fragment", "--current <LINK>", "--version"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        QVERIFY(help.contains(QStringLiteral("2 when the\npage cannot be written")));
    }

    // --help, the man page and the settings file's page name every key of
    // the table of settings, and no key it does not have.
    void docsNameEveryKeyAndNoOther() {
        QSet<QString> names, keys;
        for (const halvero::Setting& setting : halvero::SettingTable::all()) {
            names.insert(QString::fromStdString(halvero::SettingTable::nameOf(setting)));
            keys.insert(QString::fromLatin1(setting.key));
        }
        const auto read = [](const char* name) {
            QFile file(QStringLiteral(HALVERO_DOCS_DIR "/") + QLatin1String(name));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        // A key named in prose: "normal.fontSize", not the file "menu.halvero".
        const QRegularExpression named(
            QStringLiteral(R"(\b(?:menu|normal|hover|page)\.[a-z][A-Za-z]*\b(?!\.\w))"));
        const QRegularExpression files(QStringLiteral(R"(\.(?:halvero|html?)$)"));
        for (const auto& [doc, text] :
             {std::pair{"--help", CommandLine::helpText()},
              std::pair{"halvero.1", read("halvero.1").remove(QStringLiteral("\\f"))}}) {
            QVERIFY2(!text.isEmpty(), doc);
            for (const QString& name : names)
                QVERIFY2(text.contains(name),
                         qPrintable(QStringLiteral("%1 lacks %2").arg(QLatin1String(doc), name)));
            for (auto match = named.globalMatch(text); match.hasNext();) {
                const QString name = match.next().captured();
                // The site's folder is kept in the file, not set with --set.
                QVERIFY2(names.contains(name) || files.match(name).hasMatch() ||
                             name == QLatin1String("page.siteFolder"),
                         qPrintable(QStringLiteral("%1 names %2").arg(QLatin1String(doc), name)));
            }
        }
        const QString page = read("settings-file.md");
        for (const QString& key : keys)
            QVERIFY2(page.contains(QLatin1Char('`') + key + QLatin1Char('`')),
                     qPrintable(QStringLiteral("settings-file.md lacks `%1`").arg(key)));
        // Each key table's first column.
        const QRegularExpression row(QStringLiteral(R"(^\| `([A-Za-z]+)`(?:, `([A-Za-z]+)`)? \|)"),
                                     QRegularExpression::MultilineOption);
        for (auto match = row.globalMatch(page); match.hasNext();) {
            const auto found = match.next();
            for (int i = 1; i <= 2; ++i)
                QVERIFY2(found.captured(i).isEmpty() || keys.contains(found.captured(i)),
                         qPrintable(
                             QStringLiteral("settings-file.md names `%1`").arg(found.captured(i))));
        }
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
