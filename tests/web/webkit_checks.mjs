// Sub-menus of the modern page in WebKit (WebKitGTK's MiniBrowser, Safari's
// engine family), driven through its W3C WebDriver: the script turns the
// buttons on and hides the lists; a click, Enter and Escape, and a hovering
// pointer open and close them as in Chromium; an open list drops below its
// parent across the page and stays on the screen; in a narrow window the
// bar folds behind its menu button, which opens it and Escape folds again.
// With "looks", the shipped looks' pages: at a desktop's width the panel
// drops as in Chromium, its button as high as its item; on a phone the
// folded sub-items are indented, nothing scrolls sideways.
// Usage: node webkit_checks.mjs FOLDER [looks], where FOLDER holds the
// pages check_submenus.sh (or check_looks.sh) wrote; exits 1 when a check
// fails.
import { spawn } from 'node:child_process';
import { readdirSync } from 'node:fs';
import path from 'node:path';

const folder = process.argv[2];
const looks = process.argv[3] === 'looks';
const port = 4400 + (process.pid % 1000);
let failures = 0;
function check(ok, what, detail = '') {
  console.log(`${ok ? 'ok' : 'FAIL'}: webkit: ${what}${ok || !detail ? '' : ` (${detail})`}`);
  if (!ok) failures++;
}

const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: ['ignore', 'ignore', 'inherit'] });
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
async function call(method, where, body) {
  const response = await fetch(`http://127.0.0.1:${port}${where}`, {
    method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body),
  });
  const { value } = await response.json();
  if (value && value.error) throw new Error(`${where}: ${value.error}: ${value.message}`);
  return value;
}

let session;
for (let tries = 0; !session && tries < 50; tries++) {
  try {
    session = (await call('POST', '/session', {
      capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { args: ['--automation'] } } },
    })).sessionId;
  } catch (error) {
    if (tries === 49) throw error;
    await sleep(200);
  }
}
const run = (script, ...args) => call('POST', `/session/${session}/execute/sync`, { script, args });
const keys = (...values) => call('POST', `/session/${session}/actions`, {
  actions: [{ type: 'key', id: 'keyboard', actions: values.flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]) }],
});
const pointTo = (x, y) => call('POST', `/session/${session}/actions`, {
  actions: [{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: [{ type: 'pointerMove', duration: 50, x: Math.round(x), y: Math.round(y), origin: 'viewport' }] }],
});
// Near the bottom right corner of the page, away from the menu: never the
// point the pointer was last moved to, which an element's click (that moves
// it too) does not update.
let aways = 0;
const pointAway = async () => pointTo(...(await run('return [innerWidth - 5 - arguments[0], innerHeight - 5];', ++aways % 4)));
const Enter = '\uE007', Tab = '\uE004', Escape = '\uE00C';
const button = (n) => `document.querySelector('[aria-controls="halvero-menu-sub-${n}"]')`;
const expanded = (n) => run(`var b = ${button(n)}; return b.getAttribute('aria-expanded') === 'true' && !document.getElementById(b.getAttribute('aria-controls')).hidden;`);
const focused = () => run('return document.activeElement.textContent;');

// Each look's page: its panel at 1280 px, its fold at 360 px.
async function checkLooks() {
  for (const name of readdirSync(folder).filter((file) => file.endsWith('.htm'))) {
    const say = (what) => `${name.replace(/\.htm$/, '')}: ${what}`;
    const toggle = `document.querySelector('.halvero-menu__item--parent > .halvero-menu__toggle')`;
    const shape = `var item = ${toggle}.parentNode, link = item.querySelector('a'), list = item.querySelector('.halvero-menu__sublist');
      var box = (e) => e.getBoundingClientRect(), style = getComputedStyle(list);
      var inner = list.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      var rtl = style.direction === 'rtl', startOf = (e) => rtl ? -box(e).right : box(e).left;
      return { dropped: style.position === 'absolute', start: startOf(list) - startOf(item), gap: box(list).top - box(link).bottom,
        heights: [box(link).height, box(${toggle}).height].map(Math.round),
        rows: [...list.querySelectorAll(':scope > li > a')].map((a) => Math.round(box(a).width - inner)),
        indent: startOf(list.querySelector('a')) - startOf(link),
        scrolls: document.documentElement.scrollWidth > document.documentElement.clientWidth };`;
    await call('POST', `/session/${session}/window/rect`, { width: 1280, height: 700 });
    await call('POST', `/session/${session}/url`, { url: 'file://' + path.join(folder, name) });
    await run(`${toggle}.click();`);
    const wide = await run(shape);
    check(wide.heights[0] === wide.heights[1], say("the sub-menu's button is as high as its link"), JSON.stringify(wide));
    if (wide.dropped)
      check(Math.abs(wide.start) < 0.5 && Math.abs(wide.gap) < 0.5 && wide.rows.every((d) => Math.abs(d) <= 1),
        say('the panel touches its item at its start edge, its rows as wide as it'), JSON.stringify(wide));
    await call('POST', `/session/${session}/window/rect`, { width: 360, height: 700 });
    await call('POST', `/session/${session}/url`, { url: 'file://' + path.join(folder, name) });
    await run(`var fold = document.querySelector('.halvero-menu__button');
      if (fold && fold.getClientRects().length) fold.click();
      ${toggle}.click();`);
    const narrow = await run(shape);
    check(!narrow.scrolls && (narrow.dropped || narrow.indent >= 8),
      say('on a phone nothing scrolls sideways and sub-items are indented'), JSON.stringify(narrow));
  }
}

try {
  if (looks)
    await checkLooks();
  for (const direction of looks ? [] : ['across', 'down']) {
    const say = (what) => `${direction}: ${what}`;
    await call('POST', `/session/${session}/window/rect`, { width: 1024, height: 700 });
    await call('POST', `/session/${session}/url`, { url: 'file://' + path.join(folder, `sub-${direction}.htm`) });
    check(await run(`return [...document.querySelectorAll('.halvero-menu__toggle')].every((b) => !b.hidden) &&
      [...document.querySelectorAll('.halvero-menu__list > li > .halvero-menu__toggle')].every((b) => b.getClientRects().length) &&
      [...document.querySelectorAll('.halvero-menu__sublist')].every((l) => l.hidden && !l.getClientRects().length);`),
    say('the script shows the buttons and hides the lists'));

    const services = await call('POST', `/session/${session}/element`, { using: 'css selector', value: '[aria-controls="halvero-menu-sub-1"]' });
    const servicesId = Object.values(services)[0];
    await call('POST', `/session/${session}/element/${servicesId}/click`, {});
    check(await expanded(1), say('a click opens a sub-menu'));
    if (direction === 'across') {
      const [below, inside] = await run(`var item = ${button(1)}.parentNode, list = document.getElementById('halvero-menu-sub-1');
        var i = item.getBoundingClientRect(), l = list.getBoundingClientRect();
        return [Math.abs(l.top - i.bottom) <= 1, l.left >= 0 && l.right <= innerWidth];`);
      check(below && inside, say('it drops below its parent, on the screen'));
      const panel = await run(`var item = ${button(1)}.parentNode, list = document.getElementById('halvero-menu-sub-1');
        var box = (e) => e.getBoundingClientRect(), l = box(list);
        return { start: box(item).left - l.left, gap: l.top - box(item.querySelector('a')).bottom,
          rows: [...list.children].map((li) => Math.round([...li.children].filter((e) => e.tagName !== 'UL')
            .reduce((w, e) => w + box(e).width, 0)) - Math.round(l.width)),
          lines: [...list.querySelectorAll(':scope > li > a')].map((a) => { var r = document.createRange();
            r.selectNodeContents(a); return new Set([...r.getClientRects()].map((q) => Math.round(q.top))).size; }) };`);
      check(Math.abs(panel.start) < 0.5 && Math.abs(panel.gap) < 0.5 && panel.rows.every((d) => d === 0) &&
        panel.lines.every((n) => n === 1), say('the panel touches its item at its start edge, its rows as wide as it, one line each'),
      JSON.stringify(panel));
    }
    await call('POST', `/session/${session}/element/${servicesId}/click`, {});
    check(!(await expanded(1)), say('a second click closes it'));

    await run(`${button(1)}.focus();`);
    await keys(Enter);
    check(await expanded(1), say('Enter opens it'));
    await keys(Tab);
    check(await focused() === 'Web design', say('Tab goes into it'), await focused());
    await keys(Escape);
    check(!(await expanded(1)) && await focused() === 'Services, sub-menu',
      say('Escape closes it and gives the focus back to its button'), await focused());

    const [x, y] = await run(`var r = document.querySelector('a[href="services/"]').getBoundingClientRect(); return [r.left + 5, r.top + 5];`);
    // The clicks left the pointer on the item, and the focus in it (which
    // keeps a list open).
    await run('document.activeElement.blur();');
    await pointAway();
    await sleep(100);
    await pointTo(x, y);
    await sleep(100);
    check(await expanded(1), say('hovering opens it'));
    await pointAway();
    await sleep(900);
    check(!(await expanded(1)), say('it closes a moment after the pointer leaves'));

    {
      await call('POST', `/session/${session}/window/rect`, { width: 360, height: 700 });
      await sleep(200);
      if (direction === 'across') {
        // Narrow, the bar folds behind its menu button; Escape inside folds it again.
        const fold = 'document.querySelector(".halvero-menu__button")';
        check(await run(`return ${fold}.getClientRects().length > 0 && ${fold}.nextElementSibling.getClientRects().length === 0;`),
          say('a narrow window shows the menu button, the items folded'));
        check(await run('return document.documentElement.scrollWidth <= document.documentElement.clientWidth;'),
          say('a narrow window does not scroll sideways'));
        await run(`${fold}.click();`);
        check(await run(`return ${fold}.getAttribute("aria-expanded") === "true";`), say('the menu button opens the menu'));
        await run('document.querySelector(".halvero-menu__link").focus();');
        await keys(Escape);
        check(await run(`return ${fold}.getAttribute("aria-expanded") === "false" && document.activeElement === ${fold};`),
          say('Escape folds the menu and gives the focus to its button'));
        await run(`${fold}.click();`);
      }
      await run(`${button(1)}.click(); ${button(2)}.click();`);
      const off = await run(`return [...document.querySelectorAll('.halvero-menu a, .halvero-menu button')]
        .filter((e) => e.getClientRects().length)
        .filter((e) => { var r = e.getBoundingClientRect(); return r.left < 0 || r.right > document.documentElement.clientWidth; })
        .map((e) => e.textContent);`);
      check(off.length === 0, say('open sub-menus stay on a narrow screen'), off.join(', '));
    }
  }
} finally {
  await call('DELETE', `/session/${session}`).catch(() => {});
  driver.kill();
}
if (failures) console.log(`${failures} check(s) failed`);
process.exit(failures ? 1 : 0);
