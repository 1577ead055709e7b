// Turns the menu's buttons on. The menu button, below the width the page
// sets, shows and hides the items; each sub-menu's button shows and hides
// its list (Enter, Space, a click or a tap), a mouse opens a list while
// over its item and closes it a moment after leaving. Escape closes the
// innermost open list holding the focus, or else the folded menu, and
// gives the focus back to its button; focus leaving a list's item closes
// that list, and focus or a click leaving the menu closes everything. One
// list of a level is open at once. Each menu finds its lists inside its
// own <nav> and gives them ids no element before it has, so that two
// copies on one page (a header's and a footer's) keep to their own.
// Loaded from the site's one script file, it turns on every menu of the
// page.
// ModernPage writes it after the <nav>, in a <script>, without these
// opening comment lines; tests/web/eslint.config.mjs lints it as ES5.
(function () {
  "use strict";
  function isMenu(element) {
    return element && element.classList && element.classList.contains("halvero-menu") &&
      !element.classList.contains("halvero-menu--enhanced");
  }
  function enhance(nav) {
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
        var box = menu.list.getBoundingClientRect();
        var backwards = getComputedStyle(menu.list).direction === "rtl";
        if (backwards ? box.left < 0 : box.right > document.documentElement.clientWidth)
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
    // Focus leaving an open list's item (Tab on to the next item, Shift+Tab
    // back past its button) closes that list; leaving the menu, all.
    nav.addEventListener("focusout", function (event) {
      var to = event.relatedTarget;
      if (!to) return;
      if (!nav.contains(to)) closeAll();
      else menus.forEach(function (menu) {
        if (isOpen(menu) && menu.item.contains(event.target) && !menu.item.contains(to)) setOpen(menu, false);
      });
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
  }
  // Right after its menu, the script turns that one on; loaded from a file of
  // its own (deferred, so the page is read), every menu of the page.
  var own = document.currentScript && document.currentScript.previousElementSibling;
  if (isMenu(own)) enhance(own);
  else if (document.currentScript && document.currentScript.src)
    Array.prototype.forEach.call(document.querySelectorAll("nav.halvero-menu"), function (nav) {
      if (isMenu(nav)) enhance(nav);
    });
})();
