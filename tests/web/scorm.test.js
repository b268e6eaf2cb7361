// The SCORM 1.2 package in a learning platform's place: scorm-again, a SCORM run-time that
// platforms use, on an LMS page served on loopback. The LMS page reads the unpacked package's
// manifest (BCH_SCORM, unpacked by scorm.sh) as a platform does, creates scorm-again's
// Scorm12API as window.API with the manifest's mastery score and what it kept of an earlier
// session, and opens the manifest's launch page in a frame. In chromium:
//   - exercises solved (two typed in the frame's terminal, the others through exercise links)
//     until passed: the status, the score, the suspend_data and the calls, in order;
//   - a new session with the suspend_data kept resumes the progress; one with damaged
//     suspend_data starts afresh with a message, and the grade given stands;
//   - an API that refuses LMSInitialize, and one in a frame of another origin: the page runs
//     standalone and keeps its progress in the browser.
// First, in Node, web/practice/lms.js's search for the API over windows made of plain objects.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join, normalize } from 'node:path';
import { after, before, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { divisionTask } from '../../web/practice/arithmetic_exercises.js';
import { findApi } from '../../web/practice/lms.js';
import {
  decodeProgress,
  emptyProgress,
  encodeProgress,
  score,
  solve,
} from '../../web/practice/progress.js';

const unpacked = process.env.BCH_SCORM;
const scormAgain = createRequire(import.meta.url).resolve('scorm-again/scorm12');
const types = { '.html': 'text/html', '.js': 'text/javascript', '.xml': 'application/xml' };

// --- The search, in Node ------------------------------------------------------------------

const api = (name) => ({
  name,
  LMSInitialize() {},
  LMSFinish() {},
  LMSGetValue() {},
  LMSSetValue() {},
  LMSCommit() {},
});
// A chain of windows, the first the page's: each entry is its API (or null), or 'foreign' for
// a frame of another origin, whose API cannot be looked at. The last is the top window.
function chain(...apis) {
  const windows = apis.map((entry) =>
    entry === 'foreign'
      ? {
          get API() {
            throw new Error('SecurityError: cross-origin');
          },
        }
      : { API: entry },
  );
  windows.forEach((win, i) => {
    win.parent = windows[i + 1] ?? win;
  });
  return windows;
}
test('the API search: the window, its parents, then the opener and its parents', () => {
  const found = (win) => findApi(win)?.name ?? null;
  assert.equal(found(chain(api('self'), api('parent'))[0]), 'self');
  assert.equal(found(chain(null, null, api('grandparent'))[0]), 'grandparent');
  assert.equal(found(chain(null, api('parent'), api('top'))[0]), 'parent', 'the nearest');
  assert.equal(found(chain(null, 'foreign', api('top'))[0]), 'top', 'past a foreign frame');
  assert.equal(found(chain(null, 'foreign')[0]), null);
  assert.equal(found(chain(...new Array(8).fill(null), api('8 up'))[0]), null, 'too far up');
  assert.equal(found(chain(...new Array(7).fill(null), api('7 up'))[0]), '7 up');
  const partial = api('partial');
  delete partial.LMSCommit;
  assert.equal(found(chain(null, partial)[0]), null, 'not an API without LMSCommit');
  // A page in a window the platform opened: the opener's chain.
  const [popup] = chain(null);
  popup.opener = chain(null, api('opener parent'))[0];
  assert.equal(found(popup), 'opener parent');
  const [closed] = chain(null);
  Object.defineProperty(closed, 'opener', {
    get() {
      throw new Error('SecurityError');
    },
  });
  assert.equal(found(closed), null);
});

// --- The LMS page ---------------------------------------------------------------------------

// ?kept=JSON: what the platform kept of an earlier session (cmi.suspend_data, the status and the
// score); ?mode=refusing: the API was initialized and finished before the launch (by an earlier
// content object), so that scorm-again refuses LMSInitialize; ?course=URL: where the package is
// (another origin for the foreign frame). window.calls logs every call that scorm-again took,
// from its own listeners, with the error code where it refused the call or the value.
const LMS_PAGE = `<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>LMS</title><link rel="icon" href="data:,">
<script src="/scorm-again/scorm12.js"></script></head>
<body style="margin:0"><iframe id="sco" title="SCO" style="width:1366px;height:720px;border:0">
</iframe><script>
(async () => {
  const query = new URLSearchParams(location.search);
  const course = query.get('course') || '/course/';
  const text = await (await fetch(course + 'imsmanifest.xml')).text();
  const manifest = new DOMParser().parseFromString(text, 'application/xml');
  const item = manifest.getElementsByTagName('item')[0];
  const resource = [...manifest.getElementsByTagName('resource')].find(
    (element) => element.getAttribute('identifier') === item.getAttribute('identifierref'));
  const mastery = item.getElementsByTagNameNS('http://www.adlnet.org/xsd/adlcp_rootv1p2',
    'masteryscore')[0].textContent.trim();
  const api = new Scorm12API({ logLevel: 5 });
  api.loadFromJSON({ ...JSON.parse(query.get('kept') || '{}'),
    student_data: { mastery_score: mastery } });
  if (query.get('mode') === 'refusing') {
    api.LMSInitialize('');
    api.LMSFinish('');
  }
  window.calls = [];
  for (const name of ['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSFinish']) {
    api.on(name, (element, value) => {
      const code = String(api.lastErrorCode); // of this call: a value refused shows here
      window.calls.push([name, element, value, code === '0' ? undefined : \`error \${code}\`]
        .filter((part) => part !== undefined));
    });
  }
  window.API = api;
  window.mastery = mastery;
  document.getElementById('sco').src = course + resource.getAttribute('href') +
    (query.get('fragment') || '');
})();
</script></body></html>
`;

const servers = [];
let browser;
let lms; // the LMS page's address
let foreign; // the same files from another origin (another port)

before(async () => {
  const serve = async (request, response) => {
    const path = normalize(new URL(request.url, 'http://x').pathname);
    let file = null;
    if (path === '/lms.html') {
      response.writeHead(200, { 'Content-Type': types['.html'] }).end(LMS_PAGE);
      return;
    }
    if (path === '/scorm-again/scorm12.js') file = scormAgain;
    else if (path.startsWith('/course/')) file = join(unpacked, path.slice('/course/'.length));
    try {
      const body = await readFile(file);
      // The LMS page reads the manifest from the foreign origin too.
      response
        .writeHead(200, {
          'Content-Type': types[extname(file)],
          'Access-Control-Allow-Origin': '*',
        })
        .end(body);
    } catch {
      response.writeHead(404).end();
    }
  };
  for (let i = 0; i < 2; i += 1) {
    const server = createServer(serve);
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    servers.push(server);
  }
  [lms, foreign] = servers.map((server) => `http://127.0.0.1:${server.address().port}/`);
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || 'chromium',
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--no-first-run',
      '--disable-sync',
      '--disable-background-networking',
      '--disable-component-update',
    ],
  });
});
after(async () => {
  await browser?.close();
  for (const server of servers) server.close();
});

// Opens the LMS page in a fresh browser context (storage of its own) and waits for the
// launch page's first screen in its frame. Returns helpers: cmi(element) reads scorm-again's
// data model (after LMSFinish too), calls() the log, solved() the exercises the page shows
// solved.
async function launch({ kept = null, mode = null, fragment = '', course = null } = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.setDefaultTimeout(15000);
  await page.setViewport({ width: 1400, height: 800 });
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(String(error)));
  const query = new URLSearchParams();
  if (kept) query.set('kept', JSON.stringify(kept));
  if (mode) query.set('mode', mode);
  if (fragment) query.set('fragment', fragment);
  if (course) query.set('course', course);
  await page.goto(`${lms}lms.html?${query}`);
  const frame = await page.waitForFrame((candidate) => candidate.url().includes('/course/'));
  await frame.waitForFunction(() => Number(document.body.dataset.runs) >= 1);
  const cmi = (element) =>
    page.evaluate(
      (name) =>
        name
          .split('.')
          .slice(1)
          .reduce((node, key) => node[key], window.API.cmi),
      element,
    );
  const solved = () => frame.$eval('#exercises', (element) => element.dataset.solved);
  const calls = () => page.evaluate(() => window.calls);
  // An exercise link followed in the frame: its session replayed, judged, and solved.
  const follow = async (link, id) => {
    await frame.evaluate((hash) => {
      location.hash = hash;
    }, link);
    await frame.waitForFunction(
      (name) => document.getElementById('exercises').dataset.solved.split(' ').includes(name),
      {},
      id,
    );
  };
  return { context, page, frame, errors, cmi, solved, calls, follow };
}

// Sessions that solve an exercise, as an exercise link carries them (web/program/address.js): each line
// its digits and "n" for Enter, and Enter at every pause after them.
const at = (...positions) =>
  Array.from({ length: 31 }, (_, p) => (positions.includes(p) ? '1' : '0')).join('');
const word = '101010101011001100111';
const session = (...lines) => `${lines.join('n')}n${'n'.repeat(23)}`;
const LINKS = [
  ['trap', 'trap-5', session(word, at(16))],
  ['two-corrected', 'two-corrected', session(word, at(17, 19))],
  ['two-beyond', 'two-beyond', session(word, at(0, 10))],
  ['miscorrect', 'miscorrect', session('0', at(0, 1, 3))],
  ['zero-parity', 'zero-parity', session('000000000011101101001', '0')],
  ['unseen', 'unseen', session(word, '1000000000000000000001110110100')],
  ['longest', 'longest', session(word, at(0, 30))],
];
// What the page tells the platform at each save, in order.
const saved = (progress, status) => {
  const { raw, min, max } = score(progress);
  return [
    ['LMSSetValue', 'cmi.suspend_data', encodeProgress(progress)],
    ['LMSSetValue', 'cmi.core.score.min', String(min)],
    ['LMSSetValue', 'cmi.core.score.max', String(max)],
    ['LMSSetValue', 'cmi.core.score.raw', String(raw)],
    ['LMSSetValue', 'cmi.core.lesson_status', status],
    ['LMSCommit'],
  ];
};

let kept = null; // what the platform kept when the first session ended

test('under scorm-again: exercises solved until passed, the score, every call in order', async (t) => {
  const course = await launch();
  const { page, frame, errors, cmi, solved, calls, follow } = course;
  const mastery = Number(await page.evaluate(() => window.mastery));
  assert.equal(await solved(), '');
  assert.deepEqual(await calls(), [
    ['LMSInitialize'],
    ['LMSGetValue', 'cmi.core.lesson_status'],
    ['LMSGetValue', 'cmi.student_data.mastery_score'],
    ['LMSGetValue', 'cmi.core.score.raw'],
    ['LMSSetValue', 'cmi.core.lesson_status', 'incomplete'],
    ['LMSCommit'],
    ['LMSGetValue', 'cmi.suspend_data'],
  ]);
  let expected = await calls();
  let progress = emptyProgress();
  const check = async (id) => {
    progress = solve(progress, id);
    const status = score(progress).raw >= mastery ? 'passed' : 'incomplete';
    expected = [...expected, ...saved(progress, status)];
    assert.deepEqual(await calls(), expected, `after ${id}`);
    assert.equal(await cmi('cmi.core.lesson_status'), status);
    assert.equal(await cmi('cmi.suspend_data'), encodeProgress(progress));
  };

  // Two answers typed in the frame's terminal, the exercise chosen in the list first. The time
  // from Enter to the verdict is the hand-over the page measures (the verdict is drawn with the
  // run's screen).
  const typedTimes = [];
  for (const [id, pattern] of [
    ['two-parity', at(21, 30)],
    ['three-parity', at(21, 22, 23)],
  ]) {
    const runs = () => frame.evaluate(() => Number(document.body.dataset.runs));
    const shown = (n) =>
      frame.waitForFunction((k) => Number(document.body.dataset.runs) > k, {}, n);
    await frame.click(`#exercises li[data-exercise="${id}"] .exercise-choice`);
    await frame.waitForSelector(`#exercises section[data-exercise="${id}"]`);
    const before = await runs();
    await frame.click('#new-run');
    await shown(before);
    for (const line of [word, pattern]) {
      const typed = await runs();
      await frame.type('#line', line);
      await page.keyboard.press('Enter');
      await shown(typed);
    }
    assert.equal(
      await frame.$eval('#exercises section', (element) => element.dataset.verdict),
      'solved',
      id,
    );
    typedTimes.push(
      await frame.evaluate(() => performance.getEntriesByName('bch-handover').at(-1).duration),
    );
    await check(id);
  }
  t.diagnostic(
    `typed answer to verdict: ${typedTimes.map((ms) => `${ms.toFixed(1)} ms`).join(', ')}`,
  );

  for (const [id, name, handOvers] of LINKS) {
    await follow(`#v2:t=${name};s=${handOvers}`, id);
    await check(id);
  }
  // A long division typed row by row in the frame, then checked against the program's run.
  await frame.click('#exercises li[data-exercise="divide"] .exercise-choice');
  const divide = await frame.$eval('#exercises section.exercise', (card) => card.dataset.exercise);
  for (const row of divisionTask('divide', Number(divide.split('-')[1])).rows) {
    await frame.type('#division-row', row);
    await page.keyboard.press('Enter');
  }
  await frame.click('[data-arithmetic-run]');
  await frame.waitForSelector('#exercises section[data-verdict="solved"]');
  await check('divide');
  assert.ok(score(progress).raw >= mastery && (await cmi('cmi.core.lesson_status')) === 'passed');
  assert.equal(await cmi('cmi.core.score.raw'), String(score(progress).raw));
  // The page lists them in the order of the list, whatever the order of solving.
  assert.deepEqual((await solved()).split(' '), decodeProgress(encodeProgress(progress)).solved);

  // Leaving (the platform closes the frame): the time spent, "suspend" and LMSFinish.
  await page.evaluate(() => {
    document.getElementById('sco').src = 'about:blank';
  });
  await page.waitForFunction(() => window.calls.at(-1)[0] === 'LMSFinish');
  const ending = (await calls()).slice(expected.length);
  assert.equal(ending.length, 3);
  assert.deepEqual(ending[0].slice(0, 2), ['LMSSetValue', 'cmi.core.session_time']);
  assert.match(ending[0][2], /^\d{2,4}:\d{2}:\d{2}\.\d{2}$/);
  assert.deepEqual(ending.slice(1), [['LMSSetValue', 'cmi.core.exit', 'suspend'], ['LMSFinish']]);
  t.diagnostic(`calls: ${(await calls()).map((call) => call.join(' ')).join(' | ')}`);
  kept = {
    suspend_data: await cmi('cmi.suspend_data'),
    core: {
      lesson_status: await cmi('cmi.core.lesson_status'),
      entry: 'resume',
      score: { raw: await cmi('cmi.core.score.raw') },
    },
  };
  assert.deepEqual(errors, []);
  await course.context.close();
});

test('a new session with the suspend_data kept resumes the progress', async () => {
  assert.ok(kept, 'the first session ran');
  const { context, cmi, solved, calls, errors } = await launch({ kept });
  assert.equal(await solved(), kept.suspend_data.split(':')[1].replaceAll('.', ' '));
  // Passed already: the status stays, and nothing is saved until there is something new.
  assert.deepEqual(await calls(), [
    ['LMSInitialize'],
    ['LMSGetValue', 'cmi.core.lesson_status'],
    ['LMSGetValue', 'cmi.student_data.mastery_score'],
    ['LMSGetValue', 'cmi.core.score.raw'],
    ['LMSGetValue', 'cmi.suspend_data'],
  ]);
  assert.equal(await cmi('cmi.core.lesson_status'), 'passed');
  assert.deepEqual(errors, []);
  await context.close();
});

test('damaged suspend_data: the progress starts afresh with a message, the grade stands', async () => {
  const cases = [
    [
      {
        suspend_data: 'p1:trap.two-beyond.x:0',
        core: { lesson_status: 'incomplete', score: { raw: '18' } },
      },
      'incomplete',
      '18',
    ],
    [
      {
        suspend_data: '\u0000<script>%ff',
        core: { lesson_status: 'passed', score: { raw: '73' } },
      },
      'passed',
      '73',
    ],
  ];
  for (const [damaged, status, raw] of cases) {
    const { context, frame, cmi, solved, errors } = await launch({ kept: damaged });
    assert.equal(await solved(), '');
    assert.equal(
      await frame.$eval('#exercises .notice', (element) => element.getAttribute('role')),
      'alert',
    );
    assert.equal(await cmi('cmi.suspend_data'), encodeProgress(emptyProgress()));
    assert.equal(await cmi('cmi.core.lesson_status'), status);
    assert.equal(await cmi('cmi.core.score.raw'), raw);
    assert.deepEqual(errors, []);
    await context.close();
  }
});

test('an API that refuses LMSInitialize, and one out of reach: the page runs standalone', async () => {
  const link = `#v2:t=two-parity;s=${session(word, at(21, 30))}`;
  for (const options of [{ mode: 'refusing' }, { course: `${foreign}course/` }]) {
    const { context, frame, follow, cmi, calls, errors } = await launch(options);
    const statusBefore = await cmi('cmi.core.lesson_status');
    await follow(link, 'two-parity');
    // Kept in the browser, as by the standalone page; nothing reached the platform.
    assert.equal(
      await frame.evaluate(() => localStorage.getItem('bch.v1.progress')),
      'p1:two-parity:0',
      JSON.stringify(options),
    );
    assert.deepEqual(await calls(), []);
    assert.equal(await cmi('cmi.suspend_data'), '');
    assert.equal(await cmi('cmi.core.lesson_status'), statusBefore);
    assert.deepEqual(errors, []);
    await context.close();
  }
});
