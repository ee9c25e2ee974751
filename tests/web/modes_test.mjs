// Every mode against kalvenor-cli on random inputs and choices, each case
// given once through its share link and once typed into the boxes.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import { businessOptions, cli, launchChromium, openPage, pageUrl, randomSource, restOptions, shownOf, styleOption, unpadded, visit } from './support.mjs';

const { pick, any } = randomSource(20260401);
const pad = (n) => String(n).padStart(2, '0');
function dateText() {
  const [y, m, d] = [1950 + pick(140), pick(12) + 1, pick(28) + 1];
  return any(`${y}/${m}/${d}`, `${y}-${pad(m)}-${pad(d)}`, `${y}年${m}月${d}日`, `R${pick(30) + 1}.${m}.${d}`,
    `${m}/${d}`, any('2026/2/30', 'abc', '13/45', '今日'));
}
// A count, and whether it is a bare number (counted in business days then).
function countText() {
  const whole = pick(400) - 200;
  return any({ text: String(whole), bare: true }, { text: `${pick(20)}週` }, { text: `${pick(30) - 10}か月` },
    { text: `${pick(5)}年` }, { text: `${pick(60)}営業日` }, { text: '2.5' }, { text: 'x3' });
}

function randomCase() {
  const choices = {
    style: any('wareki', 'short', 'western', 'iso'), rest: any('sat-sun-hol', 'sun-hol', 'sat-sun', 'sun'), yearend: any('', '12/29', '12/31'),
    biz: pick(2) === 1, incl: pick(2) === 1,
  };
  const mode = any('diff', 'add', 'span', 'holidays');
  if (mode === 'add') return { mode, ...choices, d1: dateText(), n: countText() };
  if (mode === 'holidays') {
    const year = String(1950 + pick(140));
    return pick(3) === 0 ? { mode, ...choices, d1: year, d2: '' } : { mode, ...choices, d1: dateText(), d2: any('', dateText()) };
  }
  return { mode, ...choices, d1: dateText(), d2: dateText() };
}

// The message as the page names its box.
const failed = (box, message) => ({ message: `${box}：${message}` });
const refusal = (text) => cli(['show', '--', text]).message;

const inclusive = (c) => (c.incl ? ['--inclusive'] : []);

// The days a business-day count over from..to left out, from kalvenor-cli's
// own counts: the rest weekdays are the days the weekday rule alone does
// not count, the holidays and the closed days what holidays and the
// year-end closing take away in turn.
function leftOut(c, from, to, options) {
  const count = (rules) => Math.abs(Number(cli([...rules, ...options, 'workdays', '--', from, to]).out));
  const weekdays = count([restOptions[c.rest][0], '--holidays=none']);
  const withHolidays = count(restOptions[c.rest]);
  const days = [
    ['休みの曜日', Math.abs(Number(cli([...options, 'diff', '--', from, to]).out)) - weekdays],
    ['祝日', weekdays - withHolidays],
    ['休業日', withHolidays - count(businessOptions(c))],
  ].filter(([, n]) => n).map(([reason, n]) => `${reason} ${n}日`);
  return `数えなかった日：${days.join('、') || 'なし'}`;
}

// The failure of the first box, [box, text], whose text kalvenor-cli refuses.
function firstRefused(...boxes) {
  for (const [box, text] of boxes) {
    const message = refusal(text);
    if (message) return failed(box, message);
  }
  return undefined;
}

function expectDifference(c) {
  const refused = firstRefused(['日付１', c.d1], ['日付２', c.d2]);
  if (refused) return refused;
  const count = cli([...(c.biz ? businessOptions(c) : []), ...inclusive(c), c.biz ? 'workdays' : 'diff', '--', c.d1, c.d2]).out;
  return { result: `${count}${c.biz ? '営業日' : '日'}`, n: count, detail: c.biz ? leftOut(c, c.d1, c.d2, inclusive(c)) : '' };
}

function expectAddition(c) {
  const refused = firstRefused(['日付１', c.d1]);
  if (refused) return refused;
  const count = c.biz && c.n.bare ? `${c.n.text}営業日` : c.n.text;
  const args = [...businessOptions(c), ...inclusive(c), 'add', '--', c.d1, count];
  const { out, message } = cli([styleOption[c.style], ...args]);
  if (message) return failed('日数', message.replace(count, c.n.text));
  // A count of 0 business days passes over nothing, first day or not.
  const business = count.endsWith('営業日');
  const detail = business ? leftOut(c, c.d1, cli(['--iso', ...args]).out, parseInt(count, 10) ? inclusive(c) : []) : '';
  return { result: unpadded(out, c.style), d2: unpadded(out, c.style), detail };
}

// The span, and the age on DATE2 of someone born on DATE1 when DATE1 is not the later.
function expectSpan(c) {
  const refused = firstRefused(['日付１', c.d1], ['日付２', c.d2]);
  if (refused) return refused;
  const age = cli(['age', '--', c.d1, c.d2]);
  return {
    result: cli([...inclusive(c), ...(c.style === 'iso' ? ['--iso'] : []), 'span', '--', c.d1, c.d2]).out,
    detail: age.message ? '' : `日付１に生まれた人の日付２での年齢 ${age.out}`,
  };
}

// The holidays of DATE1's year or of the range, and the business days of each month.
function expectHolidays(c) {
  const refused = c.d2 && firstRefused(['日付２', c.d2], ['日付１', c.d1]);
  if (refused) return refused;
  const d1Refused = refusal(c.d1);
  const year = d1Refused ? c.d1 : cli(['--iso', 'show', '--', c.d1]).out.slice(0, 4);
  if (d1Refused && !/^\d+$/.test(c.d1)) return failed('日付１', cli(['holidays', '--', c.d1]).message);
  const range = c.d2 ? [c.d1, c.d2] : [year];
  const listed = cli([styleOption[c.style], 'holidays', '--', ...range]).out.split('\n').filter(Boolean);
  const [first, last] = c.d2 ? cli(['--iso', 'show', '--', c.d1, c.d2]).out.split('\n').sort() : [`${year}-01-01`, `${year}-12-31`];
  const months = [];
  const monthEnd = (y, m) => `${y}-${pad(m)}-${pad(new Date(Date.UTC(y, m, 0)).getUTCDate())}`;
  for (let [y, m] = first.split('-').map(Number); `${y}-${pad(m)}` <= last.slice(0, 7); [y, m] = m === 12 ? [y + 1, 1] : [y, m + 1]) {
    const month = `${y}-${pad(m)}`;
    const from = month === first.slice(0, 7) ? first : `${month}-01`;
    const to = month === last.slice(0, 7) ? last : monthEnd(y, m);
    months.push([`${y}年${m}月`, cli([...businessOptions(c), '--inclusive', 'workdays', from, to]).out]);
  }
  return {
    holidays: listed.map((line) => {
      const [date, name] = line.split('\t');
      const weekday = cli(['--kanji', 'show', date.trim()]).out.slice(-2, -1);
      return [unpadded(date, c.style).replace(/\(.\)$/, ''), weekday, name];
    }),
    months,
  };
}

const expect = { diff: expectDifference, add: expectAddition, span: expectSpan, holidays: expectHolidays };
const cases = Array.from({ length: 48 }, randomCase);
const want = cases.map((c) => expect[c.mode](c));

// The case's choices, and with `inputs` its boxes too, as a share link's query.
function queryOf(c, inputs) {
  const query = new URLSearchParams({ mode: c.mode, style: c.style, rest: c.rest });
  if (c.yearend) query.set('yearend', c.yearend);
  if (c.biz) query.set('biz', '1');
  if (c.incl) query.set('incl', '1');
  if (inputs) for (const key of ['d1', 'd2']) if (c[key]) query.set(key, c[key]);
  if (inputs && c.n) query.set('n', c.n.text);
  return query;
}

function check(got, expected, c, how) {
  const picked = Object.fromEntries(Object.keys(expected).map((key) => [key, got[key]]));
  if (!expected.message) assert.equal(got.message, '', `${how} ${JSON.stringify(c)}`);
  assert.deepEqual(picked, expected, `${how} ${JSON.stringify(c)}`);
}

let browser;
let page;
// The page at a query, once it has read it.
const visitQuery = (query) => visit(page, `${pageUrl}?${query}`);
before(async () => {
  browser = await launchChromium();
  page = await openPage(browser);
});
after(() => browser.close());

test('every mode equals kalvenor-cli, through the share link', async () => {
  for (const [i, c] of cases.entries()) {
    await visitQuery(queryOf(c, true));
    check(await shownOf(page), want[i], c, 'link');
  }
  assert.deepEqual(page.errors, []);
});

test('every mode equals kalvenor-cli, typed: Enter in 日付１ moves on, Enter in the other box calculates', async () => {
  for (const [i, c] of cases.entries()) {
    await visitQuery(queryOf(c, false));
    await page.fill('#date1', c.d1);
    await page.press('#date1', 'Enter');
    const second = c.mode === 'add' ? '#days' : '#date2';
    const text = c.mode === 'add' ? c.n.text : c.d2;
    if (text) {
      assert.equal(await page.evaluate(() => document.activeElement.id), second.slice(1), 'Enter moved on');
      await page.fill(second, text);
      await page.press(second, 'Enter');
    }
    check(await shownOf(page), want[i], c, 'typed');
  }
  assert.deepEqual(page.errors, []);
});

test('a date 日付 is counted from states what it counted', async () => {
  for (const [n, options, note] of [['10', '&biz=1', '10営業日後'], ['10', '', '10日後'], ['10日', '&biz=1', '10日後'], ['-3', '&biz=1', '3営業日前'],
    ['2週', '', '2週間後'], ['3か月', '&biz=1', '3か月後'], ['1年', '', '1年後'], ['2.5', '', '2.5日後'], ['30', '&incl=1', '30日後（初日を含める）']]) {
    await visitQuery(`mode=add&d1=2026-12-07&n=${encodeURIComponent(n)}${options}`);
    assert.equal(await page.textContent('#note'), note, n);
  }
});

test('the year-end closing is stated with the count and shown in the calendar', async () => {
  for (const [yearend, rest] of [['12/29', '2026-12-29'], ['12/31', '2026-12-31']]) {
    await visitQuery(`d1=2026-12-25&d2=2027-01-08&biz=1&yearend=${encodeURIComponent(yearend)}&cal=2026-12`);
    assert.match(await page.textContent('#note'), new RegExp(`${yearend}〜1/3休み`));
    const marks = await page.$$eval('#months td[data-date]', (cells) => Object.fromEntries(cells.map((cell) => [cell.dataset.date, cell.className])));
    assert.match(marks[rest], /\brest\b/, rest);
    assert.doesNotMatch(marks['2026-12-28'], /\brest\b/, '12/28 is open');
  }
});

test('the closed and open days count as kalvenor-cli\'s --closed and --open files do, and stay for the next visit', async () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'kalvenor-days-'));
  const lists = { closed: '2026/12/28\n# 年末\n2026-12-29\n\n令和8年12月30日\n', open: '2026/12/26  # 土曜出勤\n' };
  for (const [name, text] of Object.entries(lists)) writeFileSync(path.join(folder, name), text);
  await visitQuery('d1=2026-12-01&d2=2027-01-15&biz=1');
  for (const [name, text] of Object.entries(lists)) {
    await page.fill(`#${name}`, text);
    await page.press(`#${name}`, 'Tab');
  }
  const want = cli([`--closed=${path.join(folder, 'closed')}`, `--open=${path.join(folder, 'open')}`, 'workdays', '2026-12-01', '2027-01-15']).out;
  assert.equal(await page.textContent('#result'), `${want}営業日`);
  await page.reload();
  await page.waitForSelector('form[data-ready]');
  assert.equal(await page.textContent('#result'), `${want}営業日`, 'kept in localStorage');
  await page.fill('#open', '2026/12/26\nabc');
  await page.press('#open', 'Tab');
  assert.deepEqual([await page.textContent('#message'), await page.getAttribute('#open', 'aria-invalid')],
    [`営業日にする日：2行目 ${cli(['show', 'abc']).message}`, 'true']);
  rmSync(folder, { recursive: true });
});
