// The page as a whole: phone and desktop layouts, touch targets, axe-core in
// every mode and state, the calendar by keyboard, the help's examples, the
// message when the engine cannot load, and offline use over http.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';

import { launchChromium, openPage, pageFolder, pageUrl, visit } from './support.mjs';

const axeSource = readFileSync(createRequire(path.resolve('web/package.json')).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

test('360 px: inputs, mode, 計算実行, result, then the options; every target at least 44 × 44 px; no sideways scroll from 320 px', async () => {
  const page = await openPage(browser, { url: `${pageUrl}?d1=2026-04-01&d2=2027-04-01`, viewport: { width: 360, height: 740 } });
  const top = (selector) => page.$eval(selector, (e) => e.getBoundingClientRect().top);
  const order = [];
  for (const selector of ['#date1', '#date2', '.modes', '#calculate', '#result', '.options', '.calendar']) order.push(await top(selector));
  assert.deepEqual(order, [...order].sort((a, b) => a - b), String(order));
  const small = await page.evaluate(() => [...document.querySelectorAll('button, input:not([type=radio]):not([type=checkbox]), textarea, fieldset label, #help a, #months td[data-date]')]
    .filter((e) => e.getClientRects().length)
    .map((e) => [e.id || e.textContent.trim(), e.getBoundingClientRect()])
    .filter(([, box]) => box.width < 44 || box.height < 44).map(([name, box]) => `${name} ${box.width}×${box.height}`));
  assert.deepEqual(small, []);
  const keyboards = await page.$$eval('#date1, #date2, #days', (boxes) => Object.fromEntries(boxes.map((e) => [e.id, Boolean(e.inputMode && e.enterKeyHint && e.placeholder.startsWith('例'))])));
  assert.deepEqual(keyboards, { date1: true, date2: true, days: true });
  for (let width = 320; width <= 1280; width += 160) {
    await page.setViewportSize({ width, height: 740 });
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), `${width} px`);
  }
  await page.context().close();
});

test('1280 px: the calendar beside the form, two months, the dates and the days between them marked', async () => {
  const page = await openPage(browser, { url: `${pageUrl}?d1=2026-11-20&d2=2026-12-07` });
  const [form, calendar] = await Promise.all(['#calculator', '.calendar'].map((s) => page.$eval(s, (e) => e.getBoundingClientRect().left)));
  assert.ok(calendar > form);
  assert.deepEqual(await page.$$eval('#months caption', (c) => c.map((e) => e.textContent)), ['2026年11月', '2026年12月']);
  const marks = await page.$$eval('#months td[data-date]', (cells) => Object.fromEntries(cells.map((c) => [c.dataset.date, c.className])));
  assert.match(marks['2026-11-20'], /\bfirst\b/);
  assert.match(marks['2026-12-07'], /\bsecond\b/);
  assert.match(marks['2026-11-23'], /\bholiday\b.*\bbetween\b/);
  assert.match(marks['2026-11-28'], /\bsat\b.*\brest\b/);
  assert.doesNotMatch(marks['2026-12-08'], /between/);
  assert.equal(await page.getAttribute('td[data-date="2026-11-23"]', 'title'), '勤労感謝の日');
  await page.context().close();
});

test('the calendar by keyboard alone: arrows, Page Down, Home and End move; Enter puts the day into the date box last focused', async () => {
  const page = await openPage(browser, { url: `${pageUrl}?d1=2026-01-30`, viewport: { width: 360, height: 740 } });
  await page.focus('#date2');
  await page.focus('#months td[tabindex="0"]');
  const focused = () => page.evaluate(() => document.activeElement.dataset.date);
  assert.equal(await focused(), '2026-01-30');
  for (const [key, date] of [['ArrowRight', '2026-01-31'], ['ArrowRight', '2026-02-01'], ['ArrowDown', '2026-02-08'], ['ArrowUp', '2026-02-01'],
    ['ArrowLeft', '2026-01-31'], ['PageDown', '2026-02-28'], ['Home', '2026-02-22'], ['End', '2026-02-28'], ['PageUp', '2026-01-28']]) {
    await page.keyboard.press(key);
    assert.equal(await focused(), date, key);
  }
  await page.keyboard.press('Enter');
  assert.deepEqual([await page.inputValue('#date2'), await page.textContent('#result')], ['2026-01-28', '-2日']);
  assert.equal(await page.$$eval('#months td[tabindex="0"]', (cells) => cells.length), 1, 'one day in the tab order');
  await page.context().close();
});

test('the help\'s examples give the answers it states', async () => {
  const page = await openPage(browser);
  const examples = await page.$$('#help a.example');
  assert.ok(examples.length >= 5);
  for (const example of examples) {
    const stated = await example.evaluate((a) => a.nextElementSibling.textContent);
    await example.click();
    assert.equal(await page.textContent('#result'), stated, await example.textContent());
  }
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('axe-core finds nothing in any mode, empty, with a result and with an error, in light and dark', async () => {
  for (const colorScheme of ['light', 'dark']) {
    const page = await openPage(browser, { colorScheme, viewport: { width: 360, height: 740 } });
    await page.addScriptTag({ content: axeSource });
    for (const mode of ['diff', 'add', 'span', 'holidays']) {
      for (const [state, query] of [['empty', ''], ['result', '&d1=2026-11-23&d2=2026-12-31&n=10'], ['error', '&d1=abc&d2=2026-12-31&n=10']]) {
        await page.evaluate((q) => { history.replaceState(null, '', `?${q}`); dispatchEvent(new PopStateEvent('popstate')); }, `mode=${mode}${query}`);
        const violations = await page.evaluate(async () => (await axe.run()).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
        assert.deepEqual(violations, [], `${colorScheme} ${mode} ${state}`);
      }
    }
    await page.context().close();
  }
});

test('one live region announces the result, with the holidays', async () => {
  const page = await openPage(browser, { url: `${pageUrl}?d1=2026-11-03&d2=2026-11-23` });
  // Besides the engine's failure and the copy buttons' own word.
  assert.deepEqual(await page.$$eval('[aria-live], [role=alert], [role=status]', (e) => e.map((x) => x.id)), ['engine-error', 'copied', 'announce']);
  assert.equal(await page.textContent('#announce'), '20日。暦日で数えました（初日を含めない）。日付１ 令和8年11月3日(火) 文化の日。日付２ 令和8年11月23日(月) 勤労感謝の日。');
  await page.context().close();
});

test('without the engine the page says so, and Enter reloads nothing; without JavaScript <noscript> does', async () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'kalvenor-page-'));
  cpSync(pageFolder, folder, { recursive: true });
  rmSync(path.join(folder, 'kalvenor.js'));
  const missing = pathToFileURL(path.join(folder, 'index.html')).href;
  for (const [how, url, script] of [['no kalvenor.js', missing, ''], ['no WebAssembly', pageUrl, 'delete window.WebAssembly']]) {
    const context = await browser.newContext();
    const page = await context.newPage();
    if (script) await page.addInitScript(script);
    await page.goto(url);
    await page.waitForSelector('#engine-error:not([hidden])');
    assert.equal(await page.isDisabled('#calculate'), true, how);
    await page.evaluate(() => { document.getElementById('date1').value = '2026/4/1'; document.getElementById('calculator').requestSubmit(); });
    await page.waitForTimeout(200);
    assert.deepEqual([page.url(), await page.inputValue('#date1')], [url, '2026/4/1'], `${how}: submitting reloads nothing`);
    await context.close();
  }
  const noScript = await browser.newContext({ javaScriptEnabled: false });
  const plain = await noScript.newPage();
  await plain.goto(pageUrl);
  assert.match(await plain.innerText('main'), /JavaScript を有効に/);
  await noScript.close();
  rmSync(folder, { recursive: true });
});

test('served over http, the page works offline after the first visit, a shared link too', async () => {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };
  const server = http.createServer((request, response) => {
    const file = path.join(pageFolder, new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html'));
    try {
      response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' }).end(readFileSync(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}/`;
  const page = await openPage(browser, { url: base });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller);
  server.close();
  await page.context().setOffline(true);
  await visit(page, `${base}?mode=span&d1=2000-02-29&d2=2026-12-07`);
  assert.equal(await page.textContent('#result'), '26年9か月8日');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});
