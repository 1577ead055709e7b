#pragma once

#include <string>
#include <string_view>

#include "core/MenuSettings.h"
#include "core/Timestamp.h"

namespace halvero {

// Builds the menu page from the settings: an XHTML 1.0 Transitional page with
// a centred one-column table of identical menu cells, the "Menu" and "Hover"
// style classes and the script that swaps them. Pure text assembly: it reads
// no clock and touches no file (see PageFile for the write).
class PageWriter {
public:
    // The page's file name in its folder: what Create writes, what the
    // preview shows.
    static constexpr std::string_view kFileName = "pattern.htm";
    // Where an item leads, and what it reads, when the menu's list of items
    // has none for its place.
    static constexpr std::string_view kHomeUrl = "http://www.example.com/";
    static constexpr std::string_view kPlaceholderLabel = "Corvantis";
    // The most item blocks a page gets; the item count is a typed number in
    // principle, and a mistyped billion must not exhaust memory.
    static constexpr long kMaxItems = 10000;

    // The whole page, lines joined and ended by CR LF. Values are inserted
    // as stored (border styles in lower case), made valid UTF-8; the status
    // message is escaped as a JavaScript string; an item's label, link and
    // tooltip are escaped for HTML and never enter the script.
    // A menu of the modern page style gets ModernPageWriter's page instead.
    static std::string compose(const MenuSettings& settings, const Timestamp& stamp);
    // The classic page, whatever the style.
    static std::string composeClassic(const MenuSettings& settings, const Timestamp& stamp);

    // The item count read as a whole number: leading blanks, an optional sign and
    // the digits up to the first other character ("5", " 7", "3abc" -> 3);
    // no digits give 0. Clamped to 0..kMaxItems.
    static long itemCount(std::string_view text);
};

} // namespace halvero
