// What is on screen belongs to the inputs on screen: random sequences of
// user actions, each followed by a check against the engine asked afresh;
// the address, the back button, the copy buttons, 今日 and the styles.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { cli, launchChromium, openPage, pageUrl, randomSource, styleOption, unpadded, visit } from './support.mjs';

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

// Runs in the page (beside support.mjs's randomSource): `count` random
// actions, each followed by the check; the first mismatch comes back with
// the actions that led to it.
async function randomActions([seed, count]) {
  const $ = (id) => document.getElementById(id);
  const form = $('calculator');
  const oracle = await createKalvenor();
  const ask = (query) => {
    const bytes = new TextEncoder().encode(query);
    oracle.HEAPU8.set(bytes, oracle._kalvenor_buffer(bytes.length));
    const at = oracle._kalvenor_view();
    return JSON.parse(new TextDecoder().decode(oracle.HEAPU8.subarray(at, oracle.HEAPU8.indexOf(0, at))));
  };
  const { pick } = randomSource(seed);
  const any = (list) => list[pick(list.length)];
  const texts = ['2026/4/1', '2027-04-01', '令和8年12月7日', 'R8.5.1', '12/25', '今日', 'abc', '2026/2/30', '', '10', '3か月',
    '10営業日', '-5', 'x', '2026', '1948/1/1', '32767/12/31', '9999999999', '2026/11/23', '1/1'];
  const boxes = { d1: $('date1'), d2: $('date2'), n: $('days') };
  const editable = () => Object.values(boxes).filter((box) => !box.readOnly && !box.closest('.box').hidden);
  const click = (element) => element?.click();
  const actions = {
    type: () => { const box = any(editable()); box.focus(); box.value = any(texts); box.dispatchEvent(new Event('input', { bubbles: true })); },
    leave: () => { const box = any(editable()); box.dispatchEvent(new Event('change', { bubbles: true })); },
    enter: () => any(editable()).dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true, cancelable: true })),
    today: () => { any(editable()).focus(); click($('today')); },
    mode: () => click(any([...form.elements.mode])),
    style: () => click(any([...form.elements.style])),
    rest: () => click(any([...form.elements.rest, ...form.elements.yearend])),
    option: () => click(form.elements[any(['biz', 'incl'])]),
    day: () => click(any([...document.querySelectorAll('#months td[data-date]')])),
    month: () => click($(any(['previous-month', 'next-month']))),
    list: () => {
      const list = $(any(['closed', 'open']));
      list.value = any(['', '2026/12/8', '2026/12/8\n# 夏休み\n2026/8/13', 'abc']);
      list.dispatchEvent(new Event('input', { bubbles: true }));
      if (pick(2)) list.dispatchEvent(new Event('change', { bubbles: true }));
    },
    calculate: () => click($('calculate')),
  };
  // One task later the page has answered (its engine is ready by now).
  const settle = () => new Promise((resolve) => { const channel = new MessageChannel(); channel.port1.onmessage = resolve; channel.port2.postMessage(0); });

  function problems() {
    const query = new URLSearchParams();
    for (const [key, box] of Object.entries(boxes)) if (!box.readOnly && !box.closest('.box').hidden && box.value) query.set(key, box.value);
    for (const key of ['mode', 'style', 'rest', 'yearend']) query.set(key, form.elements[key].value);
    for (const key of ['biz', 'incl']) if (form.elements[key].checked) query.set(key, '1');
    const now = new Date();
    query.set('today', [now.getFullYear(), now.getMonth() + 1, now.getDate()].map((v) => String(v).padStart(2, '0')).join('-'));
    for (const key of ['closed', 'open']) query.set(key, $(key).value);
    query.set('cal', document.querySelector('#months caption').id.replace('month-', ''));
    query.set('months', String(document.querySelectorAll('#months table').length));
    const view = ask(query.toString());
    const quiet = form.dataset.quiet === 'true';
    const found = [];
    const same = (what, got, want) => { if (got !== want) found.push(`${what}: ${JSON.stringify(got)} ≠ ${JSON.stringify(want)}`); };
    same('result', $('result').textContent, view.result?.text ?? '');
    same('note', $('note').textContent, view.result?.note ?? '');
    same('detail', $('detail').textContent, view.result?.detail ?? '');
    same('message', $('message').textContent, quiet ? '' : view.error?.message ?? '');
    same('announce', $('announce').textContent, quiet ? '' : view.announce);
    same('copy disabled', $('copy').disabled, !view.result?.copy);
    for (const [key, box] of Object.entries(boxes)) {
      if (box.readOnly) same(`${key} value`, box.value, view.boxes[key].value);
      if (key !== 'n') same(`${key} text`, $(`${box.id}-text`).textContent, view.boxes[key].text);
      if (key !== 'n') same(`${key} holiday`, $(`${box.id}-holiday`).textContent, view.boxes[key].holiday);
    }
    for (const control of document.querySelectorAll('[aria-invalid]')) {
      const key = control.name;
      const invalid = !quiet && view.error?.box === key;
      same(`${key} aria-invalid`, control.getAttribute('aria-invalid'), String(invalid));
      if (invalid) same(`${key} tied to the message`, control.getAttribute('aria-describedby')?.split(' ').includes('message'), true);
    }
    const rows = [...document.querySelectorAll('#holiday-table tbody tr')].map((row) => [...row.cells].map((cell) => cell.textContent));
    same('holiday table', JSON.stringify($('holidays').hidden ? null : rows), JSON.stringify(view.holidays?.rows ?? null));
    const days = [...document.querySelectorAll('#months td[data-date]')].map((cell) => `${cell.dataset.date} ${cell.className}`);
    same('calendar', JSON.stringify(days), JSON.stringify(view.calendar.months.flatMap((month) => month.days.map((day) => `${day.date} ${day.marks}`))));
    if (!quiet) {
      const address = new URLSearchParams(location.search);
      for (const [key, box] of Object.entries(boxes)) {
        const input = !box.readOnly && !box.closest('.box').hidden;
        same(`address ${key}`, address.get(key) ?? '', input ? box.value : '');
      }
      same('address mode', address.get('mode') ?? 'diff', form.elements.mode.value);
    }
    return found;
  }

  const done = [];
  for (let i = 0; i < count; i++) {
    const name = any(Object.keys(actions));
    actions[name]();
    done.push(name);
    await settle();
    const found = problems();
    if (found.length) return { after: done.slice(-12), found };
  }
  return { actions: done.length };
}

for (const [width, seed] of [[360, 11], [1280, 12]]) {
  test(`${width} px: after each of 1,000 random actions everything shown belongs to the inputs shown`, async () => {
    const page = await openPage(browser, { viewport: { width, height: 800 } });
    await page.addScriptTag({ content: String(randomSource) });
    const outcome = await page.evaluate(randomActions, [seed * 7919, 1000]);
    assert.deepEqual(outcome, { actions: 1000 });
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });
}

describe('the address', () => {
  let page;
  before(async () => { page = await openPage(browser); });
  after(() => page.context().close());

  const calculate = async (first, second) => {
    await page.fill('#date1', first);
    await page.fill('#date2', second);
    await page.click('#calculate');
    return page.textContent('#result');
  };

  test('holds the inputs; the back button walks through earlier calculations', async () => {
    assert.equal(await calculate('2026/4/1', '2027/4/1'), '365日');
    assert.equal(await calculate('2026/4/1', '2026/5/1'), '30日');
    await page.check('input[name=mode][value=add]');
    assert.equal(new URL(page.url()).search, '?d1=2026%2F4%2F1&n=30&mode=add');
    for (const [result, d2] of [['30日', '2026/5/1'], ['365日', '2027/4/1']]) {
      await page.goBack();
      await page.waitForFunction((want) => document.getElementById('result').textContent === want, result);
      assert.deepEqual([await page.inputValue('#date2'), await page.isChecked('input[value=diff]')], [d2, true]);
    }
  });

  test('リンクをコピー copies it, and it opens to the same answer; コピー copies the result, 西暦 without blanks', async () => {
    await visit(page, `${pageUrl}?mode=add&d1=2026-12-07&n=10&style=western`);
    await page.click('#share');
    const link = await page.evaluate(() => navigator.clipboard.readText());
    assert.equal(link, page.url());
    await page.click('#copy');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), unpadded(cli(['--western', 'add', '2026-12-07', '10']).out, 'western'));
    const other = await openPage(browser, { url: link });
    assert.equal(await other.textContent('#result'), '2026/12/17(木)');
    await other.context().close();
  });

  test('今日 fills the focused date box and everything is worked out again', async () => {
    await visit(page, pageUrl);
    assert.equal(await calculate('2026/4/1', '2027/4/1'), '365日');
    await page.focus('#date1');
    await page.click('#today');
    const today = cli(['--iso', 'show', 'today']).out;
    assert.deepEqual([await page.inputValue('#date1'), await page.textContent('#result')],
      [today, `${cli(['diff', today, '2027/4/1']).out}日`]);
  });

  test('each style shows the date as kalvenor-cli does: 和暦 is the date\'s own era', async () => {
    await page.fill('#date1', '2026/12/7');
    for (const style of ['wareki', 'short', 'western', 'iso']) {
      await page.check(`input[name=style][value=${style}]`);
      assert.equal(await page.textContent('#date1-text'), unpadded(cli([styleOption[style], 'show', '2026/12/7']).out, style), style);
    }
    await page.check('input[name=style][value=wareki]');
    assert.equal(await page.textContent('#date1-text'), '令和8年12月7日(月)');
  });
});
