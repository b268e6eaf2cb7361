// The teaching view beside the terminal: after every run of the program ("bch-handover", see
// terminal.js) it reads the output and the typed chunks (steps.js), has explain.js say what
// they mean, and draws that into #view: sentences, words laid out position under position,
// a chart of the syndrome weight per rotation, and the panel "why and how far". It adds nothing
// to the terminal's screen. Only what changed is redrawn: a part or a row whose content is the
// same keeps its elements, so an Enter at a pause adds the rows of one rotation.
//
// One mark per concept, in every figure: an error is boxed (data-mark="error"), a bit the
// correction flips is underlined (data-mark="changed"), a value other than 0 and 1 has a wavy
// underline (data-mark="outside"); the window, positions 21-30, is a band down the columns,
// labelled above them. Every cell of a word carries data-position, every row data-row (a
// rotation's also data-shift, and the one where the weight fell to 2 data-trapped). A figure
// fits its pane whatever the values: its columns are as wide as their widest value and its
// type as large as the pane allows; its head (the band and the position numbers) stays in
// sight while a long run scrolls, with every fifth number where the others would touch.
//
// Its buttons: "Dalej (Enter)" and "Do końca" step the program ("bch-step", "bch-to-end"),
// "Cofnij" and "Ponów" take back and hand over again ("bch-take-back", "bch-redo"); after each
// the typing goes on in the terminal's line. Enter anywhere in the view (but on a button or a
// link) is "Dalej". "Zapisz przebieg" downloads the terminal's text (#output) as a UTF-8 text
// file. On a narrow screen the page shows the terminal or the view, switched by two buttons
// (aria-pressed).
import { CODE_LENGTH, INFORMATION_LENGTH, PARITY_LENGTH, readSteps } from './steps.js';
import { explain, why } from './explain.js';

const SVG = 'http://www.w3.org/2000/svg';
const main = document.querySelector('main');
const bar = document.querySelector('.bar');
const view = document.getElementById('view');
const head = view.querySelector('.view-head');
const heading = document.getElementById('view-title');
const now = document.getElementById('view-now');
const steps = document.getElementById('view-steps');
const panel = document.getElementById('why');
const step = document.getElementById('step');
const toEnd = document.getElementById('to-end');
const takeBack = document.getElementById('take-back');
const redo = document.getElementById('redo');
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
// own, the same columns in each: a label, 31 positions, a note. So a new row is laid out alone,
// not the whole table again. The window's band is the background of its cells (class
// "window"), which a contrast checker can read.
const cell = (attributes, ...children) => make('span', { role: 'cell', ...attributes },
  ...children);
const windowClass = (position) => (position >= INFORMATION_LENGTH ? 'window' : null);
// Empty cells for positions from..to-1, split where the window begins.
function gaps(from, to) {
  const parts = from < INFORMATION_LENGTH && to > INFORMATION_LENGTH ?
    [[from, INFORMATION_LENGTH], [INFORMATION_LENGTH, to]] : [[from, to]];
  return parts.filter(([a, b]) => b > a).map(([a, b]) => cell({ 'aria-colspan': b - a,
    style: `grid-column: span ${b - a}`, class: windowClass(a) }));
}

function tableHead() {
  const bands = make('div', { role: 'row', class: 'bands' }, cell({}),
    make('span', { role: 'columnheader', 'aria-colspan': INFORMATION_LENGTH,
      style: `grid-column: span ${INFORMATION_LENGTH}` },
    `informacja 0–${INFORMATION_LENGTH - 1}`),
    make('span', { role: 'columnheader', 'aria-colspan': PARITY_LENGTH, class: 'window',
      style: `grid-column: span ${PARITY_LENGTH}` },
    `okno ${INFORMATION_LENGTH}–${CODE_LENGTH - 1}`),
    cell({}));
  const ruler = make('div', { role: 'row', class: 'ruler' }, cell({}));
  for (let p = 0; p < CODE_LENGTH; p += 1) {
    // Every fifth number stays where the others would touch (class "sparse" on the table).
    const classes = [windowClass(p), p % 5 === 0 ? null : 'minor'].filter(Boolean).join(' ');
    ruler.append(make('span', { role: 'columnheader', class: classes },
      make('span', { class: 'number' }, String(p))));
  }
  ruler.append(cell({}));
  return make('div', { role: 'rowgroup', class: 'head' }, bands, ruler);
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
        'data-mark': marks.length > 0 ? marks.join(' ') : null,
        class: windowClass(position) }, text));
      next = position + 1;
    }
    element.append(...gaps(next, CODE_LENGTH));
  }
  element.append(cell({ class: 'note' }, row.note ?? ''));
  return element;
}

// Per position, the widest value in a figure's rows, in characters: the widths of its columns.
function widths(rows) {
  const width = new Array(CODE_LENGTH).fill(1);
  for (const row of rows) {
    for (const { position, text } of row.cells ?? []) {
      width[position] = Math.max(width[position], text.length);
    }
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

// Shows every position number where each fits its column with room to spare, else every
// fifth: measured, so that it holds whatever the font.
const NUMBER_GAP = 5; // pixels between two numbers, at the least
function fitRuler(table) {
  const ruler = table.querySelector('.ruler');
  const column = ruler.lastElementChild.previousElementSibling; // position 30, two digits
  const width = column.getBoundingClientRect().width;
  if (width === 0) return; // not shown (the other pane)
  const number = column.firstElementChild.getBoundingClientRect().width;
  table.classList.toggle('sparse', number + NUMBER_GAP > width);
}

// --- The chart of the weight per rotation -----------------------------------------------------

function svg(tag, attributes = {}, ...children) {
  const element = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  element.append(...children);
  return element;
}

// The chart's scales: rotations 0..limit across, weights 0..10 up (a syndrome has 10 positions).
const chartX = (shift) => 28 + shift * 10;
const chartY = (weight) => 12 + (PARITY_LENGTH - Math.min(weight, PARITY_LENGTH)) * 8;

// The axes and the threshold, drawn once; updateChart adds the weights.
function buildChart({ threshold, limit }) {
  const [x, y] = [chartX, chartY];
  const chart = svg('svg', { viewBox: `0 0 ${x(limit) + 16} ${y(0) + 32}`, class: 'chart',
    role: 'img' });
  chart.append(
    svg('line', { x1: x(0), y1: y(0), x2: x(limit), y2: y(0), class: 'axis' }),
    svg('line', { x1: x(0), y1: y(0), x2: x(0), y2: y(PARITY_LENGTH), class: 'axis' }),
    svg('line', { x1: x(0), y1: y(threshold), x2: x(limit), y2: y(threshold), class: 'threshold' }),
    svg('text', { x: x(limit) + 2, y: y(threshold) + 4 }, String(threshold)),
    svg('text', { x: 2, y: y(PARITY_LENGTH) + 4 }, 'w'),
    svg('text', { x: x(0) - 8, y: y(0) + 4 }, '0'),
    svg('text', { x: x(0) - 14, y: y(PARITY_LENGTH) + 4 }, String(PARITY_LENGTH)),
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

// --- The panel "why and how far" ------------------------------------------------------------

function buildPanel() {
  const { title, points } = why();
  panel.replaceChildren(make('summary', {}, title), ...points.map((point) => make('section',
    { id: point.id, tabindex: '-1', 'aria-labelledby': `${point.id}-title` },
    make('h3', { id: `${point.id}-title` }, point.title),
    ...point.paragraphs.map((text) => make('p', {}, ...richText(text))))));
}
buildPanel();

// Opens the panel at a point and moves the reader there. (Not a link to "#id": the address's
// fragment holds the session.)
function openPanel(id) {
  panel.open = true;
  const point = document.getElementById(id);
  point.focus({ preventScroll: true });
  point.scrollIntoView({ block: 'start' });
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
  const paragraph = make('p', { class: part.tone ?? null, ...dataAttributes(part.data) },
    ...richText(part.text));
  if (part.why) {
    paragraph.append(' ', make('button', { type: 'button', class: 'why', 'data-why': part.why,
      'aria-describedby': `${part.why}-title` }, 'Dlaczego?'));
  }
  return paragraph;
}

function updatePart(node, part) {
  if (part.chart) updateChart(node.firstElementChild, part.chart);
  if (!part.figure) return;
  const table = node.firstElementChild;
  const width = widths(part.figure.rows);
  const columns = width.map((w) => `calc(${w}ch + var(--pad))`).join(' ');
  if (table.style.getPropertyValue('--columns') !== columns) {
    table.style.setProperty('--columns', columns);
    table.style.setProperty('--characters', String(width.reduce((a, b) => a + b, 0)));
  }
  reconcile(table.lastElementChild, part.figure.rows, (row) => JSON.stringify(row), buildRow);
  fitRuler(table);
}

function buildSection(section) {
  return make('section', { class: 'step', id: `step-${section.id}` },
    make('h3', {}, section.title), make('div', { class: 'parts' }));
}

function updateSection(node, section) {
  if (node.firstElementChild.textContent !== section.title) {
    node.firstElementChild.textContent = section.title;
  }
  reconcile(node.lastElementChild, section.parts, partKey, buildPart, updatePart);
}

// Where the sticky heads end: the bar (a narrow screen), the view's head, and below them a
// figure's own head. Kept as CSS variables, for the figures' heads and for scrolling.
function measureHeads() {
  const narrow = getComputedStyle(bar).display !== 'none';
  const top = narrow ? bar.offsetHeight : 0;
  main.style.setProperty('--bar-height', `${top}px`);
  main.style.setProperty('--heads-height', `${top + head.offsetHeight}px`);
}
new ResizeObserver(() => {
  measureHeads();
  for (const table of steps.querySelectorAll('.words')) fitRuler(table);
}).observe(view);
new ResizeObserver(measureHeads).observe(head);

// What the reader should see now: the rows of the rotation waiting for Enter, else the latest
// section.
function latest() {
  const current = steps.querySelector('.current.under') ?? steps.querySelector('.current');
  const last = steps.lastElementChild;
  if (current && last && last.id === 'step-rotations') return current;
  return last;
}

// Keeps the latest step in sight below the heads that stay at the top: beside the terminal
// the view scrolls on its own, on a narrow screen the page does.
function reveal() {
  const target = latest();
  if (!target || view.offsetParent === null) return;
  const own = view.scrollHeight > view.clientHeight + 1 && getComputedStyle(view).overflowY !==
    'visible';
  const margin = 8;
  const box = own ? view.getBoundingClientRect() : { top: 0, bottom: innerHeight };
  let top = box.top + head.offsetHeight + (own ? 0 : bar.offsetHeight) + margin;
  // A row of a figure also stays below the figure's own head.
  const figureHead = target.closest?.('.words')?.querySelector('.head');
  if (figureHead) top += figureHead.offsetHeight;
  const bottom = box.bottom - margin;
  const place = target.getBoundingClientRect();
  const scroller = own ? view : document.scrollingElement;
  if (place.bottom > bottom) scroller.scrollTop += Math.min(place.bottom - bottom, place.top - top);
  else if (place.top < top) scroller.scrollTop -= top - place.top;
}

function show(detail) {
  const started = performance.now();
  const read = readSteps(detail.output, detail.chunks);
  const model = explain(read, detail.exited);
  now.textContent = model.now;
  now.classList.remove('error');
  reconcile(steps, model.sections, (section) => section.id, buildSection, updateSection);
  const nothingToTakeBack = detail.chunks.length === 0 && !detail.ended;
  const buttons = [[takeBack, nothingToTakeBack], [redo, detail.redo === 0],
    [step, detail.exited],
    [toEnd, detail.exited || !['rotation', 'closing'].includes(read.waiting)]];
  for (const [button, off] of buttons) {
    // A button that goes off while it has the focus hands it to the view's heading.
    if (off && document.activeElement === button) heading.focus();
    button.disabled = off;
  }
  save.disabled = false;
  reveal();
  performance.measure('bch-view', { start: started });
}

document.addEventListener('bch-handover', (event) => show(event.detail));
// The page could not start the program: the view says what the terminal says.
document.addEventListener('bch-failed', (event) => {
  now.textContent = event.detail;
  now.classList.add('error');
});

// --- Buttons ------------------------------------------------------------------------------

// As after the terminal's own buttons, the typing goes on in its line, where Enter steps
// forward again; but a button pressed in the view on a narrow screen keeps the view shown.
function ask(name) {
  document.dispatchEvent(new CustomEvent(name));
  const line = document.getElementById('line');
  if (line.offsetParent !== null) line.focus({ preventScroll: true });
}
step.addEventListener('click', () => ask('bch-step'));
toEnd.addEventListener('click', () => ask('bch-to-end'));
takeBack.addEventListener('click', () => ask('bch-take-back'));
redo.addEventListener('click', () => ask('bch-redo'));
view.addEventListener('click', (event) => {
  const link = event.target.closest('button.why');
  if (link) openPanel(link.dataset.why);
});
// Enter in the view steps the program, as in the terminal; on a button or a link it is theirs.
view.addEventListener('keydown', (event) => {
  if (event.key !== 'Enter' || event.isComposing || event.target.closest('button, a, summary')) {
    return;
  }
  event.preventDefault();
  if (!step.disabled) document.dispatchEvent(new CustomEvent('bch-step'));
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
// buttons on a wide one). There "Cofnij" and "Ponów" stand in that bar, which stays at the top
// whichever pane is shown; on a wide screen, at the head of the view.
const narrow = matchMedia('(max-width: 1279.98px)');
function placeTakeBack() {
  if (narrow.matches) showView.parentElement.after(takeBack, redo);
  else save.before(takeBack, redo);
  measureHeads();
}
narrow.addEventListener('change', placeTakeBack);
placeTakeBack();

function showPane(pane) {
  main.dataset.pane = pane;
  showTerminal.setAttribute('aria-pressed', String(pane === 'terminal'));
  showView.setAttribute('aria-pressed', String(pane === 'view'));
  if (pane === 'view') {
    measureHeads();
    reveal();
  }
}
showTerminal.addEventListener('click', () => showPane('terminal'));
showView.addEventListener('click', () => showPane('view'));
