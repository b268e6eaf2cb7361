// The page's pure modules under Node. The engine: bch.wasm run through the page's own WASI
// shim must write, byte for byte, what the console program writes for every transcript input;
// cut off after some lines, the run stops at the first read past them with the output the
// whole run had written when it took the next line. The session's encoding in the address:
// known fragments, every byte through it and back, and damaged fragments refused.
// BCH_SITE names the built site (build-web/site).
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { runProgram } from '../../web/program/engine.js';
import { SessionError, decodeSession, encodeSession } from '../../web/program/address.js';
import { createSession } from '../../web/program/session.js';
import { readSteps } from '../../web/teaching/steps.js';

const site = process.env.BCH_SITE;
const transcripts = new URL('../transcripts/', import.meta.url).pathname;
const module = await WebAssembly.compile(readFileSync(join(site, 'bch.wasm')));

// The input as a terminal hands it over: line by line, a last line without its end as it is.
function lines(input) {
  const chunks = [];
  for (let start = 0; start < input.length;) {
    const end = input.indexOf(10, start);
    const stop = end < 0 ? input.length : end + 1;
    chunks.push(input.subarray(start, stop));
    start = stop;
  }
  return chunks;
}

for (const folder of ['common', 'posix']) {
  for (const name of readdirSync(join(transcripts, folder)).filter((f) => f.endsWith('.in'))) {
    const input = readFileSync(join(transcripts, folder, name));
    const expected = readFileSync(join(transcripts, folder, name.replace(/\.in$/, '.out')));
    test(`${folder}/${name}`, async () => {
      const chunks = lines(input);
      const whole = await runProgram(module, chunks, true);
      assert.equal(whole.exited, true);
      assert.equal(whole.exitCode, 0);
      assert.deepEqual(Buffer.from(whole.output), expected);
      // Cut off after every line: the run waits with exactly what the whole run had written
      // when it took the next line, or has ended with all of it where the whole run never
      // took that line. After the first line it waits.
      for (let kept = 1; kept < chunks.length; kept += 1) {
        const cut = await runProgram(module, chunks.slice(0, kept), false);
        assert.deepEqual(cut.marks, whole.marks.slice(0, kept), `cut after ${kept} lines`);
        if (cut.exited) {
          assert.ok(kept > 1, 'ended after the first line');
          assert.ok(whole.marks.length <= kept, `cut after ${kept} lines: ended too early`);
          assert.deepEqual(Buffer.from(cut.output), expected, `cut after ${kept} lines`);
        } else {
          assert.deepEqual(
            cut.output,
            whole.output.subarray(0, whole.marks[kept]),
            `cut after ${kept} lines`,
          );
        }
      }
    });
  }
}

// Hand-overs a terminal makes that no transcript file holds: a part of a line sent by Ctrl-D,
// and a line longer than the program's first read. Each run must equal the run of the same
// words typed as short lines, and the error pattern must be the second word: 11 flips the
// first two bits of 1's code vector (a wrong reading takes no pattern, or a run of ones).
const ones = '1'.repeat(200000);
const handOvers = [
  {
    name: "Ctrl-D after '1 ': the discard does not wait for the line end",
    chunks: ['1 ', '11\n'],
    sameAs: ['1\n', '11\n'],
    waitsAfterFirst:
      /Zakodowany ciag \(wektor kodowy\): 1000000000000000000001110110100\n.*\nPodaj blad wprowadzony do wektora kodowego: $/s,
  },
  {
    name: 'a line of 200,002 bytes: the discard reads on past the first read to its end',
    chunks: [`1 ${ones}\n`, '11\n'],
    sameAs: ['1\n', '11\n'],
  },
  {
    name: 'a word of 200,000 bytes, cut to 21, then a line end',
    chunks: [`${ones}\n`, '11\n'],
    sameAs: [`${'1'.repeat(21)}\n`, '11\n'],
    received: /Odebrany ciag: 001{19}/,
  },
];
for (const { name, chunks, sameAs, waitsAfterFirst, received } of handOvers) {
  test(name, async () => {
    const encode = (texts) => texts.map((text) => new TextEncoder().encode(text));
    const run = await runProgram(module, encode(chunks), true);
    const expected = await runProgram(module, encode(sameAs), true);
    assert.deepEqual(run.output, expected.output);
    assert.deepEqual(run.marks, expected.marks);
    const text = new TextDecoder().decode(run.output);
    assert.match(text, received ?? /Odebrany ciag: 0100000000000000000001110110100\n/);
    if (waitsAfterFirst) {
      const first = await runProgram(module, encode(chunks.slice(0, 1)), false);
      assert.equal(first.exited, false);
      assert.match(new TextDecoder().decode(first.output), waitsAfterFirst);
    }
  });
}

// The session in the address: known fragments both ways, every byte in every kind of
// hand-over through it and back, and fragments that are not sessions refused.
const bytes = (text) => new TextEncoder().encode(text);
const sessions = [
  { fragment: 'v1:', chunks: [], ended: false },
  { fragment: 'v1:e', chunks: [], ended: true },
  { fragment: 'v1:10%2001nne', chunks: ['10 01\n', '\n'], ended: true },
  { fragment: 'v1:1%20d11nn', chunks: ['1 ', '11\n', '\n'], ended: false },
  { fragment: 'v1:%C4%85%0D%25n%78%3Ad', chunks: ['\u0105\r%\n', 'x:'], ended: false },
  { fragment: 'v2:l=en;s=10%2001nne', chunks: ['10 01\n', '\n'], ended: true, language: 'en' },
  {
    fragment: 'v2:l=pl;t=trap-5;s=1n',
    chunks: ['1\n'],
    ended: false,
    language: 'pl',
    exercise: 'trap-5',
  },
  { fragment: 'v2:t=read.3;s=', chunks: [], ended: false, exercise: 'read.3' },
];
test('session fragments: known encodings both ways', () => {
  for (const { fragment, chunks, ended, language = null, exercise = null } of sessions) {
    assert.equal(encodeSession(chunks.map(bytes), ended, { language, exercise }), fragment);
    assert.deepEqual(decodeSession(fragment), {
      chunks: chunks.map(bytes),
      ended,
      language,
      exercise,
    });
  }
  assert.deepEqual(decodeSession(''), { chunks: [], ended: false, language: null, exercise: null });
  assert.deepEqual(decodeSession('v2:s=1n;l=en'), decodeSession('v2:l=en;s=1n'));
  assert.deepEqual(decodeSession('v1:%c4%85n'), decodeSession('v1:%C4%85n'));
});
test('session fragments: every byte, in a line, in a part of a line and alone', () => {
  for (let byte = 0; byte < 256; byte += 1) {
    const chunks = [[byte, 0x0a], [0x31, byte], [byte]].map((list) => Uint8Array.from(list));
    const fragment = encodeSession(chunks, true);
    assert.match(fragment, /^v1:[0-9A-F%nde]*e$/);
    assert.deepEqual(
      decodeSession(fragment),
      { chunks, ended: true, language: null, exercise: null },
      `byte ${byte}`,
    );
  }
});
test('session fragments: damaged or foreign ones are refused', () => {
  for (const fragment of [
    'top',
    'v2:1n',
    'V1:1n',
    'v1',
    'v1:1',
    'v1:1n%',
    'v1:%4n',
    'v1:%zzn',
    'v1:xn',
    'v1:d',
    'v1:1nd',
    'v1:en',
    'v1:ee',
    'v1:1e',
    'v1:1n1n ',
    'v2:l=de;s=1n',
    'v2:x=1;s=1n',
    'v2:l=en;l=pl',
    'v2:s=1n;s=1n',
    'v2:t=a b;s=1n',
    'v2:s=1x',
    'v3:1n',
  ]) {
    assert.throws(() => decodeSession(fragment), SessionError, fragment);
  }
});

// The session model over the real program: each row is an action and the session after it,
// as the address keeps it (the fragment), with what the action returned where it returns
// something, whether the program still waits, and how many hand-overs can be redone.
// Single error at 16: trapped after 5 rotations. Errors at 0 and 30: after 22, the most.
const PATTERN_16 = `${'0'.repeat(16)}1`;
const PATTERN_0_30 = `1${'0'.repeat(29)}1`;
const sessionScripts = {
  'type, take back, redo, Enter to the end, nothing taken after the end': [
    ['handOver', ['1\n'], 'v1:1n', { waiting: true }],
    ['handOver', [`${PATTERN_16}\n`], `v1:1n${PATTERN_16}n`, { waiting: true }],
    ['takeBack', [], 'v1:1n', { returned: `${PATTERN_16}\n`, undone: 1 }],
    ['redo', [], `v1:1n${PATTERN_16}n`, { returned: `${PATTERN_16}\n`, undone: 0 }],
    // Five pauses after the rotations, and the closing one.
    ['toEnd', [], `v1:1n${PATTERN_16}n${'n'.repeat(6)}`, { waiting: false }],
    ['handOver', ['1\n'], `v1:1n${PATTERN_16}n${'n'.repeat(6)}`, { returned: false }],
    ['takeBack', [], `v1:1n${PATTERN_16}n${'n'.repeat(5)}`, { waiting: true, undone: 1 }],
  ],
  'the controls: Enter to the end at a pause, the closing one too, never at a prompt': [
    ['handOver', ['1\n'], 'v1:1n', { controls: 'endInput step takeBack' }],
    [
      'handOver',
      [`${PATTERN_16}\n`, ...'\n'.repeat(5)],
      `v1:1n${PATTERN_16}n${'n'.repeat(5)}`,
      { waiting: true, controls: 'endInput step toEnd takeBack' },
    ],
    [
      'takeBack',
      [],
      `v1:1n${PATTERN_16}n${'n'.repeat(4)}`,
      { controls: 'endInput step toEnd takeBack redo' },
    ],
    ['toEnd', [], `v1:1n${PATTERN_16}n${'n'.repeat(6)}`, { waiting: false, controls: 'takeBack' }],
  ],
  'Enter to the end of the longest run: 22 pauses and the closing one': [
    ['handOver', ['1\n', `${PATTERN_0_30}\n`], `v1:1n${PATTERN_0_30}n`, { waiting: true }],
    ['toEnd', [], `v1:1n${PATTERN_0_30}n${'n'.repeat(23)}`, { waiting: false }],
  ],
  'a new hand-over forgets what was taken back': [
    ['handOver', ['1\n', '\n'], 'v1:1nn', {}],
    ['takeBack', [], 'v1:1n', { undone: 1 }],
    ['takeBack', [], '', { returned: '1\n', undone: 2 }],
    ['takeBack', [], '', { returned: undefined, undone: 2 }],
    ['handOver', ['11\n'], 'v1:11n', { undone: 0 }],
    ['redo', [], 'v1:11n', { returned: undefined }],
  ],
  'the last word taken back with its pauses at once, and redone one hand-over at a time': [
    ['handOver', ['1\n', `${PATTERN_16}\n`], `v1:1n${PATTERN_16}n`, {}],
    ['toEnd', [], `v1:1n${PATTERN_16}n${'n'.repeat(6)}`, { waiting: false }],
    ['takeBackWord', [], 'v1:1n', { returned: `${PATTERN_16}\n`, waiting: true, undone: 7 }],
    ['redo', [], `v1:1n${PATTERN_16}n`, { returned: `${PATTERN_16}\n`, undone: 6 }],
    ['redo', [], `v1:1n${PATTERN_16}nn`, { returned: '\n', undone: 5 }],
    ['takeBackWord', [], 'v1:1n', { undone: 7 }],
    ['takeBackWord', [], '', { returned: '1\n', undone: 8 }],
    ['takeBackWord', [], '', { returned: undefined, undone: 8 }],
    // Empty lines at a prompt and the end of the input, with no word: all of them, and null.
    ['start', [['\n', '\n'].map(bytes), true], 'v1:nne', { waiting: false }],
    ['takeBackWord', [], '', { returned: null, waiting: true, undone: 3 }],
  ],
  'the end of the input: taken, taken back, and ended again by a redo': [
    ['handOver', ['1\n'], 'v1:1n', {}],
    ['handOver', [], 'v1:1ne', { waiting: false }, true],
    ['takeBack', [], 'v1:1n', { returned: null, waiting: true, undone: 1 }],
    ['redo', [], 'v1:1ne', { returned: null, waiting: false, undone: 0 }],
    ['takeBack', [], 'v1:1n', { returned: null }],
    // At the closing pause of a run whose error pattern is all zeros, the end is its Enter.
    ['handOver', ['0\n'], 'v1:1n0n', { waiting: true }],
    ['handOver', [], 'v1:1n0ne', { waiting: false }, true],
    ['takeBack', [], 'v1:1n0n', { returned: null, waiting: true }],
  ],
  'replays: an end and a line the program never took are dropped; a damaged address': [
    [
      'replay',
      [`v1:1n${PATTERN_16}n${'n'.repeat(6)}e`],
      `v1:1n${PATTERN_16}n${'n'.repeat(6)}`,
      { waiting: false },
    ],
    ['replay', [`v1:1n${PATTERN_16}n${'n'.repeat(7)}`], `v1:1n${PATTERN_16}n${'n'.repeat(6)}`, {}],
    [
      'replay',
      ['v2:l=en;t=trap-3;s=1n'],
      'v1:1n',
      { returned: { language: 'en', exercise: 'trap-3', problem: null } },
    ],
    ['replay', ['v1:1x'], '', { problemKey: 'session.unexpected', waiting: true }],
    // The rest of the first line is dropped, and the end of the input is the error pattern.
    ['start', [['1 ', '1\n'].map(bytes), true], 'v1:1%20d1ne', { waiting: false }],
  ],
};
for (const [name, script] of Object.entries(sessionScripts)) {
  test(`the session: ${name}`, async () => {
    const session = createSession(module);
    await session.start([], false);
    for (const [action, words, fragment, expected, end = false] of script) {
      const where = `${action}(${JSON.stringify(words)})`;
      const argumentsOf = {
        handOver: () => [words.map(bytes), end],
        replay: () => words,
        start: () => words,
      };
      const returned = await session[action](...(argumentsOf[action]?.() ?? []));
      assert.equal(session.fragment(), fragment, where);
      if ('returned' in expected) {
        const shown =
          returned instanceof Uint8Array ? new TextDecoder().decode(returned) : returned;
        assert.deepEqual(shown, expected.returned, where);
      }
      if ('problemKey' in expected) assert.equal(returned.problem?.key, expected.problemKey, where);
      if ('waiting' in expected) assert.equal(session.waiting(), expected.waiting, where);
      if ('undone' in expected) assert.equal(session.undone.length, expected.undone, where);
      if ('controls' in expected) {
        const on = session.controls(readSteps(session.run.output, session.chunks).waiting);
        const named = Object.keys(on).filter((name) => on[name]);
        assert.equal(named.join(' '), expected.controls, `${where}: controls`);
      }
      // What the address keeps replays to the same screen.
      const again = createSession(module);
      await again.replay(session.fragment());
      assert.deepEqual(again.run.output, session.run.output, `${where}: replayed`);
    }
    const carried = decodeSession(session.fragment({ language: 'en', exercise: 'trap-1' }));
    assert.deepEqual([carried.language, carried.exercise], ['en', 'trap-1']);
  });
}
