// The page's calculator: the window's two modes and Enter flow, over the
// engine built to WebAssembly (kalvenor.js), with kalvenor-cli's reader,
// styles and messages.
const engine = await createKalvenor();
engine.useJapanese();

const form = document.getElementById('calculator');
const [date1, date2, days] = ['date1', 'date2', 'days'].map((id) => document.getElementById(id));
// Each date box's display text, the <output> for it, and the holiday it is.
const shown = new Map([date1, date2].map((box) => [box, document.getElementById(`${box.id}-text`)]));
const holiday = new Map([date1, date2].map((box) => [box, document.getElementById(`${box.id}-holiday`)]));
const result = document.getElementById('result');
const message = document.getElementById('message');
let lastDateBox = date1;
// The text each box held when last read, so leaving it after Enter does
// not answer twice.
const read = new Map();

const inDifference = () => form.elements.mode.value === 'difference';
const style = () => engine.Style[form.elements.style.value];
const inBusinessDays = () => form.elements.business.checked;
const restWeekdays = () => Number(form.elements.rest.value);
// The browser's local date, read afresh for each answer.
function today() {
  const now = new Date();
  return { year: now.getFullYear(), month: now.getMonth() + 1, day: now.getDate() };
}

// An answer's text, or null after saying why there is none.
function textOf(answer) {
  if (answer.ok) return answer.text;
  message.textContent = answer.text;
  return null;
}

function display(box, answer) {
  shown.get(box).value = answer?.ok ? answer.text : '';
  holiday.get(box).textContent = answer?.ok ? answer.holiday : '';
}

// Shows the box's date in the chosen style; an empty box shows nothing and,
// unless asked for, complains of nothing.
function showDate(box, quietWhenEmpty = false, now = today()) {
  read.set(box, box.value);
  if (quietWhenEmpty && box.value.trim() === '') {
    display(box, null);
    return null;
  }
  const answer = engine.show(box.value, now, style());
  display(box, answer);
  return textOf(answer);
}

// Every date of one calculation is read against the same today.
function calculate() {
  message.textContent = '';
  result.value = '';
  const now = today();
  if (inDifference()) {
    // The window's order: Date2 first, then Date1.
    if (showDate(date2, false, now) === null || showDate(date1, false, now) === null) return;
    const count = textOf(inBusinessDays() ? engine.workdays(date1.value, date2.value, now, restWeekdays())
      : engine.diff(date1.value, date2.value, now));
    if (count === null) return;
    days.value = count.startsWith('-') ? count : ` ${count}`;
    result.value = `${count}${inBusinessDays() ? '営業日' : '日'}`;
  } else {
    if (showDate(date1, false, now) === null) return;
    read.set(days, days.value);
    // A plain number counts business days in that mode.
    const count = inBusinessDays() && /^\s*[-+]?\d+\s*$/.test(days.value) ? `${days.value}営業日` : days.value;
    const answer = engine.add(date1.value, count, now, style(), restWeekdays());
    if (textOf(answer) === null) return;
    date2.value = answer.text;
    display(date2, answer);
    result.value = answer.text;
  }
}

// The window's Enter flow: Date1 shows its date and moves on; the mode's
// other input, the only other box enabled, calculates and keeps the focus.
function onEnter(box) {
  if (box !== date1) {
    calculate();
    return;
  }
  message.textContent = '';
  showDate(date1);
  (inDifference() ? date2 : days).focus();
}

// Leaving a changed box updates its date and, once the mode has both its
// inputs, the result.
function onChange(box) {
  if (read.get(box) === box.value) return;
  message.textContent = '';
  if (box !== days) showDate(box, true);
  const inputs = inDifference() ? [date1, date2] : [date1, days];
  if (inputs.every((input) => input.value.trim() !== '')) calculate();
}

// The two inputs of a mode stand in the first two rows, its result last.
function onMode() {
  const difference = inDifference();
  date2.disabled = !difference;
  days.disabled = difference;
  const rows = document.getElementById('rows');
  const [second, third] = difference ? ['date2-row', 'days-row'] : ['days-row', 'date2-row'];
  rows.append(document.getElementById(second), document.getElementById(third));
}

function onStyle() {
  message.textContent = '';
  showDate(date1, true);
  showDate(date2, true);
  if (!inDifference() && result.value) result.value = shown.get(date2).value;
}

async function copyResult() {
  if (!result.value) return;
  try {
    await navigator.clipboard.writeText(result.value);
  } catch {
    // Pages from file:// or an old browser may lack the clipboard API.
    getSelection().selectAllChildren(result);
    document.execCommand('copy');
  }
  message.textContent = `「${result.value}」をコピーしました。`;
}

for (const box of [date1, date2, days]) {
  box.addEventListener('keydown', (event) => {
    // Enter that confirms an input method's conversion is not ours.
    if (event.key !== 'Enter' || event.isComposing) return;
    event.preventDefault();
    onEnter(box);
  });
  box.addEventListener('change', () => onChange(box));
}
for (const box of [date1, date2]) box.addEventListener('focus', () => { lastDateBox = box; });
form.addEventListener('submit', (event) => {
  event.preventDefault();
  calculate();
});
form.elements.mode.forEach((option) => option.addEventListener('change', onMode));
form.elements.style.forEach((option) => option.addEventListener('change', onStyle));
// Counting business days or not, and which days rest, change the answer.
for (const option of [form.elements.business, ...form.elements.rest]) {
  option.addEventListener('change', () => { if (result.value) calculate(); });
}
document.getElementById('today').addEventListener('click', () => {
  const box = lastDateBox.disabled ? date1 : lastDateBox;
  box.value = engine.show('今日', today(), engine.Style.Iso).text;
  showDate(box);
});
document.getElementById('copy').addEventListener('click', copyResult);
result.addEventListener('click', copyResult);
result.addEventListener('keydown', (event) => {
  if ((event.ctrlKey || event.metaKey) && event.key === 'c') {
    event.preventDefault();
    copyResult();
  }
});
form.dataset.ready = 'true';
