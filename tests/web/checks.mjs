// What the browser checks share: a line a check ("ok: ..." or "FAIL: ...
// (detail)"), Debian's Chromium through playwright-core, axe-core's WCAG 2.x
// A/AA rules, and the exit status (1 when a check failed).
import { chromium } from 'playwright-core';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

let failures = 0;
export function check(ok, what, detail = '') {
  console.log(`${ok ? 'ok' : 'FAIL'}: ${what}${ok || !detail ? '' : ` (${detail})`}`);
  if (!ok) failures++;
}

// As root, Chromium starts only without its sandbox.
export const launchChromium = (args = []) => chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', ...args],
});

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
// axe-core's findings on the page as it stands.
export async function runAxe(page) {
  await page.addScriptTag({ content: axeSource });
  return page.evaluate(() => window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
  }));
}
// No violation, or each named with the elements it was found on.
export async function checkAxe(page, what) {
  const result = await runAxe(page);
  check(result.violations.length === 0, `axe-core: ${what}`,
    result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`).join('; '));
}

export function finish() {
  if (failures) console.log(`${failures} check(s) failed`);
  process.exit(failures ? 1 : 0);
}
