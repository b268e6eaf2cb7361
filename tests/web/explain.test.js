// What the teaching view says (web/explain.js), on every transcript cut at every line end and
// whole: it never throws, shows a section only once the output holds its facts, marks exactly
// the positions the reader found, and never prints a value it does not have. Named runs: the
// verdicts, outcomes and spans a teacher would state.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { test } from 'node:test';
import { explain } from '../../web/explain.js';
import { readSteps } from '../../web/steps.js';

const folder = new URL('../transcripts/common/', import.meta.url);
const names = readdirSync(folder).filter((f) => f.endsWith('.in')).map((f) => f.slice(0, -3));
const load = (name) => ({
  input: readFileSync(new URL(`${name}.in`, folder)),
  output: readFileSync(new URL(`${name}.out`, folder)),
});

// The model's facts: section ids, the data of its paragraphs, and per row the marked positions.
function facts(model) {
  const data = {};
  const rows = {};
  const texts = [model.now];
  for (const section of model.sections) {
    for (const part of section.parts) {
      if (part.text) texts.push(part.text);
      Object.assign(data, part.data);
      for (const row of part.figure ? part.figure.rows : []) {
        const marks = {};
        for (const cell of row.cells ?? []) {
          assert.ok(cell.position >= 0 && cell.position <= 30, `${row.id}: ${cell.position}`);
          for (const mark of cell.marks) (marks[mark] ??= []).push(cell.position);
        }
        rows[`${section.id}.${row.id}`] = marks;
      }
      if (part.figure) texts.push(part.figure.caption);
    }
  }
  return { sections: model.sections.map((s) => s.id), data, rows, texts };
}

test('every transcript cut at every line end: sections follow the facts, marks follow the reader',
     () => {
  for (const name of names) {
    const { input, output } = load(name);
    const ends = [...output.keys()].filter((i) => output[i] === 10).map((i) => i + 1);
    for (const cut of [0, ...ends]) {
      const steps = readSteps(output.subarray(0, cut), input);
      const where = `${name} cut at ${cut}`;
      const { sections, rows, texts } = facts(explain(steps, cut === output.length));
      const expected = [['encoding', steps.codeVector], ['error', steps.received],
        ['syndrome', steps.weight !== null], ['rotations', steps.rotations.length > 0],
        ['trapped', steps.rotations.some((r) => r.trapped)], ['result', steps.outcome]]
        .filter(([, held]) => held).map(([id]) => id);
      assert.deepEqual(sections, expected, where);
      for (const text of texts) assert.doesNotMatch(text, /undefined|null|NaN|\[object/, where);
      const errorsIn = (row) => rows[row].error ?? [];
      if (steps.received) {
        assert.deepEqual(errorsIn('error.received'), steps.errors?.positions ?? [], where);
      }
      for (const r of steps.rotations) {
        assert.deepEqual(errorsIn(`rotations.rotation-${r.shift}`), r.errorsAt ?? [], where);
      }
    }
  }
});

const KNOWN = {
  single_error_at_20: { verdict: 'correction', trapped: 1, outcome: 'corrected', changed: '20',
    marks: { 'rotations.rotation-1': { error: [21] },
      'rotations.rotation-1-syndrome': { changed: [21] }, 'result.corrected': { changed: [20] } } },
  error_in_parity_only: { verdict: 'no-correction', parityOnly: '21', sections: 3 },
  three_errors_miscorrected: { trapped: 14, outcome: 'miscorrected', wrong: '0 1 3 7 15',
    says: /Błędów było 3, a kod poprawia co najwyżej dwa/,
    marks: { 'result.corrected': { error: [0, 1, 3, 7, 15], changed: [7, 15] } } },
  errors_at_0_and_29_uncorrectable: { outcome: 'uncorrectable', spanFirst: 29, spanLast: 0,
    spanLength: 3, says: /dopiero po 23\. przesunięciu/,
    marks: { 'result.span': { span: [0, 29, 30] } } },
  pauses_at_end_of_input: { outcome: 'uncorrectable', spanLength: 11,
    says: /więcej niż 10 pozycji/ },
  digit_two_in_information: { unusual: '0', outcome: 'miscorrected', wrong: '0',
    marks: { 'encoding.code-vector': { outside: [0] } } },
  // Three typed values outside 0/1: no claim that three errors beat the code.
  bytes_over_127: { outcome: 'miscorrected', wrong: '0 2', unsaid: /co najwyżej dwa/ },
};

test('named transcripts: verdicts, outcomes, spans and marks', () => {
  for (const [name, expected] of Object.entries(KNOWN)) {
    const { input, output } = load(name);
    const { sections, data, rows, texts } = facts(explain(readSteps(output, input), true));
    const { marks = {}, says, unsaid, sections: count, ...attributes } = expected;
    for (const [key, value] of Object.entries(attributes)) {
      assert.equal(data[key], value, `${name}: ${key}`);
    }
    for (const [row, expectedMarks] of Object.entries(marks)) {
      assert.deepEqual(rows[row], expectedMarks, `${name}: ${row}`);
    }
    if (says) assert.ok(texts.some((text) => says.test(text)), `${name}: says ${says}`);
    if (unsaid) assert.ok(!texts.some((text) => unsaid.test(text)), `${name}: ${unsaid}`);
    if (count) assert.equal(sections.length, count, name);
  }
});
