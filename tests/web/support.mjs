// What the browser tests share: the page's address, kalvenor-cli to check
// it against, and the page opened in Debian's chromium. scripts/web.sh sets
// KALVENOR_WEB (the built page) and KALVENOR_CLI.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

export { launchChromium } from '../../web/browser.mjs';

export const pageFolder = path.resolve(process.env.KALVENOR_WEB);
export const pageUrl = pathToFileURL(path.join(pageFolder, 'index.html')).href;

// kalvenor-cli in Japanese: its output lines and its message, if any.
export function cli(args, input = '') {
  const run = spawnSync(process.env.KALVENOR_CLI, args, { input, encoding: 'utf8', env: { ...process.env, LANG: 'ja_JP.UTF-8' } });
  return { out: run.stdout.replace(/\n$/, ''), message: run.stderr.replace(/^kalvenor-cli: /, '').trim() };
}

// The command line's options for the page's choices.
export const styleOption = { wareki: '--kanji', short: '--reiwa', western: '--western', iso: '--iso' };
export const restOptions = {
  'sat-sun-hol': ['--rest=土日'], 'sun-hol': ['--rest=日'], 'sat-sun': ['--rest=土日', '--holidays=none'], sun: ['--rest=日', '--holidays=none'],
};
// The business-day options of a case: its rest days and its year-end closing.
export const businessOptions = (c) => [...restOptions[c.rest], ...(c.yearend ? [`--year-end=${c.yearend}`] : [])];
// kalvenor-cli's 西暦 pads with blanks; the page does not.
export const unpadded = (text, style) => (style === 'western' ? text.replaceAll(' ', '') : text);

// A page of its own context, failing its test on any page error or dialog.
export async function openPage(browser, { url = pageUrl, viewport = { width: 1280, height: 800 }, ...options } = {}) {
  const context = await browser.newContext({ viewport, permissions: ['clipboard-read', 'clipboard-write'], ...options });
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('dialog', (dialog) => page.errors.push(`a dialog: ${dialog.message()}`));
  await visit(page, url);
  return page;
}

// Goes to url and waits until the page has read it.
export async function visit(page, url = pageUrl) {
  await page.goto(url);
  await page.waitForSelector('form[data-ready]');
}

// What the page shows for its answer, as the modes test compares it.
export const shownOf = (page) => page.evaluate(() => {
  const text = (id) => document.getElementById(id).textContent;
  return {
    result: text('result'), detail: text('detail'), message: text('message'),
    d2: document.getElementById('date2').value, n: document.getElementById('days').value,
    holidays: [...document.querySelectorAll('#holiday-table tbody tr')].map((row) => [...row.cells].map((cell) => cell.textContent)),
    months: [...document.querySelectorAll('#workday-table tbody tr')].map((row) => [...row.cells].map((cell) => cell.textContent)),
  };
});

// A reproducible random choice (mulberry32).
export function randomSource(seed) {
  const pick = (n) => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) % n;
  };
  return { pick, any: (...options) => options[pick(options.length)] };
}
