#pragma once

class CommandLine;

// `halvero --write PAGE`: composes the page from the defaults, a settings
// file and --set assignments, and writes it to PAGE or standard output,
// with no window, no display and no single-instance lock. Messages go to
// standard error as "halvero: ...". Returns the exit status: 0 written,
// 1 bad input (nothing written), 2 the page could not be written.
class PageCommand {
public:
    static int run(const CommandLine& command);
};
