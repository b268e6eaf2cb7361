// The exercises (web/practice/exercises.js) judged on runs of the real program (bch.wasm under Node):
// for each, typed lines that solve it and near misses that do not, among them two errors whose
// span is 11 and k ± 1 rotations; random bytes never solve anything and never throw; a link's
// name of an exercise is read back or refused; and progress (web/practice/progress.js) goes through its
// text and back, a damaged text refused.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { runProgram } from '../../web/program/engine.js';
import {
  EXERCISES,
  ExerciseError,
  exerciseName,
  judge,
  newAttempt,
  nextRotation,
  parseExercise,
  readRun,
  solution,
  typedPositions,
} from '../../web/practice/exercises.js';
import { missedReason } from '../../web/practice/reasons.js';
import { MESSAGES } from '../../web/program/program.js';
import {
  ProgressError,
  decodeProgress,
  emptyProgress,
  PASSING_SCORE,
  encodeProgress,
  passMark,
  percentSolved,
  score,
  solve,
} from '../../web/practice/progress.js';
import { createTask } from '../../web/practice/tasks.js';
import { readSteps } from '../../web/teaching/steps.js';
import { checkRow, divisionTask } from '../../web/practice/arithmetic_exercises.js';

const program = await WebAssembly.compile(readFileSync(join(process.env.BCH_SITE, 'bch.wasm')));
const encoder = new TextEncoder();
// The steps of a run on typed lines, with Enter at every pause.
async function run(...lines) {
  const chunks = [...lines, ...new Array(23).fill('')].map((line) => encoder.encode(`${line}\n`));
  const { output } = await runProgram(program, chunks, false);
  return readSteps(output, chunks);
}
const at = (...positions) =>
  Array.from({ length: 31 }, (_, p) => (positions.includes(p) ? '1' : '0')).join('');
const word = '101010101011001100111';

// exercise -> [parameter, answer, lines, verdict]
const TABLE = {
  trap: [
    [5, null, [word, at(16)], 'solved'],
    [5, null, [word, at(15)], 'missed'],
    [5, null, [word, at(17)], 'missed'],
    [20, null, [word, at(1)], 'solved'],
    [5, null, [word, at(16, 30)], 'missed'],
  ],
  'two-corrected': [
    [null, null, [word, at(17, 19)], 'solved'],
    [null, null, [word, at(0, 10)], 'missed'],
    [null, null, [word, at(17)], 'missed'],
  ],
  'two-beyond': [
    [null, null, [word, at(0, 10)], 'solved'],
    [null, null, [word, at(0, 29)], 'solved'],
    [null, null, [word, at(0, 9)], 'missed'],
    [null, null, [word, at(0, 10, 20)], 'missed'],
  ],
  'two-parity': [
    [null, null, [word, at(21, 30)], 'solved'],
    [null, null, [word, at(20, 21)], 'missed'],
    [null, null, [word, at(29)], 'missed'],
  ],
  'three-parity': [
    [null, null, [word, at(21, 22, 23)], 'solved'],
    [null, null, [word, at(21, 22)], 'missed'],
    [null, null, [word, at(20, 21, 22)], 'missed'],
  ],
  miscorrect: [
    [null, null, ['0', at(0, 1, 3)], 'solved'],
    [null, null, ['0', at(0, 1)], 'missed'],
    [null, null, ['0', at(0, 10, 20)], 'missed'],
  ],
  'zero-parity': [
    [null, null, ['000000000011101101001', '0'], 'solved'],
    [null, null, ['1', '0'], 'missed'],
    [null, null, ['0', '0'], 'missed'],
    [null, null, ['000000000022202202002', '0'], 'missed'],
  ],
  unseen: [
    [null, null, [word, '1000000000000000000001110110100'], 'solved'],
    [null, null, [word, at(0)], 'missed'],
    [null, null, [word, '0'], 'missed'],
  ],
  // An error at 10 enters the window after 11 rotations: "no" for rotations 2..10, "yes" at 11.
  predict: [
    [null, { 2: false, 3: false, 4: false, 5: false, 6: false }, [word, at(10)], 'solved'],
    [null, { 2: false, 3: true }, [word, at(10)], 'missed'],
    [null, { 2: false, 3: false }, [word, at(10)], 'missed'],
    // Errors at 10 and 12 enter the window together after 11 rotations, of weight exactly 2.
    [null, { 7: false, 8: false, 9: false, 10: false, 11: true }, [word, at(10, 12)], 'solved'],
  ],
  longest: [
    [null, null, [word, at(0, 30)], 'solved'],
    [null, null, [word, at(0, 29)], 'missed'],
    [null, null, [word, at(0)], 'missed'],
  ],
};

// A missed verdict has its reason, and any other none: both read the same facts.
function assertReason(id, parameter, steps, answer, where) {
  const verdict = judge(id, parameter, steps, answer);
  const reason = missedReason(id, parameter, steps, answer);
  assert.equal(reason !== null, verdict === 'missed', `${where}: ${verdict} ${reason?.key}`);
  return reason;
}

// Why a near miss missed: exercise, parameter, answer, typed lines -> the reason's key and
// parameters.
const REASONS = [
  ['trap', 16, null, [word, at(16)], 'reason.trappedAfter', { count: 5, want: 16 }],
  ['trap', 5, null, [word, at(16, 30)], 'reason.count', { count: 2, want: 1 }],
  ['trap', 5, null, [word, at(25)], 'reason.parityOnly', {}],
  ['two-corrected', null, null, [word, at(0, 10)], 'reason.gaveUp', {}],
  ['two-beyond', null, null, [word, at(0, 9)], 'reason.corrected', {}],
  ['two-beyond', null, null, [word, at(21, 30)], 'reason.parityOnly', {}],
  ['two-parity', null, null, [word, at(20, 21)], 'reason.notParityOnly', { count: 1 }],
  ['three-parity', null, null, [word, at(20, 21, 22, 23)], 'reason.count', { count: 4, want: 3 }],
  ['miscorrect', null, null, ['0', at(0, 10, 20)], 'reason.gaveUp', {}],
  ['zero-parity', null, null, ['1', '0'], 'reason.parityOnes', {}],
  ['zero-parity', null, null, ['0', '0'], 'reason.zeroInformation', {}],
  ['zero-parity', null, null, ['000000000022202202002', '0'], 'reason.values', {}],
  ['unseen', null, null, [word, at(0)], 'reason.syndromeWeight', {}],
  ['unseen', null, null, [word, '0'], 'reason.noErrors', {}],
  ['unseen', null, null, [word, '2'], 'reason.values', {}],
  ['predict', null, { 2: false, 3: true }, [word, at(10)], 'reason.predictWrong', { shift: 3 }],
  ['predict', null, { 2: false, 3: false }, [word, at(10)], 'reason.predictFew', { count: 2 }],
  ['longest', null, null, [word, at(0, 29)], 'reason.gaveUp', {}],
  ['longest', null, null, [word, at(0)], 'reason.trappedAfter', { count: 21, want: 22 }],
];

test('each exercise: answers that solve it and near misses, judged on the real program', async () => {
  for (const [id, rows] of Object.entries(TABLE)) {
    for (const [parameter, answer, lines, verdict] of rows) {
      const steps = await run(...lines);
      const where = `${id} ${parameter ?? ''} ${lines.join(' / ')}`;
      assert.equal(judge(id, parameter, steps, answer), verdict, where);
      assertReason(id, parameter, steps, answer, where);
    }
  }
  for (const [id, parameter, answer, lines, key, parameters] of REASONS) {
    const where = `${id} ${parameter ?? ''} ${lines.join(' / ')}`;
    const reason = assertReason(id, parameter, await run(...lines), answer, where);
    assert.equal(reason?.key, key, where);
    for (const [name, value] of Object.entries(parameters)) {
      assert.equal(reason.parameters[name], value, `${where}: ${name}`);
    }
  }
  // Read: the positions typed against those of the run the seed makes; one off misses. (Seed 10
  // has an error at 30, typed one too high as 31.)
  for (const seed of [1, 10, 4242, 99999]) {
    const { information, pattern } = readRun(seed);
    const steps = await run(information, pattern);
    const ones = [...pattern].flatMap((bit, p) => (bit === '1' ? [p] : []));
    assert.equal(judge('read', seed, steps, ones.join(', ')), 'solved', `read ${seed}`);
    assert.equal(judge('read', seed, steps, ones.map((p) => (p + 1) % 31).join(' ')), 'missed');
    assert.equal(judge('read', seed, steps, `${ones.join(' ')} 31`), 'missed');
    assert.equal(judge('read', seed, steps, null), 'pending');
    // Why: each one too high, one too many, another position, not positions at all; and the
    // worked solution names the positions.
    const reasonOf = (answer) => assertReason('read', seed, steps, answer, `read ${seed}`)?.key;
    assert.equal(reasonOf(ones.map((p) => p + 1).join(' ')), 'reason.readFromZero');
    assert.equal(reasonOf(`${ones.join(' ')} 31`), 'reason.readNotPositions');
    const other = [...Array(31).keys()].find((p) => !ones.includes(p));
    assert.equal(reasonOf([...ones, other].join(' ')), 'reason.readCount');
    assert.equal(reasonOf([...ones.slice(1), other].join(' ')), 'reason.readPositions');
    assert.equal(reasonOf(ones.join(' ')), undefined);
    assert.deepEqual(solution('read', seed).positions, ones);
  }
  // Divide and syndrome: each row checked at once, the first wrong bit found (one bit flipped,
  // the row shifted by a column either way); then the program's own run on the task's lines
  // must print the remainder, and the run on another word decides nothing.
  for (const [id, seed] of [
    ['divide', 1],
    ['divide', 4242],
    ['syndrome', 77],
    ['syndrome', 99999],
  ]) {
    const task = divisionTask(id, seed);
    const where = `${id} ${seed}`;
    for (const [i, row] of task.rows.entries()) {
      assert.deepEqual(checkRow(row, ` ${row.slice(0, 5)} ${row.slice(5)} `), {
        right: true,
        wrongAt: -1,
      });
      const flipped = `${row.slice(0, i % 10)}${row[i % 10] === '1' ? 0 : 1}${row.slice((i % 10) + 1)}`;
      assert.equal(checkRow(row, flipped).wrongAt, i % 10, `${where} row ${i}`);
      const wrongAt = (typed) => [...row].findIndex((bit, b) => typed[b] !== bit);
      for (const shifted of [`0${row.slice(0, 9)}`, `${row.slice(1)}0`]) {
        assert.equal(checkRow(row, shifted).wrongAt, wrongAt(shifted), `${where} ${shifted}`);
        if (shifted !== row) assert.ok(!checkRow(row, shifted).right, where);
      }
      assert.equal(checkRow(row, row.slice(0, 9)).wrongAt, 9, where);
    }
    const steps = await run(...task.lines);
    const printed =
      id === 'divide' ? steps.codeVector.text.slice(21) : steps.rotations[0].syndrome.text;
    assert.equal(task.rows.at(-1), printed, `${where}: the remainder is what the program prints`);
    assert.equal(judge(id, seed, steps, { rows: task.rows }), 'solved', where);
    assert.equal(judge(id, seed, steps, { rows: task.rows.slice(0, -1) }), 'pending', where);
    const other = await run(word, at(3));
    assert.equal(judge(id, seed, other, { rows: task.rows }), 'pending', where);
  }
  // Next syndrome: the syndromes the program prints after rotations 2..6 typed before each.
  const trapped = await run(word, at(10));
  const printed = (shift) => trapped.rotations[shift].syndrome.text;
  const five = Object.fromEntries([2, 3, 4, 5, 6].map((shift) => [shift, printed(shift)]));
  assert.equal(judge('next-syndrome', null, trapped, five), 'solved');
  const flip = (text) => `${text[0] === '1' ? 0 : 1}${text.slice(1)}`;
  assert.equal(judge('next-syndrome', null, trapped, { ...five, 4: flip(five[4]) }), 'missed');
  // The previous syndrome typed again (no clock) is wrong.
  assert.notEqual(printed(3), printed(2));
  assert.equal(judge('next-syndrome', null, trapped, { 3: printed(2) }), 'missed');
  // Four right: pending at a pause, missed once the run has ended without a fifth.
  const four = { 2: five[2], 3: five[3], 4: five[4], 5: five[5] };
  const chunks = [word, at(10), '', '', '', ''].map((line) => encoder.encode(`${line}\n`));
  const paused = readSteps((await runProgram(program, chunks, false)).output, chunks);
  assert.equal(paused.waiting, 'rotation');
  assert.equal(judge('next-syndrome', null, paused, four), 'pending');
  assert.equal(judge('next-syndrome', null, trapped, four), 'missed');
  // A run still going is not judged before it prints what the goal is about.
  const early = await run(word);
  for (const id of ['trap', 'two-corrected', 'miscorrect', 'longest']) {
    assert.equal(judge(id, 5, early, null), 'pending', id);
  }
});

// The best score of "predict" comes only from a run with no wrong prediction: the task keeps a
// new best when the run shown has more right ones than the best kept, and none wrong.
test('predict keeps its best score from runs with no wrong prediction', async () => {
  const steps = await run(word, at(10));
  const rows = [
    // [predictions as clicked (shift, yes), best kept before, best kept after]
    [
      [
        [2, false],
        [3, false],
        [4, false],
      ],
      0,
      3,
    ],
    [
      [
        [2, false],
        [3, false],
        [4, false],
      ],
      5,
      5,
    ],
    [
      [
        [2, false],
        [3, false],
        [4, false],
        [5, true],
      ],
      0,
      0,
    ],
    [
      [
        [2, false],
        [3, false],
        [11, true],
      ],
      1,
      3,
    ],
  ];
  for (const [clicks, before, after] of rows) {
    let best = before;
    const host = {
      progress: () => ({ bestPrediction: best }),
      keepBest: (right) => (best = right),
    };
    const task = createTask({ id: 'predict', parameter: null }, { ...host, step() {} });
    for (const [shift, yes] of clicks) {
      const button = { dataset: { shift: String(shift), predict: yes ? 'yes' : 'no' } };
      task.click({ closest: () => button });
    }
    task.judge(steps);
    assert.equal(best, after, JSON.stringify(clicks));
  }
});

test('random bytes typed: judged without a throw and never solved', async () => {
  let seed = 7;
  const random = (n) => {
    seed = (seed * 48271) % 2147483647;
    return seed % n;
  };
  let count = 0;
  for (let i = 0; i < 60; i += 1) {
    const line = () =>
      String.fromCharCode(
        ...Array.from({ length: random(40) }, () => [random(256), 48, 49, 50, 45, 32][random(6)]),
      );
    const steps = await run(line(), line());
    if (steps.unusual.length === 0) continue; // zeros and ones only: a fair answer
    count += 1;
    for (const { id } of EXERCISES) {
      const answer = id === 'read' ? line() : { 2: true };
      const where = `${id}: ${JSON.stringify(steps.information?.text)}`;
      assert.notEqual(judge(id, 5, steps, answer), 'solved', where);
      assertReason(id, 5, steps, answer, where);
    }
  }
  assert.ok(count > 30, `only ${count} runs with unusual bytes`);
});

test('exercise names in links, and the progress kept', () => {
  for (const { id, parameter } of EXERCISES) {
    const attempt = newAttempt(id, () => 0.5);
    assert.deepEqual(parseExercise(exerciseName(attempt.id, attempt.parameter)), attempt);
    // The smallest and the largest parameter are exercises too: "trap-1", "read-99999".
    for (const drawn of parameter ? [parameter.least, parameter.most] : []) {
      assert.deepEqual(parseExercise(exerciseName(id, drawn)), { id, parameter: drawn });
      assert.deepEqual(
        newAttempt(id, () => (drawn === parameter.least ? 0 : 0.999999)),
        {
          id,
          parameter: drawn,
        },
      );
    }
  }
  for (const name of ['trap', 'trap-0', 'trap-21', 'two-corrected-3', 'nope', 'read-', '', 'x.y']) {
    assert.throws(() => parseExercise(name), ExerciseError, name);
  }
  assert.deepEqual(typedPositions('3, 17;0'), [0, 3, 17]);
  assert.equal(typedPositions('3 -1'), null);
  const progress = solve(solve({ ...emptyProgress(), bestPrediction: 6 }, 'predict'), 'trap');
  assert.equal(encodeProgress(progress), 'p1:trap.predict:6');
  assert.deepEqual(decodeProgress('p1:trap.predict:6'), {
    solved: ['trap', 'predict'],
    bestPrediction: 6,
  });
  assert.deepEqual(score(progress), { raw: percentSolved(2), min: 0, max: 100 });
  // The score: the nearest whole percent, a half up; the pass mark: the fewest exercises that
  // reach PASSING_SCORE (70), whatever the length of the list.
  for (const [count, total, percent] of [
    [0, 11, 0],
    [1, 11, 9],
    [6, 11, 55],
    [7, 11, 64],
    [8, 11, 73],
    [9, 11, 82],
    [10, 11, 91],
    [11, 11, 100],
    [1, 8, 13],
    [7, 10, 70],
    [9, 14, 64],
    [10, 14, 71],
  ]) {
    assert.equal(percentSolved(count, total), percent, `${count} of ${total}`);
  }
  assert.equal(PASSING_SCORE, 70);
  for (const [total, mark] of [
    [11, 8],
    [10, 7],
    [14, 10],
    [1, 1],
  ]) {
    assert.equal(passMark(total), mark, `pass mark of ${total}`);
  }
  assert.equal(passMark(), passMark(EXERCISES.length));
  assert.deepEqual(score(progress), { raw: Math.round(200 / EXERCISES.length), min: 0, max: 100 });
  // A text kept before the exercises in the arithmetic came stays valid; they go after it.
  const before =
    'p1:trap.two-corrected.two-beyond.two-parity.three-parity.miscorrect.zero-parity.unseen.predict.longest.read:9';
  const all = solve(solve(solve(decodeProgress(before), 'syndrome'), 'divide'), 'next-syndrome');
  assert.equal(encodeProgress(all), before.replace(':9', '.divide.next-syndrome.syndrome:9'));
  assert.deepEqual(score(decodeProgress(before)), { raw: 79, min: 0, max: 100 });
  assert.deepEqual(score(all), { raw: 100, min: 0, max: 100 });
  for (const text of [
    '',
    'p2:trap:0',
    'p1:trap:x',
    'p1:nope:0',
    'p1:trap.trap:1',
    '{"a":1}',
    'p1:trap:0:0',
    null,
  ]) {
    assert.throws(() => decodeProgress(text), ProgressError, String(text));
  }
});

// "predict" asks about the rotation after a pause only where the program makes it: at every
// pause of every run of one and two errors on one word (and three, for a miscorrection), the
// rotation asked about is the next one the whole run prints, and at the last pause (the weight
// fell to 2 or less, or rotation 22 was made) nothing is asked.
test('the rotation "predict" asks about is always one the program makes', async () => {
  const pause = new TextEncoder().encode(MESSAGES.pause);
  const patterns = [[0, 1, 3]];
  for (let a = 0; a < 31; a += 1) {
    patterns.push([a]);
    for (let b = a + 1; b < 31; b += 1) patterns.push([a, b]);
  }
  let asked = 0;
  for (const errors of patterns) {
    const lines = [word, at(...errors), ...new Array(23).fill('')];
    const chunks = lines.map((line) => encoder.encode(`${line}\n`));
    const { output } = await runProgram(program, chunks, false);
    const whole = readSteps(output, chunks);
    for (let end = 0; end < output.length; end += 1) {
      if (!pause.every((byte, i) => output[end - pause.length + 1 + i] === byte)) continue;
      const steps = readSteps(output.subarray(0, end + 1), chunks);
      if (steps.waiting !== 'rotation') continue;
      const shift = steps.rotations.at(-1).shift;
      const next = nextRotation(steps);
      const made = whole.rotations.length > shift + 1;
      assert.equal(next, made ? shift + 1 : null, `errors at ${errors}, pause ${shift}`);
      if (next !== null) asked += 1;
    }
  }
  assert.ok(asked > 1000, `${asked} questions`);
});
