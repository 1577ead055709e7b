// A site's pages after `halvero --site`, in headless Chromium: every link
// of the menu of a page in a folder leads to a file of the site (or out of
// it on purpose), and the menu's first item looks the same, to the pixel
// of its computed style, on a page at the root and on one two folders
// down. Usage: node site_checks.mjs SITE; exits 1 when a check fails.
import { existsSync } from 'node:fs';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';
import { check, finish, launchChromium } from './checks.mjs';

const site = process.argv[2];
const browser = await launchChromium();
const page = await browser.newPage();
const looks = {};
for (const name of ['index.html', 'blog/2026/post.html']) {
  await page.goto(pathToFileURL(path.join(site, name)).href);
  const links = await page.$$eval('nav a', (all) => all.map((a) => a.href));
  const missing = links.filter((href) => href.startsWith('file:'))
    .map((href) => fileURLToPath(href.split('#')[0].split('?')[0]))
    .map((file) => (file.endsWith('/') ? path.join(file, 'index.html') : file))
    .filter((file) => !existsSync(file));
  check(missing.length === 0, `${name}: every menu link leads to a page of the site`, missing.join(', '));
  looks[name] = await page.$eval('nav a', (a) => {
    const s = getComputedStyle(a);
    return [s.width, s.height, s.color, s.backgroundColor, s.borderTopWidth, s.fontSize].join(' ');
  });
}
check(looks['index.html'] === looks['blog/2026/post.html'], 'the menu looks alike at the root and in a folder',
  JSON.stringify(looks));
await browser.close();
finish();
