// The exercises in the arithmetic, judged like the others (exercises.js) and always against
// what the program printed. No DOM, no prose.
//
//   divide-SEED      the parity part of an information word drawn from the seed, by long division
//                    row by row: each row typed is checked at once, and at the end the program,
//                    run on the word, must print the remainder as its parity part
//   syndrome-SEED    the syndrome of a received word (an information word and one to three errors
//                    drawn from the seed) by division, row by row, and at the end the program,
//                    run on that word and error, must print the remainder as its syndrome
//   next-syndrome    at a pause, before Enter, the syndrome the program will print after the
//                    next rotation; right or wrong once it is printed, five right in one run with
//                    none wrong solve it
//
// A division's rows (division.js): one difference per step, then the remainder; a row is typed
// as its bits, spaces aside.
//
// divisionTask(id, seed) -> { lines: what to type into the program, information, pattern,
//   dividend (31 values), division, rows (the texts expected) }
// checkRow(expected, typed) -> { right, wrongAt: the first wrong bit, -1 where right }
// ARITHMETIC_JUDGES: { id: judge(steps, answer, seed) } with answer
//   divide, syndrome  { rows: the rows typed right so far } and steps the program's run on the
//                     task's lines: 'solved' when every row is typed and the program printed the
//                     remainder; 'missed' when it printed another; else 'pending'
//   next-syndrome     { shift: the syndrome typed for that rotation }
// scoreSyndromes(steps, typed) -> { right, wrong, open }
import { dividendOf, divisionRows, firstWrongBit, longDivision } from '../teaching/division.js';
import { CODE_LENGTH, INFORMATION_LENGTH } from '../program/program.js';

// Right syndromes in one run, with none wrong, that solve "next-syndrome".
export const SYNDROMES_TO_SOLVE = 5;

// The words of a task, drawn from its seed (the generator of MINSTD, so that a link gives the
// same words): an information word with at least one 1 (a division with a step), and an error
// pattern of one to three errors.
function drawWords(seed) {
  let state = seed;
  const next = () => {
    state = (state * 48271) % 2147483647;
    return state / 2147483647;
  };
  let information = '';
  while (!information.includes('1')) {
    information = Array.from({ length: INFORMATION_LENGTH }, () => (next() < 0.5 ? '0' : '1')).join(
      '',
    );
  }
  const count = 1 + Math.floor(next() * 3);
  const positions = new Set();
  while (positions.size < count) positions.add(Math.floor(next() * CODE_LENGTH));
  const pattern = Array.from({ length: CODE_LENGTH }, (_, p) => (positions.has(p) ? '1' : '0'));
  return { information, pattern: pattern.join('') };
}

// The received word of a run on `information` and `pattern`: the code word (the information
// and the remainder of its division) plus the error.
function receivedOf(information, pattern) {
  const values = [...information].map(Number);
  const code = [...values, ...longDivision(dividendOf(values)).remainder];
  return code.map((bit, p) => bit ^ Number(pattern[p]));
}

export function divisionTask(id, seed) {
  const run = drawWords(seed);
  const { information } = run;
  const pattern = id === 'divide' ? '0'.repeat(CODE_LENGTH) : run.pattern;
  const dividend =
    id === 'divide' ? dividendOf([...information].map(Number)) : receivedOf(information, pattern);
  const division = longDivision(dividend);
  return {
    lines: [information, pattern],
    information,
    pattern,
    dividend,
    division,
    rows: divisionRows(division),
  };
}

export function checkRow(expected, typed) {
  const bits = String(typed).replace(/\s+/g, '');
  const wrongAt = firstWrongBit(bits, expected);
  return { right: wrongAt < 0, wrongAt };
}

// What the program printed that the division's remainder stands for, in a run on the task's
// lines; null where the run is another's or has not printed it yet.
function printedFor(id, task, steps) {
  if (!steps || steps.information?.text !== task.information) return null;
  if (id === 'divide') return steps.codeVector?.text.slice(INFORMATION_LENGTH) ?? null;
  const received = steps.rotations[0];
  if (!received?.syndrome || received.word.values?.join('') !== task.dividend.join('')) return null;
  return received.syndrome.text;
}

function judgeDivision(id) {
  return (steps, answer, seed) => {
    const task = divisionTask(id, seed);
    const rows = answer?.rows;
    if (!Array.isArray(rows) || rows.length !== task.rows.length) return 'pending';
    if (!rows.every((row, i) => checkRow(task.rows[i], row).right)) return 'pending';
    const printed = printedFor(id, task, steps);
    if (printed === null) return 'pending';
    return printed === rows.at(-1) ? 'solved' : 'missed';
  };
}

export function scoreSyndromes(steps, typed = {}) {
  const score = { right: 0, wrong: 0, open: 0 };
  for (const [shift, syndrome] of Object.entries(typed ?? {})) {
    const printed = steps?.rotations?.[Number(shift)]?.syndrome;
    if (!printed) score.open += 1;
    else if (printed.text === String(syndrome)) score.right += 1;
    else score.wrong += 1;
  }
  return score;
}

// Why a run missed an exercise in the arithmetic, read off the same facts as its judge: a
// { key, parameters } for the catalogue (see reasons.js), asked only of a missed run.
export const ARITHMETIC_REASONS = {
  divide: remainderDiffers('divide'),
  syndrome: remainderDiffers('syndrome'),
  'next-syndrome'(steps, typed) {
    for (const [shift, syndrome] of Object.entries(typed ?? {})) {
      const printed = steps?.rotations?.[Number(shift)]?.syndrome;
      if (printed && printed.text !== String(syndrome)) {
        const parameters = { shift: Number(shift), printed: printed.text, typed: String(syndrome) };
        return { key: 'reason.syndromeWrong', parameters };
      }
    }
    const { right } = scoreSyndromes(steps, typed);
    return { key: 'reason.syndromeFew', parameters: { count: right, goal: SYNDROMES_TO_SOLVE } };
  },
};

// The division's remainder, right row by row, is not what the program printed.
function remainderDiffers(id) {
  return (steps, answer, seed) => {
    const printed = printedFor(id, divisionTask(id, seed), steps);
    return { key: 'reason.remainderDiffers', parameters: { printed, typed: answer.rows.at(-1) } };
  };
}

export const ARITHMETIC_JUDGES = {
  divide: judgeDivision('divide'),
  syndrome: judgeDivision('syndrome'),
  'next-syndrome'(steps, typed) {
    const { right, wrong } = scoreSyndromes(steps, typed);
    if (wrong > 0) return 'missed';
    if (right >= SYNDROMES_TO_SOLVE) return 'solved';
    return steps?.closing ? 'missed' : 'pending';
  },
};
