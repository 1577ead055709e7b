// The modern horizontal bar in headless Chromium, as visitors meet it from
// a phone to a desktop: at 320, 375, 768 and 1280 px, with and without
// script, the page never scrolls sideways, every item can be reached (on
// the screen, or behind the menu button) and every label stays inside its
// item. The menu button: aria-expanded, Enter, Escape giving the focus
// back, a tap, a tap outside. Forced colours keep hover, focus and the
// current item apart; the fragment's rules win over a site's ordinary rules
// on a and ul and touch nothing else; axe-core with the menu folded and open.
// Usage: node bar_checks.mjs FOLDER, where FOLDER holds what check_bar.sh
// wrote; exits 1 when a check fails.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { check, checkAxe, finish, launchChromium } from './checks.mjs';

const folder = process.argv[2];
const browser = await launchChromium();
async function open(name, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options });
  const page = await context.newPage();
  await page.goto('file://' + path.join(folder, name));
  return [context, page];
}
const fold = '.halvero-menu__button';
const isShown = (page, selector) => page.evaluate((selector) => {
  const found = document.querySelector(selector);
  return !!found && found.getClientRects().length > 0;
}, selector);
const expanded = (page) => page.$eval(fold, (b) => b.getAttribute('aria-expanded'));
// What the layout gets wrong: sideways scroll, links off the screen or
// hidden, labels out of their item.
const layoutFaults = (page) => page.evaluate(() => {
  const faults = [];
  const root = document.documentElement;
  if (root.scrollWidth > root.clientWidth) faults.push(`scrolls sideways (${root.scrollWidth} > ${root.clientWidth})`);
  for (const link of document.querySelectorAll('.halvero-menu__link')) {
    const box = link.getBoundingClientRect();
    if (!link.getClientRects().length) { faults.push(`${link.textContent}: hidden`); continue; }
    if (box.left < 0 || box.right > root.clientWidth) faults.push(`${link.textContent}: off the screen`);
    const range = document.createRange();
    range.selectNodeContents(link.firstChild);
    for (const line of range.getClientRects())
      if (line.left < box.left - 0.5 || line.right > box.right + 0.5 || line.top < box.top - 0.5 || line.bottom > box.bottom + 0.5)
        faults.push(`${link.textContent}: label outside its item`);
  }
  return faults;
});

for (const count of [3, 6, 12]) {
  for (const name of [`bar${count}.htm`]) {
    for (const width of [320, 375, 768, 1280]) {
      for (const javaScriptEnabled of [true, false]) {
        const say = (what) => `${count} items at ${width} px${javaScriptEnabled ? '' : ', script off'}: ${what}`;
        const [context, page] = await open(name, { viewport: { width, height: 800 }, javaScriptEnabled });
        const folded = await isShown(page, fold);
        // 40em is 640 px: narrower screens fold the bar when script runs.
        check(folded === (javaScriptEnabled && width < 640), say(folded ? 'folded behind the menu button' : 'the items shown'));
        if (folded) {
          check(await expanded(page) === 'false' && !(await isShown(page, '.halvero-menu__list')), say('folded, the items are hidden'));
          const sideways = await page.evaluate(() => document.documentElement.scrollWidth > document.documentElement.clientWidth);
          check(!sideways, say('folded, no sideways scroll'));
          await page.click(fold);
          check(await expanded(page) === 'true', say('the menu button opens the menu'));
        }
        const faults = await layoutFaults(page);
        check(faults.length === 0, say('every item on the screen, every label inside its item, no sideways scroll'), faults.join('; '));
        await context.close();
      }
    }
  }
}

// The menu button from the keyboard, and by touch.
{
  const [context, page] = await open('bar12-part.htm', { viewport: { width: 375, height: 800 } });
  await page.keyboard.press('Tab');
  check(await page.evaluate(() => document.activeElement.classList.contains('halvero-menu__button')),
    'Tab reaches the menu button first');
  await page.keyboard.press('Tab');
  check(await page.evaluate(() => document.activeElement === document.body || !document.activeElement.closest('.halvero-menu')),
    'Tab skips the folded items');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Enter');
  check(await expanded(page) === 'true', 'Enter opens the menu');
  await page.keyboard.press('Tab');
  check(await page.evaluate(() => document.activeElement.textContent) === 'Home', 'Tab goes on into the open menu');
  await page.keyboard.press('Escape');
  check(await expanded(page) === 'false' &&
    await page.evaluate(() => document.activeElement.classList.contains('halvero-menu__button')),
  'Escape folds the menu and gives the focus back to its button');
  await page.keyboard.press(' ');
  check(await expanded(page) === 'true', 'Space opens it');
  await page.keyboard.press(' ');
  check(await expanded(page) === 'false', 'Space folds it again');
  await context.close();
}
{
  const [context, page] = await open('bar12.htm', { viewport: { width: 375, height: 800 }, hasTouch: true, isMobile: true });
  await page.tap(fold);
  check(await expanded(page) === 'true' && await isShown(page, '.halvero-menu__list'), 'a tap opens the menu');
  await page.tap(fold);
  check(await expanded(page) === 'false', 'a tap on the button folds it');
  await page.tap(fold);
  await page.touchscreen.tap(360, 790);
  check(await expanded(page) === 'false', 'a tap outside the menu folds it');
  await context.close();
}

// Forced colours: hovered, focused and current items differ by more than
// their (forced) colours.
{
  const [context, page] = await open('bar6.htm', { forcedColors: 'active' });
  const look = (selector) => page.$eval(selector, (e) => {
    const s = getComputedStyle(e);
    return `${s.outlineStyle} ${s.outlineWidth} ${s.textDecorationLine}`;
  });
  const normal = await look('a[href="page0.html"]');
  const current = await look('a[aria-current="page"]');
  await page.hover('a[href="page1.html"]');
  const hovered = await look('a[href="page1.html"]');
  await page.mouse.move(5, 700);
  await page.focus('a[href="page3.html"]');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Tab');
  const focused = await look('a[href="page3.html"]');
  const looks = [normal, hovered, focused, current];
  check(new Set(looks).size === 4, 'forced colours: normal, hovered, focused and current items look apart', looks.join(' | '));
  await context.close();
}

// A site's ordinary rules on a, ul and li neither win over the fragment's
// nor are changed by it.
{
  const site = `<!DOCTYPE html><html lang="en"><head><title>Site</title><style>
    a { color: rgb(255, 0, 0); text-decoration: underline wavy; padding: 9px; }
    a:link, a:visited { color: rgb(255, 0, 0); }
    nav ul li a { font-size: 30px; }
    ul { list-style: square; padding-left: 40px; margin: 20px; }
    li { margin: 7px; }
  </style></head><body>${readFileSync(path.join(folder, 'bar3-part.htm'), 'utf8')}
  <main><h1>Site</h1><ul><li><a href="#x">A site link</a></li></ul></main></body></html>`;
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await context.newPage();
  await page.setContent(site);
  const menu = await page.$eval('.halvero-menu__link', (a) => {
    const s = getComputedStyle(a), list = getComputedStyle(a.closest('ul'));
    return [s.color, s.textDecorationLine, s.fontSize, list.listStyleType, list.paddingLeft].join(' ');
  });
  check(menu === 'rgb(0, 0, 255) none 10.6667px none 4px', 'the menu keeps its look among a site\'s rules on a and ul', menu);
  const own = await page.$eval('main a', (a) => {
    const s = getComputedStyle(a), list = getComputedStyle(a.closest('ul'));
    return [s.color, s.textDecorationStyle, list.listStyleType, list.paddingLeft].join(' ');
  });
  check(own === 'rgb(255, 0, 0) wavy square 40px', 'the site\'s own links and lists keep theirs', own);
  await context.close();
}

// A look of its own: items as wide as their labels, spread over a coloured
// bar that never folds.
{
  const [context, page] = await open('look.htm', { viewport: { width: 375, height: 800 } });
  const bar = await page.$eval('.halvero-menu', (nav) => getComputedStyle(nav).backgroundColor);
  check(bar === 'rgb(31, 58, 95)', 'the bar takes its colour', bar);
  check(!(await isShown(page, fold)), 'never folding, no menu button at 375 px');
  const faults = await layoutFaults(page);
  check(faults.length === 0, 'auto widths: every item on the screen at 375 px', faults.join('; '));
  const widths = await page.$$eval('.halvero-menu__link', (links) => links.map((a) => Math.round(a.getBoundingClientRect().width)));
  check(new Set(widths).size > 1, 'auto widths follow the labels', widths.join(', '));
  await context.close();
}

// Down the page at 320 px, items 300 px wide: a sub-menu's button beside
// its link stays on the screen, centred or at the end, its lists open.
for (const align of ['center', 'end']) {
  const [context, page] = await open(`down-${align}.htm`, { viewport: { width: 320, height: 800 } });
  await page.click('[aria-controls="halvero-menu-sub-1"]');
  await page.click('[aria-controls="halvero-menu-sub-2"]');
  const off = await page.evaluate(() => [...document.querySelectorAll('.halvero-menu a, .halvero-menu button')]
    .filter((e) => e.getClientRects().length)
    .filter((e) => { const r = e.getBoundingClientRect(); return r.left < 0 || r.right > document.documentElement.clientWidth; })
    .map((e) => e.textContent));
  const faults = await layoutFaults(page);
  check(off.length === 0 && faults.length === 0, `down the page, ${align}: buttons and items on a 320 px screen`,
    [...off, ...faults].join('; '));
  await context.close();
}

// Accessibility, folded and open.
{
  const [context, page] = await open('bar12.htm', { viewport: { width: 375, height: 800 } });
  await checkAxe(page, 'the menu folded');
  await page.click(fold);
  await checkAxe(page, 'the menu open');
  await context.close();
}

await browser.close();
finish();
