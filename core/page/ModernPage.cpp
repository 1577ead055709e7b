#include "core/page/ModernPage.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <optional>

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
std::string declarations(const PageModel::Look& look, std::string_view indent) {
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
    add("font: 600 " + look.fontSize + "pt " + look.fontName +
        (endsGeneric(look.fontName) ? ";" : ", sans-serif;"));
    return text;
}

// The rest of a control's rules, after its own block: the hovered look on
// hover and keyboard focus (and, for a button, while what it shows is
// open), and a focus ring in the hovered text's colour. `indent` is the
// rules' own, inside a media query or not.
std::string hoverAndFocus(const PageModel& page, std::string_view selector, bool opens,
                          std::string_view indent) {
    const std::string on = std::string(indent) + std::string(selector);
    std::string text = on + ":hover,\n" + on + ":focus-visible" +
                       (opens ? ",\n" + on + "[aria-expanded=\"true\"]" : std::string()) + " {\n";
    text += declarations(page.hover, std::string(indent) + "  ");
    text += std::string(indent) + "}\n" + on + ":focus-visible {\n" + std::string(indent) +
            "  outline: 3px solid " + page.hover.fontColor + ";\n" + std::string(indent) +
            "  outline-offset: 2px;\n" + std::string(indent) + "}\n";
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

// Every rule is scoped to the menu's own classes, two deep, so that it
// touches nothing else on a site's page and ordinary site rules on a, ul
// or li (a:visited, nav ul) do not win over it.
std::string styleBlock(const PageModel& page) {
    const PageLook& look = page.look;
    const std::string distance = length(page.distance);
    const std::string outerHeight =
        sum(page.itemHeight, page.normal.top.width, page.normal.bottom.width);
    // A sub-menu's button is at least 24 px high inside its borders, as a
    // finger needs.
    const auto height = pixels(page.itemHeight);
    const std::string toggleHeight = sum(height ? std::to_string(std::max(24L, *height))
                                                : "max(24px, " + length(page.itemHeight) + ")",
                                         page.normal.top.width, page.normal.bottom.width);
    const std::string padding = look.value(PageLook::kItemPadding);
    const std::string_view align = look.value(PageLook::kAlign);
    std::string text = "<style>\n";
    text += ".halvero-menu {\n"
            "  background-color: " +
            look.value(PageLook::kBarColor) +
            ";\n"
            "}\n"
            ".halvero-menu .halvero-menu__list {\n"
            "  display: flex;\n"
            "  flex-direction: " +
            std::string(page.across ? "row" : "column") + ";\n" +
            (page.across ? "  flex-wrap: wrap;\n" : "") + "  align-items: " +
            std::string(page.across ? (page.hasSubMenus ? "flex-start" : "center")
                                    : acrossColumn(align)) +
            ";\n"
            "  justify-content: " +
            std::string(page.across ? alongBar(align) : "center") +
            ";\n"
            "  gap: " +
            distance +
            ";\n"
            "  list-style: none;\n"
            "  margin: 0;\n"
            "  padding: " +
            (page.across ? "0 " + distance : distance + " 0") +
            ";\n"
            "}\n"
            ".halvero-menu .halvero-menu__item {\n"
            "  min-width: 0;\n"
            "  max-width: 100%;\n"
            "  margin: 0;\n"
            "  padding: 0;\n"
            "}\n"
            ".halvero-menu .halvero-menu__link {\n"
            "  position: relative;\n"
            "  display: flex;\n"
            "  align-items: center;\n"
            "  justify-content: center;\n"
            "  box-sizing: border-box;\n" +
            (look.value(PageLook::kItemWidth) == "auto"
                 ? std::string()
                 : "  width: " + length(page.itemWidth) + ";\n") +
            "  max-width: 100%;\n"
            "  min-height: " +
            outerHeight +
            ";\n"
            "  margin: 0;\n"
            "  padding: " +
            padding +
            ";\n"
            "  overflow-wrap: anywhere;\n"
            "  text-align: center;\n"
            "  text-decoration: none;\n"
            "  transition: background-color 0.15s, color 0.15s;\n";
    text += declarations(page.normal, "  ");
    text += "}\n"
            ".halvero-menu .halvero-menu__link[aria-current=\"page\"] {\n";
    if (look.value(PageLook::kCurrentUnderline) == "Yes")
        text += "  text-decoration: underline;\n"
                "  text-decoration-thickness: 0.15em;\n"
                "  text-underline-offset: 0.25em;\n";
    if (const std::string& color = look.value(PageLook::kCurrentColor); !color.empty())
        text += "  color: " + color + ";\n";
    if (const std::string& color = look.value(PageLook::kCurrentBackColor); !color.empty())
        text += "  background-color: " + color + ";\n";
    text += "}\n";
    text += hoverAndFocus(page, ".halvero-menu .halvero-menu__link", false, "");
    text += ".halvero-menu .halvero-menu__note {\n"
            "  position: absolute;\n"
            "  width: 1px;\n"
            "  height: 1px;\n"
            "  overflow: hidden;\n"
            "  clip-path: inset(50%);\n"
            "  white-space: nowrap;\n"
            "}\n";
    if (page.hasSubMenus || page.folds)
        text += ".halvero-menu .halvero-menu__chevron {\n"
                "  flex: none;\n"
                "  width: 0;\n"
                "  height: 0;\n"
                "  border-left: 0.3em solid transparent;\n"
                "  border-right: 0.3em solid transparent;\n"
                "  border-top: 0.35em solid currentColor;\n"
                "}\n"
                ".halvero-menu [aria-expanded=\"true\"] > .halvero-menu__chevron {\n"
                "  transform: rotate(180deg);\n"
                "}\n"
                ".halvero-menu [hidden] {\n"
                "  display: none !important;\n"
                "}\n";
    if (page.hasSubMenus) {
        // A parent's link and button side by side, its list below both: in
        // the flow while closed lists are shown (no script) and in a
        // vertical menu; dropped over the page below a horizontal menu.
        text += ".halvero-menu .halvero-menu__item--parent {\n"
                "  position: relative;\n"
                "  display: grid;\n"
                "  grid-template-columns: auto auto;\n"
                "  justify-content: center;\n"
                "  align-items: center;\n"
                "}\n"
                ".halvero-menu .halvero-menu__sublist {\n"
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
                ".halvero-menu .halvero-menu__toggle {\n"
                "  display: flex;\n"
                "  align-items: center;\n"
                "  justify-content: center;\n"
                "  gap: 0.4em;\n"
                "  box-sizing: border-box;\n"
                "  min-height: " +
                toggleHeight +
                ";\n"
                "  min-width: 24px;\n"
                "  margin: 0;\n"
                "  padding: 0 0.6em;\n"
                "  cursor: pointer;\n"
                "  transition: background-color 0.15s, color 0.15s;\n";
        text += declarations(page.normal, "  ");
        text += "}\n";
        text += hoverAndFocus(page, ".halvero-menu .halvero-menu__toggle", true, "");
        text += ".halvero-menu .halvero-menu__link.halvero-menu__toggle {\n"
                "  padding: " +
                padding +
                ";\n"
                "}\n"
                // The items that hold the current page: underlined, dotted.
                ".halvero-menu .halvero-menu__item--holds-current > .halvero-menu__link {\n"
                "  text-decoration: underline dotted;\n"
                "  text-underline-offset: 0.25em;\n"
                "}\n";
        // Down the page, a parent's button hangs beside its link, which
        // stays in line with the other items; on a narrow screen the link
        // leaves the button its room.
        if (!page.across) {
            // Items at the end have it on their other side; centred ones
            // leave it room on both.
            const bool atEnd = align == "end";
            const std::string room = (align == "center" ? "2 * " : "") + toggleWidth(page.normal);
            text += ".halvero-menu .halvero-menu__item--parent > "
                    ".halvero-menu__toggle:not(.halvero-menu__link) {\n"
                    "  position: absolute;\n" +
                    std::string(atEnd ? "  right: 100%;\n" : "  left: 100%;\n") +
                    "  top: 0;\n"
                    "}\n"
                    ".halvero-menu .halvero-menu__item--parent {\n"
                    "  grid-template-columns: minmax(0, auto);\n"
                    "  max-width: calc(100% - " +
                    room +
                    ");\n"
                    "}\n";
        }
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
    }
    if (page.folds) {
        // Below the width the user set, the bar folds behind the menu
        // button (shown by the script only: without it the items stay out,
        // wrapped) into one column, its sub-menus opening in the flow.
        text += ".halvero-menu .halvero-menu__button {\n"
                "  display: none;\n"
                "}\n"
                "@media not all and (min-width: " +
                look.value(PageLook::kFoldBelow) +
                ") {\n"
                "  .halvero-menu--enhanced .halvero-menu__button {\n"
                "    display: flex;\n"
                "    align-items: center;\n"
                "    justify-content: space-between;\n"
                "    gap: 0.6em;\n"
                "    box-sizing: border-box;\n"
                "    width: 100%;\n"
                "    min-height: max(44px, " +
                outerHeight +
                ");\n"
                "    margin: 0;\n"
                "    padding: " +
                padding +
                ";\n"
                "    cursor: pointer;\n";
        text += declarations(page.normal, "    ");
        text += "  }\n";
        text += hoverAndFocus(page, ".halvero-menu--enhanced .halvero-menu__button", true, "  ");
        text += "  .halvero-menu--enhanced .halvero-menu__button[aria-expanded=\"false\"] + "
                ".halvero-menu__list {\n"
                "    display: none;\n"
                "  }\n"
                "  .halvero-menu--enhanced .halvero-menu__list {\n"
                "    flex-direction: column;\n"
                "    flex-wrap: nowrap;\n"
                "    align-items: stretch;\n"
                "    padding: " +
                distance +
                " 0;\n"
                "  }\n"
                "  .halvero-menu--enhanced .halvero-menu__link {\n"
                "    width: auto;\n"
                "  }\n";
        if (page.hasSubMenus)
            text += "  .halvero-menu--enhanced .halvero-menu__item--parent {\n"
                    "    grid-template-columns: 1fr auto;\n"
                    "  }\n"
                    "  .halvero-menu--enhanced .halvero-menu__list > .halvero-menu__item > "
                    ".halvero-menu__sublist {\n"
                    "    position: static;\n"
                    "    min-width: 0;\n"
                    "    align-items: stretch;\n"
                    "    padding: " +
                    distance +
                    " 0 0 1em;\n"
                    "  }\n";
        text += "}\n";
    }
    // In forced colours the colours are the system's: the hovered, focused
    // and current items stay apart by an outline's style and an underline.
    const std::string controls = page.hasSubMenus ? ", .halvero-menu .halvero-menu__toggle" : "";
    text +=
        "@media (forced-colors: active) {\n"
        "  .halvero-menu .halvero-menu__link:hover" +
        (page.hasSubMenus ? ", .halvero-menu .halvero-menu__toggle:hover" : std::string()) +
        (page.folds ? ", .halvero-menu .halvero-menu__button:hover" : std::string()) +
        " {\n"
        "    outline: 2px dashed LinkText;\n"
        "    outline-offset: -5px;\n"
        "  }\n"
        "  .halvero-menu .halvero-menu__link:focus-visible" +
        (page.hasSubMenus ? ", .halvero-menu .halvero-menu__toggle:focus-visible" : std::string()) +
        (page.folds ? ", .halvero-menu .halvero-menu__button:focus-visible" : std::string()) +
        " {\n"
        "    outline: 3px solid Highlight;\n"
        "    outline-offset: 2px;\n"
        "  }\n"
        "  .halvero-menu .halvero-menu__link[aria-current=\"page\"] {\n"
        "    text-decoration: underline;\n"
        "    text-decoration-thickness: 0.2em;\n"
        "    text-underline-offset: 0.25em;\n"
        "  }\n"
        "}\n"
        "@media (prefers-reduced-motion: reduce) {\n"
        "  .halvero-menu .halvero-menu__link" +
        controls +
        " {\n"
        "    transition: none;\n"
        "  }\n"
        "}\n"
        "</style>\n";
    return text;
}

// Turns the menu's buttons on. The menu button, below the width the page
// sets, shows and hides the items; each sub-menu's button shows and hides
// its list (Enter, Space, a click or a tap), a mouse opens a list while
// over its item and closes it a moment after leaving. Escape closes the
// innermost open list holding the focus, or else the folded menu, and
// gives the focus back to its button; focus or a click leaving the menu
// closes everything. One list of a level is open at once. Each menu finds
// its lists inside its own <nav> and gives them ids no element before it
// has, so that two copies on one page (a header's and a footer's) keep
// to their own.
constexpr std::string_view kScript = R"(<script>
(function () {
  "use strict";
  var nav = document.currentScript && document.currentScript.previousElementSibling;
  if (!nav || !nav.classList || !nav.classList.contains("halvero-menu")) return;
  function listOf(element) {
    for (var child = element.firstElementChild; child; child = child.nextElementSibling)
      if (child.tagName === "UL") return child;
    return null;
  }
  function control(button, list, name) {
    var id = name, n = 1;
    while (document.getElementById(id)) id = name + "-" + ++n;
    list.id = id;
    button.setAttribute("aria-controls", id);
  }
  var fold = nav.querySelector(".halvero-menu__button");
  if (fold) control(fold, listOf(nav), "halvero-menu-list");
  var menus = Array.prototype.map.call(nav.querySelectorAll(".halvero-menu__toggle"), function (button) {
    return { button: button, item: button.parentNode, list: listOf(button.parentNode), byHover: false, timer: 0 };
  }).filter(function (menu) { return menu.list; });
  menus.forEach(function (menu, index) { control(menu.button, menu.list, "halvero-menu-sub-" + (index + 1)); });
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
  function folded() { return !!fold && fold.offsetParent !== null; }
  function isUnfolded() { return !!fold && fold.getAttribute("aria-expanded") === "true"; }
  function setUnfolded(open) { if (fold) fold.setAttribute("aria-expanded", open ? "true" : "false"); }
  function closeAll() {
    menus.forEach(function (menu) { if (isOpen(menu)) setOpen(menu, false); });
    if (folded()) setUnfolded(false);
  }
  if (fold) {
    fold.hidden = false;
    fold.addEventListener("click", function () {
      var open = !isUnfolded();
      if (!open) closeAll();
      setUnfolded(open);
    });
  }
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
    if (open.length) {
      var menu = open[open.length - 1];
      setOpen(menu, false);
      menu.button.focus();
    } else if (folded() && isUnfolded()) {
      setUnfolded(false);
      fold.focus();
    } else {
      return;
    }
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
    if (menus.some(isOpen) || (folded() && isUnfolded())) event.preventDefault();
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
        const std::string& label = m_page.look.value(PageLook::kMenuButtonLabel);
        m_text = "<nav class=\"halvero-menu\" aria-label=\"";
        escaped(label);
        m_text += "\">\n";
        if (m_page.folds) {
            m_text += "  <button class=\"halvero-menu__button\" type=\"button\" "
                      "aria-expanded=\"false\" hidden>";
            escaped(label);
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
        if (m_page.hasSubMenus || m_page.folds)
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
        m_text += indent + "<li class=\"halvero-menu__item halvero-menu__item--parent" +
                  (item.holdsCurrent ? " halvero-menu__item--holds-current" : "") + "\">\n" +
                  indent + "  ";
        const std::string controls = "type=\"button\" aria-expanded=\"false\" hidden>";
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
                  indent + "  <ul class=\"halvero-menu__sublist\">\n";
        for (const PageModel::Item& child : item.items)
            addItem(child, indent + "    ");
        m_text += indent + "  </ul>\n" + indent + "</li>\n";
    }

    const PageModel& m_page;
    std::string m_text;
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
