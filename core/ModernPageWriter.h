#pragma once

#include "core/MenuSettings.h"

#include <string>
#include <string_view>

namespace halvero {

// The menu for today's sites: an HTML5 page, UTF-8 with LF line ends and
// no time stamp (the same settings give the same bytes), no script, no
// sound and no links to other files. The menu is a <nav> holding a list of
// links, each whole item the link, styled by one <style> block with the
// item size, spacing, font, colours and borders of the settings, the
// hovered look on :hover and on :focus-visible with an outline. Every
// class is prefixed "halvero-menu" so that nothing leaks into a page the
// fragment is pasted into. Items follow the same rule as the classic page:
// Item Count of them, the placeholder where the list has none.
class ModernPageWriter {
public:
    // The whole page.
    static std::string compose(const MenuSettings& settings);
    // Only the <style> and the <nav>, for pasting into an existing page,
    // opening with a comment that names `source` (the settings file's name,
    // or empty for a menu never saved) as the place to change it.
    static std::string fragment(const MenuSettings& settings, std::string_view source);
};

} // namespace halvero
