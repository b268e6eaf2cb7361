// The teaching view beside the terminal: after every run of the program ("bch-handover", see
// terminal.js) it reads the output and the typed chunks (steps.js), has explain.js say what
// they mean, and draws that into #view: sentences, words laid out position under position,
// and a chart of the syndrome weight per rotation. It adds nothing to the terminal's screen.
// Only what changed is redrawn: a part or a row whose content is the same keeps its elements,
// so an Enter at a pause adds the rows of one rotation.
//
// One mark per concept, in every figure: an error is boxed (data-mark="error"), a bit the
// correction flips is underlined (data-mark="changed"), a value other than 0 and 1 has a wavy
// underline (data-mark="outside"); the window, positions 21-30, is a band down the columns,
// labelled above them. Every cell of a word carries data-position, every row data-row (a
// rotation's also data-shift, and the one where the weight fell to 2 data-trapped).
//
// Its buttons: "Cofnij" asks the terminal to take back the last hand-over ("bch-take-back")
// and gives the terminal's line the focus back; "Zapisz przebieg" downloads the terminal's
// text (#output) as a UTF-8 text file. On a narrow screen the page shows the terminal or the
// view, switched by two buttons (aria-pressed).
import { CODE_LENGTH, INFORMATION_LENGTH, readSteps } from './steps.js';
import { explain } from './explain.js';

const SVG = 'http://www.w3.org/2000/svg';
const main = document.querySelector('main');
const view = document.getElementById('view');
const heading = document.getElementById('view-title');
const now = document.getElementById('view-now');
const steps = document.getElementById('view-steps');
const takeBack = document.getElementById('take-back');
const save = document.getElementById('save-run');
const showTerminal = document.getElementById('show-terminal');
const showView = document.getElementById('show-view');

// --- Elements -------------------------------------------------------------------------------

function make(tag, attributes = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value !== null && value !== undefined && value !== false) element.setAttribute(name, value);
  }
  element.append(...children);
  return element;
}

// Text in which "^{...}" is a superscript.
function richText(text) {
  return text.split(/\^\{([^}]*)\}/).map((piece, i) => (i % 2 ? make('sup', {}, piece) : piece));
}

const dataAttributes = (data = {}) => Object.fromEntries(Object.entries(data)
  .map(([key, value]) => [`data-${key.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`)}`, value]));

// --- Figures: words position under position ---------------------------------------------------

// A figure is a table for assistive technology (ARIA roles) whose every row is a grid of its
// own, the same columns in each: a label, 31 positions as wide as the widest value in the
// figure, a note. So a new row is laid out alone, not the whole table again. The window's band
// is the background of its cells (class "window"), which a contrast checker can read.
const cell = (attributes, ...children) => make('span', { role: 'cell', ...attributes },
  ...children);
const inWindow = (position) => (position >= INFORMATION_LENGTH ? 'window' : null);
// Empty cells for positions from..to-1, split where the window begins.
function gaps(from, to) {
  const parts = from < INFORMATION_LENGTH && to > INFORMATION_LENGTH ?
    [[from, INFORMATION_LENGTH], [INFORMATION_LENGTH, to]] : [[from, to]];
  return parts.filter(([a, b]) => b > a).map(([a, b]) => cell({ 'aria-colspan': b - a,
    style: `grid-column: span ${b - a}`, class: inWindow(a) }));
}

function tableHead() {
  const windowLength = CODE_LENGTH - INFORMATION_LENGTH;
  const bands = make('div', { role: 'row', class: 'bands' }, cell({}),
    make('span', { role: 'columnheader', 'aria-colspan': INFORMATION_LENGTH,
      style: `grid-column: span ${INFORMATION_LENGTH}` },
    `informacja 0–${INFORMATION_LENGTH - 1}`),
    make('span', { role: 'columnheader', 'aria-colspan': windowLength, class: 'window',
      style: `grid-column: span ${windowLength}` },
    `okno ${INFORMATION_LENGTH}–${CODE_LENGTH - 1}`),
    cell({}));
  const ruler = make('div', { role: 'row', class: 'ruler' }, cell({}));
  for (let p = 0; p < CODE_LENGTH; p += 1) {
    ruler.append(make('span', { role: 'columnheader', class: inWindow(p) }, String(p)));
  }
  ruler.append(cell({}));
  return make('div', { role: 'rowgroup' }, bands, ruler);
}

function buildRow(row) {
  const classes = [row.under && 'under', row.current && 'current'].filter(Boolean).join(' ');
  const element = make('div', { role: 'row', 'data-row': row.id, 'data-shift': row.shift,
    'data-trapped': row.trapped ? 'true' : null,
    'aria-current': row.current && !row.under ? 'step' : null, class: classes || null },
  make('span', { role: 'rowheader' }, row.label));
  if (!row.cells) {
    element.append(cell({ 'aria-colspan': CODE_LENGTH, class: 'unsplit',
      style: `grid-column: span ${CODE_LENGTH}` }, row.text));
  } else {
    let next = 0;
    for (const { position, text, marks } of row.cells) {
      element.append(...gaps(next, position), cell({ 'data-position': position,
        'data-mark': marks.length > 0 ? marks.join(' ') : null, class: inWindow(position) }, text));
      next = position + 1;
    }
    element.append(...gaps(next, CODE_LENGTH));
  }
  element.append(cell({ class: 'note' }, row.note ?? ''));
  return element;
}

// The widest value in a figure's rows, in characters: the width of its position columns.
function widest(rows) {
  let width = 1;
  for (const row of rows) {
    for (const { text } of row.cells ?? []) width = Math.max(width, text.length);
  }
  return width;
}

let figures = 0;
function buildFigure(figure) {
  figures += 1;
  const caption = `figure-${figures}`;
  const table = make('div', { class: 'words', role: 'table', 'aria-describedby': caption },
    tableHead(), make('div', { role: 'rowgroup' }));
  return make('figure', {}, table, make('figcaption', { id: caption }, figure.caption));
}

// --- The chart of the weight per rotation -----------------------------------------------------

function svg(tag, attributes = {}, ...children) {
  const element = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  element.append(...children);
  return element;
}

// The chart's scales: rotations 0..limit across, weights 0..10 up (a syndrome has 10 positions).
const MOST = 10;
const chartX = (shift) => 28 + shift * 10;
const chartY = (weight) => 12 + (MOST - Math.min(weight, MOST)) * 8;

// The axes and the threshold, drawn once; updateChart adds the weights.
function buildChart({ threshold, limit }) {
  const [x, y] = [chartX, chartY];
  const chart = svg('svg', { viewBox: `0 0 ${x(limit) + 16} ${y(0) + 32}`, class: 'chart',
    role: 'img' });
  chart.append(
    svg('line', { x1: x(0), y1: y(0), x2: x(limit), y2: y(0), class: 'axis' }),
    svg('line', { x1: x(0), y1: y(0), x2: x(0), y2: y(MOST), class: 'axis' }),
    svg('line', { x1: x(0), y1: y(threshold), x2: x(limit), y2: y(threshold), class: 'threshold' }),
    svg('text', { x: x(limit) + 2, y: y(threshold) + 4 }, String(threshold)),
    svg('text', { x: 2, y: y(MOST) + 4 }, 'w'),
    svg('text', { x: x(0) - 8, y: y(0) + 4 }, '0'),
    svg('text', { x: x(0) - 14, y: y(MOST) + 4 }, String(MOST)),
  );
  for (const shift of [0, 5, 10, 15, limit]) {
    chart.append(svg('text', { x: x(shift), y: y(0) + 16, 'text-anchor': 'middle' },
      String(shift)));
  }
  // The axis's name under its numbers, not beside the last one, where "22 k" would read as
  // a number.
  chart.append(svg('text', { x: x(limit / 2), y: y(0) + 29, 'text-anchor': 'middle' },
    'przesunięcie k'),
    svg('polyline', { class: 'weights' }), svg('g'));
  return chart;
}

// A point at or under the threshold is a square, the others circles; the last is larger.
function buildPoint({ shift, weight, last, threshold }) {
  const size = last ? 4.5 : 3;
  return weight <= threshold ?
    svg('rect', { x: chartX(shift) - size, y: chartY(weight) - size, width: 2 * size,
      height: 2 * size, class: 'trapped' }) :
    svg('circle', { cx: chartX(shift), cy: chartY(weight), r: size });
}

function updateChart(chart, { points, threshold }) {
  const weights = points.map((p) => p.weight).join(', ');
  chart.setAttribute('aria-label', 'Waga syndromu: odebrany ciąg, potem kolejne przesunięcia: ' +
    `${weights}. Próg: ${threshold}.`);
  chart.querySelector('polyline').setAttribute('points',
    points.map((p) => `${chartX(p.shift)},${chartY(p.weight)}`).join(' '));
  const marks = points.map((p, i) => ({ ...p, last: i === points.length - 1, threshold }));
  reconcile(chart.lastElementChild, marks, (p) => JSON.stringify(p), buildPoint);
}

// --- Drawing ----------------------------------------------------------------------------------

// Makes the container's children stand for the items: a child whose key is unchanged is kept,
// the others are built anew; update(node, item) then runs on every child.
function reconcile(container, items, keyOf, build, update = null) {
  items.forEach((item, i) => {
    const key = keyOf(item);
    let node = container.children[i];
    if (!node || node.viewKey !== key) {
      const fresh = build(item);
      fresh.viewKey = key;
      if (node) node.replaceWith(fresh);
      else container.append(fresh);
      node = fresh;
    }
    if (update) update(node, item);
  });
  while (container.children.length > items.length) container.lastElementChild.remove();
}

// A figure or the chart is kept and updated; a paragraph is replaced when its text changes.
function partKey(part) {
  if (part.figure) return `figure ${part.figure.caption}`;
  if (part.chart) return 'chart';
  return JSON.stringify(part);
}

function buildPart(part) {
  if (part.figure) return buildFigure(part.figure);
  if (part.chart) return make('div', {}, buildChart(part.chart));
  return make('p', { class: part.tone ?? null, ...dataAttributes(part.data) },
    ...richText(part.text));
}

function updatePart(node, part) {
  if (part.chart) updateChart(node.firstElementChild, part.chart);
  if (!part.figure) return;
  const table = node.firstElementChild;
  const width = `${widest(part.figure.rows)}ch`;
  if (table.style.getPropertyValue('--value') !== width) table.style.setProperty('--value', width);
  reconcile(table.lastElementChild, part.figure.rows, (row) => JSON.stringify(row), buildRow);
}

function buildSection(section) {
  return make('section', { class: 'step', id: `step-${section.id}` },
    make('h3', {}, section.title), make('div', { class: 'parts' }));
}

function updateSection(node, section) {
  reconcile(node.lastElementChild, section.parts, partKey, buildPart, updatePart);
}

// What the reader should see now: the rows of the rotation waiting for Enter, else the latest
// section.
function latest() {
  const current = steps.querySelector('.current.under') ?? steps.querySelector('.current');
  const last = steps.lastElementChild;
  if (current && last && last.id === 'step-rotations') return current;
  return last;
}

// Beside the terminal the view scrolls on its own: keep the latest step in sight, below the
// head that stays at its top.
function reveal() {
  const target = latest();
  if (!target || view.scrollHeight <= view.clientHeight + 1) return;
  const margin = 8;
  const top = view.getBoundingClientRect().top + heading.parentElement.offsetHeight + margin;
  const bottom = view.getBoundingClientRect().bottom - margin;
  const place = target.getBoundingClientRect();
  if (place.bottom > bottom) view.scrollTop += Math.min(place.bottom - bottom, place.top - top);
  else if (place.top < top) view.scrollTop -= top - place.top;
}

function show(detail) {
  const started = performance.now();
  const model = explain(readSteps(detail.output, detail.chunks), detail.exited);
  now.textContent = model.now;
  reconcile(steps, model.sections, (section) => section.id, buildSection, updateSection);
  const nothingToTakeBack = detail.chunks.length === 0 && !detail.ended;
  if (nothingToTakeBack && document.activeElement === takeBack) heading.focus();
  takeBack.disabled = nothingToTakeBack;
  save.disabled = false;
  reveal();
  performance.measure('bch-view', { start: started });
}

document.addEventListener('bch-handover', (event) => show(event.detail));

// --- Buttons ------------------------------------------------------------------------------

// As after the terminal's own buttons, the typing goes on in its line, where Enter steps
// forward again (were the focus left here, Enter would take back once more).
takeBack.addEventListener('click', () => {
  document.dispatchEvent(new CustomEvent('bch-take-back'));
  const line = document.getElementById('line');
  if (line.offsetParent !== null) line.focus();
});

save.addEventListener('click', () => {
  const text = document.getElementById('output').textContent;
  const link = make('a', { download: 'bch-przebieg.txt',
    href: URL.createObjectURL(new Blob([text], { type: 'text/plain;charset=utf-8' })) });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
});

// On a narrow screen one pane at a time (style.css hides the other and the bar with these
// buttons on a wide one). There "Cofnij" stands in that bar, which stays at the top whichever
// pane is shown; on a wide screen, at the head of the view.
const narrow = matchMedia('(max-width: 1279.98px)');
function placeTakeBack() {
  if (narrow.matches) showView.parentElement.after(takeBack);
  else save.before(takeBack);
}
narrow.addEventListener('change', placeTakeBack);
placeTakeBack();

function showPane(pane) {
  main.dataset.pane = pane;
  showTerminal.setAttribute('aria-pressed', String(pane === 'terminal'));
  showView.setAttribute('aria-pressed', String(pane === 'view'));
  if (pane === 'view') latest()?.scrollIntoView({ block: 'nearest' });
}
showTerminal.addEventListener('click', () => showPane('terminal'));
showView.addEventListener('click', () => showPane('view'));
