// Draws the arithmetic parts of the explanation (explain_arithmetic.js): a long division by g(x)
// laid out on the figures' 31 position columns, stepped one subtraction at a time, and the
// syndrome register with its feedback taps. view.js calls it for those parts and lends it its
// figure of words and its text with superscripts (FIGURES: buildFigure(figure),
// updateFigure(node, figure), richText(text) -> nodes, fitRuler(table): the ruler laid out anew
// once the figure is in sight).
//
// Each part is folded (<details>) until the reader opens it; it stays open, and at the step the
// reader chose, from run to run and from redraw to redraw, as long as the page is open. While
// stepping, rows after the current step are hidden and the current step's rows are marked
// (class "at-step"); printing opens every part and shows every row.
//
// arithmeticKey(part) -> the key under which view.js keeps the part's element, or null where
//   the part is not one of these
// buildArithmetic(part, figures, say) -> the element; updateArithmetic(node, part, figures, say)
import { make, svg } from './dom.js';
import { PARITY_LENGTH, WINDOW_FIRST } from '../program/program.js';

// What the reader chose, by part: { open, at } (at: the step shown, null for all of it), and
// the division it was chosen on (a new division starts whole).
const chosen = new Map();
const choice = (key) => {
  if (!chosen.has(key)) chosen.set(key, { open: false, at: null, rows: '' });
  return chosen.get(key);
};

export function arithmeticKey(part) {
  if (part.division) return `arithmetic ${part.division.id}`;
  if (part.register) return 'arithmetic register';
  return null;
}

function folded(key, figures, ...children) {
  const details = make(
    'details',
    { class: 'arithmetic', 'data-part': key.split(' ')[1] },
    make('summary', {}),
    ...children,
  );
  details.open = choice(key).open;
  details.addEventListener('toggle', () => {
    choice(key).open = details.open;
    // Folded, the figure had no width to lay its ruler out in.
    const table = details.querySelector('.words');
    if (details.open && table) figures.fitRuler(table);
  });
  return details;
}

function setSummary(node, text, figures) {
  const summary = node.firstElementChild;
  if (summary.shownText === text) return;
  summary.shownText = text;
  summary.replaceChildren(...figures.richText(text));
}

// --- The division ------------------------------------------------------------------------------

const STEPPER = ['first', 'back', 'forward', 'whole'];
const STEPPER_TEXT = {
  first: 'division.first',
  back: 'division.back',
  forward: 'division.forward',
  whole: 'division.whole',
};

function buildDivision(part, figures, say) {
  const key = arithmeticKey(part);
  const buttons = STEPPER.map((move) =>
    make('button', { type: 'button', 'data-division-step': move }, say(STEPPER_TEXT[move])),
  );
  const details = folded(
    key,
    figures,
    make(
      'div',
      { class: 'stepper' },
      ...buttons.slice(0, 2),
      make('span', { class: 'at' }),
      ...buttons.slice(2),
    ),
    make('p', { class: 'step-sentence', 'aria-live': 'polite' }),
    figures.buildFigure({ caption: part.division.caption }),
  );
  details.addEventListener('click', (event) => {
    const move = event.target.closest('[data-division-step]')?.dataset.divisionStep;
    if (!move) return;
    const last = details.lastStep;
    const state = choice(key);
    const at = state.at ?? last;
    state.at = {
      first: 0,
      back: Math.max(0, at - 1),
      forward: Math.min(last, at + 1),
      whole: null,
    }[move];
    if (state.at === last) state.at = null;
    showStep(details, say);
  });
  return details;
}

// Hides the rows after the step shown and marks the step's own rows.
function showStep(details, say) {
  const state = choice(`arithmetic ${details.dataset.part}`);
  const last = details.lastStep;
  const at = state.at ?? last;
  for (const row of details.querySelectorAll('[role="rowgroup"]:last-child > [data-step]')) {
    const step = Number(row.dataset.step);
    row.hidden = step > at;
    row.classList.toggle('at-step', state.at !== null && step === at);
  }
  details.querySelector('.at').textContent = say('division.at', { step: at, total: last });
  details
    .querySelector('.step-sentence')
    .replaceChildren(...details.richText(details.sentences[at]));
  for (const button of details.querySelectorAll('[data-division-step]')) {
    const move = button.dataset.divisionStep;
    button.textContent = say(STEPPER_TEXT[move]); // in the language drawn now
    button.disabled = ['first', 'back'].includes(move) ? at === 0 : at === last;
  }
}

function updateDivision(node, part, figures, say) {
  const { division } = part;
  // An Enter at a pause leaves the divisions as they were: nothing to draw or lay out.
  const drawn = JSON.stringify(division);
  if (node.drawn === drawn) return;
  node.drawn = drawn;
  const state = choice(arithmeticKey(part));
  const rows = JSON.stringify(division.rows);
  if (state.rows !== rows) {
    state.rows = rows;
    state.at = null;
  }
  for (const [name, value] of Object.entries(division.data)) node.dataset[name] = value;
  setSummary(node, division.summary, figures);
  node.lastStep = division.sentences.length - 1;
  node.sentences = division.sentences;
  node.richText = figures.richText;
  const caption = node.querySelector('figcaption');
  if (caption.shownText !== division.caption) {
    caption.shownText = division.caption;
    caption.replaceChildren(...figures.richText(division.caption));
  }
  figures.updateFigure(node.querySelector('figure'), division);
  showStep(node, say);
}

// --- The register ------------------------------------------------------------------------------

// The layout: cell q of the register at cellX(q), 40 units apart; above it the cell as it was
// before the clock; the feedback runs from the last cell's output along the foot back to the
// first cell, through an adder before every cell q where g(x) has a tap.
const cellX = (q) => 44 + q * 40;
const CELL = 28;
const TOP = { numbers: 16, before: 24, register: 66, bus: 118 };
const MIDDLE = TOP.register + CELL / 2;
const OUT = cellX(PARITY_LENGTH - 1) + CELL + 22;

function cells(values, y, height, kind) {
  return values.flatMap((value, q) => [
    svg('rect', { x: cellX(q), y, width: CELL, height, class: `cell ${kind}` }),
    svg(
      'text',
      {
        x: cellX(q) + CELL / 2,
        y: y + height / 2 + 5,
        'text-anchor': 'middle',
        'data-q': q,
        class: kind,
      },
      String(value),
    ),
  ]);
}

function adder(x, active) {
  return svg(
    'g',
    { class: `adder${active ? ' active' : ''}` },
    svg('circle', { cx: x, cy: MIDDLE, r: 5 }),
    svg('path', { d: `M${x - 5} ${MIDDLE}h10M${x} ${MIDDLE - 5}v10` }),
  );
}

function drawRegister({ register }) {
  const { previous, current, out, taps, tapAt, shift, label } = register;
  const feedback = taps ? 'feedback active' : 'feedback';
  const figure = svg('svg', {
    viewBox: `0 0 ${OUT + 18} ${TOP.bus + 8}`,
    class: 'register',
    role: 'img',
    'aria-label': label,
    'data-register-shift': shift,
    'data-out': out,
    'data-taps': String(taps),
  });
  figure.append(
    svg('text', { x: 2, y: TOP.before + 17 }, String(shift - 1)),
    svg('text', { x: 2, y: MIDDLE + 5, class: 'now' }, String(shift)),
    ...previous.map((_, q) =>
      svg(
        'text',
        { x: cellX(q) + CELL / 2, y: TOP.numbers - 4, 'text-anchor': 'middle', class: 'number' },
        String(WINDOW_FIRST + q),
      ),
    ),
    ...cells(previous, TOP.before, 24, 'before'),
    ...cells(current, TOP.register, CELL, 'now'),
  );
  // The shift from cell to cell, through the adders, and the feedback from the output.
  for (let q = 1; q < PARITY_LENGTH; q += 1) {
    figure.append(
      svg('path', { d: `M${cellX(q - 1) + CELL} ${MIDDLE}H${cellX(q)}`, class: 'wire' }),
    );
  }
  const last = cellX(PARITY_LENGTH - 1) + CELL;
  figure.append(
    svg('path', {
      d: `M${last} ${TOP.before + 12}H${OUT}V${TOP.bus}H${cellX(0) - 18}V${MIDDLE}H${cellX(0)}`,
      class: feedback,
    }),
    svg('text', { x: OUT + 4, y: TOP.before + 17, class: feedback }, String(out)),
  );
  for (const q of tapAt.filter((tap) => tap > 0)) {
    const x = cellX(q) - 6;
    figure.append(
      svg('path', { d: `M${x} ${TOP.bus}V${MIDDLE + 5}`, class: feedback }),
      adder(x, taps),
    );
  }
  return figure;
}

// --- Both ---------------------------------------------------------------------------------------

export function buildArithmetic(part, figures, say) {
  if (part.division) return buildDivision(part, figures, say);
  const figure = make('figure', {}, make('div', { class: 'register-box' }), make('figcaption'));
  return folded(arithmeticKey(part), figures, figure);
}

export function updateArithmetic(node, part, figures, say) {
  if (part.division) {
    updateDivision(node, part, figures, say);
    return;
  }
  const key = JSON.stringify(part.register);
  setSummary(node, part.register.summary, figures);
  if (node.drawn === key) return;
  node.drawn = key;
  node.querySelector('.register-box').replaceChildren(drawRegister(part));
  node.querySelector('figcaption').textContent = part.register.caption;
}

// Printed, every part is open and whole; afterwards as the reader left it.
if (typeof window !== 'undefined') {
  window.addEventListener('beforeprint', () => {
    for (const details of document.querySelectorAll('details.arithmetic:not([open])')) {
      details.open = true;
      details.dataset.printOpened = 'true';
    }
  });
  window.addEventListener('afterprint', () => {
    for (const details of document.querySelectorAll('details[data-print-opened]')) {
      details.open = false;
      delete details.dataset.printOpened;
    }
  });
}
