// The page in Debian's headless chromium at a phone's and a desktop's size, checked against
// kalvenor-cli; scripts/web.sh runs it with KALVENOR_WEB (the built page) and KALVENOR_CLI.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { launchChromium } from '../../web/browser.mjs';

const pageUrl = pathToFileURL(path.resolve(process.env.KALVENOR_WEB, 'index.html')).href;
// kalvenor-cli in Japanese; a refused text gives an empty line and a message.
const run = (args, input = '') => spawnSync(process.env.KALVENOR_CLI, args, { input, encoding: 'utf8', env: { ...process.env, LANG: 'ja_JP.UTF-8' } });
const cli = (args, input) => run(args, input).stdout;

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

const valueOf = (page, selector) => page.$eval(selector, (e) => e.value ?? e.textContent);
// The mode, Date1, and Enter in the mode's other box; the result shown.
async function calculate(page, mode, date1, second) {
  await page.check(`input[value=${mode}]`);
  await page.fill('#date1', date1);
  await page.fill(mode === 'difference' ? '#date2' : '#days', second);
  await page.press(mode === 'difference' ? '#date2' : '#days', 'Enter');
  return valueOf(page, '#result');
}

// Random texts of every form the reader knows, and near misses of them.
function randomTexts(count) {
  let seed = 20261207;
  const pick = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
  const any = (...options) => options[pick(options.length)];
  const forms = [
    () => `${pick(2200)}/${pick(14)}/${any(pick(33), 'E', '月2', '金')}`,
    () => `${any('H', 's', 'T', 'm', 'R', 'h')}${pick(70)}/${pick(13) + 1}/${pick(32) + 1}`,
    () => `${1800 + pick(400)}-${String(pick(13) + 1).padStart(2, '0')}-${String(pick(32)).padStart(2, '0')}`,
    () => `${any('令和', '平成', '昭和', '大正', '明治')}${any('元', pick(70))}年${pick(13)}月${pick(32)}日`,
    () => `${pick(2100)}/${pick(12) + 1}/${pick(28) + 1}`.replace(/[0-9/]/g, (c) => String.fromCharCode(c.charCodeAt(0) + 0xfee0)),
    () => `${any(`R${pick(10)}.${pick(13)}.${pick(32)}`, String(19000101 + pick(1300000)), '二〇二六年十二月七日')}${
      any('', '(月)', '（金曜日）', ' 9:30', 'T10:00:00+09:00', ' 25:61')}`,
    () => any(`${pick(13)}/${pick(32)}`, '今日', 'today', '', ' ', 'x2026/1/1', '2026/1/1 9:30', '99999/1/1', 'H40000/1/1', '-5/1/1'),
  ];
  return Array.from({ length: count }, () => forms[pick(forms.length)]());
}

// kalvenor-cli's answers, asked once for both sizes: every text shown or its
// message, the first hundred also as Date1 of a difference and an addition.
const texts = randomTexts(300);
const counts = texts.slice(0, 100).map((_, i) => String(i * 2997 - 150000));
const { stdout, stderr } = run(['--kanji', 'show', '-'], `${texts.join('\n')}\n`);
const refused = new Map([...stderr.matchAll(/^kalvenor-cli: (\d+)行目: (.*)$/gm)].map(([, line, message]) => [line - 1, message]));
const want = texts.map((text, i) => [stdout.split('\n')[i], refused.get(i) ?? '', ...(i < counts.length ? [
  cli(['diff', '--', text, texts[texts.length - 1 - i]]).trim().replace(/.+/, '$&日'),
  cli(['--kanji', 'add', '--', text, counts[i]]).trim()] : ['', ''])]);

for (const viewport of [{ width: 360, height: 740 }, { width: 1280, height: 800 }]) {
  describe(`${viewport.width}×${viewport.height}`, () => {
    let page;
    const requests = [];
    before(async () => {
      page = await (await browser.newContext({ viewport, permissions: ['clipboard-read', 'clipboard-write'] })).newPage();
      page.on('request', (request) => requests.push(request.url()));
      page.on('dialog', (dialog) => assert.fail(`a dialog: ${dialog.message()}`));
      page.on('pageerror', (error) => assert.fail(error.message));
      await page.goto(pageUrl);
      await page.waitForSelector('form[data-ready]');
    });
    after(() => page.context().close());

    test('keyboard only: the Enter flow, Tab order, the mode by arrows, 計算実行, Ctrl+C, focus always drawn', async () => {
      await page.focus('#date1');
      const seen = [];
      const press = async (key, times = 1) => {
        for (let i = 0; i < times; i++) {
          await page.keyboard.press(key);
          seen.push(await page.evaluate((e = document.activeElement) => `${e.id || e.value}:${getComputedStyle(e).outlineStyle}`));
        }
        return seen.at(-1).split(':')[0];
      };
      await page.keyboard.type('2026/12/7');
      assert.equal(await press('Enter'), 'date2', 'Enter in Date1 moves on');
      await page.keyboard.type('2027/1/1');
      assert.equal(await press('Tab', 2), 'copy', 'Tab skips the disabled 日数');
      assert.equal(await valueOf(page, '#result'), '25日', 'leaving 日付２ calculated');
      await press('Shift+Tab', 2);
      await press('Control+a');
      await page.keyboard.type('2027/1/2');
      assert.deepEqual([await press('Enter'), await valueOf(page, '#days'), await valueOf(page, '#result')], ['date2', ' 26', '26日'],
        'Enter in Date2 calculates and stays');
      await press('Tab', 3);
      await press('ArrowDown');  // the mode: addition
      assert.deepEqual(await page.$$eval('#rows > .row', (rows) => rows.map((r) => r.id)), ['date1-row', 'days-row', 'date2-row']);
      assert.equal(await press('Shift+Tab', 3), 'days', 'the days box, now second, takes the focus');
      await press('Control+a');
      await page.keyboard.type('10');
      assert.equal(await press('Tab', 7), 'calculate');
      await press('Enter');
      assert.equal(await valueOf(page, '#result'), '令和8年12月17日(木)');
      assert.equal(await press('Shift+Tab', 6), 'result');
      await press('Control+c');
      await page.waitForFunction(() => document.getElementById('message').textContent.includes('コピー'));
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '令和8年12月17日(木)');
      assert.ok(seen.every((step) => !step.endsWith(':none')), seen.join(' '));
    });

    test('out of range and overflow: the window\'s messages, in the page', async () => {
      for (const [date1, count, message] of [['32767/12/31', '1', '計算結果が範囲外です。'], ['2000/1/1', '3000000000', 'オーバーフローしました。']]) {
        assert.equal(await calculate(page, 'addition', date1, count), '');
        assert.deepEqual([await page.textContent('#message'), await page.getAttribute('#message', 'role')], [message, 'alert']);
      }
    });

    test('business days: the count and the date N business days away, by the rest days chosen, and holidays named', async () => {
      await page.check('input[name=business]');
      for (const [rest, option] of [['65', '--rest=土日'], ['1', '--rest=日'], ['0', '--rest=']]) {
        await page.check(`input[name=rest][value="${rest}"]`);
        assert.equal(await calculate(page, 'difference', '2026/11/20', '2027/1/8'), `${cli([option, 'workdays', '2026/11/20', '2027/1/8']).trim()}営業日`, option);
        assert.equal(await calculate(page, 'addition', '2026/11/20', '30'), cli([option, '--kanji', 'add', '2026/11/20', '30b']).trim(), option);
      }
      await page.uncheck('input[name=business]');
      await calculate(page, 'difference', '2026/11/23', '2026/11/23');
      assert.equal(await page.textContent('#date1-holiday'), cli(['--holiday', 'show', '2026/11/23']).split('\t')[1].trim());
    });

    test('今日 fills the date box with today; the style switch shows it again', async () => {
      await page.focus('#date1');
      await page.click('#today');
      assert.deepEqual([await valueOf(page, '#date1'), await valueOf(page, '#date1-text')],
        [cli(['--iso', 'show', 'today']).trim(), cli(['--kanji', 'show', 'today']).trim()]);
      for (const style of ['Era', 'Reiwa', 'Western', 'Iso', 'Kanji']) {
        await page.check(`input[value=${style}]`);
        assert.equal(await valueOf(page, '#date1-text'), cli([`--${style.toLowerCase()}`, 'show', 'today']).split('\n')[0], style);
      }
    });

    // Typed into the page by Enter events from its own script, which is what
    // keeps a few hundred texts quick; the keys themselves are tested above.
    test('equals kalvenor-cli on random texts: the date shown, the difference, the date after', async () => {
      const got = await page.evaluate(([texts, counts]) => {
        const $ = (id) => document.getElementById(id);
        const enter = (id, text, mode) => {
          if (mode) document.querySelector(`input[value=${mode}]`).click();
          $(id).value = text;
          $(id).dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', cancelable: true }));
          return $(id === 'date1' ? 'date1-text' : 'result').value;
        };
        return texts.map((text, i) => [enter('date1', text), $('message').textContent, ...(i < counts.length
          ? [enter('date2', texts[texts.length - 1 - i], 'difference'), enter('days', counts[i], 'addition')] : ['', ''])]);
      }, [texts, counts]);
      for (const [i, text] of texts.entries()) assert.deepEqual(got[i], want[i], JSON.stringify([text, texts[texts.length - 1 - i], counts[i]]));
    });

    test('one column on a phone, the window\'s rows on a desktop, no horizontal scroll from 320 to 1280 px', async () => {
      const [label, input] = await Promise.all(['label[for=date1]', '#date1'].map((s) => page.$eval(s, (e) => e.getBoundingClientRect().top)));
      assert.equal(label < input, viewport.width < 600, 'the caption above its box only on a phone');
      for (let width = 320; width <= 1280; width += 80) {
        await page.setViewportSize({ width, height: viewport.height });
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), `${width} px`);
      }
      await page.setViewportSize(viewport);
    });

    test('text stands out from its background by at least 4.5:1', async () => {
      const worst = await page.evaluate(() => {
        const style = (e, property) => getComputedStyle(e)[property].match(/[\d.]+/g).map(Number);
        const luminance = (rgb) => rgb.slice(0, 3).map((v) => v / 255).map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
          .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
        // The first background that is not transparent, from the element up.
        const background = (e) => (!e ? [255, 255, 255] : (style(e, 'backgroundColor')[3] ?? 1) > 0 ? style(e, 'backgroundColor') : background(e.parentElement));
        return [...document.querySelectorAll('h1, label, input, output, button, legend, a, #message')].map((e) => {
          const [a, b] = [luminance(style(e, 'color')), luminance(background(e))];
          return [(Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05), e.id || e.textContent];
        }).sort((x, y) => x[0] - y[0])[0];
      });
      assert.ok(worst[0] >= 4.5, JSON.stringify(worst));
    });

    test('no request after the page and its script', () => {
      assert.deepEqual(requests.map((url) => path.basename(url)), ['index.html', 'kalvenor.js']);
    });
  });
}
