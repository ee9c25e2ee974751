// Time to usable: from navigation to the moment the first date typed into
// 日付１ is read and shown, for the page opened from file:// in headless
// chromium; each run in a fresh browser context. Prints every run and the
// median. Usage: node bench/web_usable.mjs PAGE-FOLDER [RUNS]
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from '../web/browser.mjs';

const [folder, runs = '15'] = process.argv.slice(2);
const url = pathToFileURL(path.resolve(folder, 'index.html')).href;
const browser = await launchChromium();
// The page's own clock, and the wall clock from the call to navigate.
const times = [];
const walls = [];
for (let run = 0; run < Number(runs); run++) {
  const context = await browser.newContext();
  const page = await context.newPage();
  // Notes the page's clock (milliseconds since navigation) when the date's
  // display text first appears.
  await page.addInitScript(() => {
    new MutationObserver((_, observer) => {
      const shown = document.getElementById('date1-text');
      if (shown?.textContent) {
        window.usableAt = performance.now();
        observer.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, characterData: true });
  });
  const start = performance.now();
  await page.goto(url, { waitUntil: 'commit' });
  await page.fill('#date1', '2026/12/7');
  await page.press('#date1', 'Enter');
  times.push(await (await page.waitForFunction(() => window.usableAt)).jsonValue());
  walls.push(performance.now() - start);
  await context.close();
}
await browser.close();
for (const [name, list] of [['page clock', times], ['wall clock', walls]]) {
  list.sort((a, b) => a - b);
  console.log(`${name}: usable after ${list.map((t) => t.toFixed(0)).join(' ')} ms; `
    + `median ${list[list.length >> 1].toFixed(0)} ms, worst ${list.at(-1).toFixed(0)} ms (goal <= 400 ms)`);
}
