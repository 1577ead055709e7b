// An adopted site with one stylesheet, in headless Chromium: on a page at
// the root and one two folders down, every link of the menu, the
// breadcrumb trail and the skip link leads to a file (or an element) of
// the site; the menu's computed look is the same in both; the skip link
// shows when focused and the first Tab reaches it; the trail's JSON-LD
// parses and lists the trail; axe-core finds no violation (the bypass
// rule included). Usage: node adopted_checks.mjs SITE; exits 1 on failure.
import { existsSync } from 'node:fs';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';
import { check, checkAxe, finish, launchChromium } from './checks.mjs';

const site = process.argv[2];
const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
const looks = {};
for (const name of ['index.html', 'blog/2026/post.html']) {
  await page.goto(pathToFileURL(path.join(site, name)).href);
  const links = await page.$$eval('nav.halvero-menu a, nav.halvero-breadcrumb a',
    (all) => all.map((a) => a.href));
  const missing = links.filter((href) => href.startsWith('file:'))
    .map((href) => fileURLToPath(href.split('#')[0].split('?')[0]))
    .map((file) => (file.endsWith('/') ? path.join(file, 'index.html') : file))
    .filter((file) => !existsSync(file));
  check(links.length > 0 && missing.length === 0, `${name}: every menu and trail link leads to a file of the site`,
    missing.join(', '));
  check(await page.$eval('.halvero-menu', (nav) => nav.classList.contains('halvero-menu--enhanced')),
    `${name}: the menu's script, loaded from its file, turned the menu on`);
  looks[name] = await page.$eval('nav.halvero-menu a', (a) => {
    const s = getComputedStyle(a);
    return [s.width, s.height, s.color, s.backgroundColor, s.fontSize, s.fontWeight].join(' ');
  });
  await page.keyboard.press('Tab');
  const skip = await page.evaluate(() => {
    const link = document.activeElement;
    const box = link.getBoundingClientRect();
    return { text: link.textContent, target: link.getAttribute('href'), visible: box.top >= 0 && box.height > 0,
      exists: !!document.getElementById(link.getAttribute('href').slice(1)) };
  });
  check(skip.text === 'Skip to content' && skip.visible && skip.exists,
    `${name}: the first Tab reaches a visible skip link to the page's content`, JSON.stringify(skip));
  const trail = await page.$$eval('nav.halvero-breadcrumb li', (items) => items.map((li) => li.textContent));
  const data = await page.$eval('script[type="application/ld+json"]', (script) => JSON.parse(script.textContent))
    .catch((error) => ({ error: String(error) }));
  const names = (data.itemListElement || []).map((item) => item.name);
  check(data['@type'] === 'BreadcrumbList' && names.join('/') === trail.join('/') &&
    data.itemListElement.every((item) => item.item.startsWith('https://example.com/')),
  `${name}: the trail's JSON-LD parses and lists the trail`, JSON.stringify(data));
  await checkAxe(page, `${name}, trail and skip link included`);
}
check(looks['index.html'] === looks['blog/2026/post.html'], 'the menu looks alike at the root and two folders down',
  JSON.stringify(looks));
await browser.close();
finish();
