// A site's pages in three languages after `halvero --site`, in headless
// Chromium at 375 and 1280 px: axe-core finds nothing with the sub-menu
// closed and open; nothing scrolls sideways; the panel drops from its
// item's start edge (the right, right to left); the page's own language is
// marked in the switcher, the others lead to pages of the site.
// Usage: node language_checks.mjs SITE; exits 1 when a check fails.
import { existsSync } from 'node:fs';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';
import { check, checkAxe, finish, launchChromium } from './checks.mjs';

const site = process.argv[2];
const browser = await launchChromium();
for (const name of ['services/web.html', 'de/leistungen/web.html', 'ar/services/web.html']) {
  for (const width of [375, 1280]) {
    const say = (what) => `${name} at ${width} px: ${what}`;
    const page = await browser.newPage({ viewport: { width, height: 700 } });
    await page.goto(pathToFileURL(path.join(site, name)).href);
    await checkAxe(page, say('closed'));
    const menuButton = page.locator('.halvero-menu__button');
    if (await menuButton.isVisible())
      await menuButton.click();
    await page.click('.halvero-menu__toggle');
    const open = await page.evaluate(() => {
      const toggle = document.querySelector('.halvero-menu__toggle');
      const item = toggle.parentNode, panel = item.querySelector('.halvero-menu__sublist');
      const rtl = getComputedStyle(panel).direction === 'rtl';
      const start = (e) => (rtl ? -e.getBoundingClientRect().right : e.getBoundingClientRect().left);
      return {
        rtl, dropped: getComputedStyle(panel).position === 'absolute',
        startOff: Math.round(start(panel) - start(item)),
        scrolls: document.documentElement.scrollWidth > innerWidth,
        current: [...document.querySelectorAll('.halvero-languages [aria-current="page"]')].map((a) => a.lang),
        links: [...document.querySelectorAll('.halvero-languages a')].map((a) => a.href),
      };
    });
    check(open.rtl === name.startsWith('ar/'), say('the page runs in its language\'s direction'), JSON.stringify(open));
    check(!open.scrolls, say('nothing scrolls sideways'), JSON.stringify(open));
    if (open.dropped)
      check(open.startOff === 0, say("the panel drops from its item's start edge"), JSON.stringify(open));
    check(open.current.length === 1 && open.current[0] === name.split('/')[0].replace(/^services$/, 'en'),
      say("the switcher marks the page's own language"), JSON.stringify(open.current));
    check(open.links.every((href) => existsSync(fileURLToPath(href))), say('every language leads to a page of the site'),
      open.links.join(' '));
    await checkAxe(page, say('open'));
    await page.close();
  }
}
await browser.close();
finish();
