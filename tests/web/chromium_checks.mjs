// The pages in headless Chromium (Debian's, driven by playwright-core):
//  - same look: each item of the modern page, normal and hovered, against
//    the same item of the classic page, pixel by pixel;
//  - a horizontal menu is one row of items in both styles;
//  - labels with quotes and "<" stay text: one link each, no script added;
//  - axe-core finds no WCAG 2.x A/AA violation in the modern page and in
//    the fragment placed in a page.
// Usage: node chromium_checks.mjs FOLDER, where FOLDER holds the pages
// check_in_chromium.sh wrote. Prints one line a check and the share of
// differing pixels per item; exits 1 when a check fails. With
// KEEP_PICTURES=FOLDER it also leaves the items' pictures there.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { check, finish, launchChromium, runAxe } from './checks.mjs';

const folder = process.argv[2];
// A pixel differs when a colour channel is off by more than this: room
// for anti-aliased edges drawn a little differently, none for a colour of
// the menu (the default hovered backdrop is 34 off the normal one).
const kChannelTolerance = 8;
// The share of an item's pixels that may differ, normal or hovered.
const kMaxDifferingShare = 0.02;

const browser = await launchChromium(['--font-render-hinting=none']);
const context = await browser.newContext({ viewport: { width: 900, height: 400 }, deviceScaleFactor: 1 });
const page = await context.newPage();
const open = async (name) => page.goto('file://' + path.join(folder, name));

// The items' pictures, normal and hovered. The classic page hovers when
// the pointer is on the link, the modern one anywhere on the item; the
// centre of the label is both.
async function itemPictures(name, itemSelector, linkSelector) {
  await open(name);
  const pictures = [];
  const items = await page.$$(itemSelector);
  const links = await page.$$(linkSelector);
  for (let i = 0; i < items.length; i++) {
    await page.mouse.move(890, 390);
    const normal = await items[i].screenshot();
    const box = await links[i].boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.waitForTimeout(250); // the modern page's colour transition
    pictures.push({ normal, hovered: await items[i].screenshot() });
  }
  return pictures;
}

// The share of pixels that differ between two pictures, compared from
// their top left corners over the larger of the two; a pixel only one of
// them has differs.
async function differingShare(a, b) {
  const scratch = await context.newPage();
  const share = await scratch.evaluate(
    async ([a, b, tolerance]) => {
      const load = async (base64) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + base64;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.width;
        canvas.height = image.height;
        const context2d = canvas.getContext('2d');
        context2d.drawImage(image, 0, 0);
        return context2d.getImageData(0, 0, image.width, image.height);
      };
      const [x, y] = [await load(a), await load(b)];
      const width = Math.max(x.width, y.width), height = Math.max(x.height, y.height);
      let differing = 0;
      for (let row = 0; row < height; row++)
        for (let column = 0; column < width; column++) {
          if (row >= x.height || row >= y.height || column >= x.width || column >= y.width) {
            differing++;
            continue;
          }
          const i = (row * x.width + column) * 4, j = (row * y.width + column) * 4;
          for (let channel = 0; channel < 3; channel++)
            if (Math.abs(x.data[i + channel] - y.data[j + channel]) > tolerance) {
              differing++;
              break;
            }
        }
      return differing / (width * height);
    },
    [a.toString('base64'), b.toString('base64'), kChannelTolerance]);
  await scratch.close();
  return share;
}

// Same look, for each menu the wrapper wrote in both styles.
for (const menu of ['default', 'wide']) {
  const classic = await itemPictures(`${menu}-classic.htm`, 'td.Menu, td.Hover', 'a.Menu');
  const modern = await itemPictures(`${menu}-modern.htm`, 'a.halvero-menu__link', 'a.halvero-menu__link');
  check(classic.length === modern.length && classic.length > 0,
    `${menu} menu: ${modern.length} items in both styles`);
  // The comparison sees the hovered look at all: it is not the normal one.
  check(await differingShare(modern[0].normal, modern[0].hovered) > 0.5,
    `${menu} menu: hovering changes the item's look`);
  for (let i = 0; i < Math.min(classic.length, modern.length); i++)
    for (const state of ['normal', 'hovered']) {
      const share = await differingShare(classic[i][state], modern[i][state]);
      if (process.env.KEEP_PICTURES) {
        const { writeFileSync } = await import('node:fs');
        writeFileSync(`${process.env.KEEP_PICTURES}/${menu}-${i}-${state}-classic.png`, classic[i][state]);
        writeFileSync(`${process.env.KEEP_PICTURES}/${menu}-${i}-${state}-modern.png`, modern[i][state]);
      }
      check(share <= kMaxDifferingShare,
        `${menu} menu, item ${i + 1} ${state}: ${(100 * share).toFixed(2)} % of pixels differ`);
    }
}

// Across the page: one row, left to right, in both styles; and what the
// labels hold stays text.
const labels = ['Home', 'Say "<hi>" & it\'s', 'Contact'];
for (const [name, selector] of [['across-classic.htm', 'a.Menu'], ['across-modern.htm', 'a.halvero-menu__link']]) {
  await open(name);
  const boxes = await Promise.all((await page.$$(selector)).map((link) => link.boundingBox()));
  const oneRow = boxes.length === 3 && boxes.every((box) => Math.abs(box.y - boxes[0].y) <= 1) &&
    boxes.every((box, i) => i === 0 || box.x >= boxes[i - 1].x + boxes[i - 1].width);
  check(oneRow, `${name}: the items stand in one row, left to right`);
  const texts = await page.$$eval(selector, (links) => links.map((link) =>
    [...link.childNodes].filter((node) => node.nodeType === Node.TEXT_NODE).map((node) => node.data).join('').trim()));
  const scripts = await page.$$eval('script', (found) => found.length);
  check(JSON.stringify(texts) === JSON.stringify(labels) &&
    scripts === (name.includes('classic') ? 2 : 1),
    `${name}: labels with quotes and "<" stay text (${scripts} scripts, as written)`);
}

// Accessibility: the modern page, and the fragment inside a page.
const fragment = readFileSync(path.join(folder, 'fragment.htm'), 'utf8');
for (const [what, load] of [
  ['the modern page', () => open('default-modern.htm')],
  ['the fragment in a page', () => page.setContent(
    `<!DOCTYPE html><html lang="en"><head><title>Site</title></head><body><main><h1>Site</h1></main>${fragment}</body></html>`)],
]) {
  await load();
  const result = await runAxe(page);
  check(result.violations.length === 0,
    `axe-core: ${what}: ${result.violations.map((v) => v.id).join(', ') || 'no violations'} ` +
    `(${result.passes.length} rules pass)`);
}

await browser.close();
finish();
