#pragma once

class CommandLine;

// `halvero --site DIR`: writes the menu into every page of a site, with no
// window and no display (see SiteUpdate for what changes in a page). Each
// page is read, given its menu and, when that changed anything, replaced as
// PageFile replaces a page; a page that changed on disk since it was read
// is left alone. The pages are done on all the cores, one at a time each,
// so memory stays small whatever the site's size. Prints a line for each
// page it changed or could not change and a summary; with --check it
// writes nothing and names the pages that differ. Returns the exit status:
// 0 every page with markers is up to date, 1 bad input, a page that is no
// UTF-8 text or has broken markers (or, with --check, differs), 2 a page
// that could not be written.
class SiteCommand {
public:
    static int run(const CommandLine& command);
};
