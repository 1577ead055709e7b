// Sub-menus of the modern page in headless Chromium, as visitors use them:
// Tab skips closed sub-menus and never opens one on focus; Enter and Space
// on a button open and close its list; Escape closes the list holding the
// focus and gives the focus back to its button; focus leaving a list's
// item, or the menu, closes what it leaves; a mouse opens a list while over
// its item and closes it a moment after leaving; a tap opens and closes it;
// with script off every link is shown. Three levels, down and across the
// page; axe-core with the lists closed and open; sub-menus stay on the
// screen from 320 px.
// Usage: node submenu_checks.mjs FOLDER, where FOLDER holds the pages
// check_submenus.sh wrote; exits 1 when a check fails.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { check, checkAxe, finish, launchChromium } from './checks.mjs';

const folder = process.argv[2];
const browser = await launchChromium();

// The fragment between two links of the site, as a page holds it.
const fragment = (name) => readFileSync(path.join(folder, name), 'utf8');
const inPage = (name) => `<!DOCTYPE html><html lang="en"><head><title>Site</title></head><body>` +
  `<a href="#before">Before</a>${fragment(name)}<main><h1>Site</h1><a href="#after">After</a></main></body></html>`;

async function newPage(options = {}) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 600 }, ...options });
  return [context, await context.newPage()];
}
const focused = (page) => page.evaluate(() => {
  const e = document.activeElement;
  return e.tagName === 'BUTTON' ? `button:${e.textContent}` : e.textContent;
});
// The button of a sub-menu, by its parent's label.
const button = (label) => `[aria-controls="halvero-menu-sub-${{ Services: 1, Hosting: 2, About: 3 }[label]}"]`;
const expanded = (page, label) => page.$eval(button(label), (button) =>
  button.getAttribute('aria-expanded') === 'true' && !document.getElementById(button.getAttribute('aria-controls')).hidden);
const visibleLinks = (page) => page.evaluate(() => [...document.querySelectorAll('nav a')]
  .filter((a) => a.getClientRects().length > 0).map((a) => a.textContent));
const allLinks = ['Home', 'Services', 'Web design', 'Hosting', 'Domains', 'Team', 'History', 'Contact'];

for (const direction of ['across', 'down']) {
  const name = `sub-${direction}.htm`, part = `sub-${direction}-part.htm`;
  const say = (what) => `${direction}: ${what}`;

  // Keyboard.
  {
    const [context, page] = await newPage();
    await page.setContent(inPage(part));
    const order = [];
    for (let i = 0; i < 7; i++) {
      await page.keyboard.press('Tab');
      order.push(await focused(page));
    }
    check(JSON.stringify(order) === JSON.stringify(
      ['Before', 'Home', 'Services', 'button:Services, sub-menu', 'button:About', 'Contact', 'After']),
    say('Tab skips the closed sub-menus'), order.join(' | '));
    check(!(await expanded(page, 'Services')) && !(await expanded(page, 'About')),
      say('focus alone opens nothing'));

    await page.focus(button('Services'));
    await page.keyboard.press('Enter');
    check(await expanded(page, 'Services'), say('Enter opens a sub-menu'));
    await page.keyboard.press('Tab');
    check(await focused(page) === 'Web design', say('Tab goes into the open sub-menu'), await focused(page));
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    check(await focused(page) === 'button:Hosting, sub-menu', say('a third level has its button'), await focused(page));
    await page.keyboard.press(' ');
    check(await expanded(page, 'Hosting'), say('Space opens the third level'));
    await page.keyboard.press('Tab');
    check(await focused(page) === 'Domains', say('Tab reaches the third level'), await focused(page));
    await page.keyboard.press('Escape');
    check(!(await expanded(page, 'Hosting')) && await expanded(page, 'Services') &&
      await focused(page) === 'button:Hosting, sub-menu',
    say('Escape closes the innermost list and returns focus to its button'), await focused(page));
    await page.keyboard.press('Escape');
    check(!(await expanded(page, 'Services')) && await focused(page) === 'button:Services, sub-menu',
      say('Escape again closes the list around it'), await focused(page));
    await page.keyboard.press('Enter');
    await page.keyboard.press('Enter');
    check(!(await expanded(page, 'Services')), say('Enter closes what it opened'));
    await page.keyboard.press('Enter');
    for (let i = 0; i < 4; i++) await page.keyboard.press('Tab');
    check(await focused(page) === 'button:About' && !(await expanded(page, 'Services')),
      say('Tab on past the last sub-item to the next item closes the list left'), await focused(page));
    await page.focus(button('Services'));
    await page.keyboard.press('Enter');
    await page.keyboard.press('Shift+Tab');
    check(await focused(page) === 'Services' && await expanded(page, 'Services'),
      say('the parent link is in the list\'s item: it stays open'), await focused(page));
    await page.keyboard.press('Shift+Tab');
    check(await focused(page) === 'Home' && !(await expanded(page, 'Services')),
      say('Shift+Tab back past its item closes it'), await focused(page));

    await page.focus(button('About'));
    await page.keyboard.press('Space');
    check(await expanded(page, 'About'), say('a heading without a link is a button'));
    for (let i = 0; i < 4; i++) await page.keyboard.press('Tab');
    check(await focused(page) === 'After' && !(await expanded(page, 'About')),
      say('focus leaving the menu closes what is open'), await focused(page));
    await context.close();
  }

  // A parent's link and button are one item: the pointer on the button
  // lights the link too (after the colours' short transition).
  {
    const [context, page] = await newPage();
    await page.setContent(inPage(part));
    const toggle = await (await page.$(button('Services'))).boundingBox();
    await page.mouse.move(toggle.x + toggle.width / 2, toggle.y + toggle.height / 2);
    await page.waitForTimeout(300);
    const colours = await page.evaluate(() => ['a[href="index.html"]', 'a[href="services/"]', '[aria-controls="halvero-menu-sub-1"]']
      .map((s) => getComputedStyle(document.querySelector(s)).backgroundColor));
    check(colours[1] === colours[2] && colours[1] !== colours[0],
      say('the pointer on a parent\'s button lights its link too'), colours.join(' '));
    await context.close();
  }

  // Mouse: hover opens, leaving closes after a grace delay.
  {
    const [context, page] = await newPage();
    await page.setContent(inPage(part));
    const box = await (await page.$('a[href="services/"]')).boundingBox();
    await page.mouse.move(box.x + 10, box.y + 10);
    await page.waitForTimeout(50);
    check(await expanded(page, 'Services'), say('hovering a parent opens it'));
    const inner = await (await page.$('a[href="services/web.html"]')).boundingBox();
    await page.mouse.move(inner.x + 5, inner.y + 5, { steps: 5 });
    check(await expanded(page, 'Services'), say('it stays open while the pointer is in it'));
    await page.mouse.move(1000, 590);
    await page.waitForTimeout(100);
    check(await expanded(page, 'Services'), say('it waits a moment after the pointer leaves'));
    await page.waitForTimeout(600);
    check(!(await expanded(page, 'Services')), say('then it closes'));
    await page.mouse.move(box.x + 10, box.y + 10);
    await page.click(button('Services'));
    await page.mouse.move(1000, 590);
    await page.waitForTimeout(700);
    check(await expanded(page, 'Services'), say('a click keeps a hovered sub-menu open'));
    await page.mouse.click(1000, 590);
    check(!(await expanded(page, 'Services')), say('a click outside the menu closes it'));
    await context.close();
  }

  // Touch: a tap opens and closes; hover does nothing there.
  {
    const [context, page] = await newPage({ hasTouch: true, isMobile: true, viewport: { width: 375, height: 700 } });
    await page.setContent(inPage(part));
    await page.tap(button('Services'));
    check(await expanded(page, 'Services'), say('a tap opens a sub-menu'));
    await page.tap(button('Services'));
    check(!(await expanded(page, 'Services')), say('a second tap closes it'));
    await page.tap(button('About'));
    await page.touchscreen.tap(360, 690);
    check(!(await expanded(page, 'About')), say('a tap outside the menu closes it'));
    await context.close();
  }

  // Script off: every link shown, no button.
  {
    const [context, page] = await newPage({ javaScriptEnabled: false });
    await page.goto('file://' + path.join(folder, name));
    const links = await visibleLinks(page);
    check(JSON.stringify(links) === JSON.stringify(allLinks), say('without script every link is shown'), links.join(', '));
    check(await page.evaluate(() => [...document.querySelectorAll('button')].every((b) => !b.getClientRects().length)),
      say('without script no button is shown'));
    await context.close();
  }

  // Accessibility, closed and open; on the screen from 320 px.
  for (const width of [320, 1280]) {
    const [context, page] = await newPage({ viewport: { width, height: 800 } });
    await page.goto('file://' + path.join(folder, name));
    if (width === 1280) await checkAxe(page, say('sub-menus closed'));
    // Across at 320 px the bar is folded behind its menu button.
    if (direction === 'across' && width === 320) await page.click('.halvero-menu__button');
    for (const label of ['Services', 'Hosting']) await page.click(button(label));
    if (width === 1280) await checkAxe(page, say('sub-menus open'));
    // Two plain links under a heading: each a finger's target (WCAG 2.2
    // target size), at 320 px too.
    await page.click(button('About'));
    await checkAxe(page, say(`a sub-menu of plain links open at ${width} px`));
    await page.click(button('About'));
    for (const label of ['Services', 'Hosting']) if (!(await expanded(page, label))) await page.click(button(label));
    const off = await page.evaluate(() => [...document.querySelectorAll('.halvero-menu__sublist a')]
      .filter((a) => a.getClientRects().length)
      .filter((a) => { const r = a.getBoundingClientRect(); return r.left < 0 || r.right > innerWidth; })
      .map((a) => a.textContent));
    check(off.length === 0, say(`open sub-menus stay on a ${width} px screen`), off.join(', '));
    await context.close();
  }
}

// The dropped panel along the bar, as a designer looks at it: the parent's
// link and button as high as the other items, the panel touching the item
// below its start edge, every sub-item as wide as the panel, labels on one
// line and at their start; folded on a phone, sub-items indented under
// their parent.
{
  const [context, page] = await newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto('file://' + path.join(folder, 'sub-across.htm'));
  await page.click(button('Services'));
  const shape = await page.evaluate(() => {
    const box = (e) => e.getBoundingClientRect();
    const item = document.querySelector('a[href="services/"]').parentNode;
    const panel = item.querySelector('.halvero-menu__sublist');
    const links = [...panel.children].map((li) => li.querySelector('a'));
    const lines = (a) => { const r = document.createRange(); r.selectNodeContents(a);
      return new Set([...r.getClientRects()].map((q) => Math.round(q.top))).size; };
    const textStart = (a) => { const r = document.createRange(); r.selectNodeContents(a); return r.getBoundingClientRect().left - box(a).left; };
    return {
      heights: [box(document.querySelector('a[href="index.html"]')).height, box(item.querySelector('a')).height,
        box(item.querySelector('.halvero-menu__toggle')).height],
      startOff: box(panel).left - box(item).left,
      gap: box(panel).top - box(item.querySelector('a')).bottom,
      // Each row's link and button (if it has one) from edge to edge.
      widths: [...panel.children].map((li) => [...li.children].filter((e) => e.tagName !== 'UL')
        .reduce((w, e) => w + box(e).width, 0)).map(Math.round),
      panel: Math.round(box(panel).width),
      lines: links.map(lines), starts: links.map(textStart),
      seam: [getComputedStyle(item.querySelector('a')).borderRightWidth,
        getComputedStyle(item.querySelector('.halvero-menu__toggle')).borderLeftWidth],
    };
  });
  check(shape.seam.every((w) => w === '0px'), 'across: the parent\'s link and button meet without a border between them',
    JSON.stringify(shape.seam));
  check(new Set(shape.heights).size === 1, 'across: the parent\'s link and button are as high as the bar\'s other items',
    JSON.stringify(shape.heights));
  check(Math.abs(shape.startOff) < 0.5 && Math.abs(shape.gap) < 0.5,
    'across: the panel touches its item, below its start edge', JSON.stringify(shape));
  check(shape.widths.every((w) => w === shape.panel), 'across: every sub-item is as wide as the panel', JSON.stringify(shape));
  check(shape.lines.every((n) => n === 1) && shape.starts.every((x) => x < 16),
    'across: sub-item labels are on one line, at their start', JSON.stringify(shape));
  await context.close();
}
{
  const [context, page] = await newPage({ viewport: { width: 320, height: 800 } });
  await page.goto('file://' + path.join(folder, 'sub-across.htm'));
  await page.click('.halvero-menu__button');
  await page.click(button('Services'));
  const indent = await page.evaluate(() => document.querySelector('a[href="services/web.html"]').getBoundingClientRect().left -
    document.querySelector('a[href="services/"]').getBoundingClientRect().left);
  check(indent >= 8, 'folded: sub-items are indented under their parent', `${indent} px`);
  await context.close();
}

// Reduced motion: nothing moves.
{
  const [context, page] = await newPage({ reducedMotion: 'reduce' });
  await page.goto('file://' + path.join(folder, 'sub-across.htm'));
  const moving = await page.evaluate(() => [...document.querySelectorAll('.halvero-menu a, .halvero-menu button')]
    .filter((e) => getComputedStyle(e).transitionDuration.split(',').some((d) => parseFloat(d) > 0)).length);
  check(moving === 0, 'prefers-reduced-motion turns the transitions off', `${moving} elements move`);
  await context.close();
}

// The menu twice on one page (header and footer), and a host element that
// has an id the menu's script would give: each menu opens its own lists,
// none stands open from the start, and the host element is left alone.
{
  const [context, page] = await newPage();
  await page.setContent(`<!DOCTYPE html><html lang="en"><head><title>Site</title></head><body>` +
    `<p id="halvero-menu-sub-1">Host text</p>` +
    `<header>${fragment('sub-across-part.htm')}</header><main><h1>Site</h1></main>` +
    `<footer>${fragment('sub-across-part.htm')}</footer></body></html>`);
  const state = () => page.evaluate(() => [...document.querySelectorAll('nav')].map((nav) =>
    [...nav.querySelectorAll('.halvero-menu__sublist')].map((list) => list.hidden ? 0 : 1).join('')));
  check(JSON.stringify(await state()) === JSON.stringify(['000', '000']),
    'two menus on a page: every sub-menu closed at load', JSON.stringify(await state()));
  const ids = await page.evaluate(() => [...document.querySelectorAll('[id]')].map((e) => e.id));
  check(new Set(ids).size === ids.length, 'two menus on a page: ids stay unique', ids.join(' '));
  await page.click('footer .halvero-menu__toggle');
  check(JSON.stringify(await state()) === JSON.stringify(['000', '100']),
    "two menus on a page: the footer's button opens the footer's list", JSON.stringify(await state()));
  check(await page.$eval('#halvero-menu-sub-1', (p) => !p.hidden && p.textContent === 'Host text'),
    "two menus on a page: the host's element with the same id is left alone");
  await page.click('header .halvero-menu__toggle');
  check(JSON.stringify(await state()) === JSON.stringify(['100', '000']),
    "two menus on a page: the header's button opens the header's list", JSON.stringify(await state()));
  check(await page.$eval('#halvero-menu-sub-1', (p) => !p.hidden),
    "two menus on a page: the host's element stays shown");
  await context.close();
}

await browser.close();
finish();
