// The page: the form and the address hold the state; the engine (kalvenor.js,
// the command layer as WebAssembly) answers each state with the whole view,
// and render(view) writes everything shown from it. No rule of dates lives here.
const $ = (id) => document.getElementById(id);
const form = $('calculator');
const boxes = { d1: $('date1'), d2: $('date2'), n: $('days') };
const lists = { closed: $('closed'), open: $('open') };
const defaults = { mode: 'diff', style: 'wareki', rest: 'sat-sun-hol', yearend: '' };
// Each mode's inputs; the others are filled in by the mode or hidden.
const inputsOf = { diff: ['d1', 'd2'], add: ['d1', 'n'], span: ['d1', 'd2'], holidays: ['d1', 'd2'] };
const filledBy = { diff: 'n', add: 'd2' };
let lastDateBox = boxes.d1;
let calendarMonth = null;  // the calendar's first month when moved by hand
let view = null;

// The engine: the page's state as a query in, the view as JSON out.
const engine = (async () => {
  try {
    const module = await createKalvenor();
    return (query) => {
      const bytes = new TextEncoder().encode(query);
      module.HEAPU8.set(bytes, module._kalvenor_buffer(bytes.length));
      const at = module._kalvenor_view();
      return JSON.parse(new TextDecoder().decode(module.HEAPU8.subarray(at, module.HEAPU8.indexOf(0, at))));
    };
  } catch {
    $('engine-error').hidden = false;
    for (const control of form.elements) control.disabled = true;
    return null;
  }
})();

const modeOf = () => form.elements.mode.value;

// The state the address holds: each input of the mode, and every choice
// that is not the default.
function queryOf() {
  const query = new URLSearchParams();
  for (const key of inputsOf[modeOf()]) if (boxes[key].value) query.set(key, boxes[key].value);
  for (const key of Object.keys(defaults)) {
    const value = form.elements[key].value;
    if (value !== defaults[key]) query.set(key, value);
  }
  for (const key of ['biz', 'incl']) if (form.elements[key].checked) query.set(key, '1');
  return query;
}

function applyQuery(query) {
  for (const [key, box] of Object.entries(boxes)) box.value = query.get(key) ?? '';
  for (const key of Object.keys(defaults)) {
    const value = query.get(key) ?? defaults[key];
    for (const option of form.elements[key]) option.checked = option.value === value;
  }
  for (const key of ['biz', 'incl']) form.elements[key].checked = query.get(key) === '1';
  calendarMonth = null;
  showMode();
}

// What the engine is asked besides the address: today, the user's lists
// and the calendar's months.
function engineQuery() {
  const query = queryOf();
  const now = new Date();
  query.set('today', [now.getFullYear(), now.getMonth() + 1, now.getDate()].map((n) => String(n).padStart(2, '0')).join('-'));
  for (const [key, list] of Object.entries(lists)) query.set(key, list.value);
  if (calendarMonth) query.set('cal', calendarMonth);
  query.set('months', matchMedia('(min-width: 900px)').matches ? '2' : '1');
  return query.toString();
}

function showMode() {
  const mode = modeOf();
  for (const [key, box] of Object.entries(boxes)) {
    box.readOnly = filledBy[mode] === key;
    box.closest('.box').hidden = !inputsOf[mode].includes(key) && filledBy[mode] !== key;
  }
  for (const help of document.querySelectorAll('.mode-help')) help.hidden = help.dataset.mode !== mode;
}

const setText = (id, text) => { $(id).textContent = text ?? ''; };

function renderTables(holidays) {
  $('holidays').hidden = !holidays;
  if (!holidays) return;
  const fill = (table, caption, rows) => {
    table.caption.textContent = caption;
    table.tBodies[0].replaceChildren(...rows.map((cells) => {
      const row = document.createElement('tr');
      for (const cell of cells) row.insertCell().textContent = cell;
      return row;
    }));
  };
  fill($('holiday-table'), holidays.caption, holidays.rows);
  fill($('workday-table'), holidays.workdaysCaption, holidays.months);
  $('workday-table').hidden = holidays.months.length === 0;
}

// Writes everything shown. While a box is being typed in (quiet), its
// error waits for Enter or for leaving the box, and nothing is announced.
function render(quiet = false) {
  for (const [key, box] of Object.entries(boxes)) {
    const shown = view.boxes[key];
    if (box.readOnly) box.value = shown.value ?? '';
    if (key !== 'n') {
      setText(`${box.id}-text`, shown.text);
      setText(`${box.id}-holiday`, shown.holiday);
    }
  }
  const failed = quiet ? null : view.error;
  for (const [key, control] of [...Object.entries(boxes), ...Object.entries(lists)]) {
    const invalid = failed?.box === key;
    control.setAttribute('aria-invalid', String(invalid));
    const described = [key.startsWith('d') ? `${control.id}-shown` : '', invalid ? 'message' : ''].filter(Boolean);
    if (described.length) control.setAttribute('aria-describedby', described.join(' '));
    else control.removeAttribute('aria-describedby');
  }
  setText('message', failed?.message);
  setText('result', view.result?.text);
  setText('note', view.result?.note);
  setText('detail', view.result?.detail);
  setText('hint', view.error ? '' : view.hint);
  setText('copied', '');
  $('copy').disabled = !view.result?.copy;
  setText('announce', quiet ? '' : view.announce);
  renderTables(view.holidays);
  renderCalendar(view.calendar);
  form.dataset.quiet = String(quiet);
}

// Asks the engine for the view of what is on screen and shows it; a
// calculation asked for (not typing) also goes into the address.
async function update({ quiet = false, history = 'push' } = {}) {
  const ask = await engine;
  if (!ask) return;
  view = ask(engineQuery());
  render(quiet);
  const query = queryOf().toString();
  if (history && query !== location.search.slice(1)) {
    const url = `${location.pathname}${query ? `?${query}` : ''}`;
    if (history === 'push') window.history.pushState(null, '', url);
    else window.history.replaceState(null, '', url);
  }
}

// The calendar: the engine's months as ARIA grids, one day focusable at a time.
function renderCalendar(calendar) {
  const focused = document.activeElement?.dataset?.date;
  const tables = calendar.months.map((month) => {
    const table = document.createElement('table');
    table.setAttribute('role', 'grid');
    table.className = 'month';
    table.createCaption().textContent = month.title;
    table.caption.id = `month-${month.key}`;
    table.setAttribute('aria-labelledby', table.caption.id);
    const head = table.createTHead().insertRow();
    for (const name of calendar.weekdays) {
      const cell = document.createElement('th');
      cell.scope = 'col';
      cell.textContent = name;
      head.append(cell);
    }
    const body = table.createTBody();
    let row = body.insertRow();
    for (let i = 0; i < month.lead; i++) row.insertCell();
    for (const day of month.days) {
      if (row.cells.length === 7) row = body.insertRow();
      const cell = row.insertCell();
      cell.textContent = day.day;
      cell.className = day.marks;
      cell.dataset.date = day.date;
      cell.tabIndex = -1;
      cell.setAttribute('aria-label', day.label);
      cell.setAttribute('aria-selected', String(cell.classList.contains('first') || cell.classList.contains('second')));
      if (day.holiday) cell.title = day.holiday;
    }
    while (row.cells.length < 7) row.insertCell();
    return table;
  });
  $('months').replaceChildren(...tables);
  const days = shownDays();
  const active = days.find((cell) => cell.dataset.date === focused)
    ?? days.find((cell) => cell.classList.contains('first')) ?? days.find((cell) => cell.classList.contains('today')) ?? days[0];
  active.tabIndex = 0;
  if (focused) active.focus();
}

// The calendar's days, in order.
const shownDays = () => [...$('months').querySelectorAll('td[data-date]')];

// The date box a picked day or 今日 fills: the one last used, unless the mode hides or fills it.
const dateBoxToFill = () => (lastDateBox.readOnly || lastDateBox.closest('.box').hidden ? boxes.d1 : lastDateBox);

function pick(cell) {
  dateBoxToFill().value = cell.dataset.date;
  cell.focus();
  update();
}

// Moves the calendar by a month and focuses the day `find` chooses there.
async function moveMonth(step, find) {
  calendarMonth = step < 0 ? view.calendar.prev : view.calendar.next;
  await update({ history: 'replace' });
  const days = shownDays();
  const cell = find(days);
  if (cell) {
    for (const day of days) day.tabIndex = -1;
    cell.tabIndex = 0;
    cell.focus();
  }
}

const dayMoves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -7, ArrowDown: 7 };
async function onCalendarKey(event) {
  const cell = event.target.closest('td[data-date]');
  if (!cell) return;
  const days = shownDays();
  const index = days.indexOf(cell);
  const row = [...cell.parentElement.cells].filter((c) => c.dataset.date);
  let target = null;
  if (event.key in dayMoves) target = index + dayMoves[event.key];
  else if (event.key === 'Home') target = days.indexOf(row[0]);
  else if (event.key === 'End') target = days.indexOf(row.at(-1));
  else if (event.key === 'Enter' || event.key === ' ') pick(cell);
  else if (event.key === 'PageUp' || event.key === 'PageDown') {
    const day = Number(cell.textContent);
    const month = cell.closest('table');
    const position = [...$('months').children].indexOf(month) + (event.key === 'PageUp' && $('months').children.length > 1 ? 1 : 0);
    await moveMonth(event.key === 'PageUp' ? -1 : 1, (shown) => {
      const table = $('months').children[Math.min(position, $('months').children.length - 1)];
      const inMonth = shown.filter((c) => table.contains(c));
      return inMonth[Math.min(day, inMonth.length) - 1];
    });
  } else return;
  event.preventDefault();
  if (target === null) return;
  if (target >= 0 && target < days.length) {
    cell.tabIndex = -1;
    days[target].tabIndex = 0;
    days[target].focus();
    return;
  }
  // Past the months shown: the calendar moves on, and the step continues there.
  const date = cell.dataset.date;
  const step = target - index;
  await moveMonth(step, (shown) => {
    const same = shown.findIndex((c) => c.dataset.date === date);
    if (same >= 0) return shown[same + step];
    return step > 0 ? shown[target - days.length] : shown[shown.length + target];
  });
}

async function copy(text, said) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // A page from file:// or an old browser may lack the clipboard API.
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
  setText('copied', said);
}

// Typing shows at once what the text reads as; Enter, leaving the box and
// every other control calculate and go into the address.
for (const box of Object.values(boxes)) {
  box.addEventListener('input', () => {
    if (box !== boxes.d2) calendarMonth = null;
    update({ quiet: true, history: null });
  });
  box.addEventListener('change', () => update());
  box.addEventListener('keydown', (event) => {
    // Enter that confirms an input method's conversion is not ours.
    if (event.key !== 'Enter' || event.isComposing) return;
    event.preventDefault();
    const [first, second] = inputsOf[modeOf()];
    if (box === boxes[first] && !boxes[second].value) boxes[second].focus();
    update();
  });
}
for (const box of [boxes.d1, boxes.d2]) box.addEventListener('focus', () => { lastDateBox = box; });
for (const [key, list] of Object.entries(lists)) {
  list.value = localStorage.getItem(`kalvenor.${key}`) ?? '';
  list.addEventListener('input', () => {
    localStorage.setItem(`kalvenor.${key}`, list.value);
    update({ quiet: true, history: null });
  });
  list.addEventListener('change', () => update());
}
form.addEventListener('submit', () => update());
form.elements.mode.forEach((option) => option.addEventListener('change', () => {
  showMode();
  update();
}));
for (const key of ['style', 'rest', 'yearend']) form.elements[key].forEach((option) => option.addEventListener('change', () => update()));
for (const key of ['biz', 'incl']) form.elements[key].addEventListener('change', () => update());
$('today').addEventListener('click', async () => {
  if (!view) return;
  dateBoxToFill().value = view.today;
  calendarMonth = null;
  update();
});
$('copy').addEventListener('click', () => copy(view.result.copy, `「${view.result.text}」をコピーしました。`));
$('share').addEventListener('click', () => copy(location.href, 'リンクをコピーしました。'));
$('previous-month').addEventListener('click', () => moveMonth(-1, () => null));
$('next-month').addEventListener('click', () => moveMonth(1, () => null));
$('months').addEventListener('keydown', onCalendarKey);
$('months').addEventListener('click', (event) => {
  const cell = event.target.closest('td[data-date]');
  if (cell) pick(cell);
});
$('months').addEventListener('focusin', (event) => {
  setText('day-info', event.target.getAttribute('aria-label'));
});
// The help's examples are links with a state: shown here, without a reload.
for (const example of document.querySelectorAll('#help a.example')) {
  example.addEventListener('click', (event) => {
    event.preventDefault();
    applyQuery(new URL(example.href).searchParams);
    update();
    boxes.d1.scrollIntoView({ block: 'center' });
  });
}
addEventListener('popstate', () => {
  applyQuery(new URLSearchParams(location.search));
  update({ history: null });
});
matchMedia('(min-width: 900px)').addEventListener('change', () => update({ quiet: true, history: null }));
if (location.protocol !== 'file:' && 'serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');

// Whatever was typed before the engine was ready stays.
const typed = Object.fromEntries(Object.entries(boxes).map(([key, box]) => [key, box.value]));
applyQuery(new URLSearchParams(location.search));
for (const [key, box] of Object.entries(boxes)) box.value ||= typed[key];
await update({ history: 'replace' });
form.dataset.ready = 'true';
