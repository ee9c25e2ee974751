// The page in Debian's headless chromium, at a phone's and a desktop's size,
// its answers checked against kalvenor-cli's. Run by scripts/web.sh with
// KALVENOR_WEB (the built page's folder) and KALVENOR_CLI (the program).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { launchChromium } from '../../web/browser.mjs';

const pageUrl = pathToFileURL(path.resolve(process.env.KALVENOR_WEB, 'index.html')).href;
// kalvenor-cli's output; a refused text gives an empty line.
const cli = (args, input = '') => spawnSync(process.env.KALVENOR_CLI, args, { input, encoding: 'utf8' }).stdout;
// Its message in Japanese, without its name in front.
const cliMessage = (args) => spawnSync(process.env.KALVENOR_CLI, args,
  { encoding: 'utf8', env: { ...process.env, LANG: 'ja_JP.UTF-8' } }).stderr.replace(/^kalvenor-cli: /, '').trim();

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

async function openPage(viewport) {
  const context = await browser.newContext({ viewport, permissions: ['clipboard-read', 'clipboard-write'] });
  const page = await context.newPage();
  page.requests = [];
  page.on('request', (request) => page.requests.push(request.url()));
  page.on('dialog', (dialog) => assert.fail(`a dialog: ${dialog.message()}`));
  page.on('pageerror', (error) => assert.fail(error.message));
  await page.goto(pageUrl);
  await page.waitForSelector('form[data-ready]');
  return page;
}

const valueOf = (page, selector) => page.$eval(selector, (e) => e.value ?? e.textContent);
const messageOf = (page) => page.textContent('#message');
async function enter(page, selector, text) {
  await page.fill(selector, text);
  await page.press(selector, 'Enter');
}

// Random texts of every form the reader knows, and near misses of them.
function randomTexts(count) {
  let seed = 20261207;
  const pick = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
  const any = (...options) => options[pick(options.length)];
  const wide = (text) => text.replace(/[0-9/]/g, (c) => String.fromCharCode(c.charCodeAt(0) + 0xfee0));
  const forms = [
    () => `${pick(2200)}/${pick(14)}/${any(pick(33), 'E', '月2', '金')}`,
    () => `${any('H', 's', 'T', 'm', 'R', 'h')}${pick(70)}/${pick(13) + 1}/${pick(32) + 1}`,
    () => `${pick(13)}/${pick(32)}`,
    () => `${1800 + pick(400)}-${String(pick(13) + 1).padStart(2, '0')}-${String(pick(32)).padStart(2, '0')}`,
    () => `${any('令和', '平成', '昭和', '大正', '明治')}${any('元', pick(70))}年${pick(13)}月${pick(32)}日`,
    () => wide(`${pick(2100)}/${pick(12) + 1}/${pick(28) + 1}`),
    () => `${any(`R${pick(10)}.${pick(13)}.${pick(32)}`, String(19000101 + pick(1300000)), '二〇二六年十二月七日')}${
      any('', '(月)', '（金曜日）', ' 9:30', 'T10:00:00+09:00', ' 25:61')}`,
    () => any('今日', 'today', '', ' ', 'x2026/1/1', '2026/1/1 9:30', '99999/1/1', 'H40000/1/1', '-5/1/1'),
  ];
  return Array.from({ length: count }, () => forms[pick(forms.length)]());
}

// kalvenor-cli's answers, asked once for both sizes: every text shown, the
// first hundred also as Date1 of a difference and an addition.
let answers;
function expected() {
  if (answers) return answers;
  const texts = randomTexts(300);
  const counts = texts.slice(0, 100).map((_, i) => String(i * 2997 - 150000));
  const shown = cli(['--kanji', 'show', '-'], `${texts.join('\n')}\n`).split('\n');
  const want = texts.map((text, i) => [shown[i], shown[i] === '', ...(i < counts.length ? [
    cli(['diff', '--', text, texts[texts.length - 1 - i]]).trim().replace(/.+/, '$&日'),
    cli(['--kanji', 'add', '--', text, counts[i]]).trim()] : ['', ''])]);
  answers = { texts, counts, want };
  return answers;
}

for (const viewport of [{ width: 360, height: 740 }, { width: 1280, height: 800 }]) {
  describe(`${viewport.width}×${viewport.height}`, () => {
    let page;
    before(async () => { page = await openPage(viewport); });
    after(() => page.context().close());

    test('difference: Enter in Date1 shows it and moves on; Enter in Date2 calculates and stays', async () => {
      await enter(page, '#date1', 'h12/1/1');
      assert.equal(await valueOf(page, '#date1-text'), '平成12年1月1日(土)');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'date2');
      assert.equal(await valueOf(page, '#result'), '', 'Enter in Date1 never calculates');
      await enter(page, '#date2', '2000/12/31');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'date2');
      assert.deepEqual([await valueOf(page, '#days'), await valueOf(page, '#result')], [' 365', '365日']);
    });

    test('addition: the days row moves up, Enter in it calculates, and a difference reads back', async () => {
      await page.check('input[value=addition]');
      assert.deepEqual(await page.$$eval('#rows > .row', (rows) => rows.map((r) => r.id)),
        ['date1-row', 'days-row', 'date2-row']);
      assert.equal(await page.isDisabled('#date2'), true);
      await page.press('#days', 'Enter');  // still " 365" from the difference
      assert.equal(await valueOf(page, '#result'), '平成12年12月31日(日)');
      await page.check('input[value=difference]');
    });

    test('the style switch shows both dates again in every style, as kalvenor-cli writes them', async () => {
      for (const style of ['Era', 'Reiwa', 'Western', 'Iso', 'Kanji']) {
        await page.check(`input[value=${style}]`);
        const want = cli([`--${style.toLowerCase()}`, 'show', 'h12/1/1', '2000/12/31']).split('\n');
        assert.deepEqual([await valueOf(page, '#date1-text'), await valueOf(page, '#date2-text')], want.slice(0, 2), style);
      }
    });

    // Messages stand in the page, never in a dialog (openPage fails on one):
    // the window's where it has one, else kalvenor-cli's for the same texts.
    const refusals = [
      ['a text that is no date', 'difference', '2000/1/1', 'xyz'],
      ['a date whose weekday is not the one written', 'difference', '2000/1/1', '2026/12/7(火)'],
      ['a day count that is no number', 'addition', '2000/1/1', 'abc'],
      ['a result past 32767-12-31', 'addition', '32767/12/31', '1', '計算結果が範囲外です。'],
      ['a result before 0001-01-01', 'addition', '0001-01-01', '-1', '計算結果が範囲外です。'],
      ['a sum beyond 32 bits', 'addition', '2000/1/1', '3000000000', 'オーバーフローしました。'],
    ];
    for (const [reason, mode, date1, second, message] of refusals) {
      test(`refuses ${reason} with the message in the page`, async () => {
        await page.check(`input[value=${mode}]`);
        await page.fill('#date1', date1);
        await enter(page, mode === 'difference' ? '#date2' : '#days', second);
        const command = mode === 'difference' ? 'diff' : 'add';
        assert.equal(await messageOf(page), message ?? cliMessage([command, '--', date1, second]));
        assert.equal(await valueOf(page, '#result'), '');
        assert.equal(await page.getAttribute('#message', 'role'), 'alert');
      });
    }

    test('keyboard only: Tab order, Enter, the mode by arrows, 計算実行, copying by Ctrl+C, focus always drawn', async () => {
      await page.check('input[value=difference]');
      for (const box of ['#date1', '#date2']) await page.fill(box, '');
      await page.focus('#date1');
      const seen = [];
      const press = async (key, times = 1) => {
        for (let i = 0; i < times; i++) {
          await page.keyboard.press(key);
          seen.push(await page.evaluate(() => {
            const e = document.activeElement;
            return `${e.id || e.value}:${getComputedStyle(e).outlineStyle}`;
          }));
        }
        return seen.at(-1).split(':')[0];
      };
      await page.keyboard.type('2026/12/7');
      assert.equal(await press('Enter'), 'date2');
      await page.keyboard.type('2027/1/1');
      assert.equal(await press('Tab', 2), 'copy', 'Tab skips the disabled 日数');
      assert.equal(await valueOf(page, '#result'), '25日', 'leaving 日付２ calculated');
      await press('Tab');
      await press('ArrowDown');  // the mode: addition
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
      await page.check('input[value=difference]');
    });

    test('business days: the count and the date N business days away, by the rest days chosen, and holidays named', async () => {
      await page.check('input[name=business]');
      for (const [rest, option] of [['65', '--rest=土日'], ['1', '--rest=日'], ['0', '--rest=']]) {
        await page.check(`input[name=rest][value="${rest}"]`);
        await page.check('input[value=difference]');
        await page.fill('#date1', '2026/11/20');
        await enter(page, '#date2', '2027/1/8');
        assert.equal(await valueOf(page, '#result'), `${cli([option, 'workdays', '2026/11/20', '2027/1/8']).trim()}営業日`, option);
        await page.check('input[value=addition]');
        await enter(page, '#days', '30');
        assert.equal(await valueOf(page, '#result'), cli([option, '--kanji', 'add', '2026/11/20', '30b']).trim(), option);
      }
      await page.uncheck('input[name=business]');
      await page.check('input[value=difference]');
      await enter(page, '#date1', '2026/11/23');
      assert.equal(await page.textContent('#date1-holiday'), cli(['--holiday', 'show', '2026/11/23']).split('\t')[1].trim());
      await enter(page, '#date1', '1900/11/23');
      assert.deepEqual([await page.textContent('#date1-holiday'), await messageOf(page)], ['', ''], 'no data, no name');
    });

    test('今日 fills the date box with today', async () => {
      await page.focus('#date1');
      await page.click('#today');
      assert.equal(await valueOf(page, '#date1'), cli(['--iso', 'show', 'today']).trim());
      assert.equal(await valueOf(page, '#date1-text'), cli(['--kanji', 'show', 'today']).trim());
    });

    // Typed into the page by Enter events from its own script, which is what
    // keeps a few hundred texts quick; the keys themselves are tested above.
    test('equals kalvenor-cli on random texts: the date shown, the difference, the date after', async () => {
      const { texts, counts, want } = expected();
      const got = await page.evaluate(([texts, counts]) => {
        const $ = (id) => document.getElementById(id);
        const enter = (id, text) => {
          $(id).value = text;
          $(id).dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', cancelable: true }));
        };
        const mode = (value) => document.querySelector(`input[value=${value}]`).click();
        return texts.map((text, i) => {
          enter('date1', text);
          const row = [$('date1-text').value, $('message').textContent !== '', '', ''];
          if (i < counts.length) {
            mode('difference');
            enter('date2', texts[texts.length - 1 - i]);
            row[2] = $('result').value;
            mode('addition');
            enter('days', counts[i]);
            row[3] = $('result').value;
          }
          return row;
        });
      }, [texts, counts]);
      for (const [i, text] of texts.entries()) assert.deepEqual(got[i], want[i], JSON.stringify([text, texts[texts.length - 1 - i], counts[i]]));
      await page.check('input[value=difference]');
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
        const rgb = (c) => c.match(/[\d.]+/g).map(Number);
        const luminance = ([r, g, b]) => [r, g, b].map((v) => v / 255)
          .map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
          .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
        const background = (e) => {
          for (; e; e = e.parentElement) {
            const c = rgb(getComputedStyle(e).backgroundColor);
            if (c.length < 4 || c[3] > 0) return c;
          }
          return [255, 255, 255];
        };
        return [...document.querySelectorAll('h1, label, input, output, button, legend, a, #message')].map((e) => {
          const [a, b] = [luminance(rgb(getComputedStyle(e).color)), luminance(background(e))];
          return [(Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05), e.id || e.textContent];
        }).sort((x, y) => x[0] - y[0])[0];
      });
      assert.ok(worst[0] >= 4.5, JSON.stringify(worst));
    });

    test('no request after the page and its script', () => {
      assert.deepEqual(page.requests.map((url) => path.basename(url)), ['index.html', 'kalvenor.js']);
    });
  });
}
