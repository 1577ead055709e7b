#pragma once

#include "core/page/PageModel.h"

#include <string>
#include <string_view>

namespace halvero {

// The menu for today's sites: an HTML5 page, UTF-8 with LF line ends and
// no time stamp (the same settings give the same bytes), no sound and no
// links to other files. The menu is a <nav> holding a list of links, each
// whole item the link, styled by one <style> block with the item size,
// spacing, font, colours and borders of the settings, the hovered look on
// :hover and on :focus-visible with an outline. Every class is prefixed
// "halvero-menu" so that nothing leaks into a page the fragment is pasted
// into.
//
// Sub-menus follow the disclosure pattern: beside a parent's link (or in
// its place, for an item that only heads a sub-menu) a button with
// aria-expanded shows and hides its list. A small script after the <nav>
// turns them on; without it the buttons stay hidden and every list is
// shown, so every link can be followed. A menu without sub-menus has no
// script.
class ModernPage {
public:
    // The whole page.
    static std::string compose(const PageModel& page);
    // What a fragment holds: the <style> and the <nav> with its script, or
    // either alone (the style for a page's head, the navigation for the
    // menu's place).
    enum class Part { Whole, Style, Nav };
    // The menu's code for pasting into an existing page, opening with a
    // comment that names `source` (the settings file's name, or empty for
    // a menu never saved) as the place to change it.
    static std::string fragment(const PageModel& page, std::string_view source,
                                Part part = Part::Whole);
    // The fragment's two parts alone: the <style> block, for a page's head,
    // and the <nav> with its script, for the place of the menu.
    static std::string style(const PageModel& page);
    static std::string nav(const PageModel& page);
    // The style alone, CSS without the <style> element, with the rules a
    // site's pages add (the breadcrumb trail, the skip link) for `site`.
    static std::string styleSheet(const PageModel& page, bool site);
    // The menu's script (turning sub-menus and the menu button on), which
    // finds its <nav> from its place after it, or, loaded from a file of
    // its own, every menu of the page; and whether `page` needs it.
    static std::string_view script();
    static bool needsScript(const PageModel& page);
};

} // namespace halvero
