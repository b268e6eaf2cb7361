// The page's engine under Node: bch.wasm run through the page's own WASI shim must write, byte
// for byte, what the console program writes for every transcript input; cut off after some
// lines, the run stops at the first read past them with a prefix of the full output.
// BCH_SITE names the built site (build-web/site).
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { runProgram, startsWith } from '../../web/engine.js';

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
      // Cut off after every line: the run waits with a prefix of the output (all of it at the
      // closing pause), or has already ended with all of it. After the first line it waits.
      for (let kept = 1; kept < chunks.length; kept += 1) {
        const cut = await runProgram(module, chunks.slice(0, kept), false);
        if (cut.exited) {
          assert.ok(kept > 1, 'ended after the first line');
          assert.deepEqual(Buffer.from(cut.output), expected, `cut after ${kept} lines`);
        } else {
          assert.ok(startsWith(expected, cut.output), `cut after ${kept} lines: not a prefix`);
        }
      }
    });
  }
}

test('a part of a line handed over by Ctrl-D: the discard does not wait for its end', async () => {
  const chunks = ['1 ', 'zz\n', '0\n'].map((text) => new TextEncoder().encode(text));
  const first = new TextDecoder().decode((await runProgram(module, chunks.slice(0, 1), false)).output);
  assert.match(first, /Zakodowany ciag \(wektor kodowy\): 1000000000000000000001110110100\n.*\nPodaj blad wprowadzony do wektora kodowego: $/s);
  const whole = new TextDecoder().decode((await runProgram(module, chunks, true)).output);
  assert.match(whole, /Odebrany ciag: 1000000000000000000001110110100\n/);
});
