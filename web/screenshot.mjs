// Saves pictures of the page: docs/web.png on a desktop, a difference with
// its calendar, and docs/web-phone.png on a phone, a list of holidays.
// Usage: node web/screenshot.mjs PAGE-FOLDER DESKTOP-PNG PHONE-PNG
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './browser.mjs';

const [folder, desktop, phone] = process.argv.slice(2);
const url = pathToFileURL(path.resolve(folder, 'index.html')).href;
const browser = await launchChromium();
for (const [png, viewport, query, full] of [
  [desktop, { width: 1100, height: 720 }, 'd1=2026-04-01&d2=2027-03-31&biz=1', false],
  [phone, { width: 360, height: 740 }, 'mode=holidays&d1=2026', false]]) {
  const page = await browser.newPage({ viewport, deviceScaleFactor: 1 });
  await page.goto(`${url}?${query}`);
  await page.waitForSelector('form[data-ready]');
  await page.screenshot({ path: png, fullPage: full });
  await page.close();
}
await browser.close();
