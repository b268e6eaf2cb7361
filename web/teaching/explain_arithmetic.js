// The arithmetic behind the printed values, for the teaching view: the long divisions by g(x)
// that give the parity part and the syndrome, and the syndrome register that takes each
// rotation's syndrome to the next. explain.js places these parts in its sections; like it, this
// module has no DOM and no prose (each sentence is a catalogue key with its facts).
//
// The program prints no division, so the rows are computed here (division.js) from the printed
// digits, and the remainder is then compared with what the program printed: the view states
// that comparison, and a test holds it on every run. Where a value other than 0 and 1 was
// typed, the program's arithmetic is not a division of bits: no division is shown, and one
// sentence says why. The register's clock (register.js) is compared with every printed
// rotation the same way.
//
// divisionParts(kind, steps, say) -> parts for the section 'encoding' or 'syndrome':
//   { division: { id, summary, caption, rows, sentences, remainder, printed, matches } } and a
//   sentence on the remainder, or one sentence why there is no division. rows are figure rows
//   (explain.js) with data.step: 0 the quotient and the dividend, j the subtraction of step j and
//   its difference, steps + 1 the remainder; sentences[j] says what step j does.
// registerParts(steps, say) -> parts for the section 'rotations': the rule and the register's
//   figure { register: { summary, label, shift, previous, current, out, taps, tapAt } }, or
//   one sentence why there is no clock to show.
// clockNote(steps, rotation) -> what a syndrome row of the rotation table adds: its note (the
//   digit that left the register, "+g" where the taps were added) and its data, or {}
// ARITHMETIC_WHY: the points this adds to the panel "why and how far", with their paragraphs.
import {
  CODE_LENGTH,
  GENERATOR,
  INFORMATION_LENGTH,
  PARITY_LENGTH,
  WINDOW_FIRST,
} from '../program/program.js';
import { dividendOf, longDivision } from './division.js';
import { registerStep } from './register.js';

export const ARITHMETIC_WHY = { 'why-register': 1, 'why-rotations': 1 };

const SUPERSCRIPT = '⁰¹²³⁴⁵⁶⁷⁸⁹';
const power = (n) => (n === 0 ? '1' : `x${[...String(n)].map((d) => SUPERSCRIPT[d]).join('')}`);
const degreeOf = (position) => CODE_LENGTH - 1 - position;

// Cells of values standing at positions from `first` on.
const cellsAt = (values, first) =>
  values.map((value, i) => ({ position: first + i, text: String(value), marks: [] }));

// The figure's rows: the quotient above the dividend, then per step g(x) under the leading 1
// (its note the quotient's term) and the difference, then the remainder under the window.
function divisionRows(division, label, matches) {
  const quotient = new Array(INFORMATION_LENGTH).fill(0);
  for (const { at } of division.steps) quotient[at] = 1;
  const rows = [
    { id: 'quotient', label: 'q', cells: cellsAt(quotient, 0), data: { step: 0 } },
    { id: 'dividend', label, cells: cellsAt(division.dividend, 0), data: { step: 0 } },
  ];
  division.steps.forEach(({ at, subtracted, difference }, i) => {
    const data = { step: i + 1, at };
    rows.push(
      {
        id: `subtract-${i + 1}`,
        label: 'g',
        cells: cellsAt(subtracted, at),
        note: power(degreeOf(at) - PARITY_LENGTH),
        kind: 'subtract',
        data,
      },
      // The difference is labelled with its step's number.
      { id: `difference-${i + 1}`, label: String(i + 1), cells: cellsAt(difference, at + 1), data },
    );
  });
  rows.push({
    id: 'remainder',
    label: '=',
    cells: cellsAt(division.remainder, WINDOW_FIRST),
    note: matches ? '✓' : '≠',
    kind: 'remainder',
    data: { step: division.steps.length + 1 },
  });
  return rows;
}

// One sentence per step, to be read by itself while stepping.
function stepSentences(division, kind, say) {
  const count = division.steps.length;
  const sentences = [say(`division.${kind}.start`, { count })];
  division.steps.forEach(({ at, difference }, i) => {
    sentences.push(
      say('division.step', {
        step: i + 1,
        total: count,
        position: at,
        power: degreeOf(at) - PARITY_LENGTH,
        difference: difference.join(''),
      }),
    );
  });
  sentences.push(say(`division.${kind}.end`, { remainder: division.remainder.join('') }));
  return sentences;
}

// What the program printed that the division's remainder must equal: the parity part of the
// code vector, or the received word's syndrome.
function printedRemainder(kind, steps) {
  if (kind === 'encoding') return steps.codeVector.values?.slice(INFORMATION_LENGTH) ?? null;
  return steps.rotations[0].syndrome?.values ?? null;
}

function dividend(kind, steps) {
  if (kind === 'encoding') return steps.information ? dividendOf(steps.information.values) : null;
  return steps.rotations[0].word.values;
}

export function divisionParts(kind, steps, say) {
  const division = longDivision(dividend(kind, steps));
  const printed = printedRemainder(kind, steps);
  if (division === null || printed === null) {
    // Values other than 0 and 1, or a printed row that cannot be split into positions.
    return [{ text: say(`division.${kind}.notBits`), tone: 'unusual', data: { division: 'none' } }];
  }
  const remainder = division.remainder.join('');
  const matches = remainder === printed.join('');
  const data = { division: kind, remainder, printed: printed.join(''), matches: String(matches) };
  return [
    {
      division: {
        id: `${kind}-division`,
        summary: say(`division.${kind}.summary`),
        caption: say(`division.${kind}.caption`),
        rows: divisionRows(division, kind === 'encoding' ? 'i' : 'r', matches),
        sentences: stepSentences(division, kind, say),
        data,
      },
    },
    matches
      ? { text: say(`division.${kind}.matches`, { remainder }), data }
      : {
          text: say('division.differs', { remainder, printed: printed.join('') }),
          tone: 'unusual',
          data,
        },
  ];
}

// --- The syndrome register ------------------------------------------------------------------

// The clock from each printed rotation's syndrome to the next: null where the rule is not
// about bits (a value other than 0 and 1), else the step, and whether the printed one follows.
function clocks(steps) {
  return steps.rotations.slice(1).map((rotation) => {
    const previous = steps.rotations[rotation.shift - 1].syndrome;
    if (!rotation.syndrome || !previous) return undefined;
    return registerStep(previous.values, rotation.syndrome.values);
  });
}

export function clockNote(steps, rotation) {
  if (rotation.shift === 0 || !rotation.syndrome) return {};
  const previous = steps.rotations[rotation.shift - 1].syndrome;
  const step = previous && registerStep(previous.values, rotation.syndrome.values);
  if (!step || !step.follows) return {};
  return {
    note: `${step.out}→${step.taps ? '+g' : ''}`,
    data: { clockOut: step.out, taps: String(step.taps) },
  };
}

export function registerParts(steps, say) {
  const known = clocks(steps).filter((step) => step !== undefined);
  if (known.length === 0) return [];
  if (known.includes(null)) {
    return [{ text: say('register.notBits'), tone: 'unusual', data: { register: 'none' } }];
  }
  const astray = steps.rotations
    .slice(1)
    .filter((_, i) => known[i] && !known[i].follows)
    .map((rotation) => rotation.shift);
  if (astray.length > 0) {
    return [
      {
        text: say('register.astray', { count: astray.length, shifts: astray }),
        tone: 'unusual',
        data: { register: 'astray', astray: astray.join(' ') },
      },
    ];
  }
  const last = steps.rotations.at(known.length);
  const step = known.at(-1);
  const previous = steps.rotations[last.shift - 1].syndrome.values;
  const current = last.syndrome.values;
  const facts = {
    shift: last.shift,
    from: last.shift - 1,
    out: step.out,
    before: previous.join(''),
    after: current.join(''),
  };
  return [
    { text: say('register.rule'), why: 'why-register', data: { register: 'clock' } },
    { text: say('register.legend') },
    {
      register: {
        summary: say('register.summary'),
        caption: say(step.taps ? 'register.clockTaps' : 'register.clockPlain', facts),
        label: say('register.label', facts),
        shift: last.shift,
        previous,
        current,
        out: step.out,
        taps: step.taps,
        // Where g's taps feed the leaving digit back: before cell q, for GENERATOR[q] = 1.
        tapAt: GENERATOR.slice(0, PARITY_LENGTH).flatMap((bit, q) => (bit ? [q] : [])),
      },
    },
  ];
}
