// The SCORM 1.2 package in a learning platform's place: scorm-again, a SCORM run-time that
// platforms use, on an LMS page served on loopback. The LMS page reads the unpacked package's
// manifest (BCH_SCORM, unpacked by scorm.sh) as a platform does, creates scorm-again's
// Scorm12API as window.API with the manifest's mastery score and what it kept of an earlier
// session, and opens the manifest's launch page in a frame. In chromium:
//   - exercises solved (two typed in the frame's terminal, the others through exercise links)
//     and one missed, until passed: the status, the score, the suspend_data, one objective per
//     exercise and one interaction per verdict in the committed data, and the calls, in order,
//     every one answered "true" with LMSGetLastError "0" and every value one SCORM 1.2 allows;
//   - a new session with the data kept resumes the progress and writes no objective twice,
//     whether it finds all of them or some; one with damaged suspend_data starts afresh with a
//     message, and the grade given stands;
//   - an API that refuses LMSInitialize, and one in a frame of another origin: the page runs
//     standalone and keeps its progress in the browser; one that refuses or throws at every
//     LMSSetValue: the page runs in the course and judges the exercises.
// First, in Node, web/practice/lms.js's search for the API over windows made of plain objects,
// and the values of web/practice/lms_report.js against SCORM 1.2's forms.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { normalize } from 'node:path';
import { after, before, test } from 'node:test';
import { TYPES, fileIn, launch as launchBrowser, sendFile, serve } from './harness.js';
import { EXERCISES, readRun } from '../../web/practice/exercises.js';
import { divisionTask } from '../../web/practice/arithmetic_exercises.js';
import { findApi } from '../../web/practice/lms.js';
import {
  MOST_INTERACTIONS,
  clockTime,
  createReport,
  cut,
  identifier,
  interactionValues,
  objectiveValues,
  timeSpan,
} from '../../web/practice/lms_report.js';
import {
  decodeProgress,
  emptyProgress,
  encodeProgress,
  passMark,
  score,
  solve,
} from '../../web/practice/progress.js';

const unpacked = process.env.BCH_SCORM;
const scormAgain = createRequire(import.meta.url).resolve('scorm-again/scorm12');

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

// --- SCORM 1.2's forms, as its data model states them (stricter than scorm-again) ------------

const VOCABULARY = {
  identifier: /^[A-Za-z0-9_-]{1,255}$/, // CMIIdentifier: no spaces, no '.'
  timeSpan: /^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/, // CMITimespan
  time: /^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$/, // CMITime
  decimal: /^\d{1,3}$/, // a score, 0 to 100
  status: /^(passed|completed|failed|incomplete|browsed|not attempted)$/,
  type: /^(true-false|choice|fill-in|matching|performance|sequencing|likert|numeric)$/,
  result: /^(correct|wrong)$/,
  exit: /^(time-out|suspend|logout|)$/,
};
// The form each element the page sets must have; a value that is none of them is a failure.
const FORMS = [
  [/^cmi\.(objectives|interactions)\.\d+\.id$/, VOCABULARY.identifier],
  [/^cmi\.objectives\.\d+\.status$|^cmi\.core\.lesson_status$/, VOCABULARY.status],
  [/^cmi\.(objectives\.\d+|core)\.score\.(raw|min|max)$/, VOCABULARY.decimal],
  [/^cmi\.interactions\.\d+\.type$/, VOCABULARY.type],
  [/^cmi\.interactions\.\d+\.result$/, VOCABULARY.result],
  [/^cmi\.interactions\.\d+\.latency$|^cmi\.core\.session_time$/, VOCABULARY.timeSpan],
  [/^cmi\.interactions\.\d+\.time$/, VOCABULARY.time],
  [/^cmi\.interactions\.\d+\.student_response$/, /^[^]{0,255}$/u],
  [/^cmi\.suspend_data$/, /^[^]{0,4096}$/u],
  [/^cmi\.core\.exit$/, VOCABULARY.exit],
];
function assertLegal(element, value) {
  const form = FORMS.find(([name]) => name.test(element));
  assert.ok(form, `${element} is no element the page sets`);
  assert.match(value, form[1], element);
}

test('the values told of objectives and attempts: each in the form SCORM 1.2 allows', () => {
  for (const [text, expected] of [
    ['trap-7', 'trap-7'],
    ['read-4242', 'read-4242'],
    ['two.corrected x', 'two_corrected_x'],
    ['', '_'],
    ['ż'.repeat(300), '_'.repeat(255)],
  ]) {
    assert.equal(identifier(text), expected, text);
  }
  for (const [seconds, expected] of [
    [0, '00:00:00.00'],
    [1.234, '00:00:01.23'],
    [59.999, '00:01:00.00'],
    [3599.996, '01:00:00.00'],
    [3723.5, '01:02:03.50'],
    [-2, '00:00:00.00'],
    [Number.NaN, '00:00:00.00'],
    [36000000, '9999:59:59.99'],
  ]) {
    assert.equal(timeSpan(seconds), expected, String(seconds));
  }
  assert.equal(clockTime(new Date(2026, 0, 2, 9, 5, 7, 990)), '09:05:07');
  assert.equal(clockTime(new Date(2026, 0, 2, 23, 59, 59)), '23:59:59');
  assert.equal(cut('x'.repeat(300)).length, 255);
  assert.equal(Array.from(cut('😀'.repeat(300))).length, 255, 'a character is never cut in two');
  assert.equal(cut('0, 3, 17'), '0, 3, 17');

  // Every value of a table of attempts, and of every objective, in its form.
  const started = new Date(2026, 0, 2, 23, 59, 58).getTime();
  const attempts = [
    ['trap-7', 'performance', 'v2:t=trap-7;s=101n', 'solved', 1250, 'correct'],
    ['read-4242', 'fill-in', '3, 17 i 0', 'missed', 0, 'wrong'],
    ['predict', 'performance', `v2:t=predict;s=${'n'.repeat(400)}`, 'missed', 4e9, 'wrong'],
    ['two-beyond', 'performance', '', 'solved', 61999, 'correct'],
  ];
  for (const [name, type, response, result, latency, expected] of attempts) {
    const values = interactionValues(7, {
      name,
      type,
      response,
      result,
      startedAt: started,
      at: started + latency,
    });
    assert.deepEqual(
      values.map(([element]) => element.replace('cmi.interactions.7.', '')),
      ['id', 'type', 'student_response', 'result', 'latency', 'time'],
    );
    for (const [element, value] of values) assertLegal(element, value);
    assert.equal(values[0][1], name);
    assert.equal(values[1][1], type);
    assert.equal(values[2][1], cut(response));
    assert.equal(values[3][1], expected);
  }
  for (const { id } of EXERCISES) {
    for (const solved of [false, true]) {
      for (const [element, value] of objectiveValues(3, id, solved)) assertLegal(element, value);
    }
  }
});

// A platform made of a table: what it answers, and every call it takes.
function platform(held = {}, refuse = () => false) {
  const data = { ...held };
  const calls = [];
  const call = (name, element, value) => {
    calls.push([name, element, value].filter((part) => part !== undefined));
    if (name === 'LMSGetValue') return element in data ? String(data[element]) : '';
    if (refuse(element)) return 'false';
    data[element] = value;
    // An entry's id at the count adds the entry.
    const [, list, index] = /^(cmi\.\w+)\.(\d+)\.id$/.exec(element) ?? [];
    if (list && Number(index) === Number(data[`${list}._count`])) data[`${list}._count`] += 1;
    return 'true';
  };
  return { data, calls, call };
}
const objectiveIds = (data) =>
  Object.entries(data)
    .filter(([element]) => /^cmi\.objectives\.\d+\.id$/.test(element))
    .map(([, id]) => id);

test('the report: objectives found by id and never written twice, at most so many attempts', () => {
  const ids = EXERCISES.map(({ id }) => id);
  // The first launch: every objective, in the order of the list, the solved ones passed.
  const first = platform({ 'cmi.objectives._count': 0, 'cmi.interactions._count': 0 });
  const report = createReport(first.call, [ids[1]]);
  assert.ok(report.wrote);
  assert.deepEqual(objectiveIds(first.data), ids);
  assert.equal(first.data['cmi.objectives.1.status'], 'passed');
  assert.equal(first.data['cmi.objectives.0.status'], 'incomplete');
  assert.ok(report.solved([ids[0], ids[1]]), 'the first newly solved');
  assert.equal(first.data['cmi.objectives.0.score.raw'], '100');
  assert.equal(report.solved([ids[0]]), false, 'solved already: nothing set');
  // A later launch that finds some of them (kept out of order, one twice): the rest are added
  // after them, none twice, and one solved since catches up.
  const held = {
    'cmi.objectives._count': 3,
    'cmi.objectives.0.id': ids[2],
    'cmi.objectives.1.id': ids[0],
    'cmi.objectives.1.status': 'incomplete',
    'cmi.objectives.2.id': ids[2],
    'cmi.interactions._count': 5,
  };
  const later = platform(held);
  createReport(later.call, [ids[0]]);
  assert.deepEqual(objectiveIds(later.data).sort(), [...ids, ids[2]].sort());
  assert.equal(later.data['cmi.objectives.1.status'], 'passed');
  assert.ok(
    !later.calls.some(
      ([name, element]) => name === 'LMSSetValue' && /^cmi\.objectives\.[0-2]\.id$/.test(element),
    ),
  );
  // Every one found: nothing is set at all.
  const all = platform(first.data);
  assert.equal(createReport(all.call, [ids[0], ids[1]]).wrote, false);
  assert.deepEqual(
    all.calls.filter(([name]) => name === 'LMSSetValue'),
    [],
  );
  // Attempts: after those held, at most MOST_INTERACTIONS in a launch.
  const attempt = {
    name: 'trap-3',
    type: 'performance',
    response: '',
    result: 'missed',
    startedAt: 0,
    at: 0,
  };
  const many = createReport(later.call);
  let told = 0;
  while (many.attempted(attempt)) told += 1;
  assert.equal(told, MOST_INTERACTIONS);
  assert.equal(later.data['cmi.interactions.5.id'], 'trap-3');
  assert.equal(later.data[`cmi.interactions.${4 + MOST_INTERACTIONS}.id`], 'trap-3');
  assert.ok(!(`cmi.interactions.${5 + MOST_INTERACTIONS}.id` in later.data));
  // A platform that cannot say how many it holds is told of neither; one that refuses every
  // value holds no more entries than before, and the report says it set nothing.
  const silent = platform({});
  const mute = createReport(silent.call, ids);
  assert.equal(mute.wrote, false);
  assert.equal(mute.attempted(attempt), false);
  assert.deepEqual(
    silent.calls.filter(([name]) => name === 'LMSSetValue'),
    [],
  );
  const refusing = platform(
    { 'cmi.objectives._count': 0, 'cmi.interactions._count': 0 },
    () => true,
  );
  const refused = createReport(refusing.call, ids);
  assert.equal(refused.attempted(attempt), false);
  assert.deepEqual(
    refusing.calls.filter(([name]) => name === 'LMSSetValue').length,
    2,
    'one id each',
  );
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
      if (name === 'LMSCommit') window.committed = JSON.parse(JSON.stringify(api.cmi));
    });
  }
  // The API the page finds: scorm-again's, each call's answer and LMSGetLastError after it
  // kept in window.answers; ?mode=refusing-values and throwing-values refuse every LMSSetValue.
  window.answers = [];
  const mode = query.get('mode');
  const platform = { cmi: api.cmi };
  for (const name of ['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit',
    'LMSGetLastError', 'LMSGetErrorString', 'LMSGetDiagnostic']) {
    platform[name] = (...values) => {
      if (name === 'LMSSetValue' && mode === 'refusing-values') return 'false';
      if (name === 'LMSSetValue' && mode === 'throwing-values') throw new Error('refused');
      const answer = api[name](...values);
      if (!/^LMSGet(LastError|ErrorString|Diagnostic)$/.test(name)) {
        window.answers.push([name, values[0], String(answer), String(api.LMSGetLastError())]);
      }
      return answer;
    };
  }
  window.API = platform;
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
  const respond = async (request, response) => {
    const path = normalize(new URL(request.url, 'http://x').pathname);
    if (path === '/lms.html') {
      response.writeHead(200, { 'Content-Type': TYPES['.html'] }).end(LMS_PAGE);
      return;
    }
    let file = null;
    if (path === '/scorm-again/scorm12.js') file = scormAgain;
    else if (path.startsWith('/course/')) file = fileIn(unpacked, path.slice('/course'.length));
    // The LMS page reads the manifest from the foreign origin too.
    if (file) await sendFile(response, file, { 'Access-Control-Allow-Origin': '*' });
    else response.writeHead(404).end();
  };
  for (let i = 0; i < 2; i += 1) servers.push(await serve(respond));
  [lms, foreign] = servers.map(({ address }) => address);
  browser = await launchBrowser('chromium');
});
after(async () => {
  await browser?.close();
  for (const { server } of servers) server.close();
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
  // The calls, each value checked against SCORM 1.2's form for its element; the latency and
  // the time of an interaction, which the clock decides, then read LATENCY and TIME.
  const calls = async () =>
    (await page.evaluate(() => window.calls)).map((call) => {
      const [name, element, value] = call;
      if (name !== 'LMSSetValue' || call.length > 3) return call;
      assertLegal(element, value);
      if (/\.latency$/.test(element)) return [name, element, 'LATENCY'];
      return /^cmi\.interactions\.\d+\.time$/.test(element) ? [name, element, 'TIME'] : call;
    });
  const answers = () => page.evaluate(() => window.answers);
  const committed = () => page.evaluate(() => window.committed);
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
  // A link whose run misses its exercise.
  const miss = async (link) => {
    await frame.evaluate((hash) => {
      location.hash = hash;
    }, link);
    await frame.waitForSelector('#exercises section[data-verdict="missed"]');
  };
  return { context, page, frame, errors, cmi, solved, calls, answers, committed, follow, miss };
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
  ];
};
// An objective newly passed, and an interaction (its latency and time as calls() shows them).
const objectivePassed = (id) => {
  const index = EXERCISES.findIndex((exercise) => exercise.id === id);
  return [
    ['LMSSetValue', `cmi.objectives.${index}.status`, 'passed'],
    ['LMSSetValue', `cmi.objectives.${index}.score.raw`, '100'],
  ];
};
const told = (index, name, response, result, type = 'performance') =>
  interactionValues(index, { name, type, response, result, startedAt: 0, at: 0 })
    .map(([element, value]) => ['LMSSetValue', element, value])
    .map((call) => (/\.latency$/.test(call[1]) ? [...call.slice(0, 2), 'LATENCY'] : call))
    .map((call) => (/\.time$/.test(call[1]) ? [...call.slice(0, 2), 'TIME'] : call));
// What a launch reads before anything is set: the status, the mastery score, the score, the
// progress, and the objectives (`held` of them, each id and status) and interactions held.
const opening = (held) => [
  ['LMSInitialize'],
  ['LMSGetValue', 'cmi.core.lesson_status'],
  ['LMSGetValue', 'cmi.student_data.mastery_score'],
  ['LMSGetValue', 'cmi.core.score.raw'],
  ['LMSGetValue', 'cmi.suspend_data'],
  ['LMSGetValue', 'cmi.objectives._count'],
  ...Array.from({ length: held }, (_, n) => [
    ['LMSGetValue', `cmi.objectives.${n}.id`],
    ['LMSGetValue', `cmi.objectives.${n}.status`],
  ]).flat(),
];
// Every call answered "true" (or the value asked), and LMSGetLastError "0" after each.
const allTaken = async (answers) => {
  const list = await answers();
  assert.ok(list.length > 10);
  for (const [name, element, answer, error] of list) {
    assert.equal(error, '0', `${name} ${element ?? ''}: error ${error}`);
    if (name !== 'LMSGetValue') assert.equal(answer, 'true', `${name} ${element ?? ''}`);
  }
};
const sessionOf = (typed) => `s=${typed}`;

// The committed data after two exercises solved and one missed: one objective per exercise,
// the two passed; three interactions, what was typed in each.
function assertReported(data, missed) {
  assert.deepEqual(
    Object.values(data.objectives).map(({ id, status, score: { raw } }) => [id, status, raw]),
    EXERCISES.map(({ id }) => {
      const passed = ['two-parity', 'three-parity'].includes(id);
      return [id, passed ? 'passed' : 'incomplete', passed ? '100' : '0'];
    }),
  );
  assert.deepEqual(
    Object.values(data.interactions).map(({ id, type, result, student_response: typed }) => [
      id,
      type,
      result,
      typed,
    ]),
    [
      ['two-parity', 'performance', 'correct', `v2:t=two-parity;s=${word}n${at(21, 30)}n`],
      ['three-parity', 'performance', 'correct', `v2:t=three-parity;s=${word}n${at(21, 22, 23)}n`],
      ['two-beyond', 'performance', 'wrong', missed],
    ],
  );
}

// An exercise chosen in the list, a new run, and the information word and `pattern` typed in
// the frame's terminal: solved. The time from the last Enter to the verdict.
async function typeAnswer({ page, frame }, id, pattern) {
  const runs = () => frame.evaluate(() => Number(document.body.dataset.runs));
  const shown = (n) => frame.waitForFunction((k) => Number(document.body.dataset.runs) > k, {}, n);
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
  return frame.evaluate(() => performance.getEntriesByName('bch-handover').at(-1).duration);
}

let kept = null; // what the platform kept when the first session ended

test('under scorm-again: exercises solved until passed, the score, every call in order', async (t) => {
  const course = await launch();
  const { page, frame, errors, cmi, solved, calls, answers, committed, follow, miss } = course;
  const mastery = Number(await page.evaluate(() => window.mastery));
  assert.equal(await solved(), '');
  // The first launch: one objective per exercise, in the order of the list.
  assert.deepEqual(await calls(), [
    ...opening(0),
    ...EXERCISES.flatMap(({ id }, n) =>
      objectiveValues(n, id, false).map(([element, value]) => ['LMSSetValue', element, value]),
    ),
    ['LMSGetValue', 'cmi.interactions._count'],
    ['LMSSetValue', 'cmi.core.lesson_status', 'incomplete'],
    ['LMSCommit'],
  ]);
  let expected = await calls();
  const opened = expected.length;
  let progress = emptyProgress();
  let interactions = 0;
  // What was typed, as the page's address keeps it (the Enters the program took): the response
  // a teacher reads, and pastes after "bch.html#" to see the run.
  const address = () => frame.evaluate(() => location.hash.slice(1));
  const check = async (id, name, response, type = 'performance') => {
    if (type === 'performance') assert.equal(await address(), response);
    progress = solve(progress, id);
    const status = score(progress).raw >= mastery ? 'passed' : 'incomplete';
    expected = [
      ...expected,
      ...told(interactions, name, response, 'solved', type),
      ...saved(progress, status),
      ...objectivePassed(id),
      ['LMSCommit'],
    ];
    interactions += 1;
    assert.deepEqual(await calls(), expected, `after ${id}`);
    assert.equal(await cmi('cmi.core.lesson_status'), status);
    assert.equal(await cmi('cmi.suspend_data'), encodeProgress(progress));
  };

  // Two answers typed in the frame's terminal, the exercise chosen in the list first (the run
  // shown then is judged, but is no attempt of it). The time from Enter to the verdict is the
  // hand-over the page measures (the verdict is drawn with the run's screen).
  const typedTimes = [];
  for (const [id, pattern] of [
    ['two-parity', at(21, 30)],
    ['three-parity', at(21, 22, 23)],
  ]) {
    typedTimes.push(await typeAnswer(course, id, pattern));
    await check(id, id, `v2:t=${id};${sessionOf(`${word}n${pattern}n`)}`);
  }
  t.diagnostic(
    `typed answer to verdict: ${typedTimes.map((ms) => `${ms.toFixed(1)} ms`).join(', ')}`,
  );

  // One missed: its interaction alone, committed at once.
  const missed = `v2:t=two-beyond;${sessionOf(`${word}n${at(17, 19)}${'n'.repeat(6)}`)}`;
  await miss(`#${missed}`);
  await page.waitForFunction((n) => window.calls.length >= n, {}, expected.length + 7);
  expected = [...expected, ...told(interactions, 'two-beyond', missed, 'missed'), ['LMSCommit']];
  interactions += 1;
  assert.deepEqual(await calls(), expected, 'after a miss');
  assertReported(await committed(), missed);

  for (const [id, name, handOvers] of LINKS) {
    await follow(`#v2:t=${name};s=${handOvers}`, id);
    await check(id, name, await address());
  }
  // A long division typed row by row in the frame, then checked against the program's run.
  await frame.click('#exercises li[data-exercise="divide"] .exercise-choice');
  const divide = await frame.$eval('#exercises section.exercise', (card) => card.dataset.exercise);
  const { rows } = divisionTask('divide', Number(divide.split('-')[1]));
  for (const row of rows) {
    await frame.type('#division-row', row);
    await page.keyboard.press('Enter');
  }
  await frame.click('[data-arithmetic-run]');
  await frame.waitForSelector('#exercises section[data-verdict="solved"]');
  // Reported as an answer typed into a field: the remainder, the division's last row.
  await check('divide', divide, rows.at(-1), 'fill-in');
  assert.ok(score(progress).raw >= mastery && (await cmi('cmi.core.lesson_status')) === 'passed');
  assert.equal(await cmi('cmi.core.score.raw'), String(score(progress).raw));
  // The page lists them in the order of the list, whatever the order of solving.
  assert.deepEqual((await solved()).split(' '), decodeProgress(encodeProgress(progress)).solved);
  await allTaken(answers);
  // In sight: the grade; out of sight, any link out of the graded launch.
  assert.deepEqual(
    await frame.evaluate(() => [
      document.querySelector('#exercises .tally').textContent,
      document.getElementById('copy-link').hidden,
      document.querySelector('#terminal .hint').dataset.text,
    ]),
    [
      `(${progress.solved.length} of ${EXERCISES.length} solved; passed, pass mark ${passMark()})`,
      true,
      'terminal.hintCourse',
    ],
  );

  // Leaving (the platform closes the frame): the time spent, "suspend" and LMSFinish.
  await page.evaluate(() => {
    document.getElementById('sco').src = 'about:blank';
  });
  await page.waitForFunction(() => window.calls.at(-1)[0] === 'LMSFinish');
  const all = await calls();
  const ending = all.slice(expected.length);
  assert.equal(ending.length, 3);
  assert.deepEqual(ending[0].slice(0, 2), ['LMSSetValue', 'cmi.core.session_time']);
  assert.deepEqual(ending.slice(1), [['LMSSetValue', 'cmi.core.exit', 'suspend'], ['LMSFinish']]);
  const solvedCount = progress.solved.length;
  t.diagnostic(
    `LMS calls: ${opened} at the launch, ${expected.length - opened} for ${solvedCount} solved ` +
      `and 1 missed (${told(0, 'x', '', 'missed').length + 1} for the miss, so ` +
      `${(expected.length - opened - 7) / solvedCount} a solved exercise), ${ending.length} on leaving`,
  );
  t.diagnostic(`calls: ${all.map((call) => call.join(' ')).join(' | ')}`);
  const final = await committed();
  kept = {
    suspend_data: await cmi('cmi.suspend_data'),
    core: {
      lesson_status: await cmi('cmi.core.lesson_status'),
      entry: 'resume',
      score: { raw: await cmi('cmi.core.score.raw') },
    },
    objectives: final.objectives,
    interactions: final.interactions,
  };
  assert.equal(Object.keys(kept.interactions).length, interactions);
  assert.deepEqual(errors, []);
  await course.context.close();
});

// What the platform keeps of an entry, without the elements never set (scorm-again takes no
// empty time back).
const filled = (entries) =>
  JSON.parse(JSON.stringify(entries, (key, value) => (value === '' ? undefined : value)));

test('a new session with the data kept resumes the progress and writes no objective twice', async () => {
  assert.ok(kept, 'the first session ran');
  const ids = EXERCISES.map(({ id }) => id);
  const held = Object.keys(kept.interactions).length;
  // All the objectives found, or the first three (a package of fewer exercises): the others
  // are added after them, each once.
  for (const found of [ids.length, 3]) {
    const objectives = Object.fromEntries(
      Object.entries(filled(kept.objectives)).filter(([n]) => Number(n) < found),
    );
    const { context, page, frame, cmi, solved, calls, answers, committed, errors } = await launch({
      kept: { ...kept, objectives, interactions: filled(kept.interactions) },
    });
    assert.equal(await solved(), kept.suspend_data.split(':')[1].replaceAll('.', ' '));
    const added = ids
      .slice(found)
      .flatMap((id, n) =>
        objectiveValues(found + n, id, kept.suspend_data.split(':')[1].split('.').includes(id)).map(
          ([element, value]) => ['LMSSetValue', element, value],
        ),
      );
    // Passed already: the status stays, and nothing is set but what is missing.
    assert.deepEqual(await calls(), [
      ...opening(found),
      ...added,
      ['LMSGetValue', 'cmi.interactions._count'],
      ...(added.length > 0 ? [['LMSCommit']] : []),
    ]);
    assert.equal(await cmi('cmi.core.lesson_status'), 'passed');
    // Exercises solved again: their interactions after those held, the objectives as they were.
    const [, name, handOvers] = LINKS[0];
    const typed = [];
    for (const [address, shown] of [
      [`v2:t=${name};s=${handOvers}`, name],
      [`v2:t=two-parity;s=${session(word, at(21, 30))}`, 'two-parity'],
    ]) {
      await frame.evaluate((hash) => {
        location.hash = hash;
      }, `#${address}`);
      await frame.waitForSelector(
        `#exercises section[data-exercise="${shown}"][data-verdict="solved"]`,
      );
      typed.push([
        shown,
        'performance',
        'correct',
        await frame.evaluate(() => location.hash.slice(1)),
      ]);
    }
    // An answer typed: "fill-in", the positions as typed; a new run after it is no new try.
    const { pattern } = readRun(4242);
    const positions = [...pattern].flatMap((bit, p) => (bit === '1' ? [p] : [])).join(', ');
    await frame.evaluate(() => {
      location.hash = '#v2:t=read-4242';
    });
    await frame.waitForSelector('#read-positions');
    await frame.type('#read-positions', positions);
    await frame.click('.read-answer button[type="submit"]');
    await frame.waitForSelector('#exercises section[data-verdict="solved"]');
    typed.push(['read-4242', 'fill-in', 'correct', positions]);
    const runs = await frame.evaluate(() => Number(document.body.dataset.runs));
    await frame.click('#new-run');
    await frame.waitForFunction((k) => Number(document.body.dataset.runs) > k, {}, runs);
    await page.waitForFunction(
      (n) => Object.keys(window.committed?.interactions ?? {}).length >= n,
      {},
      held + 3,
    );
    const data = await committed();
    assert.deepEqual(
      Object.values(data.objectives).map((objective) => objective.id),
      ids,
      'each objective once',
    );
    assert.deepEqual(
      Object.values(data.interactions)
        .slice(held)
        .map((entry) => [entry.id, entry.type, entry.result, entry.student_response]),
      typed,
    );
    await allTaken(answers);
    assert.deepEqual(errors, []);
    await context.close();
  }
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

test('a platform that refuses every value: the page runs in the course and judges', async () => {
  for (const mode of ['refusing-values', 'throwing-values']) {
    const { context, frame, follow, cmi, calls, errors } = await launch({ mode });
    await follow(`#v2:t=two-parity;s=${session(word, at(21, 30))}`, 'two-parity');
    const [id, name, handOvers] = LINKS[0];
    await follow(`#v2:t=${name};s=${handOvers}`, id);
    // The progress of the launch stands on the page, and none of it went to the browser.
    assert.equal(await frame.$eval('#exercises .tally', (element) => element.dataset.solved), '2');
    assert.equal(await frame.evaluate(() => localStorage.getItem('bch.v1.progress')), null);
    assert.equal(await frame.$eval('#copy-link', (element) => element.hidden), true, mode);
    assert.deepEqual((await calls()).slice(0, 2), [
      ['LMSInitialize'],
      ['LMSGetValue', 'cmi.core.lesson_status'],
    ]);
    assert.equal(await cmi('cmi.suspend_data'), '');
    assert.equal(await cmi('cmi.objectives._count'), 0);
    assert.deepEqual(errors, [], mode);
    await context.close();
  }
});
