// The teaching view beside the terminal: it draws into #view what explain.js says of a run:
// sentences, words laid out position under position, a chart of the syndrome weight per
// rotation, and the panel "why and how far". It only draws: page.js hands it each run's
// explanation and owns its buttons. Only what changed is redrawn: a part or a row whose
// content is the same keeps its elements, so an Enter at a pause adds the rows of one rotation.
//
// One mark per concept, in every figure: an error is boxed (data-mark="error"), a bit the
// correction flips is underlined (data-mark="changed"), a value other than 0 and 1 has a wavy
// underline (data-mark="non-binary"); the window, positions 21-30, is a band down the columns,
// labelled above them. Every cell of a word carries data-position, every row data-row (a
// rotation's also data-shift, and the one where the weight fell to 2 data-trapped); every
// paragraph the facts it states (data-*). A figure fits its pane whatever the values: its
// columns are as wide as their widest value and its type as large as the pane allows; the head
// of the rotations (the band and the position numbers) stays in sight while a long run
// scrolls, with every fifth number where the others would touch.
//
// createView() -> view
//   view.draw(model, say)  draws explain()'s model: { now, sections }; say (language.js) gives
//                      the view's own words (the heads of the figures, the chart's, the panel's)
//   view.reveal()      scrolls the latest step into sight (the view pane was just shown)
//   view.fail(text)    says, where the view says where the run stands, why there is no run
import { make, svg } from './dom.js';
import { why } from './explain.js';
import { arithmeticKey, buildArithmetic, updateArithmetic } from './arithmetic_view.js';
import {
  CODE_LENGTH,
  INFORMATION_LENGTH,
  MESSAGES,
  PARITY_LENGTH,
  WINDOW_FIRST,
  WINDOW_LAST,
} from '../program/program.js';

// The kinds of line the program prints, as named in program.js, that the gloss explains.
const GLOSSED_LINES = [
  'informationPrompt',
  'codeVector',
  'errorPrompt',
  'received',
  'receivedSyndrome',
  'weight',
  'noCorrection',
  'correctionStart',
  'shifted',
  'shiftedSyndrome',
  'pause',
  'uncorrectable',
  'corrected',
  'transmitted',
  'closing',
];

// A kind of line as the program prints it, without its number (but the prompt's 21) and with
// " / " where it runs over two lines.
function printedLabel(key) {
  const text = MESSAGES[key].replace('%d', key === 'informationPrompt' ? INFORMATION_LENGTH : '');
  return text.trim().replace(/\n/g, ' / ');
}

// The language of the drawing under way: its sentences come with the model; the view's own
// words it asks for.
let say = null;

// --- Elements -------------------------------------------------------------------------------

// Text in which "^(...)" is a superscript.
function richText(text) {
  return text.split(/\^\(([^)]*)\)/).map((piece, i) => (i % 2 ? make('sup', {}, piece) : piece));
}

const dataAttributes = (data = {}) =>
  Object.fromEntries(
    Object.entries(data).map(([key, value]) => [
      `data-${key.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`)}`,
      value,
    ]),
  );

// --- Figures: words position under position ---------------------------------------------------

// A figure is a table for assistive technology (ARIA roles) whose every row is a grid of its
// own, the same columns in each: a label, 31 positions, a note. So a new row is laid out alone,
// not the whole table again. The window's band is the background of its cells (class
// "window"), which a contrast checker can read.
const cell = (attributes, ...children) =>
  make('span', { role: 'cell', ...attributes }, ...children);
const windowClass = (position) => (position >= WINDOW_FIRST ? 'window' : null);
// Empty cells for positions from..to-1, one a position, so that a printed figure (a table
// there, whose cells cannot span columns) keeps position under position.
function gaps(from, to) {
  return Array.from({ length: Math.max(0, to - from) }, (_, i) =>
    cell({ class: windowClass(from + i) }),
  );
}

function tableHead() {
  const bands = make(
    'div',
    { role: 'row', class: 'bands' },
    cell({}),
    make(
      'span',
      {
        role: 'columnheader',
        'aria-colspan': WINDOW_FIRST,
        style: `grid-column: span ${WINDOW_FIRST}`,
      },
      say('figure.information', { last: WINDOW_FIRST - 1 }),
    ),
    make(
      'span',
      {
        role: 'columnheader',
        'aria-colspan': PARITY_LENGTH,
        class: 'window',
        style: `grid-column: span ${PARITY_LENGTH}`,
      },
      say('figure.window', { first: WINDOW_FIRST, last: WINDOW_LAST }),
    ),
    cell({}),
  );
  const ruler = make('div', { role: 'row', class: 'ruler' }, cell({}));
  for (let p = 0; p < CODE_LENGTH; p += 1) {
    // Every fifth number stays where the others would touch (class "sparse" on the table).
    const classes = [windowClass(p), p % 5 === 0 ? null : 'minor'].filter(Boolean).join(' ');
    ruler.append(
      make(
        'span',
        { role: 'columnheader', class: classes },
        make('span', { class: 'number' }, String(p)),
      ),
    );
  }
  ruler.append(cell({}));
  return make('div', { role: 'rowgroup', class: 'head' }, bands, ruler);
}

function buildRow(row) {
  const classes = [row.under && 'under', row.current && 'current', row.kind]
    .filter(Boolean)
    .join(' ');
  const element = make(
    'div',
    {
      role: 'row',
      'data-row': row.id,
      'data-shift': row.shift,
      'data-trapped': row.trapped ? 'true' : null,
      'aria-current': row.current && !row.under ? 'step' : null,
      class: classes || null,
      ...dataAttributes(row.data),
    },
    make('span', { role: 'rowheader' }, row.label),
  );
  if (!row.cells) {
    element.append(
      cell(
        {
          'aria-colspan': CODE_LENGTH,
          class: 'unsplit',
          style: `grid-column: span ${CODE_LENGTH}`,
        },
        row.text,
      ),
    );
  } else {
    let next = 0;
    for (const { position, text, marks } of row.cells) {
      element.append(
        ...gaps(next, position),
        cell(
          {
            'data-position': position,
            'data-mark': marks.length > 0 ? marks.join(' ') : null,
            class: windowClass(position),
          },
          text,
        ),
      );
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
  const table = make(
    'div',
    { class: 'words', role: 'table', 'aria-describedby': caption },
    tableHead(),
    make('div', { role: 'rowgroup' }),
  );
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

// The chart's scales: rotations 0..limit across, weights 0..10 up (a syndrome has 10 positions).
const chartX = (shift) => 28 + shift * 10;
const chartY = (weight) => 12 + (PARITY_LENGTH - Math.min(weight, PARITY_LENGTH)) * 8;

// The axes and the threshold, drawn once; updateChart adds the weights.
function buildChart({ threshold, limit }) {
  const [x, y] = [chartX, chartY];
  const chart = svg('svg', {
    viewBox: `0 0 ${x(limit) + 16} ${y(0) + 32}`,
    class: 'chart',
    role: 'img',
  });
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
    chart.append(
      svg('text', { x: x(shift), y: y(0) + 16, 'text-anchor': 'middle' }, String(shift)),
    );
  }
  // The axis's name under its numbers, not beside the last one, where "22 k" would read as
  // a number.
  chart.append(
    svg('text', { x: x(limit / 2), y: y(0) + 29, 'text-anchor': 'middle' }, say('chart.axis')),
    svg('polyline', { class: 'weights' }),
    svg('g'),
  );
  return chart;
}

// A point at or under the threshold is a square, the others circles; the last is larger.
function buildPoint({ shift, weight, last, threshold }) {
  const size = last ? 4.5 : 3;
  return weight <= threshold
    ? svg('rect', {
        x: chartX(shift) - size,
        y: chartY(weight) - size,
        width: 2 * size,
        height: 2 * size,
        class: 'trapped',
      })
    : svg('circle', { cx: chartX(shift), cy: chartY(weight), r: size });
}

function updateChart(chart, { points, threshold }) {
  const weights = points.map((p) => p.weight).join(', ');
  chart.setAttribute('aria-label', say('chart.label', { weights, threshold }));
  chart
    .querySelector('polyline')
    .setAttribute('points', points.map((p) => `${chartX(p.shift)},${chartY(p.weight)}`).join(' '));
  const marks = points.map((p, i) => ({ ...p, last: i === points.length - 1, threshold }));
  reconcile(chart.lastElementChild, marks, (p) => JSON.stringify(p), buildPoint);
}

// --- The view -------------------------------------------------------------------------------

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
  const arithmetic = arithmeticKey(part);
  if (arithmetic) return arithmetic;
  if (part.figure) return `figure ${part.figure.caption}`;
  if (part.chart) return `chart ${say('chart.axis')}`;
  return JSON.stringify(part);
}

// What the drawing of the arithmetic (arithmetic_view.js) uses of this module.
const FIGURES = { buildFigure, updateFigure, richText, fitRuler };

function buildPart(part) {
  if (arithmeticKey(part)) return buildArithmetic(part, FIGURES, say);
  if (part.figure) return buildFigure(part.figure);
  if (part.chart) return make('div', {}, buildChart(part.chart));
  const paragraph = make(
    'p',
    { class: part.tone ?? null, ...dataAttributes(part.data) },
    ...richText(part.text),
  );
  if (part.why) {
    paragraph.append(
      ' ',
      make(
        'button',
        {
          type: 'button',
          class: 'why',
          'data-why': part.why,
          'aria-describedby': `${part.why}-title`,
        },
        say('why.link'),
      ),
    );
  }
  return paragraph;
}

function updatePart(node, part) {
  if (arithmeticKey(part)) updateArithmetic(node, part, FIGURES, say);
  if (part.chart) updateChart(node.firstElementChild, part.chart);
  if (part.figure) updateFigure(node, part.figure);
}

// A figure's columns as wide as its widest values, and its rows.
function updateFigure(node, figure) {
  const table = node.firstElementChild;
  const width = widths(figure.rows);
  const columns = width.map((w) => `calc(${w}ch + var(--pad))`).join(' ');
  if (table.style.getPropertyValue('--columns') !== columns) {
    table.style.setProperty('--columns', columns);
    table.style.setProperty('--characters', String(width.reduce((a, b) => a + b, 0)));
  }
  reconcile(table.lastElementChild, figure.rows, (row) => JSON.stringify(row), buildRow);
  fitRuler(table);
}

function buildSection(section) {
  return make(
    'section',
    { class: 'step', id: `step-${section.id}` },
    make('h3', {}, section.title),
    make('div', { class: 'parts' }),
  );
}

function updateSection(node, section) {
  if (node.firstElementChild.textContent !== section.title) {
    node.firstElementChild.textContent = section.title;
  }
  reconcile(node.lastElementChild, section.parts, partKey, buildPart, updatePart);
}

// The panel "why and how far", and in a language other than the program's the meaning of
// each line the program prints (the lines themselves are Polish, marked lang="pl").
function drawPanels(panel, gloss) {
  const { title, points } = why(say);
  const section = (point) =>
    make(
      'section',
      { id: point.id, tabindex: '-1', 'aria-labelledby': `${point.id}-title` },
      make('h3', { id: `${point.id}-title` }, point.title),
      ...point.paragraphs.map((text) => make('p', {}, ...richText(text))),
    );
  panel.replaceChildren(make('summary', {}, title), ...points.map(section));
  const polish = document.documentElement.lang === 'pl';
  gloss.hidden = polish;
  if (polish) return;
  const lines = GLOSSED_LINES.flatMap((key) => [
    make('dt', { lang: 'pl' }, printedLabel(key)),
    make('dd', {}, say(`gloss.${key}`)),
  ]);
  gloss.replaceChildren(
    make('summary', {}, say('gloss.title')),
    make('p', {}, say('gloss.intro')),
    make('dl', {}, ...lines),
  );
}

// Where the sticky heads end: the bar (a narrow screen) and the view's head, and below them
// the rotations' own head. Kept as CSS variables, for that head and for scrolling.
function measureHeads({ main, bar, head }) {
  const narrow = getComputedStyle(bar).display !== 'none';
  const top = narrow ? bar.offsetHeight : 0;
  main.style.setProperty('--bar-height', `${top}px`);
  main.style.setProperty('--heads-height', `${top + head.offsetHeight}px`);
}

// What the reader should see now: the rows of the rotation waiting for Enter, else the
// latest section.
function latest(steps) {
  const current = steps.querySelector('.current.under') ?? steps.querySelector('.current');
  const last = steps.lastElementChild;
  if (current && last && last.id === 'step-rotations') return current;
  return last;
}

// Keeps the latest step in sight below the heads that stay at the top: beside the terminal
// the view scrolls on its own, on a narrow screen the page does.
function reveal(parts) {
  const { view, head, bar, steps } = parts;
  measureHeads(parts);
  const target = latest(steps);
  if (!target || view.offsetParent === null) return;
  const own =
    view.scrollHeight > view.clientHeight + 1 && getComputedStyle(view).overflowY !== 'visible';
  const margin = 8;
  const box = own ? view.getBoundingClientRect() : { top: 0, bottom: innerHeight };
  let top = box.top + head.offsetHeight + (own ? 0 : bar.offsetHeight) + margin;
  // A row of a figure also stays below the figure's own head.
  const figureHead = target.closest?.('.words')?.querySelector('.head');
  if (figureHead) top += figureHead.offsetHeight;
  const scroller = own ? view : document.scrollingElement;
  scroller.scrollTop += scrollBy(target, top, box.bottom - margin, head);
}

// How far to scroll for the target to stand between top and bottom: as little as that takes,
// or, while the head asks a question about the next rotation, so that the current row stands
// right under it.
function scrollBy(target, top, bottom, head) {
  const place = target.getBoundingClientRect();
  if (head.querySelector('.predict:not([hidden])') && target.matches('.current')) {
    // The rotation's word, above its syndrome.
    const word = target.matches('.under') ? target.previousElementSibling : target;
    return word.getBoundingClientRect().top - top;
  }
  if (place.bottom > bottom) return Math.min(place.bottom - bottom, place.top - top);
  return place.top < top ? place.top - top : 0;
}

// "Dlaczego?" and the way back, and the panel open in print.
function whyJumps(panel, parts) {
  // "Dlaczego?" opens the panel at its point and moves the reader there, its heading below the
  // heads that stay at the top (the point's scroll margin); a button under the heading leads
  // back to the paragraph the reader came from. (Not links to "#id": the address's fragment
  // holds the session.)
  let cameFrom = null; // the paragraph of the last "Dlaczego?"
  parts.view.addEventListener('click', (event) => {
    const back = event.target.closest('button.why-back');
    if (back) {
      back.remove();
      const paragraph = cameFrom?.isConnected ? cameFrom : latest(parts.steps);
      paragraph?.scrollIntoView({ block: 'center' });
      paragraph?.querySelector('button.why')?.focus({ preventScroll: true });
      return;
    }
    const link = event.target.closest('button.why');
    if (!link) return;
    cameFrom = link.closest('p') ?? link;
    panel.open = true;
    const point = document.getElementById(link.dataset.why);
    for (const old of panel.querySelectorAll('button.why-back')) old.remove();
    point.firstElementChild.after(
      make('button', { type: 'button', class: 'why-back' }, `↑ ${say('why.back')}`),
    );
    point.focus({ preventScroll: true });
    point.scrollIntoView({ block: 'start' });
  });
  // A printed page shows the panel open (and the reader's choice is kept on the screen).
  let openBeforePrint = null;
  addEventListener('beforeprint', () => {
    openBeforePrint = panel.open;
    panel.open = true;
  });
  addEventListener('afterprint', () => {
    if (openBeforePrint !== null) panel.open = openBeforePrint;
    openBeforePrint = null;
  });
}

export function createView() {
  const view = document.getElementById('view');
  const parts = {
    main: document.querySelector('main'),
    bar: document.querySelector('.bar'),
    view,
    head: view.querySelector('.view-head'),
    steps: document.getElementById('view-steps'),
  };
  const now = document.getElementById('view-now');
  const panel = document.getElementById('why');
  let drawnIn = null; // the language the panel and the gloss are in
  // The legend's sample of the window band names its positions.
  document.querySelector('.legend .sample.band').textContent = `${WINDOW_FIRST}–${WINDOW_LAST}`;

  whyJumps(panel, parts);
  new ResizeObserver(() => {
    measureHeads(parts);
    for (const table of parts.steps.querySelectorAll('.words')) fitRuler(table);
  }).observe(view);
  new ResizeObserver(() => measureHeads(parts)).observe(parts.head);

  return {
    draw(model, speaker) {
      say = speaker;
      const language = document.documentElement.lang;
      if (drawnIn !== language) {
        drawPanels(panel, document.getElementById('gloss'));
        drawnIn = language;
      }
      now.textContent = model.now;
      now.classList.remove('error');
      reconcile(parts.steps, model.sections, (section) => section.id, buildSection, updateSection);
      reveal(parts);
    },
    reveal: () => reveal(parts),
    fail(text) {
      now.textContent = text;
      now.classList.add('error');
    },
  };
}
