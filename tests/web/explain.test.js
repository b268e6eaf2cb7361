// What the teaching view says (web/teaching/explain.js), on every transcript cut at every line end and
// whole: it never throws, shows a section only once the output holds its facts, marks exactly
// the positions the reader found, and never prints a value it does not have. Named runs: the
// verdicts, outcomes and spans a teacher would state. And every single, double and triple
// error on one word, run through the real program (bch.wasm under Node): each fact a part of
// the view states (its data attributes) is checked against where the errors really stand, in
// Polish and in English alike: the two say the same facts.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { runProgram } from '../../web/program/engine.js';
import { CODE_LENGTH, GENERATOR } from '../../web/program/program.js';
import { explain, why } from '../../web/teaching/explain.js';
import { FACTS, speaker } from '../../web/text/language.js';
import { readSteps } from '../../web/teaching/steps.js';
import { clock } from '../../web/teaching/register.js';

const polish = speaker('pl');
const english = speaker('en');
const folder = new URL('../transcripts/common/', import.meta.url);
const names = readdirSync(folder)
  .filter((f) => f.endsWith('.in'))
  .map((f) => f.slice(0, -3));
const load = (name) => ({
  input: readFileSync(new URL(`${name}.in`, folder)),
  output: readFileSync(new URL(`${name}.out`, folder)),
});

// A paragraph states every number its data carries (but for the count of errors, which the
// sentence on the weight rule names only where it exceeds two).
function assertStated(part) {
  for (const [key, value] of Object.entries(part.data ?? {})) {
    if (key === 'errorCount' || !/^\d+( \d+)*$/.test(String(value))) continue;
    for (const n of String(value).split(' ')) {
      assert.match(part.text, new RegExp(`(^|\\D)${n}(\\D|$)`), `${key} ${n}: ${part.text}`);
    }
  }
}

// The positions a figure's row marks, by mark: { error: [21], changed: [21] }.
function rowMarks(row) {
  const marks = {};
  for (const cell of row.cells ?? []) {
    assert.ok(cell.position >= 0 && cell.position < CODE_LENGTH, `${row.id}: ${cell.position}`);
    for (const mark of cell.marks) (marks[mark] ??= []).push(cell.position);
  }
  return marks;
}

// The model's facts: section ids, the data of its paragraphs, and per row the marked positions.
function facts(model) {
  const data = {};
  const rows = {};
  const texts = [model.now];
  for (const section of model.sections) {
    for (const part of section.parts) {
      if (part.text) texts.push(part.text);
      if (part.division) texts.push(part.division.caption, ...part.division.sentences);
      if (part.register) texts.push(part.register.caption, part.register.label);
      assertStated(part);
      Object.assign(data, part.data);
      for (const row of part.figure?.rows ?? []) rows[`${section.id}.${row.id}`] = rowMarks(row);
      if (part.figure) texts.push(part.figure.caption);
    }
  }
  return { sections: model.sections.map((s) => s.id), data, rows, texts };
}

// Never an empty value; and after a count other than 1 the plural "po 2 przesunięciach", the
// singular only after an ordinal ("po 2. przesunięciu"), in the panel too.
const WRONG_TEXT = /undefined|null|NaN|\[object|(?<=\d|\bp)(?<!\b1) przesunięciu/;
test('every transcript cut at every line end: sections follow the facts, marks follow the reader', () => {
  for (const text of why(polish).points.flatMap((point) => point.paragraphs)) {
    assert.doesNotMatch(text, WRONG_TEXT);
  }
  for (const name of names) {
    const { input, output } = load(name);
    const ends = [...output.keys()].filter((i) => output[i] === 10).map((i) => i + 1);
    for (const cut of [0, ...ends]) {
      const steps = readSteps(output.subarray(0, cut), input);
      const where = `${name} cut at ${cut}`;
      const model = explain(steps, cut === output.length, polish);
      const { sections, rows, texts } = facts(model);
      checkArithmetic(model, steps, where);
      const expected = [
        ['encoding', steps.codeVector],
        ['error', steps.rotations.length > 0],
        ['syndrome', (steps.rotations[0]?.weight ?? null) !== null],
        ['rotations', steps.rotations.length > 1],
        ['trapped', steps.rotations.slice(1).some((r) => r.trapped)],
        ['result', steps.outcome],
      ]
        .filter(([, held]) => held)
        .map(([id]) => id);
      assert.deepEqual(sections, expected, where);
      for (const text of texts) assert.doesNotMatch(text, WRONG_TEXT, where);
      const errorsIn = (row) => rows[row].error ?? [];
      if (steps.rotations.length > 0) {
        assert.deepEqual(errorsIn('error.received'), steps.errors?.positions ?? [], where);
      }
      for (const r of steps.rotations.slice(1)) {
        assert.deepEqual(errorsIn(`rotations.rotation-${r.shift}`), r.errorsAt ?? [], where);
      }
    }
  }
});

// --- The arithmetic: divisions and the syndrome register, checked against the printed digits -

// Polynomials over GF(2) as numbers, bit i the coefficient of x^i: a printed row, highest degree
// first, and the product of two modulo g(x), by shift and subtract. An arithmetic of its own, not
// the page's: the remainder and the register are checked against it.
const asNumber = (values) => values.reduce((value, bit) => value * 2n + BigInt(bit), 0n);
const G = asNumber(GENERATOR);
function reduce(value) {
  let rest = value;
  for (let degree = 40n; degree >= 10n; degree -= 1n) {
    if ((rest >> degree) & 1n) rest ^= G << (degree - 10n);
  }
  return rest;
}
const timesX30 = (value) => reduce(value << 30n);
const isBits = (values) => values?.every((value) => value === 0 || value === 1) ?? false;

// The division shown in a section (or the sentence why none is), against what the program
// printed: its rows' bits are the dividend's minus g(x) at each leading 1, and its remainder is
// the printed parity part or syndrome, which is also the dividend mod g(x) in the test's own
// arithmetic.
function checkDivision(section, dividend, printed, where) {
  const shown = section.parts.find((part) => part.division);
  const none = section.parts.find((part) => part.data?.division === 'none');
  if (!isBits(dividend) || !isBits(printed)) {
    assert.ok(none && !shown, `${where}: ${section.id} shows a division of non-bits`);
    return 0;
  }
  assert.ok(shown && !none, `${where}: ${section.id} shows no division`);
  const { rows, data } = shown.division;
  const bits = (row) => row.cells.map((cell) => cell.text).join('');
  const remainder = rows.find((row) => row.id === 'remainder');
  assert.equal(bits(remainder), printed.join(''), `${where}: ${section.id} remainder`);
  assert.equal(remainder.cells[0].position, 21, where);
  assert.equal(asNumber(printed), reduce(asNumber(dividend)), `${where}: printed is not r mod g`);
  assert.equal(data.matches, 'true', where);
  // Each step: g under a leading 1 of the working word, and the difference below it.
  const working = [...dividend];
  for (const row of rows.filter((r) => r.kind === 'subtract')) {
    const at = row.cells[0].position;
    assert.equal(working.indexOf(1), at, `${where}: step at ${at}`);
    GENERATOR.forEach((bit, j) => (working[at + j] ^= bit));
    const difference = rows.find((r) => r.id === row.id.replace('subtract', 'difference'));
    assert.equal(bits(difference), working.slice(at + 1, at + 11).join(''), where);
  }
  assert.equal(working.slice(0, 21).join(''), '0'.repeat(21), where);
  return rows.filter((r) => r.kind === 'subtract').length;
}

// Every printed rotation's syndrome is the previous one times x^30 mod g(x), one clock of the
// register: the table's note says which digit left and whether the taps were added. Where the
// syndromes are not bits, the view says the rule does not apply and shows no clock.
function checkRegister(model, steps, where) {
  const section = model.sections.find((s) => s.id === 'rotations');
  if (!section) return 0;
  const figure = section.parts.find((part) => part.figure).figure;
  const said = section.parts.find((part) => part.data?.register)?.data.register;
  let clocks = 0;
  for (const rotation of steps.rotations.slice(1).filter((r) => r.syndrome)) {
    const before = steps.rotations[rotation.shift - 1].syndrome.values;
    const after = rotation.syndrome.values;
    const row = figure.rows.find((r) => r.id === `rotation-${rotation.shift}-syndrome`);
    if (!isBits(before) || !isBits(after)) {
      assert.equal(said, 'none', `${where}: rotation ${rotation.shift}`);
      assert.equal(row.data, undefined, `${where}: a clock shown at ${rotation.shift}`);
      continue;
    }
    if (asNumber(after) !== timesX30(asNumber(before))) {
      assert.ok(['none', 'astray'].includes(said), `${where}: rotation ${rotation.shift}`);
      continue;
    }
    clocks += 1;
    assert.deepEqual(row.data, { clockOut: before[9], taps: String(before[9] === 1) }, where);
    assert.equal(row.note, `${before[9]}→${before[9] === 1 ? '+g' : ''}`, where);
  }
  if (clocks > 0 && said === 'clock') {
    const { register } = section.parts.find((part) => part.register);
    const last = steps.rotations.filter((r) => r.syndrome).at(-1);
    assert.deepEqual([register.shift, register.current], [last.shift, last.syndrome.values], where);
  }
  return clocks;
}

function checkArithmetic(model, steps, where) {
  const section = (id) => model.sections.find((s) => s.id === id);
  if (section('encoding') && steps.information && steps.codeVector.values) {
    const dividend = [...steps.information.values, ...new Array(10).fill(0)];
    const parity = steps.codeVector.values.slice(21);
    checkDivision(section('encoding'), dividend, parity, where);
  }
  const received = steps.rotations[0];
  if (section('syndrome')) {
    checkDivision(section('syndrome'), received.word.values, received.syndrome.values, where);
  }
  return checkRegister(model, steps, where);
}

test("the register's clock, s'[q] = s[q-1] + s[9]·g[q], is x^30 mod g(x) on every syndrome", () => {
  for (let value = 0; value < 1024; value += 1) {
    const syndrome = [...value.toString(2).padStart(10, '0')].map(Number);
    const { out, taps, next } = clock(syndrome);
    assert.equal(asNumber(next), timesX30(BigInt(value)), syndrome.join(''));
    assert.deepEqual([out, taps], [syndrome[9], syndrome[9] === 1]);
  }
});

const KNOWN = {
  single_error_at_20: {
    verdict: 'correction',
    trapped: 1,
    rotateBack: 30,
    outcome: 'corrected',
    changed: '20',
    marks: {
      'rotations.rotation-1': { error: [21] },
      'rotations.rotation-1-syndrome': { changed: [21] },
      'result.corrected': { changed: [20] },
    },
  },
  error_in_parity_only: { verdict: 'no-correction', parityOnly: '21', sections: 3 },
  three_errors_miscorrected: {
    trapped: 14,
    errorsTrapped: 'no',
    flipsWithoutError: '21 29',
    outcome: 'miscorrected',
    wrong: '0 1 3 7 15',
    limit: 'code',
    rotateBack: 17,
    marks: {
      'result.corrected': { error: [0, 1, 3, 7, 15], changed: [7, 15] },
      'rotations.rotation-14-syndrome': { changed: [21, 29] },
    },
  },
  errors_at_0_and_29_uncorrectable: {
    outcome: 'uncorrectable',
    limit: 'decoder',
    reason: 'rotations',
    spanFirst: 29,
    spanLast: 0,
    spanLength: 3,
    says: /dopiero po 23\. przesunięciu/,
    marks: { 'result.span': { span: [0, 29, 30] } },
  },
  pauses_at_end_of_input: {
    outcome: 'uncorrectable',
    limit: 'decoder',
    reason: 'span',
    spanLength: 11,
    says: /11 pozycji/,
  },
  errors_at_0_and_30: { trapped: 22, rotateBack: 9, outcome: 'corrected' },
  // Both would stand in the window after 30 rotations, 8 more than the program makes.
  errors_at_0_and_22_uncorrectable: {
    outcome: 'uncorrectable',
    limit: 'decoder',
    reason: 'rotations',
    trapRotation: 30,
    spanFirst: 22,
    spanLast: 0,
    spanLength: 10,
  },
  errors_at_0_and_11_span_of_12: { reason: 'span', spanLength: 12, says: /ma 12 pozycji\./ },
  // In the window before any rotation, and weighing 3 there: the cause is their number, not
  // that the rotations moved them out.
  three_errors_from_28_to_30: {
    verdict: 'correction',
    outcome: 'uncorrectable',
    limit: 'code',
    reason: 'count',
    spanFirst: 28,
    spanLength: 3,
    unsaid: /wyprowadziły|weszłyby/,
  },
  // No division of the information word with a 2 in it; the received word is bits again.
  digit_two_in_information: {
    says: /^Dzielenia nie pokazujemy: ciąg informacyjny/,
    division: 'syndrome',
    register: 'clock',
    unusual: '0',
    outcome: 'miscorrected',
    wrong: '0',
    marks: { 'encoding.code-vector': { 'non-binary': [0] } },
  },
  // Three typed values outside 0/1: no claim that three errors beat the code.
  bytes_over_127: { outcome: 'miscorrected', wrong: '0 2', limit: '' },
  // The -1 in the received word is not a one: weight 0, and the view does not count errors.
  minus_gives_minus_one: { verdict: 'no-correction', errorCount: '', parityOnly: '30' },
};

test('named transcripts: verdicts, outcomes, spans and marks', () => {
  for (const [name, expected] of Object.entries(KNOWN)) {
    const { input, output } = load(name);
    const { sections, data, rows, texts } = facts(explain(readSteps(output, input), true, polish));
    const { marks = {}, says, unsaid, sections: count, ...attributes } = expected;
    for (const [key, value] of Object.entries(attributes)) {
      assert.equal(data[key], value, `${name}: ${key}`);
    }
    for (const [row, expectedMarks] of Object.entries(marks)) {
      assert.deepEqual(rows[row], expectedMarks, `${name}: ${row}`);
    }
    if (says)
      assert.ok(
        texts.some((text) => says.test(text)),
        `${name}: says ${says}`,
      );
    if (unsaid) assert.ok(!texts.some((text) => unsaid.test(text)), `${name}: ${unsaid}`);
    if (count) assert.equal(sections.length, count, name);
  }
});

// --- Every error pattern of weight 1, 2 and 3 on one word --------------------------------

const program = await WebAssembly.compile(readFileSync(join(process.env.BCH_SITE, 'bch.wasm')));
const encoder = new TextEncoder();
// The program's run on a word and an error pattern, Enter at every pause.
// errors: the positions of the pattern's ones, or the pattern as typed.
async function session(information, errors) {
  const pattern =
    typeof errors === 'string'
      ? errors
      : [...'0'.repeat(31)].map((bit, p) => (errors.includes(p) ? '1' : bit)).join('');
  const chunks = [`${information}\n`, `${pattern}\n`, ...new Array(23).fill('\n')].map((text) =>
    encoder.encode(text),
  );
  const { output, exited } = await runProgram(program, chunks, false);
  assert.ok(exited);
  return readSteps(output, chunks);
}
// Every set of `weight` positions from `from` on, ascending.
function* patterns(weight, from = 0) {
  if (weight === 0) {
    yield [];
    return;
  }
  for (let p = from; p < 31; p += 1) {
    for (const rest of patterns(weight - 1, p + 1)) yield [p, ...rest];
  }
}

// Where errors stand after k rotations, and whether all in the window 21..30: the model the
// view's claims are checked against, from the positions alone.
const movedBy = (errors, k) => errors.map((p) => (p + k) % 31);
const allInWindow = (errors, k) => movedBy(errors, k).every((p) => p >= 21);
const numbers = (text) => (text === '' ? [] : text.split(' ').map(Number));

// The facts of every part, and of every row of every figure: the same in both languages.
const factsOf = (model) =>
  model.sections.map((section) => [
    section.id,
    section.parts.map((part) => [part.data ?? null, part.why ?? null, part.figure?.rows ?? null]),
  ]);

// One part's claims against where the errors of the run stand. run: { s (the steps), errors,
// n (their number), data (every part's data merged), where }.
function checkPart(section, facts, run, titles) {
  const { s, errors, n, data, where } = run;
  if ('missed' in facts) {
    assert.deepEqual(
      numbers(facts.missed),
      errors.filter((p) => p < 21),
      where,
    );
  }
  if ('errorsTrapped' in facts) {
    const k = facts.trapped;
    assert.equal(facts.errorsTrapped, allInWindow(errors, k) ? 'yes' : 'no', where);
    titles[facts.errorsTrapped].add(section.title);
  }
  if ('flipsWithoutError' in facts) {
    // Named as flipping a correct bit: a syndrome one, and no error stands there.
    const k = data.trapped;
    const { values } = s.rotations[k].syndrome;
    const flips = (p) => values[p - 21] === 1;
    for (const p of numbers(facts.flipsWithoutError)) {
      assert.ok(!movedBy(errors, k).includes(p) && flips(p), `${where}: ${p}`);
    }
    for (const p of numbers(facts.fixes)) {
      assert.ok(movedBy(errors, k).includes(p) && flips(p), `${where}: ${p}`);
    }
  }
  if ('allInWindow' in facts) {
    // All in the window: the printed weight is the number of errors, and above 2; what the
    // program does next is what it printed next: another rotation, or it gave up.
    const k = facts.allInWindow;
    assert.ok(allInWindow(errors, k), where);
    assert.deepEqual([facts.weight, s.rotations[k].weight], [n, n], where);
    assert.ok(n > 2, where);
    const last = s.rotations.length === k + 1 && s.outcome.kind === 'uncorrectable';
    assert.equal(facts.next, last ? 'gives-up' : 'rotation', where);
  }
  // A received word that is a code word other than the one sent: five errors at least (d = 5).
  if (facts.codeWord === 'true') assert.ok(n >= 5, where);
}

// Sentences found false on some run, in either language: a conclusion denied that may hold, a
// weight with no verb, a claim for every single error (those in the parity part stay), a code
// that guarantees nothing beyond two errors (d = 5 still keeps 3 and 4 errors from a zero
// syndrome), the decoder's count of 243 (45 of them stay in the word), a miscorrection with no
// rotation made, the weight rule without its condition.
const NEVER_SAID = [
  /neither does the conclusion|wniosek (też )?nie zachodzi/,
  /\bits weight \d/,
  /every single error is corrected|każdy zostaje poprawiony/,
  /guarantees nothing|niczego nie gwarantuje/,
  /\b243\b/,
  /^Why a weight|^Dlaczego waga/,
  /shifts on/,
];
const texts = (model) => [
  model.now,
  ...model.sections.flatMap((section) => [
    section.title,
    ...section.parts.map((part) => part.text ?? part.figure?.caption ?? ''),
  ]),
];

// A run of two errors counted by what the view says came of it.
function tally(twoErrors, { errors, data, where }) {
  twoErrors.patterns += 1;
  if (data.verdict === 'no-correction') twoErrors['no-correction'] += 1;
  if (data.outcome === 'corrected') twoErrors.corrected += 1;
  if (data.outcome !== 'uncorrectable') return;
  twoErrors[data.limit] += 1;
  twoErrors[data.reason] += 1;
  // 'span': no rotation at all brings both into the window.
  const fits = [...Array(31).keys()].some((k) => allInWindow(errors, k));
  assert.equal(data.reason, fits ? 'rotations' : 'span', where);
}

// Two errors the program gave up on: the register, clocked on from the last printed syndrome
// for the rotations after the 22nd (up to the 30th; the 31st is the received word again),
// traps them later (a weight of 2 or less, and then both errors stand in the window) or never.
function beyond(twoErrors, { s, errors, where }) {
  let syndrome = s.rotations.at(-1).syndrome.values;
  assert.equal(s.rotations.length, 23, where);
  for (let k = 23; k <= 30; k += 1) {
    syndrome = clock(syndrome).next;
    if (syndrome.filter((bit) => bit === 1).length <= 2) {
      assert.ok(allInWindow(errors, k), `${where}: rotation ${k}`);
      twoErrors.later += 1;
      return;
    }
  }
  assert.ok(![...Array(31).keys()].some((k) => allInWindow(errors, k)), where);
  twoErrors.never += 1;
}

// The "why" panel writes the figures for two errors out: in both languages its paragraph on
// the decoder's limits states the sweep's counts, in this order (the numbers of the code, such
// as the window's 10 positions, aside); and nowhere does the panel state another number but
// the code's and those of the distance argument (d = 5, t = ⌊(d − 1)/2⌋ = 2, s + s = 0,
// 2 + 2 = 4 < 5, GF(32)).
function assertWhyStates(counts) {
  const { patterns, corrected, decoder, span, rotations, later, never } = counts;
  const parity = counts['no-correction'];
  const told = [patterns, parity, corrected, decoder, span, rotations, patterns, corrected, parity];
  const ofTheCode = new Set(Object.values(FACTS).filter(Number.isInteger));
  const stated = (text) => (text.match(/\d+/g) ?? []).map(Number).filter((m) => !ofTheCode.has(m));
  for (const say of [polish, english]) {
    const { points } = why(say);
    const limits = points.find((point) => point.id === 'why-limit').paragraphs[1];
    assert.deepEqual(stated(limits), told, limits);
    const further = points.find((point) => point.id === 'why-rotations').paragraphs[0];
    const trappable = parity + corrected + later;
    assert.deepEqual(stated(further), [later, never, trappable, patterns], further);
    const others = points.flatMap((point) => [point.title, ...point.paragraphs]);
    for (const text of others.filter((other) => ![limits, further].includes(other))) {
      for (const m of stated(text)) assert.ok([0, 1, 2, 4, 5, 32].includes(m), `${m} in: ${text}`);
      for (const wrong of NEVER_SAID) assert.doesNotMatch(text, wrong);
    }
  }
}

test('every single, double and triple error on one word, and five errors: each claim true', async () => {
  const runs = [1, 2, 3]
    .flatMap((weight) => [...patterns(weight)])
    .map((errors) => ['110100011010010001011', errors]);
  runs.push(['0'.repeat(21), [2, 8, 10, 13, 20]]); // a weight of 2 with an error under it
  const twoErrors = {
    patterns: 0,
    'no-correction': 0,
    corrected: 0,
    decoder: 0,
    span: 0,
    rotations: 0,
    later: 0,
    never: 0,
  };
  const titles = { yes: new Set(), no: new Set() };
  let clocks = 0;
  for (const [information, errors] of runs) {
    const s = await session(information, errors);
    const where = `errors at ${errors}`;
    const n = errors.length;
    const [inPolish, inEnglish] = [polish, english].map((say) => explain(s, true, say));
    assert.deepEqual(factsOf(inEnglish), factsOf(inPolish), `${where}: English and Polish`);
    const parts = inPolish.sections.flatMap((section) =>
      section.parts.filter((part) => part.data).map((part) => ({ section, data: part.data })),
    );
    const data = Object.assign({}, ...parts.map((part) => part.data));
    assert.deepEqual(numbers(data.errors), errors, where);
    if ('ruleHolds' in data) assert.equal(data.ruleHolds, String(n <= 2), where);
    const run = { s, errors, n, data, where };
    for (const { section, data: facts } of parts) checkPart(section, facts, run, titles);
    clocks += checkArithmetic(inPolish, s, where);
    // What the code could do is not blamed on it: at most two errors are the decoder's limit.
    if (data.outcome === 'uncorrectable' || data.outcome === 'miscorrected') {
      assert.equal(data.limit, n <= 2 ? 'decoder' : 'code', where);
      assert.ok(n > 2 || data.outcome === 'uncorrectable', `${where}: miscorrected`);
    }
    // A decoder's reason (span, rotations) only for what the code corrects; beyond it, the
    // number of errors.
    if (data.outcome === 'uncorrectable') {
      const reasons = n <= 2 ? ['span', 'rotations'] : ['count', 'all-in-window'];
      assert.ok(reasons.includes(data.reason), `${where}: ${data.reason}`);
    }
    for (const text of [inPolish, inEnglish].flatMap(texts)) {
      for (const wrong of NEVER_SAID) assert.doesNotMatch(text, wrong, where);
    }
    if (n === 2) tally(twoErrors, run);
    if (n === 2 && data.outcome === 'uncorrectable') beyond(twoErrors, run);
  }
  // Every rotation of every run is a clock of the register (at most 22 a run).
  assert.ok(clocks > 4000, `${clocks} clocks`);
  assert.deepEqual(twoErrors, {
    patterns: 465,
    'no-correction': 45,
    corrected: 198,
    decoder: 222,
    span: 186,
    rotations: 36,
    later: 36,
    never: 186,
  });
  assertWhyStates(twoErrors);
  assert.ok(titles.yes.size > 0 && titles.no.size > 0);
  for (const title of titles.yes) assert.ok(!titles.no.has(title), title);
});

// Values other than 0 and 1 typed: errors are counted only where a bit differs (modulo 2), and
// no claim about bit errors (a code word received, the syndrome being the error vector, a
// trapping's reason) rests on the values that differ.
const TYPED = [
  // "-" is −3: the received −1 differs from it in value, not in bit.
  ['-', '0', { errors: '0', bitErrors: '', verdict: 'no-correction' }],
  // Nothing changes modulo 2 ("x" is 72, even), though three values differ.
  ['abc', 'x', { errors: '0 1 2', bitErrors: '', verdict: 'no-correction', missed: undefined }],
  ['2 junk', '01-03', { bitErrors: '1 2 4', outcome: 'uncorrectable', reason: undefined }],
];
test('values other than 0 and 1: bit errors only where a bit differs, no claim of bit errors', async () => {
  for (const [information, pattern, expected] of TYPED) {
    const s = await session(information, pattern);
    const where = `${information} / ${pattern}`;
    for (const say of [polish, english]) {
      const { data, texts: said } = facts(explain(s, true, say));
      for (const [key, value] of Object.entries(expected)) assert.equal(data[key], value, where);
      assert.notEqual(data.codeWord, 'true', where);
      for (const text of said) assert.doesNotMatch(text, /code word other|słowem kodowym, innym/);
    }
  }
});

// A character typed at a pause is read there, and its line's Enter goes to the next pause: the
// view says so at that pause and at no other.
test('a character typed at a pause: read there, its Enter taken by the next pause', async () => {
  const lines = ['1', `${'0'.repeat(16)}1`, '', 'x', '', '', '', ''];
  const chunks = lines.map((line) => encoder.encode(`${line}\n`));
  const { output } = await runProgram(program, chunks, false);
  const s = readSteps(output, chunks);
  // Enter, "x", its Enter, Enter, Enter: the five pauses of an error trapped after 5 rotations.
  assert.deepEqual(
    s.rotations.slice(1).map((rotation) => rotation.took),
    [10, 120, 10, 10, 10],
  );
  for (const say of [polish, english]) {
    const { data, texts: said } = facts(explain(s, true, say));
    assert.equal(data.typedAtPause, 2);
    assert.equal(said.filter((text) => text.includes('“x”') || text.includes('„x”')).length, 1);
  }
});
