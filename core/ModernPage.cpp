#include "core/ModernPage.h"

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

std::string border(const PageModel::Border& border) {
    return length(border.width) + " " + border.type + " " + border.color;
}

// The classic page's item keeps its width whatever its side borders (the
// table's width holds it) and grows by its top and bottom borders; the
// modern item, sized by its content, gets the same outer size.
std::string innerWidth(const PageModel& page, const PageModel::Look& look) {
    const std::string &width = page.itemWidth, &left = look.left.width, &right = look.right.width;
    if (isNumber(width) && isNumber(left) && isNumber(right) && width.size() < 7 &&
        left.size() < 7 && right.size() < 7)
        return std::to_string(std::max(0L, std::stol(width) - std::stol(left) - std::stol(right))) +
               "px";
    return "calc(" + length(width) + " - " + length(left) + " - " + length(right) + ")";
}

// The declarations of one look, normal or hovered; a sub-menu's button
// beside its parent's link is as wide as its arrow (and at least as large
// as a finger needs).
std::string declarations(const PageModel& page, const PageModel::Look& look,
                         std::string_view indent, bool withWidth = true) {
    std::string text;
    auto add = [&](std::string_view declaration) {
        text.append(indent).append(declaration).append("\n");
    };
    if (withWidth)
        add("width: " + innerWidth(page, look) + ";");
    add("color: " + look.fontColor + ";");
    add("background-color: " + look.backColor + ";");
    add("border-left: " + border(look.left) + ";");
    add("border-top: " + border(look.top) + ";");
    add("border-right: " + border(look.right) + ";");
    add("border-bottom: " + border(look.bottom) + ";");
    add("font: 600 " + look.fontSize + "pt " + look.fontName + ", sans-serif;");
    return text;
}

std::string styleBlock(const PageModel& page) {
    const std::string distance = length(page.distance);
    const std::string height = length(page.itemHeight);
    std::string text = "<style>\n";
    text += ".halvero-menu__list {\n"
            "  display: flex;\n"
            "  flex-direction: " +
            std::string(page.across ? "row" : "column") +
            ";\n"
            "  align-items: center;\n"
            "  justify-content: center;\n"
            "  gap: " +
            distance +
            ";\n"
            "  list-style: none;\n"
            "  margin: 0;\n"
            "  padding: " +
            (page.across ? "0 " + distance : distance + " 0") +
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
            height +
            ";\n"
            "  text-align: center;\n"
            "  text-decoration: none;\n"
            "  transition: background-color 0.15s, color 0.15s;\n";
    text += declarations(page, page.normal, "  ");
    text += "}\n"
            ".halvero-menu__link:hover,\n"
            ".halvero-menu__link:focus-visible {\n";
    text += declarations(page, page.hover, "  ");
    text += "}\n"
            ".halvero-menu__link:focus-visible {\n"
            "  outline: 3px solid " +
            page.hover.fontColor +
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
            "}\n";
    if (page.hasSubMenus) {
        // A parent's link and button side by side, its list below both: in
        // the flow while closed lists are shown (no script) and in a
        // vertical menu; dropped over the page below a horizontal menu.
        text += std::string(page.across ? ".halvero-menu__list {\n"
                                          "  align-items: flex-start;\n"
                                          "}\n"
                                        : "") +
                ".halvero-menu__item--parent {\n"
                "  position: relative;\n"
                "  display: grid;\n"
                "  grid-template-columns: auto auto;\n"
                "  justify-content: center;\n"
                "  align-items: center;\n"
                "}\n"
                ".halvero-menu__sublist {\n"
                "  display: flex;\n"
                "  flex-direction: column;\n"
                "  align-items: center;\n"
                "  grid-column: 1 / -1;\n"
                "  gap: " +
                distance +
                ";\n"
                "  list-style: none;\n"
                "  margin: 0;\n"
                "  padding: " +
                distance +
                " 0 0;\n"
                "}\n"
                ".halvero-menu__toggle {\n"
                "  display: flex;\n"
                "  align-items: center;\n"
                "  justify-content: center;\n"
                "  gap: 0.4em;\n"
                "  box-sizing: content-box;\n"
                "  height: " +
                height +
                ";\n"
                "  min-width: 24px;\n"
                "  min-height: 24px;\n"
                "  margin: 0;\n"
                "  padding: 0 0.6em;\n"
                "  cursor: pointer;\n"
                "  transition: background-color 0.15s, color 0.15s;\n";
        text += declarations(page, page.normal, "  ", false);
        text += "}\n"
                ".halvero-menu__toggle:hover,\n"
                ".halvero-menu__toggle:focus-visible,\n"
                ".halvero-menu__toggle[aria-expanded=\"true\"] {\n";
        text += declarations(page, page.hover, "  ", false);
        text += "}\n"
                ".halvero-menu__toggle:focus-visible {\n"
                "  outline: 3px solid " +
                page.hover.fontColor +
                ";\n"
                "  outline-offset: 2px;\n"
                "}\n"
                ".halvero-menu__link.halvero-menu__toggle {\n"
                "  padding: 0;\n"
                "}\n"
                ".halvero-menu__chevron {\n"
                "  width: 0;\n"
                "  height: 0;\n"
                "  border-left: 0.3em solid transparent;\n"
                "  border-right: 0.3em solid transparent;\n"
                "  border-top: 0.35em solid currentColor;\n"
                "}\n"
                ".halvero-menu__toggle[aria-expanded=\"true\"] .halvero-menu__chevron {\n"
                "  transform: rotate(180deg);\n"
                "}\n"
                // The items that hold the current page: underlined, dotted.
                ".halvero-menu__item--holds-current > .halvero-menu__link {\n"
                "  text-decoration: underline dotted;\n"
                "  text-underline-offset: 0.2em;\n"
                "}\n";
        // Down the page, a parent's button hangs beside its link, which
        // stays in line with the other items.
        if (!page.across)
            text +=
                ".halvero-menu__item--parent > .halvero-menu__toggle:not(.halvero-menu__link) {\n"
                "  position: absolute;\n"
                "  left: 100%;\n"
                "  top: 0;\n"
                "}\n";
        if (page.across)
            text += ".halvero-menu--enhanced .halvero-menu__list > .halvero-menu__item > "
                    ".halvero-menu__sublist {\n"
                    "  position: absolute;\n"
                    "  top: 100%;\n"
                    "  left: 0;\n"
                    "  z-index: 10;\n"
                    "  min-width: 100%;\n"
                    "  gap: 0;\n"
                    "  padding: 0;\n"
                    "}\n"
                    ".halvero-menu--enhanced .halvero-menu__sublist--end {\n"
                    "  left: auto;\n"
                    "  right: 0;\n"
                    "}\n";
        text += ".halvero-menu [hidden] {\n"
                "  display: none !important;\n"
                "}\n";
    }
    text += "@media (prefers-reduced-motion: reduce) {\n"
            "  .halvero-menu__link" +
            std::string(page.hasSubMenus ? ",\n  .halvero-menu__toggle" : "") +
            " {\n"
            "    transition: none;\n"
            "  }\n"
            "}\n"
            "</style>\n";
    return text;
}

// Turns the sub-menus' buttons on: each shows and hides its list (Enter,
// Space, a click or a tap), a mouse opens a list while over its item and
// closes it a moment after leaving, Escape closes the list holding the
// focus and gives the focus back to its button, and focus or a click
// leaving the menu closes every list. One list of a level is open at once.
constexpr std::string_view kScript = R"(<script>
(function () {
  "use strict";
  var nav = document.currentScript && document.currentScript.previousElementSibling;
  if (!nav || !nav.classList || !nav.classList.contains("halvero-menu")) return;
  var menus = Array.prototype.map.call(nav.querySelectorAll(".halvero-menu__toggle"), function (button) {
    return { button: button, item: button.parentNode, list: document.getElementById(button.getAttribute("aria-controls")), byHover: false, timer: 0 };
  }).filter(function (menu) { return menu.list; });
  function isOpen(menu) { return menu.button.getAttribute("aria-expanded") === "true"; }
  function setOpen(menu, open) {
    menu.byHover = false;
    menu.button.setAttribute("aria-expanded", open ? "true" : "false");
    menu.list.hidden = !open;
    menus.forEach(function (other) {
      var inside = menu.list.contains(other.item), holds = other.list.contains(menu.item);
      if (other !== menu && isOpen(other) && (open ? !holds : inside)) setOpen(other, false);
    });
    if (open) {
      menu.list.classList.remove("halvero-menu__sublist--end");
      if (menu.list.getBoundingClientRect().right > document.documentElement.clientWidth)
        menu.list.classList.add("halvero-menu__sublist--end");
    }
  }
  function closeAll() { menus.forEach(function (menu) { if (isOpen(menu)) setOpen(menu, false); }); }
  menus.forEach(function (menu) {
    var heading = menu.item.querySelector(".halvero-menu__heading");
    if (heading && heading.parentNode === menu.item) heading.hidden = true;
    menu.button.hidden = false;
    menu.list.hidden = true;
    menu.button.addEventListener("click", function () {
      if (menu.byHover) menu.byHover = false;
      else setOpen(menu, !isOpen(menu));
    });
    menu.item.addEventListener("pointerenter", function (event) {
      if (event.pointerType !== "mouse") return;
      clearTimeout(menu.timer);
      if (!isOpen(menu)) {
        setOpen(menu, true);
        menu.byHover = true;
      }
    });
    menu.item.addEventListener("pointerleave", function (event) {
      if (event.pointerType !== "mouse") return;
      clearTimeout(menu.timer);
      menu.timer = setTimeout(function () {
        if (menu.byHover && !menu.item.contains(document.activeElement)) setOpen(menu, false);
      }, 400);
    });
  });
  nav.addEventListener("keydown", function (event) {
    if (event.key !== "Escape") return;
    var open = menus.filter(function (menu) { return isOpen(menu) && menu.item.contains(document.activeElement); });
    if (!open.length) return;
    var menu = open[open.length - 1];
    setOpen(menu, false);
    menu.button.focus();
    event.preventDefault();
  });
  nav.addEventListener("focusout", function (event) {
    if (event.relatedTarget && !nav.contains(event.relatedTarget)) closeAll();
  });
  document.addEventListener("pointerdown", function (event) {
    if (!nav.contains(event.target)) closeAll();
  });
  document.addEventListener("keydown", function (event) {
    if (event.key !== "Escape" || nav.contains(document.activeElement)) return;
    if (menus.some(isOpen)) event.preventDefault();
    closeAll();
  });
  nav.classList.add("halvero-menu--enhanced");
})();
</script>
)";

class Nav {
public:
    explicit Nav(const PageModel& page) : m_page(page) {}

    std::string take() {
        m_text = "<nav class=\"halvero-menu\" aria-label=\"Menu\">\n"
                 "  <ul class=\"halvero-menu__list\">\n";
        for (const PageModel::Item& item : m_page.items)
            addItem(item, "    ");
        m_text += "  </ul>\n"
                  "</nav>\n";
        if (m_page.hasSubMenus)
            m_text += kScript;
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
        m_text += ">";
        escaped(item.label);
        if (target == "_blank")
            m_text += "<span class=\"halvero-menu__note\"> (opens in a new tab)</span>";
        m_text += "</a>";
    }

    void addItem(const PageModel::Item& item, const std::string& indent) {
        if (item.items.empty()) {
            m_text += indent + "<li class=\"halvero-menu__item\">";
            link(item);
            m_text += "</li>\n";
            return;
        }
        const std::string id = "halvero-menu-sub-" + std::to_string(++m_lists);
        m_text += indent + "<li class=\"halvero-menu__item halvero-menu__item--parent" +
                  (item.holdsCurrent ? " halvero-menu__item--holds-current" : "") + "\">\n" +
                  indent + "  ";
        const std::string controls =
            "type=\"button\" aria-expanded=\"false\" aria-controls=\"" + id + "\" hidden>";
        if (!item.link.empty()) {
            link(item);
            m_text += "\n" + indent + "  <button class=\"halvero-menu__toggle\" " + controls +
                      "<span class=\"halvero-menu__note\">";
            escaped(item.label);
            m_text += ", sub-menu</span>";
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
                  indent + "  <ul class=\"halvero-menu__sublist\" id=\"" + id + "\">\n";
        for (const PageModel::Item& child : item.items)
            addItem(child, indent + "    ");
        m_text += indent + "  </ul>\n" + indent + "</li>\n";
    }

    const PageModel& m_page;
    std::string m_text;
    int m_lists = 0;
};

} // namespace

std::string ModernPage::compose(const PageModel& page) {
    return "<!DOCTYPE html>\n"
           "<html lang=\"en\">\n"
           "<head>\n"
           "<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>Menu</title>\n" +
           styleBlock(page) +
           "</head>\n"
           "<body>\n" +
           Nav(page).take() +
           "</body>\n"
           "</html>\n";
}

std::string ModernPage::style(const PageModel& page) {
    return styleBlock(page);
}

std::string ModernPage::nav(const PageModel& page) {
    return Nav(page).take();
}

std::string ModernPage::fragment(const PageModel& page, std::string_view source) {
    // A comment ends at "--" or ">": neither may come from the file's name.
    std::string name = source.empty() ? std::string("a menu not saved yet") : toValidUtf8(source);
    for (std::size_t at; (at = name.find("--")) != std::string::npos;)
        name.replace(at, 2, "- -");
    std::replace(name.begin(), name.end(), '>', ')');
    return "<!-- Menu written by Halvero from " + name +
           ". Change it there and write it again: changes made here are lost. -->\n" +
           styleBlock(page) + Nav(page).take();
}

} // namespace halvero
