// Saves a picture of the page with a difference worked out: docs/web.png.
// Usage: node web/screenshot.mjs PAGE-FOLDER PNG
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './browser.mjs';

const [folder, png] = process.argv.slice(2);
const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 720, height: 560 } });
await page.goto(pathToFileURL(path.resolve(folder, 'index.html')).href);
await page.waitForSelector('form[data-ready]');
for (const [box, text] of [['#date1', '令和8年4月1日'], ['#date2', '2027-03-31']]) {
  await page.fill(box, text);
  await page.press(box, 'Enter');
}
await page.screenshot({ path: png, fullPage: true });
await browser.close();
