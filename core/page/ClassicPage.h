#pragma once

#include "core/page/PageModel.h"
#include "core/text/Timestamp.h"

#include <string>

namespace halvero {

// The classic page: an XHTML 1.0 Transitional page with a centred
// one-column (or one-row) table of identical menu cells, the "Menu" and
// "Hover" style classes and the script that swaps them, lines ended by
// CR LF. It has no sub-menus: it shows the top level of its model (built
// one level deep, an item that only heads a sub-menu leading to the first
// link in it). Pure text assembly: it reads no clock and touches no file.
class ClassicPage {
public:
    // Values are inserted as the model holds them; the status message is
    // escaped as a JavaScript string; an item's label, link and tooltip are
    // escaped for HTML and never enter the script.
    static std::string compose(const PageModel& page, const Timestamp& stamp);
};

} // namespace halvero
