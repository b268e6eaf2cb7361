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
  encodeProgress,
  score,
  solve,
} from '../../web/practice/progress.js';
import { readSteps } from '../../web/teaching/steps.js';

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
  // Read: the positions typed against those of the run the seed makes; one off misses.
  for (const seed of [1, 4242, 99999]) {
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
    if (!ones.includes(30)) {
      assert.equal(reasonOf(ones.map((p) => p + 1).join(' ')), 'reason.readFromZero');
    }
    assert.equal(reasonOf(`${ones.join(' ')} 31`), 'reason.readNotPositions');
    const other = [...Array(31).keys()].find((p) => !ones.includes(p));
    assert.equal(reasonOf([...ones, other].join(' ')), 'reason.readCount');
    assert.equal(reasonOf([...ones.slice(1), other].join(' ')), 'reason.readPositions');
    assert.equal(reasonOf(ones.join(' ')), undefined);
    assert.deepEqual(solution('read', seed).positions, ones);
  }
  // A run still going is not judged before it prints what the goal is about.
  const early = await run(word);
  for (const id of ['trap', 'two-corrected', 'miscorrect', 'longest']) {
    assert.equal(judge(id, 5, early, null), 'pending', id);
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
  for (const { id } of EXERCISES) {
    const attempt = newAttempt(id, () => 0.5);
    assert.deepEqual(parseExercise(exerciseName(attempt.id, attempt.parameter)), attempt);
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
  assert.deepEqual(score(progress), { raw: Math.round(200 / EXERCISES.length), min: 0, max: 100 });
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
