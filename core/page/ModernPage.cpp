#include "core/page/ModernPage.h"

#include "core/settings/LanguageTag.h"

#include "core/page/StyleTemplate.h"
#include "core/page/menu_css.h"
#include "core/page/menu_js.h"
#include "core/page/site_css.h"
#include "core/text/TextEncoding.h"

#include <algorithm>
#include <optional>

namespace halvero {

namespace {

bool isNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

// A length of the settings in CSS: a plain number is in pixels.
std::string length(std::string_view value) {
    return isNumber(value) ? std::string(value) + "px" : std::string(value);
}

std::string border(const PageModel::Border& border) {
    return length(border.width) + " " + border.type + " " + border.color;
}

// The pixels of a plain number of the settings (a few digits at most), or
// nothing for a length with a unit.
std::optional<long> pixels(std::string_view text) {
    if (!isNumber(text) || text.size() >= 7)
        return std::nullopt;
    return std::stol(std::string(text));
}

// `a + b + c` as one CSS length: summed when all are plain numbers.
std::string sum(const std::string& a, const std::string& b, const std::string& c) {
    if (const auto x = pixels(a), y = pixels(b), z = pixels(c); x && y && z)
        return std::to_string(*x + *y + *z) + "px";
    return "calc(" + length(a) + " + " + length(b) + " + " + length(c) + ")";
}

// Whether a font stack ends in a generic family, which needs no fallback.
bool endsGeneric(std::string_view stack) {
    std::string_view last = stack.substr(stack.rfind(',') + 1);
    while (!last.empty() && last.front() == ' ')
        last.remove_prefix(1);
    for (std::string_view generic :
         {"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui", "ui-serif",
          "ui-sans-serif", "ui-monospace", "ui-rounded", "math", "emoji", "fangsong"})
        if (asciiLower(last) == generic)
            return true;
    return false;
}

// The colours, borders and font of one look, normal or hovered.
std::string declarations(const PageModel::Look& look, std::string_view weight,
                         std::string_view indent) {
    std::string text;
    auto add = [&](std::string_view declaration) {
        text.append(indent).append(declaration).append("\n");
    };
    add("color: " + look.fontColor + ";");
    add("background-color: " + look.backColor + ";");
    add("border-left: " + border(look.left) + ";");
    add("border-top: " + border(look.top) + ";");
    add("border-right: " + border(look.right) + ";");
    add("border-bottom: " + border(look.bottom) + ";");
    add("font: " + std::string(weight) + " " + look.fontSize + "pt " + look.fontName +
        (endsGeneric(look.fontName) ? ";" : ", sans-serif;"));
    return text;
}

// The width a sub-menu's button beside its link takes: its arrow and
// padding (1.8em of its font) and its side borders, or a finger's 24 px.
std::string toggleWidth(const PageModel::Look& look) {
    const long width = (pixels(look.fontSize).value_or(0) * 18 * 4 + 29) / 30 +
                       pixels(look.left.width).value_or(0) + pixels(look.right.width).value_or(0);
    return std::to_string(std::max(24L, width)) + "px";
}

// The flex alignment of the items along the bar, and across a vertical
// menu.
std::string_view alongBar(std::string_view align) {
    return align == "start"    ? "flex-start"
           : align == "end"    ? "flex-end"
           : align == "spread" ? "space-between"
                               : "center";
}
std::string_view acrossColumn(std::string_view align) {
    return align == "start"    ? "flex-start"
           : align == "end"    ? "flex-end"
           : align == "spread" ? "stretch"
                               : "center";
}

// Whether a length of the settings is none at all ("0", "0px", "0.0em").
bool isZero(std::string_view length) {
    return length.find_first_of("123456789") == std::string_view::npos;
}

// A panel colour, or the item's own where it is empty.
std::string orItems(const std::string& value, const std::string& items) {
    return value.empty() ? items : value;
}

std::string_view shadow(std::string_view name) {
    return name == "soft"     ? "0 0.25em 0.75em rgb(0 0 0 / 15%)"
           : name == "strong" ? "0 0.5em 1.5em rgb(0 0 0 / 35%)"
                              : "none";
}

// The style sheet filled in for `page` (see menu.css), with what a site's
// pages add (site.css) for `site`.
std::string styleSheet(const PageModel& page, bool site) {
    const PageLook& look = page.look;
    const std::string distance = length(page.distance);
    const std::string_view align = look.value(PageLook::kAlign);
    // A sub-menu's button is at least 24 px high inside its borders.
    const auto height = pixels(page.itemHeight);
    StyleTemplate::Fill fill;
    fill.values = {
        {"barColor", look.value(PageLook::kBarColor)},
        {"direction", page.across ? "row" : "column"},
        {"alignItems", std::string(page.across ? (page.hasSubMenus ? "flex-start" : "center")
                                               : acrossColumn(align))},
        {"justifyContent", std::string(page.across ? alongBar(align) : "center")},
        {"distance", distance},
        {"itemGap",
         look.value(PageLook::kItemGap).empty() ? distance : look.value(PageLook::kItemGap)},
        {"cornerRadius", look.value(PageLook::kCornerRadius)},
        {"panelMaxWidth", look.value(PageLook::kPanelMaxWidth)},
        {"panelBackColor", orItems(look.value(PageLook::kPanelBackColor), page.normal.backColor)},
        {"panelColor", orItems(look.value(PageLook::kPanelColor), page.normal.fontColor)},
        {"panelHoverBackColor",
         orItems(look.value(PageLook::kPanelHoverBackColor), page.hover.backColor)},
        {"panelHoverColor", orItems(look.value(PageLook::kPanelHoverColor), page.hover.fontColor)},
        {"panelPadding", look.value(PageLook::kPanelPadding)},
        {"panelSeparator", look.value(PageLook::kPanelSeparator)},
        {"panelRadius", look.value(PageLook::kPanelRadius)},
        {"panelShadow", std::string(shadow(look.value(PageLook::kPanelShadow)))},
        {"listPadding", page.across ? "0 " + distance : distance + " 0"},
        {"itemWidth", length(page.itemWidth)},
        {"outerHeight", sum(page.itemHeight, page.normal.top.width, page.normal.bottom.width)},
        {"padding", look.value(PageLook::kItemPadding)},
        {"currentColor", look.value(PageLook::kCurrentColor)},
        {"currentBackColor", look.value(PageLook::kCurrentBackColor)},
        {"focusColor", page.hover.fontColor},
        {"toggleHeight", sum(height ? std::to_string(std::max(24L, *height))
                                    : "max(24px, " + length(page.itemHeight) + ")",
                             page.normal.top.width, page.normal.bottom.width)},
        {"toggleRoom", (align == "center" ? "2 * " : "") + toggleWidth(page.normal)},
        {"foldBelow", look.value(PageLook::kFoldBelow)},
    };
    const std::pair<std::string_view, bool> conditions[] = {
        {"across", page.across},
        {"subMenus", page.hasSubMenus},
        {"folds", page.folds},
        {"buttons", page.hasSubMenus || page.folds},
        {"fixedWidth", look.value(PageLook::kItemWidth) != "auto"},
        {"currentUnderline", look.value(PageLook::kCurrentUnderline) == "Yes"},
        {"currentColor", !look.value(PageLook::kCurrentColor).empty()},
        {"currentBackColor", !look.value(PageLook::kCurrentBackColor).empty()},
        {"currentColors", !look.value(PageLook::kCurrentColor).empty() ||
                              !look.value(PageLook::kCurrentBackColor).empty()},
        {"cornerRadius", !isZero(look.value(PageLook::kCornerRadius))},
        {"panelColors", !look.value(PageLook::kPanelBackColor).empty() ||
                            !look.value(PageLook::kPanelColor).empty() ||
                            !look.value(PageLook::kPanelHoverBackColor).empty() ||
                            !look.value(PageLook::kPanelHoverColor).empty()},
        {"panelSeparator", !look.value(PageLook::kPanelSeparator).empty()},
        {"panelRadius", !isZero(look.value(PageLook::kPanelRadius))},
        {"panelShadow", look.value(PageLook::kPanelShadow) != "none"},
        {"atEnd", align == "end"},
        {"labelsAtStart", align == "start"},
        {"skipLink", page.skipLink},
        {"languages", page.hasLanguages},
    };
    for (const auto& [name, holds] : conditions)
        if (holds)
            fill.holding.emplace(name);
    fill.look = [&page](std::string_view name, std::string_view indent) {
        return declarations(name == "hover" ? page.hover : page.normal,
                            page.look.value(PageLook::kFontWeight), indent);
    };
    std::string sheet = StyleTemplate::fill(embedded::kMenu_css, fill);
    if (site)
        sheet += StyleTemplate::fill(embedded::kSite_css, fill);
    return sheet;
}

std::string styleBlock(const PageModel& page) {
    return "<style>\n" + styleSheet(page, false) + "</style>\n";
}

} // namespace

// The script after the <nav>: menu.js without its opening comment.
std::string_view ModernPage::script() {
    std::string_view text = embedded::kMenu_js;
    while (text.starts_with("//"))
        text.remove_prefix(text.find('\n') + 1);
    return text;
}

namespace {

class Nav {
public:
    // `whole`: the menu's own page, which has no content to skip to.
    explicit Nav(const PageModel& page, bool whole = false) : m_page(page), m_whole(whole) {}

    std::string take() {
        const PageWords& words = m_page.words;
        if (m_page.skipLink && !m_whole) {
            m_text += "<a class=\"halvero-skip\" href=\"#";
            escaped(m_page.look.value(PageLook::kSkipTo));
            m_text += "\">";
            escaped(words.skipLink);
            m_text += "</a>\n";
        }
        m_text += "<nav class=\"halvero-menu\" aria-label=\"";
        escaped(words.menu);
        m_text += "\">\n";
        if (m_page.folds) {
            m_text += "  <button class=\"halvero-menu__button\" type=\"button\" "
                      "aria-expanded=\"false\" hidden>";
            escaped(words.menuButton);
            m_text += "<span class=\"halvero-menu__chevron\" aria-hidden=\"true\"></span>"
                      "</button>\n"
                      "  <ul class=\"halvero-menu__list\">\n";
        } else {
            m_text += "  <ul class=\"halvero-menu__list\">\n";
        }
        for (const PageModel::Item& item : m_page.items)
            addItem(item, "    ");
        m_text += "  </ul>\n"
                  "</nav>\n";
        if ((m_page.hasSubMenus || m_page.folds) && !m_page.sharedScript)
            m_text.append("<script>\n").append(ModernPage::script()).append("</script>\n");
        return std::move(m_text);
    }

private:
    void escaped(std::string_view text) { appendHtmlEscaped(m_text, text); }

    void link(const PageModel::Item& item) {
        const std::string& target = item.target;
        m_text += "<a class=\"halvero-menu__link\" href=\"";
        escaped(item.link);
        m_text += "\"";
        if (!item.tooltip.empty()) {
            m_text += " title=\"";
            escaped(item.tooltip);
            m_text += "\"";
        }
        if (!target.empty() && target != "_self") {
            m_text += " target=\"";
            escaped(target);
            m_text += "\"";
        }
        if (target == "_blank")
            m_text += " rel=\"noopener\"";
        if (item.current)
            m_text += " aria-current=\"page\"";
        if (!item.language.empty()) {
            // Its page, and so its label, is in another language.
            m_text += " hreflang=\"";
            escaped(item.language);
            m_text += "\" lang=\"";
            escaped(item.language);
            m_text += "\"";
            if (LanguageTag::isRightToLeft(item.language) != m_page.words.rightToLeft)
                m_text += m_page.words.rightToLeft ? " dir=\"ltr\"" : " dir=\"rtl\"";
        }
        m_text += ">";
        escaped(item.label);
        if (!item.languageName.empty()) {
            m_text += " <span class=\"halvero-menu__language\">(";
            escaped(item.languageName);
            m_text += ")</span>";
        }
        if (target == "_blank") {
            m_text += "<span class=\"halvero-menu__note\"> (";
            escaped(m_page.words.newTab);
            m_text += ")</span>";
        }
        m_text += "</a>";
    }

    void addItem(const PageModel::Item& item, const std::string& indent) {
        if (item.items.empty()) {
            m_text += indent + "<li class=\"halvero-menu__item\">";
            link(item);
            m_text += "</li>\n";
            return;
        }
        m_text += indent + "<li class=\"halvero-menu__item halvero-menu__item--parent" +
                  (item.holdsCurrent ? " halvero-menu__item--holds-current" : "") + "\">\n" +
                  indent + "  ";
        const std::string controls = "type=\"button\" aria-expanded=\"false\" hidden>";
        if (!item.link.empty()) {
            link(item);
            m_text += "\n" + indent + "  <button class=\"halvero-menu__toggle\" " + controls +
                      "<span class=\"halvero-menu__note\">";
            escaped(m_page.words.subMenuName(item.label));
            m_text += "</span>";
        } else {
            // Without script the heading shows the label; with it, the
            // button that takes its place.
            m_text += "<span class=\"halvero-menu__link halvero-menu__heading\">";
            escaped(item.label);
            m_text += "</span>\n" + indent +
                      "  <button class=\"halvero-menu__link halvero-menu__toggle\" " + controls;
            escaped(item.label);
        }
        m_text += "<span class=\"halvero-menu__chevron\" aria-hidden=\"true\"></span></button>\n" +
                  indent + "  <ul class=\"halvero-menu__sublist\">\n";
        for (const PageModel::Item& child : item.items)
            addItem(child, indent + "    ");
        m_text += indent + "  </ul>\n" + indent + "</li>\n";
    }

    const PageModel& m_page;
    bool m_whole;
    std::string m_text;
};

} // namespace

std::string ModernPage::compose(const PageModel& page) {
    // The page's language and direction, and its title in it.
    std::string head = "<!DOCTYPE html>\n<html lang=\"";
    appendHtmlEscaped(head, page.look.value(PageLook::kLanguage));
    head += page.words.rightToLeft ? "\" dir=\"rtl\">\n" : "\">\n";
    head += "<head>\n"
            "<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<title>";
    appendHtmlEscaped(head, page.words.menu);
    head += "</title>\n";
    return head + styleBlock(page) +
           "</head>\n"
           "<body>\n" +
           Nav(page, true).take() +
           "</body>\n"
           "</html>\n";
}

std::string ModernPage::style(const PageModel& page) {
    return styleBlock(page);
}

std::string ModernPage::styleSheet(const PageModel& page, bool site) {
    return halvero::styleSheet(page, site);
}

bool ModernPage::needsScript(const PageModel& page) {
    return page.hasSubMenus || page.folds;
}

std::string ModernPage::nav(const PageModel& page) {
    return Nav(page).take();
}

std::string ModernPage::fragment(const PageModel& page, std::string_view source, Part part) {
    // A comment ends at "--" or ">": neither may come from the file's name.
    std::string name = source.empty() ? std::string("a menu not saved yet") : toValidUtf8(source);
    for (std::size_t at; (at = name.find("--")) != std::string::npos;)
        name.replace(at, 2, "- -");
    std::replace(name.begin(), name.end(), '>', ')');
    return "<!-- Menu written by Halvero from " + name +
           ". Change it there and write it again: changes made here are lost. -->\n" +
           (part == Part::Nav ? std::string() : styleBlock(page)) +
           (part == Part::Style ? std::string() : Nav(page).take());
}

} // namespace halvero
