// The output reader (web/teaching/steps.js) on every transcript: the whole output, every cut of it (at
// every byte, as a run on the page stops wherever the program reads), the output alone without
// the typed input, and outputs spoiled on purpose. Expected facts come from the transcripts'
// names and inputs and from the code's properties, not from the reader's own rules.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { test } from 'node:test';
import { STAGES, readSteps } from '../../web/teaching/steps.js';

const folder = new URL('../transcripts/common/', import.meta.url);
const names = readdirSync(folder)
  .filter((f) => f.endsWith('.in'))
  .map((f) => f.slice(0, -3));
const load = (name) => ({
  input: readFileSync(new URL(`${name}.in`, folder)),
  output: readFileSync(new URL(`${name}.out`, folder)),
});
const range = (from, to) => Array.from({ length: to - from + 1 }, (_, i) => from + i);
const zeros = (count) => '0'.repeat(count);

// The first fact of `part` that `whole` does not hold, as its path, or null. Null in `part` is
// "not printed yet"; where the output ends (stage, waiting, partial, closing) changes as it
// grows and is left out, and the lists that grow may be longer in `whole`.
const WHERE_IT_ENDS = new Set(['stage', 'waiting', 'partial', 'closing']);
const GROWING = new Set(['rotations', 'unusual', 'warnings']);
function notHeld(part, whole, path = '') {
  if (part === null) return null;
  if (typeof part !== 'object' || whole === null || typeof whole !== 'object') {
    return part === whole ? null : path;
  }
  if (Array.isArray(part)) {
    const grows = GROWING.has(path.slice(path.lastIndexOf('.') + 1));
    const fits = grows ? part.length <= whole.length : part.length === whole.length;
    if (!Array.isArray(whole) || !fits) return path;
  }
  for (const key of Object.keys(part)) {
    if (WHERE_IT_ENDS.has(key)) continue;
    const found = notHeld(part[key], whole[key] ?? null, `${path}.${key}`);
    if (found !== null) return found;
  }
  return null;
}

const count = (text, pattern) => (text.match(pattern) || []).length;
const WAITS = [
  ['information', /'1'\): $/],
  ['error', /kodowego: $/],
  ['closing', /programu!\n<Enter>\n$/],
  ['rotation', /<Enter>\n$/],
];
// What a cut output holds, read off its text with patterns of the program's labels; the steps
// must claim exactly as much.
const HELD = [
  ['information', (s) => s.information !== null, (t) => t.includes('(wektor kodowy): ')],
  ['codeVector', (s) => s.codeVector !== null, (t) => /wektor kodowy\): [-0-9]*\n/.test(t)],
  ['errorPattern', (s) => s.errorPattern !== null, (t) => t.includes('Odebrany ciag: ')],
  ['received', (s) => s.rotations.length > 0, (t) => /Odebrany ciag: [-0-9]*\n/.test(t)],
  [
    'syndrome',
    (s) => Boolean(s.rotations[0]?.syndrome),
    (t) => /Syndrom odebranego ciagu: [-0-9]*\n/.test(t),
  ],
  ['verdict', (s) => s.verdict !== null, (t) => /korekcji\n|korekcje\n/.test(t)],
  [
    'rotations',
    (s) => Math.max(0, s.rotations.length - 1),
    (t) => count(t, /Przesuniety ciag: [-0-9]*\n/g),
  ],
  [
    'weights',
    (s) => s.rotations.filter((r) => r.weight !== null).length,
    (t) => count(t, /Waga syndromu: -?[0-9]+\n/g),
  ],
  ['outcome', (s) => s.outcome !== null, (t) => /skorygowac!\n|Nadany ciag: +[-0-9]*\n/.test(t)],
  ['closing', (s) => s.closing, (t) => t.endsWith('Koniec programu!\n<Enter>\n')],
  ['waiting', (s) => s.waiting, (t) => WAITS.find(([, end]) => end.test(t))?.[0] ?? null],
  [
    'waiting rotations',
    (s) => s.rotations.filter((r) => r.waiting).length,
    (t) => (WAITS.find(([, end]) => end.test(t))?.[0] === 'rotation' ? 1 : 0),
  ],
];

test('every cut of every transcript: claims what the cut holds, no fact taken back', () => {
  for (const name of names) {
    const { input, output } = load(name);
    const whole = readSteps(output, input);
    let stage = 0;
    for (let cut = 0; cut <= output.length; cut += 1) {
      const part = output.subarray(0, cut);
      const text = part.toString('latin1');
      const steps = readSteps(part, input);
      const where = `${name} cut at ${cut}`;
      assert.equal(steps.unexpected, null, where);
      assert.ok(text.endsWith(steps.partial), where);
      for (const [what, claimed, held] of HELD) {
        assert.equal(claimed(steps), held(text), `${where}: ${what}`);
      }
      const index = STAGES.indexOf(steps.stage);
      assert.ok(index >= stage, `${where}: stage ${steps.stage} after ${STAGES[stage]}`);
      stage = index;
      assert.equal(notHeld(steps, whole), null, `${where}: a fact the whole does not hold`);
    }
    assert.equal(STAGES[stage], 'closing', name);
  }
});

// Runs that the code treats as it must: up to two errors outside the parity part are trapped at
// the first rotation that brings them all into positions 21..30 if that is one of the 22
// rotations, and the syndrome then is the error pattern there; otherwise the word is
// uncorrectable after 22 rotations. Every printed rotation is the received word rotated.
test('every transcript, whole: read to the closing, consistent with the code', () => {
  for (const name of names) {
    const { input, output } = load(name);
    const s = readSteps(output, input);
    assert.deepEqual(
      [s.stage, s.closing, s.unexpected, s.partial, s.warnings],
      ['closing', true, null, '', []],
      name,
    );
    for (const r of s.rotations) assert.notEqual(r.followsReceived, false, `${name} ${r.shift}`);
    if (s.unusual.length > 0) continue;
    assert.deepEqual(s.errorPattern.ones, s.errors.positions, `${name}: typed ones, changes`);
    const { positions, parityOnly, trapRotation } = s.errors;
    // "Parity only": some error, and every one in the parity part (a run with none is not).
    assert.equal(parityOnly, positions.length > 0 && Math.min(...positions) >= 21, name);
    if (positions.length === 0 || parityOnly) {
      // An error pattern within x^9..x^0 is its own remainder: the syndrome is the error there,
      // of weight the number of errors.
      assert.deepEqual(
        [s.verdict, s.rotations[0].syndromeShowsErrors],
        [positions.length <= 2 ? 'no-correction' : 'correction', true],
        name,
      );
    } else if (positions.length <= 2 && trapRotation !== null && trapRotation <= 22) {
      const trapped = s.rotations.at(-1);
      assert.deepEqual(
        [trapped.shift, trapped.trapped, trapped.syndromeShowsErrors],
        [trapRotation, true, true],
        name,
      );
      assert.equal(s.rotations.slice(1).filter((r) => r.trapped).length, 1, name);
      const { kind, matchesTransmitted, changed, fromSyndrome, wrong } = s.outcome;
      assert.deepEqual(
        [kind, matchesTransmitted, changed, fromSyndrome, wrong],
        ['corrected', true, positions, positions, []],
        name,
      );
    } else if (positions.length <= 2) {
      assert.deepEqual(
        [s.outcome.kind, s.rotations.length - 1, s.rotations.slice(1).some((r) => r.trapped)],
        ['uncorrectable', 22, false],
        name,
      );
    }
  }
});

test('every transcript, output alone: the same rows, or rows said to need the typed word', () => {
  for (const name of names) {
    const { input, output } = load(name);
    const typed = readSteps(output, input);
    const alone = readSteps(output);
    assert.deepEqual(readSteps(new TextDecoder().decode(output), input), typed, `${name}: text`);
    assert.deepEqual(
      [alone.stage, alone.information, alone.errorPattern],
      [typed.stage, null, null],
      name,
    );
    const rows = (s) =>
      [
        s.codeVector,
        ...s.rotations.flatMap((r) => [r.word, r.syndrome]),
        s.outcome && s.outcome.corrected,
        s.outcome && s.outcome.transmitted,
      ].filter(Boolean);
    rows(alone).forEach((row, i) => {
      const where = `${name} row ${i}`;
      if (row.split === 'ambiguous') assert.equal(rows(typed)[i].split, 'input', where);
      else assert.deepEqual(row.values, rows(typed)[i].values, where);
    });
  }
});

// Known facts of named runs. Positions count from 0 at the left; an error at p stands at
// (p + k) mod 31 after k rotations, so a single error at p is trapped after 21 - p rotations.
const corrected = (changed, wrong = []) => ({ kind: 'corrected', changed, wrong });
const KNOWN = {
  single_error_at_20: {
    information: '101010101011001100111',
    ones: [20],
    positions: [20],
    rotations: 1,
    trappedErrors: [21],
    syndromeOnes: [21],
    outcome: corrected([20]),
    trapRotation: 1,
  },
  single_error_at_0: {
    positions: [0],
    rotations: 21,
    trappedErrors: [21],
    outcome: corrected([0]),
  },
  words_of_100000_characters: {
    information: '110100011010010001011',
    ones: [5],
    positions: [5],
    rotations: 16,
    outcome: corrected([5]),
  },
  errors_at_0_and_30: {
    positions: [0, 30],
    rotations: 22,
    trappedErrors: [21, 22],
    syndromeOnes: [21, 22],
    outcome: corrected([0, 30]),
    span: { first: 30, last: 0, length: 2 },
    trapRotation: 22,
  },
  // 0 and 29 stand in 21..30 together only from the 23rd rotation on.
  errors_at_0_and_29_uncorrectable: {
    positions: [0, 29],
    rotations: 22,
    outcome: { kind: 'uncorrectable' },
    span: { first: 29, last: 0, length: 3 },
    trapRotation: 23,
  },
  // 22 and 0 stand in 21..30 together only after 30 rotations, 0 at 30 and 22 at 21.
  errors_at_0_and_22_uncorrectable: {
    ones: [0, 22],
    positions: [0, 22],
    rotations: 22,
    outcome: { kind: 'uncorrectable' },
    span: { first: 22, last: 0, length: 10 },
    trapRotation: 30,
  },
  errors_at_0_and_11_span_of_12: {
    positions: [0, 11],
    rotations: 22,
    span: { first: 0, last: 11, length: 12 },
    trapRotation: null,
  },
  // All three in the window from the start (weight 3); rotations only take them out of it.
  three_errors_from_28_to_30: {
    positions: [28, 29, 30],
    parityOnly: true,
    verdict: 'correction',
    receivedSyndromeOnes: [28, 29, 30],
    rotations: 22,
    outcome: { kind: 'uncorrectable' },
    trapRotation: 0,
  },
  // 0 and 10 are 11 positions apart both ways round: no rotation brings both into a window of 10.
  pauses_at_end_of_input: {
    ones: [0, 10],
    positions: [0, 10],
    rotations: 22,
    outcome: { kind: 'uncorrectable' },
    span: { first: 0, last: 10, length: 11 },
    trapRotation: null,
  },
  // The weight falls to 2 at the 14th rotation with syndrome ones under 21 and 29, which are 7
  // and 15 rotated back: a wrong code word, three errors being more than the code corrects.
  three_errors_miscorrected: {
    information: zeros(21),
    ones: [0, 1, 3],
    positions: [0, 1, 3],
    rotations: 14,
    trappedErrors: [14, 15, 17],
    errorsInWindow: false,
    syndromeOnes: [21, 29],
    syndromeShowsErrors: false,
    outcome: corrected([7, 15], [0, 1, 3, 7, 15]),
  },
  error_in_parity_only: {
    positions: [21],
    parityOnly: true,
    verdict: 'no-correction',
    rotations: 0,
    trapRotation: 0,
    receivedSyndromeOnes: [21],
  },
  crlf_line_ends: {
    information: '101010101011001100111',
    positions: [21],
    parityOnly: true,
    verdict: 'no-correction',
  },
  two_errors_in_parity: {
    ones: [22, 30],
    positions: [22, 30],
    parityOnly: true,
    verdict: 'no-correction',
    receivedSyndromeOnes: [22, 30],
  },
  // '2' is carried as 2: the code vector starts with it, the received word does not.
  digit_two_in_information: {
    information: `2${zeros(20)}`,
    informationValues: [2, 0],
    codeVector: [2, 0],
    positions: [0],
    rotations: 21,
    outcome: corrected([0], [0]),
    unusual: ['information', 'codeVector', 'outcome.transmitted'],
  },
  // Bytes 255, '1', 128 are -49, 1, -176; the typed word tells how "-491-176" splits. The error
  // pattern's two bytes are the UTF-8 of 'é', 195 and 169: -109 and -135.
  bytes_over_127: {
    informationBytes: [255, 49, 128, 48],
    informationValues: [-49, 1, -176, 0],
    codeVector: [-49, 1, -176, 0],
    split: 'input',
    alone: 'ambiguous',
    errorValues: { 0: -109, 1: -135, 2: 0 },
    positions: [0, 1, 2],
    rotations: 21,
    outcome: corrected([0, 1], [0, 2]),
    unusual: ['information', 'codeVector', 'errorPattern', 'outcome.transmitted'],
  },
  letters_and_digits_1a2: {
    information: `1a2${zeros(18)}`,
    informationValues: [1, 49, 2, 0],
    codeVector: [1, 49, 2, 0],
    split: 'input',
    alone: 'ambiguous',
    positions: [1, 2],
    verdict: 'no-correction',
    unusual: ['information', 'codeVector'],
  },
  slash_gives_minus_one: {
    informationValues: [-1, 0],
    codeVector: [-1, 0],
    positions: [0],
    verdict: 'no-correction',
    unusual: ['information', 'codeVector'],
  },
  // '-' in the error pattern is -3, and (-3 + 0 + 2) rem 2 = -1 is printed as it is.
  minus_gives_minus_one: {
    errorValues: { 29: 0, 30: -3 },
    received: { 30: -1 },
    syndrome: { 9: -1 },
    receivedSyndromeOnes: [],
    weight: 0,
    positions: [30],
    parityOnly: true,
    unusual: ['errorPattern', 'rotations.0.word', 'rotations.0.syndrome'],
  },
  minus_one_in_corrected_parity: {
    ones: [1, 6],
    errorOutside: [12],
    positions: [1, 6, 12],
    rotations: 14,
    corrected: { 12: -1, 14: 1 },
    outcome: corrected([7, 14], [1, 6, 7, 12, 14]),
    unusual: [
      'errorPattern',
      ...range(0, 14).map((k) => `rotations.${k}.word`),
      'outcome.corrected',
    ],
  },
  nul_inside_word: { information: `1${zeros(20)}`, error: zeros(31), positions: [] },
  two_words_on_one_line: { information: `10${zeros(19)}`, error: zeros(31), positions: [] },
  blank_lines_before_words: { information: `110011${zeros(15)}`, error: zeros(31), positions: [] },
  end_of_input_before_first_word: {
    information: '101010101011001100111',
    typed: [false, false],
    error: zeros(31),
  },
  end_of_input_before_error_pattern: {
    information: `1${zeros(20)}`,
    typed: [true, false],
    error: zeros(31),
  },
};

// The facts a table entry can name, read from the steps.
function known(s, alone) {
  const trapped = s.rotations.slice(1).find((r) => r.trapped);
  const pick = (values, at) =>
    values && Object.fromEntries(Object.keys(at).map((p) => [p, values[p]]));
  return {
    information: () => s.information.text,
    informationBytes: (e) => s.information.bytes.slice(0, e.length),
    informationValues: (e) => s.information.values.slice(0, e.length),
    typed: () => [s.information.typed, s.errorPattern.typed],
    error: () => s.errorPattern.text,
    ones: () => s.errorPattern.ones,
    errorValues: (e) => pick(s.errorPattern.values, e),
    errorOutside: () => s.errorPattern.nonBinary,
    codeVector: (e) => s.codeVector.values.slice(0, e.length),
    split: () => s.codeVector.split,
    alone: () => alone.codeVector.split,
    received: (e) => pick(s.rotations[0].word.values, e),
    syndrome: (e) => pick(s.rotations[0].syndrome.values, e),
    weight: () => s.rotations[0].weight,
    receivedSyndromeOnes: () => s.rotations[0].syndromeOnes,
    verdict: () => s.verdict,
    positions: () => s.errors.positions,
    parityOnly: () => s.errors.parityOnly,
    span: () => s.errors.span,
    trapRotation: () => s.errors.trapRotation,
    rotations: () => s.rotations.length - 1,
    trappedErrors: () => trapped.errorsAt,
    errorsInWindow: () => trapped.errorsInWindow,
    syndromeOnes: () => trapped.syndromeOnes,
    syndromeShowsErrors: () => trapped.syndromeShowsErrors,
    corrected: (e) => pick(s.outcome.corrected.values, e),
    outcome: (e) => Object.fromEntries(Object.keys(e).map((key) => [key, s.outcome[key]])),
    unusual: () => s.unusual,
  };
}

test('named transcripts: the known facts', () => {
  for (const [name, expected] of Object.entries(KNOWN)) {
    const { input, output } = load(name);
    const read = known(readSteps(output, input), readSteps(output));
    for (const [fact, value] of Object.entries(expected)) {
      assert.deepEqual(read[fact](value), value, `${name}: ${fact}`);
    }
    if (!('unusual' in expected)) assert.deepEqual(read.unusual(), [], `${name}: unusual`);
  }
});

test('the typed words: chunks as the page hands them over, and a pause row by row', () => {
  const { output } = load('end_of_input_before_error_pattern');
  // "1 " handed over by Ctrl-D: the word ends at the blank, the rest of that chunk is dropped,
  // and the next chunk is the error pattern; typed as one line, "zz" goes with it.
  const chunked = readSteps(output, ['1 ', 'zz\n', '0\n']);
  const { information, errorPattern } = chunked;
  assert.deepEqual(
    [information.text, errorPattern.text, errorPattern.values.slice(0, 3)],
    [`1${zeros(20)}`, `zz${zeros(29)}`, [74, 74, 0]],
  );
  assert.equal(readSteps(output, '1 zz\n0\n').errorPattern.text, zeros(31));
  // A word handed over in two parts is one word.
  assert.equal(readSteps(output, ['1', '0', '1\n']).information.text, `101${zeros(18)}`);
  // ':' is 10, printed "10" like a one and a zero: the row is one character too long, so it is
  // not 0/1 even where, without the typed word, its values cannot be told.
  const two = load('digit_two_in_information').output.toString('latin1');
  const colon = two
    .slice(0, two.indexOf('\n', two.indexOf('wektor kodowy')) + 1)
    .replace(': 2', ': 10');
  const typed = readSteps(colon, ':\n');
  assert.deepEqual(
    [typed.codeVector.values.slice(0, 2), typed.codeVector.nonBinary, typed.unusual],
    [[10, 0], [0], ['information', 'codeVector']],
  );
  const alone = readSteps(colon);
  assert.deepEqual([alone.codeVector.split, alone.unusual], ['ambiguous', ['codeVector']]);
  // Waiting at the third pause of a run: three rotations, the last one waiting, no outcome.
  const run = load('single_error_at_0');
  const text = run.output.toString('latin1');
  let third = 0;
  for (let i = 0; i < 3; i += 1) third = text.indexOf('<Enter>\n', third) + '<Enter>\n'.length;
  const s = readSteps(run.output.subarray(0, third), run.input);
  assert.deepEqual(
    [s.stage, s.waiting, s.rotations.map((r) => r.waiting), s.outcome],
    ['rotation', 'rotation', [false, false, false, true], null],
  );
  assert.deepEqual(
    s.rotations.map((r) => r.errorsAt),
    [[0], [1], [2], [3]],
  );
});

// Whatever the output: spoiled transcripts never make it throw; an 'x', which the program never
// writes, is reported as unexpected at or before the place it stands.
test('spoiled outputs', () => {
  let seed = 16;
  const random = (n) => {
    seed = (seed * 48271) % 2147483647;
    return seed % n;
  };
  for (const name of names) {
    const { input, output } = load(name);
    for (let i = 0; i < 40; i += 1) {
      const spoiled = Buffer.from(output);
      const at = random(output.length);
      spoiled[at] = 'x'.charCodeAt(0);
      const s = readSteps(spoiled, input);
      assert.ok(s.unexpected !== null && s.unexpected.at <= at, `${name}: x at ${at}`);
      spoiled[at] = '01-29\n <'.charCodeAt(random(8));
      spoiled[random(output.length)] = '01-29\n <'.charCodeAt(random(8));
      const cut = spoiled.subarray(0, random(output.length + 1));
      assert.ok(STAGES.includes(readSteps(cut, input).stage), name);
    }
  }
  for (const odd of [undefined, null, 42, {}, new Uint8Array(0), '\xff'.repeat(99)]) {
    assert.ok(STAGES.includes(readSteps(odd, odd).stage));
  }
});
