// Every look's menu (and one right to left) in headless Chromium at 320, 375, 768 and 1280 px, as a
// designer and a visitor look at it, with its sub-menu closed and open:
// nothing scrolls sideways; a sub-menu's button is as high as its link; a
// dropped panel touches its item below its start edge, every sub-item as
// wide as the panel inside its padding, labels on one line at their start;
// folded or down the page, sub-items are indented under their parent;
// Tab out of an open sub-menu closes it; axe-core finds nothing, target
// size included.
// Usage: node look_checks.mjs FOLDER, where FOLDER holds the pages
// check_looks.sh wrote; exits 1 when a check fails.
import { readdirSync } from 'node:fs';
import path from 'node:path';
import { check, checkAxe, finish, launchChromium } from './checks.mjs';

const folder = process.argv[2];
const browser = await launchChromium();
const toggle = '.halvero-menu__item--parent > .halvero-menu__toggle';

// What the menu looks like as it stands: its items and, when open, its panel.
const shape = (page) => page.evaluate(() => {
  const box = (e) => e.getBoundingClientRect();
  const item = document.querySelector('a[href="services/"]').parentNode;
  const link = item.querySelector('a'), button = item.querySelector('.halvero-menu__toggle');
  const panel = item.querySelector('.halvero-menu__sublist');
  const sub = [...panel.querySelectorAll('a')];
  const lines = (a) => { const r = document.createRange(); r.selectNodeContents(a);
    return new Set([...r.getClientRects()].map((q) => Math.round(q.top))).size; };
  const style = getComputedStyle(panel);
  // Edges measured from the page's start: the right, right to left.
  const rtl = style.direction === 'rtl';
  const startOf = (r) => (rtl ? -r.right : r.left);
  const textStart = (a) => { const r = document.createRange(); r.selectNodeContents(a);
    return startOf(r.getBoundingClientRect()) - startOf(box(a)); };
  return {
    dropped: style.position === 'absolute',
    scrolls: document.documentElement.scrollWidth > innerWidth,
    heights: [box(link).height, box(button).height].map(Math.round),
    rowTops: [box(link).top, box(button).top].map(Math.round),
    startOff: Math.round(startOf(box(panel)) - startOf(box(item))),
    gap: Math.round(box(panel).top - box(link).bottom),
    inner: Math.round(panel.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight)),
    widths: sub.map((a) => Math.round(box(a).width)),
    lines: sub.map(lines), starts: sub.map(textStart).map(Math.round),
    indent: Math.round(startOf(box(sub[0])) - startOf(box(link))),
  };
});

const looks = readdirSync(folder).filter((name) => name.endsWith('.htm'));
check(looks.length >= 4, 'every modern look has its page', looks.join(' '));
for (const name of looks) {
  const look = name.replace(/\.htm$/, '').replace(/-/g, ' ');
  for (const width of [320, 375, 768, 1280]) {
    const say = (what) => `${look} at ${width} px: ${what}`;
    const context = await browser.newContext({ viewport: { width, height: 700 } });
    const page = await context.newPage();
    await page.goto('file://' + path.join(folder, name));
    await page.evaluate(() => document.body.insertAdjacentHTML('beforeend',
      '<main><h1>Our services</h1><p>The page under the menu.</p></main>'));
    await checkAxe(page, say('closed'));
    const menuButton = page.locator('.halvero-menu__button');
    const folded = await menuButton.isVisible();
    if (folded)
      await menuButton.click();
    await page.click(toggle);
    const open = await shape(page);
    check(!open.scrolls, say('nothing scrolls sideways'), JSON.stringify(open));
    check(open.heights[0] === open.heights[1] && open.rowTops[0] === open.rowTops[1],
      say("the sub-menu's button is as high as its link, in its row"), JSON.stringify(open));
    if (open.dropped) {
      check(Math.abs(open.startOff) <= 0 && Math.abs(open.gap) <= 0,
        say('the panel touches its item, below its start edge'), JSON.stringify(open));
      check(open.widths.every((w) => w === open.inner), say('every sub-item is as wide as the panel'),
        JSON.stringify(open));
      check(open.lines.every((n) => n === 1) && open.starts.every((x) => x < 24),
        say('sub-item labels are on one line, at their start'), JSON.stringify(open));
    } else {
      check(open.indent >= 8, say('sub-items are indented under their parent'), JSON.stringify(open));
    }
    await checkAxe(page, say('open'));
    // Tab through the open sub-menu and on: it closes behind the focus.
    await page.focus(toggle);
    for (let i = 0; i < 3; i++)
      await page.keyboard.press('Tab');
    const after = await page.evaluate((selector) => ({
      focused: document.activeElement.textContent,
      expanded: document.querySelector(selector).getAttribute('aria-expanded'),
    }), toggle);
    check(after.focused === 'About' && after.expanded === 'false', say('Tab out of the open sub-menu closes it'),
      JSON.stringify(after));
    await context.close();
  }
}

await browser.close();
finish();
