#pragma once

class CommandLine;

// `halvero --site DIR`: writes the menu into every page of a site, with no
// window and no display, as a SiteJob (see SiteUpdate for what changes in
// a page). A second run of the same site waits for the first to finish.
// Prints a line for each page it changed or could not change and a
// summary, each line whole; with --check it writes nothing and names the
// pages that differ. Returns the exit status: 0 every page with markers is
// up to date, 1 bad input, a page or folder that cannot be read, a page
// with broken markers (or, with --check, one that differs, or a copy left
// by a stopped write), 2 a page that could not be written.
class SiteCommand {
public:
    static int run(const CommandLine& command);
};
