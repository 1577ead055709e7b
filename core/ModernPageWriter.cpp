#include "core/ModernPageWriter.h"

#include "core/PageWriter.h"
#include "core/TextEncoding.h"

#include <algorithm>

namespace halvero {

namespace {

bool isNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A length of the settings in CSS: a plain number is in pixels.
std::string length(std::string_view value) {
    return isNumber(value) ? std::string(value) + "px" : std::string(value);
}

class Css {
public:
    explicit Css(const MenuSettings& settings) : m_settings(settings) {}

    std::string v(int index) const { return toValidUtf8(m_settings.value(index)); }
    std::string border(const BorderEntries& border) const {
        return length(v(border.width)) + " " + asciiLower(v(border.type)) + " " + v(border.color);
    }
    // The declarations of one look, normal or hovered.
    std::string look(const ItemEntries& item, std::string_view indent) const {
        std::string text;
        auto add = [&](std::string_view declaration) {
            text.append(indent).append(declaration).append("\n");
        };
        add("width: " + innerWidth(item) + ";");
        add("color: " + v(item.fontColor) + ";");
        add("background-color: " + v(item.backColor) + ";");
        add("border-left: " + border(item.left) + ";");
        add("border-top: " + border(item.top) + ";");
        add("border-right: " + border(item.right) + ";");
        add("border-bottom: " + border(item.bottom) + ";");
        add("font: 600 " + v(item.fontSize) + "pt " + v(item.fontName) + ", sans-serif;");
        return text;
    }

private:
    // The classic page's item keeps its width whatever its side borders
    // (the table's width holds it) and grows by its top and bottom borders;
    // the modern item, sized by its content, gets the same outer size.
    std::string innerWidth(const ItemEntries& item) const {
        const std::string width = v(EntryTable::kItemWidth), left = v(item.left.width),
                          right = v(item.right.width);
        if (isNumber(width) && isNumber(left) && isNumber(right) && width.size() < 7 &&
            left.size() < 7 && right.size() < 7)
            return std::to_string(
                       std::max(0L, std::stol(width) - std::stol(left) - std::stol(right))) +
                   "px";
        return "calc(" + length(width) + " - " + length(left) + " - " + length(right) + ")";
    }

    const MenuSettings& m_settings;
};

std::string styleBlock(const MenuSettings& settings) {
    const Css css(settings);
    const bool across = settings.value(EntryTable::kDirection) == "Horizontal";
    const std::string distance = length(css.v(EntryTable::kDistance));
    std::string text = "<style>\n";
    text += ".halvero-menu__list {\n"
            "  display: flex;\n"
            "  flex-direction: " +
            std::string(across ? "row" : "column") +
            ";\n"
            "  align-items: center;\n"
            "  justify-content: center;\n"
            "  gap: " +
            distance +
            ";\n"
            "  list-style: none;\n"
            "  margin: 0;\n"
            "  padding: " +
            (across ? "0 " + distance : distance + " 0") +
            ";\n"
            "}\n"
            ".halvero-menu__item {\n"
            "  margin: 0;\n"
            "  padding: 0;\n"
            "}\n"
            ".halvero-menu__link {\n"
            "  position: relative;\n"
            "  display: flex;\n"
            "  align-items: center;\n"
            "  justify-content: center;\n"
            "  box-sizing: content-box;\n"
            "  height: " +
            length(css.v(EntryTable::kItemHeight)) +
            ";\n"
            "  text-align: center;\n"
            "  text-decoration: none;\n"
            "  transition: background-color 0.15s, color 0.15s;\n";
    text += css.look(EntryTable::kNormal, "  ");
    text += "}\n"
            ".halvero-menu__link:hover,\n"
            ".halvero-menu__link:focus-visible {\n";
    text += css.look(EntryTable::kHover, "  ");
    text += "}\n"
            ".halvero-menu__link:focus-visible {\n"
            "  outline: 3px solid " +
            css.v(EntryTable::kHover.fontColor) +
            ";\n"
            "  outline-offset: 2px;\n"
            "}\n"
            ".halvero-menu__link[aria-current=\"page\"] {\n"
            "  text-decoration: underline;\n"
            "  text-underline-offset: 0.2em;\n"
            "}\n"
            ".halvero-menu__note {\n"
            "  position: absolute;\n"
            "  width: 1px;\n"
            "  height: 1px;\n"
            "  overflow: hidden;\n"
            "  clip-path: inset(50%);\n"
            "  white-space: nowrap;\n"
            "}\n"
            "@media (prefers-reduced-motion: reduce) {\n"
            "  .halvero-menu__link {\n"
            "    transition: none;\n"
            "  }\n"
            "}\n"
            "</style>\n";
    return text;
}

std::string nav(const MenuSettings& settings) {
    std::string text = "<nav class=\"halvero-menu\" aria-label=\"Menu\">\n"
                       "  <ul class=\"halvero-menu__list\">\n";
    const std::string menuTarget = toValidUtf8(settings.value(EntryTable::kTarget));
    const long count = settings.pageItemCount();
    for (long item = 1; item <= count; ++item) {
        const MenuItem* own = settings.pageItem(item);
        const std::string& target = own && !own->target.empty() ? own->target : menuTarget;
        text += "    <li class=\"halvero-menu__item\"><a class=\"halvero-menu__link\" href=\"";
        if (own)
            appendHtmlEscaped(text, toValidUtf8(MenuItem::cleanLink(own->link)));
        else
            text += PageWriter::kHomeUrl;
        text += "\"";
        if (own && !own->tooltip.empty()) {
            text += " title=\"";
            appendHtmlEscaped(text, toValidUtf8(own->tooltip));
            text += "\"";
        }
        if (!target.empty() && target != "_self") {
            text += " target=\"";
            appendHtmlEscaped(text, target);
            text += "\"";
        }
        if (target == "_blank")
            text += " rel=\"noopener\"";
        if (own && own->current)
            text += " aria-current=\"page\"";
        text += ">";
        if (own)
            appendHtmlEscaped(text, toValidUtf8(own->trimmedLabel()));
        else
            text += PageWriter::kPlaceholderLabel;
        if (target == "_blank")
            text += "<span class=\"halvero-menu__note\"> (opens in a new tab)</span>";
        text += "</a></li>\n";
    }
    text += "  </ul>\n"
            "</nav>\n";
    return text;
}

} // namespace

std::string ModernPageWriter::compose(const MenuSettings& settings) {
    return "<!DOCTYPE html>\n"
           "<html lang=\"en\">\n"
           "<head>\n"
           "<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>Menu</title>\n" +
           styleBlock(settings) +
           "</head>\n"
           "<body>\n" +
           nav(settings) +
           "</body>\n"
           "</html>\n";
}

std::string ModernPageWriter::fragment(const MenuSettings& settings, std::string_view source) {
    // A comment ends at "--" or ">": neither may come from the file's name.
    std::string name = source.empty() ? std::string("a menu not saved yet") : toValidUtf8(source);
    for (std::size_t at; (at = name.find("--")) != std::string::npos;)
        name.replace(at, 2, "- -");
    std::replace(name.begin(), name.end(), '>', ')');
    return "<!-- Menu written by Halvero from " + name +
           ". Change it there and write it again: changes made here are lost. -->\n" +
           styleBlock(settings) + nav(settings);
}

} // namespace halvero
