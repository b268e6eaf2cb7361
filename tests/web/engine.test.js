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
import { runProgram } from '../../web/engine.js';
import { SessionError, decodeSession, encodeSession } from '../../web/session.js';

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
          assert.deepEqual(cut.output, whole.output.subarray(0, whole.marks[kept]),
                           `cut after ${kept} lines`);
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
  { name: "Ctrl-D after '1 ': the discard does not wait for the line end",
    chunks: ['1 ', '11\n'], sameAs: ['1\n', '11\n'],
    waitsAfterFirst: /Zakodowany ciag \(wektor kodowy\): 1000000000000000000001110110100\n.*\nPodaj blad wprowadzony do wektora kodowego: $/s },
  { name: 'a line of 200,002 bytes: the discard reads on past the first read to its end',
    chunks: [`1 ${ones}\n`, '11\n'], sameAs: ['1\n', '11\n'] },
  { name: 'a word of 200,000 bytes, cut to 21, then a line end',
    chunks: [`${ones}\n`, '11\n'], sameAs: [`${'1'.repeat(21)}\n`, '11\n'],
    received: /Odebrany ciag: 001{19}/ },
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
  { fragment: 'v2:l=pl;t=trap-5;s=1n', chunks: ['1\n'], ended: false, language: 'pl',
    exercise: 'trap-5' },
  { fragment: 'v2:t=read.3;s=', chunks: [], ended: false, exercise: 'read.3' },
];
test('session fragments: known encodings both ways', () => {
  for (const { fragment, chunks, ended, language = null, exercise = null } of sessions) {
    assert.equal(encodeSession(chunks.map(bytes), ended, { language, exercise }), fragment);
    assert.deepEqual(decodeSession(fragment),
      { chunks: chunks.map(bytes), ended, language, exercise });
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
    assert.deepEqual(decodeSession(fragment), { chunks, ended: true, language: null,
      exercise: null }, `byte ${byte}`);
  }
});
test('session fragments: damaged or foreign ones are refused', () => {
  for (const fragment of ['top', 'v2:1n', 'V1:1n', 'v1', 'v1:1', 'v1:1n%', 'v1:%4n', 'v1:%zzn',
                          'v1:xn', 'v1:d', 'v1:1nd', 'v1:en', 'v1:ee', 'v1:1e', 'v1:1n1n ',
                          'v2:l=de;s=1n', 'v2:x=1;s=1n', 'v2:l=en;l=pl', 'v2:s=1n;s=1n',
                          'v2:t=a b;s=1n', 'v2:s=1x', 'v3:1n']) {
    assert.throws(() => decodeSession(fragment), SessionError, fragment);
  }
});
