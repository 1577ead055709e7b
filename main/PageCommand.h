#pragma once

class CommandLine;
namespace halvero {
class MenuSettings;
}

// `halvero --write PAGE`: composes the page from the defaults, a settings
// file and --set assignments, and writes it to PAGE or standard output,
// with no window, no display and no single-instance lock. Messages go to
// standard error as "halvero: ...". Returns the exit status: 0 written,
// 1 bad input (nothing written), 2 the page could not be written.
class PageCommand {
public:
    static int run(const CommandLine& command);
    // `halvero --save FILE` alone: the settings as given, kept in FILE.
    static int save(const CommandLine& command);
    // The settings --write and --site start from: the defaults, then the
    // settings file, --items or --import, and --set; kept in --save's file
    // when one is given. Says what is wrong and returns 1 for bad input,
    // 2 when the settings file cannot be written; 0 otherwise.
    static int settingsFor(const CommandLine& command, halvero::MenuSettings& settings);
};
