// The controls of the exercises in the arithmetic (arithmetic_exercises.js), through the task
// interface of tasks.js: a long division typed row by row, each row checked at once with its
// first wrong bit marked, then checked against the program's own run on the word; and the next
// syndrome typed at a pause before Enter.
//
// ARITHMETIC_TASKS: { id: (attempt, host) -> task } for tasks.js's createTask
import { make } from '../teaching/dom.js';
import { GENERATOR, INFORMATION_LENGTH, PARITY_LENGTH } from '../program/program.js';
import { checkRow, divisionTask, scoreSyndromes } from './arithmetic_exercises.js';
import { judge, nextRotation } from './exercises.js';
import { missedReason } from './reasons.js';

// The division so far as a learner writes it, position under position: the dividend, then for
// every step done g(x) under its leading 1 and the difference below; spaces keep the columns.
function workedLines(task, done) {
  const line = (at, bits) => ' '.repeat(at) + bits;
  const lines = [task.dividend.join('')];
  task.division.steps.slice(0, done).forEach((step) => {
    lines.push(line(step.at, GENERATOR.join('')), line(step.at + 1, step.difference.join('')));
  });
  const next = task.division.steps[done];
  if (next) lines.push(line(next.at, GENERATOR.join('')));
  if (done === task.rows.length) lines.push(line(INFORMATION_LENGTH, task.rows.at(-1)));
  return lines.join('\n');
}

// A typed row with its first wrong bit marked.
function markedRow(typed, wrongAt) {
  const bits = typed.replace(/\s+/g, '');
  const wrong = bits[wrongAt] ?? '␣';
  return [
    bits.slice(0, wrongAt),
    make('mark', { 'data-mark': 'error' }, wrong),
    bits.slice(wrongAt + 1),
  ];
}

function rowQuestion(task, done, say) {
  const step = task.division.steps[done];
  if (step) {
    return say('divide.row', {
      row: done + 1,
      total: task.rows.length,
      first: step.at + 1,
      last: step.at + PARITY_LENGTH,
    });
  }
  return say('divide.remainder', { row: done + 1, total: task.rows.length });
}

// The card of a division: the word, the division so far, the last row typed wrong with its
// first wrong bit marked, and the next row to type; once all are typed, the program's run.
function divisionCard({ attempt, task, rows, miss, run }, say) {
  const words =
    attempt.id === 'divide'
      ? say('divide.word', { word: task.information })
      : say('syndrome.word', { word: task.dividend.join('') });
  const parts = [
    make('p', {}, words),
    make('pre', { class: 'printed division-work' }, workedLines(task, rows.length)),
  ];
  if (miss) {
    parts.push(
      make(
        'p',
        { class: 'row-miss', role: 'alert', 'data-wrong-at': miss.wrongAt },
        say('divide.wrongBit', { bit: miss.wrongAt + 1 }),
        ' ',
        make('code', {}, ...markedRow(miss.typed, miss.wrongAt)),
      ),
    );
  }
  if (rows.length < task.rows.length) return [...parts, rowForm(task, rows.length, say)];
  parts.push(
    make('p', { class: 'rows-done' }, say(`${attempt.id}.done`, { remainder: rows.at(-1) })),
    make(
      'p',
      { class: 'keys' },
      make('button', { type: 'button', 'data-arithmetic-run': attempt.id }, say('divide.run')),
      ' ',
      make('code', {}, task.lines.join(' / ')),
    ),
  );
  if (run) {
    const printed =
      attempt.id === 'divide'
        ? run.steps.codeVector.text.slice(INFORMATION_LENGTH)
        : run.steps.rotations[0].syndrome.text;
    parts.push(make('pre', { class: 'printed', lang: 'pl' }, run.lines.join('\n')));
    parts.push(make('p', {}, say(`${attempt.id}.printed`, { printed })));
  }
  return parts;
}

function rowForm(task, done, say) {
  return make(
    'form',
    { class: 'division-row' },
    make('label', { for: 'division-row' }, rowQuestion(task, done, say)),
    ' ',
    make('input', {
      id: 'division-row',
      name: 'row',
      autocomplete: 'off',
      inputmode: 'numeric',
      spellcheck: 'false',
      size: PARITY_LENGTH + 2,
    }),
    ' ',
    make('button', { type: 'submit' }, say('read.check')),
  );
}

function createDivision(attempt, host) {
  // rows: the rows typed right; miss: { typed, wrongAt } of the last row typed wrong; run: the
  // program's run on the task's lines, once asked for; shown: the run in the terminal.
  const state = { attempt, task: divisionTask(attempt.id, attempt.parameter), rows: [] };
  state.miss = null;
  state.run = null;
  let shown = null;
  // The run that decides: the program's on the task's word, asked for or in the terminal.
  const deciding = () => {
    const { information } = state.task;
    return [state.run?.steps, shown].find((s) => s?.information?.text === information) ?? null;
  };
  return {
    judge(steps) {
      shown = steps;
      return judge(attempt.id, attempt.parameter, deciding(), { rows: state.rows });
    },
    reason: () => missedReason(attempt.id, attempt.parameter, deciding(), { rows: state.rows }),
    card: () => divisionCard(state, host.say),
    question: () => null,
    // The program's own run on the word: its printed remainder decides.
    click(target) {
      if (!target.closest('[data-arithmetic-run]')) return false;
      host
        .runLines(state.task.lines)
        .then((result) => {
          state.run = { steps: result.steps, lines: result.lines };
          host.redraw();
        })
        .catch(() => {});
      return true;
    },
    submit(element) {
      const { rows, task } = state;
      if (!element.elements?.row || rows.length >= task.rows.length) return false;
      const typed = element.elements.row.value;
      const { right, wrongAt } = checkRow(task.rows[rows.length], typed);
      state.miss = right ? null : { typed, wrongAt };
      if (right) rows.push(task.rows[rows.length]);
      host.redraw();
      document.getElementById('division-row')?.focus();
      return true;
    },
    start() {},
    newRun() {},
  };
}

// The field for the syndrome the next rotation will print.
function syndromeForm(next, say) {
  const input = make('input', {
    id: 'next-syndrome',
    name: 'syndrome',
    autocomplete: 'off',
    inputmode: 'numeric',
    spellcheck: 'false',
    size: PARITY_LENGTH + 2,
  });
  return make(
    'form',
    { class: 'next-syndrome', 'data-shift': next },
    make('label', { for: 'next-syndrome' }, say('nextSyndrome.question', { shift: next })),
    ' ',
    input,
    ' ',
    make('button', { type: 'submit' }, say('nextSyndrome.enter')),
  );
}

function createNextSyndrome(attempt, host) {
  let typed = {}; // shift -> the syndrome typed for it
  let steps = null;
  return {
    judge(shown) {
      steps = shown;
      if (!shown) return 'pending';
      return judge('next-syndrome', null, shown, typed);
    },
    reason: () => missedReason('next-syndrome', null, steps, typed),
    card() {
      const { right, wrong } = scoreSyndromes(steps, typed);
      return [
        make(
          'p',
          { class: 'score', 'data-right': right, 'data-wrong': wrong },
          host.say('nextSyndrome.score', { right, wrong }),
        ),
      ];
    },
    // Asked while the program waits at a pause before a rotation it will make, and nothing is
    // typed for it yet.
    question(shown) {
      const next = nextRotation(shown);
      return next === null || next in typed ? null : [syndromeForm(next, host.say)];
    },
    click: () => false,
    submit(form) {
      if (!form.matches('.next-syndrome')) return false;
      const value = form.elements.syndrome.value.replace(/\s+/g, '');
      typed = { ...typed, [form.dataset.shift]: value };
      host.step();
      return true;
    },
    start() {},
    newRun() {
      typed = {};
    },
  };
}

export const ARITHMETIC_TASKS = {
  divide: createDivision,
  syndrome: createDivision,
  'next-syndrome': createNextSyndrome,
};
