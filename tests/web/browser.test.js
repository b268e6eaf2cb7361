// The page in a real browser, driven by puppeteer-core: Debian's chromium, or Firefox ESR
// (BCH_BROWSER=firefox). The served site (BCH_SITE) and the one-file page opened from disk
// (BCH_PAGE, bch.html): whole sessions typed key by key and checked on the screen after every
// step, at a desktop and at a phone viewport, where no line may reach past the screen and the
// typed word stands under its ruler; the link and a reload give the same screen; keys after
// the end change nothing; Ctrl-D, paste, a new run, focus, loading; the teaching view beside
// the terminal (its marks and verdicts, "Cofnij", "Zapisz przebieg", the phone's switch);
// axe-core finds nothing, in the light and the dark colour scheme; no error in the page's
// console. (Times and sizes are measured by bench/web_figures.mjs, not here.)
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { inflateSync } from 'node:zlib';
import { after, before, test } from 'node:test';
import { fileIn, launch, sendFile, serve } from './harness.js';
import { divisionTask } from '../../web/practice/arithmetic_exercises.js';
import { EXERCISES, readRun } from '../../web/practice/exercises.js';
import { runProgram } from '../../web/program/engine.js';

const site = process.env.BCH_SITE;
const readRunPattern = (seed) => readRun(seed).pattern;
const onePage = pathToFileURL(resolve(process.env.BCH_PAGE)).href;
const browserName = process.env.BCH_BROWSER || 'chromium';
const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const desktop = { width: 1366, height: 768 };
const phone = { width: 390, height: 844, isMobile: true, hasTouch: true };
const code = '1000000000000000000001110110100'; // the code vector of 1 (or of "10 01")
const banner =
  `${'-'.repeat(18)} Kod BCH ${'-'.repeat(18)}\n${' '.repeat(48)}${'_'.repeat(21)}\n` +
  "Podaj ciag do wyslania (21 znakow '0' lub '1'): ";
let server;
let browser;
let darkBrowser = null; // Firefox in the dark scheme (its pages cannot be switched one by one)
let address;
let holdProgram = null; // while set, the server keeps bch.wasm back until it resolves

before(async () => {
  ({ server, address } = await serve(async (request, response) => {
    const file = fileIn(site, request.url);
    if (file === join(site, 'bch.wasm') && holdProgram) await holdProgram;
    await sendFile(response, file);
  }));
  browser = await launch(browserName);
});
after(async () => {
  await browser?.close();
  await darkBrowser?.close();
  server?.close();
});

// A page in the light or the dark colour scheme.
async function newPage(scheme) {
  if (scheme === 'light') return browser.newPage();
  if (browserName !== 'firefox') {
    const page = await browser.newPage();
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
    return page;
  }
  darkBrowser ??= await launch('firefox', {
    extraPrefsFirefox: { 'layout.css.prefers-color-scheme.content-override': 0 },
  });
  return darkBrowser.newPage();
}

// Opens a page and waits for its first screen; returns it with helpers that type and read.
// The reader's languages are Polish (the page's default) unless `languages` says otherwise.
async function open(url, viewport = desktop, scheme = 'light', languages = ['pl-PL', 'pl']) {
  const page = await newPage(scheme);
  assert.equal(
    await page.evaluate(() => matchMedia('(prefers-color-scheme: dark)').matches),
    scheme === 'dark',
  );
  page.setDefaultTimeout(10000);
  await page.setViewport(viewport);
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('requestfailed', (request) => errors.push(`failed: ${request.url()}`));
  await page.evaluateOnNewDocument((preferred) => {
    Object.defineProperty(navigator, 'languages', { get: () => preferred });
    // The clipboard, as the page's "Kopiuj link" sees it.
    Object.defineProperty(navigator, 'clipboard', {
      value: {
        writeText: async (text) => {
          window.copied = text;
        },
      },
    });
    // A download ("Zapisz przebieg"): its file's name and contents, and no file.
    const objectURL = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      window.saved = { blob };
      return objectURL(blob);
    };
    document.addEventListener(
      'click',
      (event) => {
        if (event.target instanceof HTMLAnchorElement && event.target.download) {
          window.saved.name = event.target.download;
          window.saved.href = event.target.href;
          event.preventDefault();
        }
      },
      true,
    );
  }, languages);
  await page.goto(url);
  const runs = () => page.evaluate(() => Number(document.body.dataset.runs || 0));
  const waitForRuns = (n) =>
    page.waitForFunction((k) => Number(document.body.dataset.runs) >= k, {}, n);
  await waitForRuns(1);
  const screen = () => page.$eval('#output', (element) => element.textContent);
  const typed = () => page.$eval('#line', (element) => element.textContent);
  const fragment = () => page.evaluate(() => location.hash);
  // Types text, then presses a key (with a modifier), and waits for the new screen.
  const press = async (text, key = 'Enter', modifier = null) => {
    const before = await runs();
    if (text) await page.type('#line', text);
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    if (modifier) await page.keyboard.up(modifier);
    await waitForRuns(before + 1);
  };
  // Clicks a button, or taps it where the viewport is a touch screen.
  const click = async (selector) => {
    const before = await runs();
    if (viewport.hasTouch) await page.tap(selector);
    else await page.click(selector);
    await waitForRuns(before + 1);
  };
  const count = async (text) => (await screen()).split(text).length - 1;
  return { page, errors, runs, waitForRuns, screen, typed, fragment, press, click, count };
}

// Reports what axe-core finds on the page as it stands. Text of one character whose contrast
// is too low (a digit of a word) it reports only as "incomplete", for it might be an icon:
// here that is a violation too.
async function accessibilityViolations(page) {
  await page.addScriptTag({ path: axe });
  return page.evaluate(async () => {
    const { violations, incomplete } = await window.axe.run();
    const lowDigits = incomplete
      .filter((result) => result.id === 'color-contrast')
      .map((result) => ({
        ...result,
        nodes: result.nodes.filter(
          ({ any: [check] }) =>
            check?.data?.messageKey === 'shortTextContent' && check.data.contrastRatio > 0,
        ),
      }));
    return [...violations, ...lowDigits]
      .filter((result) => result.nodes.length > 0)
      .map((result) => `${result.id}: ${result.nodes.map((node) => node.target).join(', ')}`);
  });
}

// The screen's geometry: scroll widths, and any piece of a printed line outside the viewport.
function geometry(page) {
  return page.evaluate(() => {
    const width = document.documentElement.clientWidth;
    const range = document.createRange();
    range.selectNodeContents(document.getElementById('screen'));
    const outside = [...range.getClientRects()].filter(
      (rect) => rect.width > 0 && (rect.left < -0.5 || rect.right > width + 0.5),
    );
    const screen = document.getElementById('screen');
    return {
      pageScroll: document.documentElement.scrollWidth,
      pageClient: width,
      screenScroll: screen.scrollWidth,
      screenClient: screen.clientWidth,
      outside: outside.length,
    };
  });
}
async function assertFits(page, where) {
  const { pageScroll, pageClient, screenScroll, screenClient, outside } = await geometry(page);
  assert.equal(pageScroll, pageClient, `${where}: the page scrolls sideways`);
  assert.equal(screenScroll, screenClient, `${where}: the screen scrolls sideways`);
  assert.equal(outside, 0, `${where}: a printed line reaches past the viewport`);
}

// The horizontal distances in pixels from the marks of the ruler (the last on the screen) to
// the characters typed under them; on an empty line, from the first mark to the caret, which
// stands where the (empty) line begins.
function distancesToRuler(page) {
  return page.evaluate(() => {
    const rectOf = (node, index) => {
      const range = document.createRange();
      range.setStart(node, index);
      range.setEnd(node, index + 1);
      return range.getBoundingClientRect();
    };
    const text = document.getElementById('output').lastChild;
    const ruler = text.textContent.lastIndexOf(' _') + 1;
    const line = document.getElementById('line');
    if (!line.firstChild) {
      if (!line.contains(window.getSelection().anchorNode)) return ['the caret is elsewhere'];
      return [Math.abs(rectOf(text, ruler).left - line.getClientRects()[0].left)];
    }
    return [...line.textContent].map((_, i) =>
      Math.abs(rectOf(text, ruler + i).left - rectOf(line.firstChild, i).left),
    );
  });
}

// Checks the caret and then the typed word stand under the ruler's marks; hands the word over.
async function typeUnderRuler({ page, press }, word) {
  const caret = await distancesToRuler(page);
  assert.ok(caret[0] < 1, `the caret is not under the ruler's first mark: ${caret}`);
  await page.type('#line', word);
  const distances = await distancesToRuler(page);
  assert.equal(distances.length, word.length);
  assert.ok(
    distances.every((distance) => distance < 1),
    `the typed word is not under its ruler: ${distances.map(Math.round)}`,
  );
  await press('');
}

// First, while the browser is cold: each page opens at the first prompt, with no error.
test('first prompt after navigation, the site and bch.html', async () => {
  for (const url of [address, onePage]) {
    const { page, errors, screen } = await open(url);
    assert.equal(await screen(), banner);
    assert.deepEqual(errors, []);
    await page.close();
  }
});

test('a session at a desktop: every screen, the link at the fifth pause, reload, the end', async () => {
  const { page, errors, runs, screen, typed, fragment, press, click, count } = await open(address);
  assert.equal(await screen(), banner);
  assert.deepEqual(await accessibilityViolations(page), []);
  const history = () => page.evaluate(() => window.history.length);
  const entries = await history();
  // Beside the teaching view the terminal keeps its 80 columns; a line takes as many rows as it
  // needs at that many.
  const rows = () =>
    page.evaluate(() => {
      const output = document.getElementById('output');
      const height = output.getBoundingClientRect().height;
      return Math.round(height / parseFloat(getComputedStyle(output).lineHeight));
    });
  const columns = Number(await page.$eval('#screen', (element) => element.dataset.columns));
  assert.equal(columns, 80, 'columns beside the view');
  const wrapped = (text) =>
    text
      .replace(/\n$/, '')
      .split('\n')
      .reduce((sum, row) => sum + Math.max(1, Math.ceil(row.length / columns)), 0);
  assert.equal(await rows(), wrapped(banner));

  assert.equal(await runs(), 1);
  await press('10 01'); // a second word on the line is dropped
  const ruler2 = `${' '.repeat(44)}${'_'.repeat(31)}\nPodaj blad wprowadzony do wektora kodowego: `;
  assert.equal(
    await screen(),
    `${banner}10 01\nZakodowany ciag (wektor kodowy): ${code}\n${ruler2}`,
  );
  // Only the new output is read out, from its own live region.
  assert.equal(
    await page.$eval('#news', (element) => element.textContent),
    `Zakodowany ciag (wektor kodowy): ${code}\n${ruler2}`,
  );
  assert.equal(await page.$eval('#screen', (element) => element.getAttribute('aria-live')), null);
  assert.equal(await fragment(), '#v1:10%2001n');
  assert.equal(await runs(), 2, 'one run shown per hand-over');

  await press('00000000000000001'); // one error at 16: five rotations, a pause after each
  assert.equal(await count('Przesuniety ciag: '), 1);
  assert.ok((await screen()).endsWith('Waga syndromu: 4\n<Enter>\n'));
  await press('');
  assert.equal(await count('Przesuniety ciag: '), 2);
  await press('x'); // a character and Enter end two pauses
  assert.equal(await count('Przesuniety ciag: '), 4);
  const fourth = { screen: await screen(), fragment: await fragment() };
  await press('');
  assert.equal(await count('Przesuniety ciag: '), 5);
  assert.equal(await count('Koniec procesu'), 0);
  const fifth = await screen();
  assert.equal(await fragment(), '#v1:10%2001n00000000000000001nn%78nn');
  assert.equal(await rows(), wrapped(fifth));

  // The link at the fifth pause, opened in a fresh page, and a reload: the same screen.
  await page.click('#copy-link');
  await page.waitForFunction(() => window.copied !== undefined);
  const link = await page.evaluate(() => window.copied);
  assert.equal(link, page.url());
  // "Copied" until the next action, which leaves the status as it stood.
  const status = () => page.$eval('#status', (element) => element.textContent);
  assert.notEqual(await status(), '');
  await page.click('#output');
  assert.equal(await status(), '');
  const elsewhere = await open(link);
  assert.equal(await elsewhere.screen(), fifth);
  assert.deepEqual(elsewhere.errors, []);
  await elsewhere.page.close();
  await page.reload();
  await page.waitForFunction(() => document.body.dataset.runs === '1');
  assert.equal(await screen(), fifth);
  // Taking back the last hand-over gives the fourth pause again; the same Enter, the fifth.
  await page.click('#take-back');
  await page.waitForFunction(() => document.body.dataset.runs === '2');
  assert.deepEqual({ screen: await screen(), fragment: await fragment() }, fourth);
  await press('');
  assert.equal(await screen(), fifth);

  await press('');
  assert.ok(
    (await screen()).endsWith(
      `Skorygowany ciag: ${code}\nNadany ciag:      ${code}\n` + '\nKoniec programu!\n<Enter>\n',
    ),
  );
  await press(''); // the closing pause
  const end = { screen: await screen(), fragment: await fragment() };
  assert.match(
    await page.$eval('#status', (element) => element.textContent),
    /Program zakończył działanie \(kod wyjścia 0\)/,
  );
  assert.equal(await page.$eval('#end-input', (button) => button.disabled), true);
  // After the end the line keeps the focus; Enter and typing there change nothing.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'line');
  await page.keyboard.press('Enter');
  await page.keyboard.type('1');
  await page.keyboard.press('Enter');
  await new Promise((done) => setTimeout(done, 200));
  assert.deepEqual({ screen: await screen(), fragment: await fragment() }, end);
  assert.equal(await typed(), '');
  assert.deepEqual(await accessibilityViolations(page), []);
  assert.equal(await history(), entries, 'a history entry per hand-over');

  // A new run starts clean, with its own history entry: Back shows the session before it.
  await click('#new-run');
  assert.equal(await screen(), banner);
  assert.equal(await fragment(), '');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'line');
  const shown = await runs();
  await page.goBack();
  await page.waitForFunction((n) => Number(document.body.dataset.runs) > n, {}, shown);
  assert.deepEqual({ screen: await screen(), fragment: await fragment() }, end);
  assert.deepEqual(errors, []);
  await page.close();
});

// The 22-rotation session (an error pattern that cannot be trapped), begun by a click or, at a
// phone, a tap on the screen: after every step nothing reaches past the screen, and each typed
// word stands under its ruler (at a desktop, in the terminal beside the view). Returns the
// screens.
async function twentyTwoRotations(url, viewport) {
  const terminal = await open(url, viewport);
  const { page, errors, screen, press } = terminal;
  await assertFits(page, 'first prompt');
  assert.deepEqual(await accessibilityViolations(page), []);
  if (viewport.hasTouch) await page.tap('#output');
  else await page.click('#output');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'line');
  const screens = [await screen()];
  await typeUnderRuler(terminal, '101010101011001100111');
  await assertFits(page, 'code vector');
  screens.push(await screen());
  await typeUnderRuler(terminal, '1000000000000000000000000000010');
  for (let i = 0; i < 22; i += 1) {
    await assertFits(page, `pause ${i + 1}`);
    screens.push(await screen());
    await press('');
  }
  await assertFits(page, 'the end');
  screens.push(await screen());
  // The phone turns: the screen wraps anew, to more columns, and still fits.
  if (viewport.hasTouch) {
    const columns = () => page.$eval('#screen', (element) => Number(element.dataset.columns));
    const upright = await columns();
    await page.setViewport({ ...phone, width: phone.height, height: phone.width });
    await page.waitForFunction(
      (n) => Number(document.getElementById('screen').dataset.columns) > n,
      {},
      upright,
    );
    await assertFits(page, 'turned');
    assert.equal(await screen(), screens.at(-1));
  }
  assert.ok(
    screens.at(-1).endsWith('\nCiagu nie da sie skorygowac!\n\nKoniec programu!\n<Enter>\n'),
  );
  assert.deepEqual(await accessibilityViolations(page), []);
  // One measure per hand-over, and one more drawing of the view: the first screen.
  const count = (name) => page.evaluate((n) => performance.getEntriesByName(n).length, name);
  assert.deepEqual([await count('bch-handover'), await count('bch-view')], [24, 25]);
  assert.deepEqual(errors, []);
  await page.close();
  return screens;
}

let served;
test('the 22-rotation session at a desktop, the terminal beside the view', async () => {
  served = await twentyTwoRotations(address, desktop);
});

test('bch.html from disk at a phone, by touch: the same session gives the same screens', async () => {
  assert.deepEqual(await twentyTwoRotations(onePage, phone), served);
});

// --- The teaching view --------------------------------------------------------------------

// The program's own screen for lines typed one by one: the output of the same program run in
// Node, each line echoed where the program took it, as a terminal shows it.
const program = await WebAssembly.compile(await readFile(join(site, 'bch.wasm')));
async function programScreen(lines) {
  const chunks = lines.map((line) => new TextEncoder().encode(`${line}\n`));
  const { output, marks } = await runProgram(program, chunks, false);
  const text = (from, to) => new TextDecoder().decode(output.subarray(from, to));
  return (
    marks.reduce(
      (shown, mark, i) =>
        shown + text(marks[i - 1] ?? 0, mark) + new TextDecoder().decode(chunks[i]),
      '',
    ) + text(marks.at(-1) ?? 0)
  );
}

// What the view shows, read off its data attributes: per row ("section.row") the positions of
// each mark, the facts its paragraphs carry, the trapped rotations, the rotations and sections;
// and the figures' classes: the positions that the cells with the window's class cover, each
// figure row's once (a cell may span several), and the chart's point shapes in order.
function viewFacts(page) {
  return page.evaluate(() => {
    const windows = new Set();
    for (const row of document.querySelectorAll('#view-steps .words [role="row"]')) {
      const covered = [];
      let at = 0;
      for (const cell of [...row.children].slice(1, -1)) {
        // the label and the note aside
        const span = Number(cell.getAttribute('aria-colspan') ?? 1);
        if (cell.classList.contains('window')) {
          for (let i = 0; i < span; i += 1) covered.push(at + i);
        }
        at += span;
      }
      windows.add(covered.join(' '));
    }
    const marks = {};
    for (const cell of document.querySelectorAll('#view-steps [data-mark]')) {
      const section = cell.closest('section').id.slice(5);
      const row = `${section}.${cell.closest('[role="row"]').dataset.row}`;
      for (const mark of cell.dataset.mark.split(' ')) {
        ((marks[row] ??= {})[mark] ??= []).push(Number(cell.dataset.position));
      }
    }
    const data = {};
    for (const paragraph of document.querySelectorAll('#view-steps p')) {
      Object.assign(data, paragraph.dataset);
    }
    const words = (selector) => [...document.querySelectorAll(`#step-rotations ${selector}`)];
    return {
      marks,
      data,
      text: document.getElementById('view-steps').textContent,
      trapped: words('[data-trapped]:not(.under)').map((row) => Number(row.dataset.shift)),
      rotations: words('[data-shift]:not(.under)').length,
      windows: [...windows],
      points: words('.chart g > *').map((point) =>
        point.matches('rect.trapped') ? 'rect.trapped' : point.tagName,
      ),
      sections: [...document.querySelectorAll('#view-steps > section')].map((section) =>
        section.id.slice(5),
      ),
    };
  });
}

// The view beside the terminal, or at a phone alone at full width; nothing scrolls sideways.
async function assertViewShown(page, viewport) {
  const {
    terminal,
    view,
    page: width,
    viewScroll,
  } = await page.evaluate(() => {
    const box = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
    const element = document.getElementById('view');
    return {
      terminal: box('terminal'),
      view: box('view'),
      viewScroll: element.scrollWidth - element.clientWidth,
      page: [document.documentElement.scrollWidth, document.documentElement.clientWidth],
    };
  });
  assert.equal(width[0], width[1], 'the page scrolls sideways');
  assert.ok(viewScroll <= 0, `the view scrolls sideways by ${viewScroll} px`);
  if (viewport.hasTouch) {
    assert.equal(terminal.width, 0, 'the terminal beside the view on a phone');
    assert.ok(view.width > viewport.width - 40, `the view is ${view.width} px wide`);
  } else {
    assert.ok(
      view.left >= terminal.right && view.width > 400,
      'the view is not beside the terminal',
    );
  }
}

// The same session from its link in the dark colour scheme: the same view, and axe-core finds
// nothing there either.
async function darkView(link, viewport, facts, where) {
  const dark = await open(link, viewport, 'dark');
  if (viewport.hasTouch) await dark.page.tap('#show-view');
  assert.deepEqual(await viewFacts(dark.page), facts, `${where}, dark`);
  assert.deepEqual(await accessibilityViolations(dark.page), [], `${where}, dark`);
  assert.deepEqual(dark.errors, [], `${where}, dark`);
  await dark.page.close();
}

const information = '101010101011001100111';
const enters = (n) => new Array(n).fill('');
// Each session: the lines typed, the rotation (if any) at which the weight falls to 2, and at
// the end the marks (rows not named are not checked), the paragraphs' facts and a sentence.
// axe-core runs where the view shows marks the others do not (it takes a second a run): at
// the third pause of the first (the waiting rotation highlighted) and at the end of those
// with `axe`, in both colour schemes (the colours do not change with the width: the dark one
// at a phone once).
const viewSessions = [
  {
    name: 'one error at 16, trapped at rotation 5; Cofnij at the third pause; the file saved',
    lines: [information, '00000000000000001', ...enters(5), 'żółw'],
    trappedAt: 5,
    marks: {
      'error.error-pattern': { error: [16] },
      'error.received': { error: [16] },
      'rotations.rotation-1': { error: [17] },
      'rotations.rotation-5': { error: [21] },
      'rotations.rotation-5-syndrome': { changed: [21] },
      'result.received': { error: [16] },
      'result.corrected': { changed: [16] },
    },
    data: { verdict: 'correction', trapped: '5', outcome: 'corrected', changed: '16' },
  },
  {
    name: 'two errors, at 17 and 19, trapped at rotation 4',
    lines: [information, '00000000000000000101', ...enters(5)],
    trappedAt: 4,
    marks: {
      'error.received': { error: [17, 19] },
      'rotations.rotation-4': { error: [21, 23] },
      'rotations.rotation-4-syndrome': { changed: [21, 23] },
      'result.corrected': { changed: [17, 19] },
    },
    data: { trapped: '4', outcome: 'corrected', changed: '17 19' },
  },
  {
    name: 'errors at 0 and 29: uncorrectable after 22 rotations, their span explained',
    lines: [information, '1000000000000000000000000000010', ...enters(22)],
    marks: {
      'error.received': { error: [0, 29] },
      'rotations.rotation-22': { error: [20, 22] },
      'result.received': { error: [0, 29] },
      'result.span': { span: [0, 29, 30] },
    },
    data: {
      outcome: 'uncorrectable',
      limit: 'decoder',
      reason: 'rotations',
      spanFirst: '29',
      spanLast: '0',
      spanLength: '3',
    },
    axe: true,
  },
  {
    name: 'three errors at 0, 1 and 3, miscorrected: the differing positions listed',
    lines: ['0'.repeat(21), '1101', ...enters(14)],
    trappedAt: 14,
    marks: {
      'error.received': { error: [0, 1, 3] },
      'rotations.rotation-14': { error: [14, 15, 17] },
      'rotations.rotation-14-syndrome': { changed: [21, 29] },
      'result.corrected': { error: [0, 1, 3, 7, 15], changed: [7, 15] },
    },
    data: {
      trapped: '14',
      errorsTrapped: 'no',
      flipsWithoutError: '21 29',
      outcome: 'miscorrected',
      wrong: '0 1 3 7 15',
      limit: 'code',
    },
    axe: true,
    why: true,
  },
  {
    name: 'an error at 21, in the parity part only: no trapping',
    lines: [information, '0000000000000000000001', ''],
    marks: { 'error.received': { error: [21] }, 'syndrome.received': { error: [21] } },
    data: { verdict: 'no-correction', parityOnly: '21' },
  },
  {
    name: 'a 2 typed in the information word',
    lines: ['2', '0', ...enters(21)],
    trappedAt: 21,
    marks: {
      'encoding.code-vector': { 'non-binary': [0] },
      'error.received': { error: [0] },
      'result.corrected': { error: [0], changed: [0] },
      'result.transmitted': { 'non-binary': [0] },
    },
    data: { unusual: '0', trapped: '21', outcome: 'miscorrected', wrong: '0' },
    says: /wartość spoza 0 i 1 na pozycji 0 \(„2” = 2\)/,
    axe: true,
  },
];

for (const viewport of [desktop, phone]) {
  test(`the teaching view: ${viewSessions.length} sessions (${viewport.width} px)`, async () => {
    for (const session of viewSessions) {
      const where = `${session.name} (${viewport.width} px)`;
      const terminal = await open(address, viewport);
      const { page, errors, screen, fragment, press, click } = terminal;
      assert.equal(await page.$eval('#take-back', (button) => button.disabled), true, where);
      let second = null;
      for (let typed = 1; typed <= session.lines.length; typed += 1) {
        await press(session.lines[typed - 1]);
        const shown = await screen();
        const step = `${where}, ${typed} lines`;
        assert.equal(shown, await programScreen(session.lines.slice(0, typed)), step);
        // Never ahead of the program: as many rotations as printed, the trapped step and the
        // result only once printed.
        const { rotations, sections, trapped, windows, points } = await viewFacts(page);
        const printed = shown.split('Przesuniety ciag: ').length - 1;
        assert.equal(rotations, printed, step);
        // The window's band at 21..30 in every figure row; on the chart, from the first rotation
        // on, a weight of 2 or less is the trapped shape and every other weight a circle.
        assert.deepEqual(windows, ['21 22 23 24 25 26 27 28 29 30'], step);
        const weights = [...shown.matchAll(/Waga syndromu: (\d+)\n/g)].map(([, w]) => Number(w));
        assert.deepEqual(
          points,
          printed === 0 ? [] : weights.map((w) => (w <= 2 ? 'rect.trapped' : 'circle')),
          step,
        );
        assert.deepEqual(trapped, printed >= session.trappedAt ? [session.trappedAt] : [], step);
        assert.equal(sections.includes('result'), /korekcji\.\n|skorygowac!\n/.test(shown), step);
        if (printed === 2) second = { screen: shown, fragment: await fragment() };
        if (printed === 3 && session.trappedAt === 5 && second) {
          // At a pause the rotation that waits is highlighted: axe-core, in both schemes.
          assert.deepEqual(await accessibilityViolations(page), [], step);
          await darkView(`${address}${await fragment()}`, viewport, await viewFacts(page), step);
          // "Cofnij" at the third pause: the second pause's screen, address and view; Enter
          // gives the third again.
          await click('#take-back');
          assert.deepEqual({ screen: await screen(), fragment: await fragment() }, second, step);
          assert.equal((await viewFacts(page)).rotations, 2, step);
          await press('');
          assert.equal(await screen(), shown, step);
          second = null;
        }
      }
      const facts = await viewFacts(page);
      for (const [row, marks] of Object.entries(session.marks)) {
        assert.deepEqual(facts.marks[row], marks, `${where}: ${row}`);
      }
      for (const [key, value] of Object.entries(session.data)) {
        assert.equal(facts.data[key], value, `${where}: ${key}`);
      }
      if (session.says) assert.match(facts.text, session.says, where);
      if (session.lines.at(-1) === 'żółw') {
        // "Zapisz przebieg": the terminal's text as shown, UTF-8.
        if (viewport.hasTouch) await page.tap('#show-view');
        await (viewport.hasTouch ? page.tap('#save-run') : page.click('#save-run'));
        const saved = await page.evaluate(async () => ({
          name: window.saved.name,
          type: window.saved.blob.type,
          href: window.saved.href.startsWith('blob:'),
          bytes: [...new Uint8Array(await window.saved.blob.arrayBuffer())],
        }));
        assert.deepEqual(
          saved,
          {
            name: 'bch-przebieg.txt',
            type: 'text/plain;charset=utf-8',
            href: true,
            bytes: [...new TextEncoder().encode(await screen())],
          },
          where,
        );
        assert.ok((await screen()).endsWith('Koniec programu!\n<Enter>\nżółw\n'), where);
      }
      // At a phone the view is a pane of its own: the switch shows it at full width, and back
      // the terminal has kept its columns.
      const columns = () => page.$eval('#screen', (element) => element.dataset.columns);
      const terminalColumns = await columns();
      if (viewport.hasTouch) {
        await page.tap('#show-view');
        assert.deepEqual(
          await page.$$eval('.panes button', (buttons) =>
            buttons.map((button) => button.getAttribute('aria-pressed')),
          ),
          ['false', 'true'],
          where,
        );
      }
      await assertViewShown(page, viewport);
      assert.equal(await columns(), terminalColumns, where);
      if (session.why) {
        // "Dlaczego?" at the verdict opens the panel at its point, which takes the focus.
        const link = await page.$eval(
          '#step-result p[data-outcome] .why',
          (button) => button.dataset.why,
        );
        await page.click(`#step-result p[data-outcome] .why`);
        assert.deepEqual(
          await page.evaluate(() => [
            document.getElementById('why').open,
            document.activeElement.id,
          ]),
          [true, link],
          where,
        );
      }
      if (session.axe) {
        assert.deepEqual(await accessibilityViolations(page), [], where);
        if (!viewport.hasTouch || session === viewSessions.at(-1)) {
          await darkView(`${address}${await fragment()}`, viewport, facts, where);
        }
      }
      if (viewport.hasTouch) {
        await page.tap('#show-terminal');
        await assertFits(page, where);
        assert.equal(await columns(), terminalColumns, where);
      }
      assert.deepEqual(errors, [], where);
      await page.close();
    }
  });
}

// The figures as a class reads them, on a phone and projected at 1920 px: in every figure the
// position numbers shown are at least 11 px and never touch, no figure is wider than its pane
// (values of two digits included), and at the 20th of 22 rotations the rotations' head (the
// window's band and the numbers) and the row that waits stand in sight.
const wide = { width: 1920, height: 1080 };
async function figureGeometry(page) {
  return page.evaluate(() => {
    const problems = [];
    const scrolled = [document.scrollingElement, document.getElementById('view')].map((element) => [
      element,
      element.scrollTop,
    ]);
    // A number shown meets no tick of a neighbour's column and stands above its band.
    const numbersClear = (table) => {
      for (const column of table.querySelectorAll('.ruler > :not(:first-child, :last-child)')) {
        const number = column.querySelector('.number').getBoundingClientRect();
        if (number.width <= 1 || !table.classList.contains('sparse')) continue;
        for (const side of [column.previousElementSibling, column.nextElementSibling]) {
          const tick = getComputedStyle(side, '::after');
          const place = side.getBoundingClientRect();
          const middle = place.left + place.width / 2;
          const drawn = tick.content !== 'none' && tick.visibility !== 'hidden';
          if (drawn && middle >= number.left - 0.5 && middle <= number.right + 0.5) {
            problems.push(`a tick in the number ${column.textContent}`);
          }
        }
        column.scrollIntoView({ block: 'center' });
        const now = column.querySelector('.number').getBoundingClientRect();
        const [left, right] = [now.left + 1, now.right - 1];
        const y = now.top + now.height / 2;
        for (const x of [left, right]) {
          const top = document.elementFromPoint(x, y);
          if (top && !column.contains(top))
            problems.push(`${column.textContent} under ${top.className}`);
        }
      }
    };
    const view = document.getElementById('view').getBoundingClientRect();
    for (const table of document.querySelectorAll('#view-steps .words')) {
      // In a folded part (a closed <details> keeps its content laid out but not shown).
      if (table.closest('details:not([open])') || table.getClientRects().length === 0) continue;
      const figure = table.parentElement.getBoundingClientRect();
      const right = Math.max(
        ...[...table.querySelectorAll('[role="row"] > :last-child')].map(
          (element) => element.getBoundingClientRect().right,
        ),
      );
      if (right > figure.right + 0.5 || figure.right > view.right + 0.5) {
        problems.push(`a figure reaches ${right - figure.right} px past its pane`);
      }
      // The bands over the columns name their positions: the information, then the window.
      const bands = [...table.querySelectorAll('.bands [role="columnheader"]')].map(
        (band) => band.textContent.match(/\d+–\d+/)?.[0],
      );
      if (bands.join(' ') !== '0–20 21–30') problems.push(`bands named ${bands.join(' ')}`);
      const numbers = [...table.querySelectorAll('.ruler .number')]
        .map((number) => number.getBoundingClientRect())
        .filter((box) => box.width > 1);
      if (numbers.length < 7) problems.push(`only ${numbers.length} position numbers`);
      for (const number of table.querySelectorAll('.ruler .number')) {
        const size = parseFloat(getComputedStyle(number).fontSize);
        if (number.getBoundingClientRect().width > 1 && size < 11) {
          problems.push(`a position number of ${size} px`);
        }
      }
      numbers.slice(1).forEach((box, i) => {
        if (box.left < numbers[i].right + 1) problems.push(`numbers touch at ${box.left}`);
      });
      numbersClear(table);
      for (const cell of table.querySelectorAll('[data-step] > [data-position]')) {
        const size = parseFloat(getComputedStyle(cell).fontSize);
        const shown = cell.checkVisibility?.() ?? cell.getClientRects().length > 0;
        if (shown && size < 11) problems.push(`a digit of ${size} px`);
      }
    }
    for (const register of document.querySelectorAll('#view-steps svg.register')) {
      const box = register.getBoundingClientRect();
      if (box.right > view.right + 0.5) problems.push('the register reaches past its pane');
      const scale = box.width / register.viewBox.baseVal.width;
      for (const text of register.querySelectorAll('text')) {
        const size = parseFloat(getComputedStyle(text).fontSize) * scale;
        if (size < 11) problems.push(`a register digit of ${size.toFixed(1)} px`);
      }
    }
    // The chart grows with its pane: its labels at least 14 px where the pane is wide.
    const chart = document.querySelector('.chart');
    if (chart && innerWidth >= 1900) {
      const scale = chart.getBoundingClientRect().width / chart.viewBox.baseVal.width;
      const label = parseFloat(getComputedStyle(chart).fontSize) * scale;
      if (label < 14) problems.push(`chart labels of ${label} px`);
    }
    for (const [element, top] of scrolled) element.scrollTop = top;
    return problems;
  });
}
async function headInSight(page) {
  return page.evaluate(() => {
    const view = document.getElementById('view');
    const own =
      view.scrollHeight > view.clientHeight + 1 && getComputedStyle(view).overflowY !== 'visible';
    const pane = own ? view.getBoundingClientRect() : { top: 0, bottom: innerHeight };
    const ruler = document.querySelector('#step-rotations .ruler').getBoundingClientRect();
    const current = document.querySelector('#step-rotations .current').getBoundingClientRect();
    const viewHead = document.querySelector('.view-head').getBoundingClientRect();
    // On a narrow screen the bar with the panes' switch stays at the top, above both heads.
    const bar = document.querySelector('.bar');
    const barBottom =
      getComputedStyle(bar).display === 'none' ? 0 : bar.getBoundingClientRect().bottom;
    const below = Math.max(viewHead.bottom, barBottom);
    return {
      ruler: ruler.top >= below - 1 && viewHead.top >= barBottom - 1 && ruler.bottom <= pane.bottom,
      current: current.top >= ruler.bottom - 1 && current.bottom <= pane.bottom + 1,
    };
  });
}
// The divisions and the register opened and stepped: the syndrome's division from its start, one step on
// (g under the first leading 1 and its difference marked), whole again; every figure then fits
// and reads; an Enter clocks the register once, from the syndrome printed before, and the parts
// stay open.
async function arithmeticStepped(page, viewport, where) {
  const press = (selector) => (viewport.hasTouch ? page.tap(selector) : page.click(selector));
  for (const part of ['encoding-division', 'syndrome-division', 'register']) {
    await press(`details[data-part="${part}"] > summary`);
  }
  const division = '#step-syndrome details[data-part="syndrome-division"]';
  const shown = () =>
    page.$$eval(`${division} [data-step]`, (rows) => [
      rows.filter((row) => !row.hidden).map((row) => row.dataset.row),
      rows.filter((row) => row.classList.contains('at-step')).map((row) => row.dataset.row),
    ]);
  await press(`${division} [data-division-step="first"]`);
  assert.deepEqual(
    await shown(),
    [
      ['quotient', 'dividend'],
      ['quotient', 'dividend'],
    ],
    where,
  );
  await press(`${division} [data-division-step="forward"]`);
  const [visible, current] = await shown();
  assert.deepEqual(current, ['subtract-1', 'difference-1'], where);
  assert.deepEqual(visible, ['quotient', 'dividend', 'subtract-1', 'difference-1'], where);
  assert.match(await page.$eval(`${division} .step-sentence`, (p) => p.textContent), /^Krok 1 z /);
  await press(`${division} [data-division-step="whole"]`);
  assert.equal((await shown())[1].length, 0, where);
  assert.deepEqual(await figureGeometry(page), [], `${where}: the arithmetic open`);
  assert.equal(await page.$eval(division, (d) => d.dataset.matches), 'true', where);
  const register = () =>
    page.$eval('svg.register', (svg) => ({
      shift: Number(svg.dataset.registerShift),
      out: Number(svg.dataset.out),
      now: [...svg.querySelectorAll('text.now[data-q]')].map((t) => t.textContent).join(''),
    }));
  const before = await register();
  const last = await page.$eval(
    `[data-row="rotation-${before.shift}-syndrome"] [data-position="30"]`,
    (cell) => Number(cell.textContent),
  );
  await press('#step');
  await page.waitForFunction(
    (k) => document.querySelector('svg.register')?.dataset.registerShift === String(k),
    {},
    before.shift + 1,
  );
  const after = await register();
  assert.equal(after.out, last, where);
  const printed = await page.$$eval(
    `[data-row="rotation-${after.shift}-syndrome"] [data-position]`,
    (cells) => cells.map((cell) => cell.textContent).join(''),
  );
  assert.equal(after.now, printed, where);
  assert.deepEqual(
    await page.$$eval('details.arithmetic', (parts) => parts.map((part) => part.open)),
    [true, true, true],
    where,
  );
}
for (const viewport of [phone, wide]) {
  test(`figures a class can read (${viewport.width} px)`, async () => {
    const twenty = `#v1:${'0'.repeat(21)}n1000000000000000000000000000010n${'n'.repeat(19)}`;
    for (const fragment of [twenty, '#v1:11%612%62n1n', '#v1:%2D%2F9%61n0%2D%612n']) {
      const { page, errors } = await open(`${address}${fragment}`, viewport);
      if (viewport.hasTouch) await page.tap('#show-view');
      assert.deepEqual(await figureGeometry(page), [], `${fragment} (${viewport.width} px)`);
      if (fragment === twenty) {
        assert.equal(
          await page.$eval('#view-now', (p) => p.textContent),
          'Przesunięcie 20: program czeka na Enter.',
        );
        assert.deepEqual(await headInSight(page), { ruler: true, current: true });
        // Scrolled on until the row that waits reaches the top, the rotations' head sticks below
        // the view's head (and the bar), not under them.
        await page.evaluate(() =>
          document.querySelector('#step-rotations .current').scrollIntoView({ block: 'start' }),
        );
        assert.equal((await headInSight(page)).ruler, true, 'scrolled on');
        await arithmeticStepped(page, viewport, `${viewport.width} px`);
      }
      assert.deepEqual(errors, []);
      await page.close();
    }
  });
}

test("the print layout: the terminal's text dark on light, the explanation after it, no buttons", async () => {
  const { page, errors } = await open(`${address}#v1:0n00000000000000001nn`, phone);
  // The why panel is printed open, and closed again after.
  const panel = () => page.$eval('#why', (details) => details.open);
  await page.evaluate(() => dispatchEvent(new Event('beforeprint')));
  assert.equal(await panel(), true);
  await page.evaluate(() => dispatchEvent(new Event('afterprint')));
  assert.equal(await panel(), false);
  const printed = await page.evaluate(() => {
    // The print style applied on the screen (Firefox's driver cannot emulate print media).
    for (const sheet of document.styleSheets) {
      for (const rule of sheet.cssRules) {
        if (rule.media?.mediaText === 'print') rule.media.mediaText = 'all';
      }
    }
    const shown = (element) =>
      element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
    const output = document.getElementById('output');
    const view = document.getElementById('view');
    const channels = (color) =>
      color
        .match(/[\d.]+/g)
        .slice(0, 3)
        .map(Number);
    return {
      buttons: [...document.querySelectorAll('button:not(.exercise-choice)')].filter(shown).length,
      exercises: [...document.querySelectorAll('.exercise-choice')].filter(
        (button) => shown(button) && button.textContent !== '',
      ).length,
      header: getComputedStyle(document.querySelector('#step-rotations .words .head')).display,
      terminal: shown(output) && output.textContent.includes('Waga syndromu'),
      dark: Math.max(...channels(getComputedStyle(output).color)) < 80,
      light: Math.min(...channels(getComputedStyle(document.body).backgroundColor)) > 200,
      view: shown(view) && view.querySelectorAll('figure').length > 0,
      after: output.getBoundingClientRect().bottom <= view.getBoundingClientRect().top,
    };
  });
  assert.deepEqual(printed, {
    buttons: 0,
    exercises: EXERCISES.length,
    header: 'table-header-group',
    terminal: true,
    dark: true,
    light: true,
    view: true,
    after: true,
  });
  assert.deepEqual(errors, []);
  await page.close();
});

// A run of 14 rotations printed on A4, the why panel, the long divisions and the register open:
// seven or eight pages in Chromium and Firefox (the terminal's text, the list and the first
// steps, the syndrome's division, the chart with the first rotations, the rest with the register
// and the result, the panel), none of them left half empty by a step kept whole.
// The pages of a PDF: its page objects, also those inside compressed object streams (Firefox).
function pdfPages(pdf) {
  const text = pdf.toString('latin1');
  const inflated = [...text.matchAll(/stream\r?\n/g)].map((match) => {
    const start = match.index + match[0].length;
    try {
      return inflateSync(pdf.subarray(start, text.indexOf('endstream', start))).toString('latin1');
    } catch {
      return '';
    }
  });
  return [text, ...inflated].join('\n').match(/\/Type\s*\/Page\b(?!s)/g)?.length ?? 0;
}
test('the print of a 14-rotation run: its pages on A4', async () => {
  const run = `#v1:${'0'.repeat(21)}n1101n${'n'.repeat(23)}`;
  const { page, errors } = await open(`${address}${run}`);
  const pdf = Buffer.from(await page.pdf({ format: 'A4', printBackground: true }));
  const pages = pdfPages(pdf);
  assert.ok(pages >= 7 && pages <= 8, `${pages} pages`);
  assert.deepEqual(errors, []);
  await page.close();
});

// The page in English: chosen by the reader's languages, switched with "PL / EN" without
// touching the terminal's text, remembered and carried in the link; no Polish is left but the
// program's own output and the lines the gloss names; lang follows; axe finds nothing.
const POLISH = /[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]|\b(nie|jest|się|czeka|pozycj\w*|ciąg\w*|słow\w*|wzorzec)\b/;
test('the page in English, and the switch between the languages', async () => {
  const session = `#v1:${'0'.repeat(21)}n1101n${'n'.repeat(13)}`; // miscorrected at 14
  const english = await open(`${address}${session}`, desktop, 'light', ['en-GB', 'pl']);
  const { page, errors, screen, fragment, waitForRuns, runs } = english;
  const polishScreen = await screen();
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  assert.equal(await page.$eval('#step', (button) => button.textContent), 'Next (Enter)');
  // Everything opened: the panel, the gloss; then every text but the program's.
  await page.evaluate(() => {
    for (const details of document.querySelectorAll('details')) details.open = true;
  });
  const leftover = await page.evaluate(
    (pattern) => {
      const polish = new RegExp(pattern.source, pattern.flags);
      const found = [];
      const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
      for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        const skip = node.parentElement.closest('#output, #line, [lang="pl"], noscript, script');
        if (!skip && polish.test(node.textContent)) found.push(node.textContent.slice(0, 60));
      }
      for (const element of document.querySelectorAll('[aria-label], [title]')) {
        const text = `${element.getAttribute('aria-label') ?? ''} ${element.title}`;
        if (!element.closest('[lang="pl"]') && polish.test(text)) found.push(text);
      }
      return found;
    },
    { source: POLISH.source, flags: POLISH.flags },
  );
  assert.deepEqual(leftover, []);
  assert.ok(await page.$('#gloss dt[lang="pl"]'), "the gloss names the program's lines");
  assert.deepEqual(await accessibilityViolations(page), [], 'English');
  // The switch: Polish at once, the terminal's text the same, the language in the link.
  // Pressing the language already shown chooses it too: remembered, and in the address.
  await page.click('#language-en');
  assert.equal(await fragment(), session.replace('#v1:', '#v2:l=en;s='));
  assert.equal(await page.evaluate(() => localStorage.getItem('bch.v1.language')), 'en');
  const before = await runs();
  await page.click('#language-pl');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'pl');
  assert.equal(await page.$eval('#step', (button) => button.textContent), 'Dalej (Enter)');
  assert.equal(await screen(), polishScreen);
  assert.equal(await runs(), before, 'no new run of the program');
  assert.equal(await fragment(), session.replace('#v1:', '#v2:l=pl;s='));
  assert.deepEqual(await accessibilityViolations(page), [], 'Polish');
  await page.click('#language-en');
  const link = page.url();
  assert.match(link, /#v2:l=en;s=/);
  // The link in a page whose reader prefers Polish: English, the same screen.
  const elsewhere = await open(link, phone);
  assert.equal(await elsewhere.page.evaluate(() => document.documentElement.lang), 'en');
  assert.equal(await elsewhere.screen(), polishScreen);
  await elsewhere.page.close();
  // The choice is remembered: a plain address, after a reload, is English too.
  await page.goto(address);
  await waitForRuns(1);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  await page.evaluate(() => localStorage.removeItem('bch.v1.language'));
  assert.deepEqual(errors, []);
  await page.close();
  // A reader who prefers Polish gets Polish.
  const polish = await open(address, desktop, 'light', ['pl', 'en']);
  assert.equal(await polish.page.evaluate(() => document.documentElement.lang), 'pl');
  await polish.page.close();
});

// The exercises: three solved by typing, the solved ones kept over a reload, the exercise's link
// opening it in a fresh page, axe with the list open; the progress is then cleared again.
test('exercises: three solved by typing, kept over a reload, opened from a link', async () => {
  const { page, errors, press, click, waitForRuns, runs } = await open(address);
  const exercise = () =>
    page.$eval('#exercises .exercise', (card) => ({
      name: card.dataset.exercise,
      verdict: card.dataset.verdict,
    }));
  const solved = () => page.$eval('#exercises', (panel) => panel.dataset.solved);
  const attempt = async (id) => {
    await page.click(`#exercises li[data-exercise="${id}"] button`);
    return (await exercise()).name;
  };
  const zeros = (...ones) =>
    [...'0'.repeat(31)].map((bit, p) => (ones.includes(p) ? '1' : bit)).join('');
  await attempt('two-parity');
  assert.equal(await page.$('#exercises .solution'), null, 'no worked solution before an attempt');
  await press(information);
  await press(zeros(29, 30));
  assert.deepEqual(await exercise(), { name: 'two-parity', verdict: 'solved' });
  // A near miss first: a word whose parity part is not zero; then one whose is.
  await attempt('zero-parity');
  await click('#new-run');
  await press('1');
  assert.deepEqual(await exercise(), { name: 'zero-parity', verdict: 'missed' });
  assert.ok(await page.$('#exercises .solution'), 'the worked solution, once attempted');
  await click('#new-run');
  await press('000000000011101101001');
  assert.deepEqual(await exercise(), { name: 'zero-parity', verdict: 'solved' });
  const trap = await attempt('trap');
  const k = Number(trap.split('-')[1]);
  await click('#new-run');
  await press(information);
  await press(zeros(21 - k));
  await click('#to-end');
  assert.deepEqual(await exercise(), { name: trap, verdict: 'solved' });
  assert.equal(await solved(), 'trap two-parity zero-parity');
  assert.deepEqual(await accessibilityViolations(page), [], 'the exercise list open');
  // Each ✓ on the line of its exercise's name, never on one of its own, on a phone too.
  for (const width of [desktop.width, 320]) {
    await page.setViewport({ ...desktop, width });
    if (await page.$eval('#show-view', (button) => button.offsetParent !== null)) {
      await page.click('#show-view');
    }
    const alone = await page.$$eval(
      '#exercises li[data-solved] .solved-mark',
      (marks) =>
        marks.filter((mark) => {
          const name = mark.previousElementSibling.getBoundingClientRect();
          return mark.getBoundingClientRect().top >= name.bottom - 1;
        }).length,
    );
    assert.equal(alone, 0, `${width} px`);
  }
  await page.click('#show-terminal');
  await page.setViewport(desktop);
  const link = page.url();
  assert.match(link, new RegExp(`#v2:t=${trap};s=`));
  await page.reload();
  await waitForRuns(1);
  assert.equal(await solved(), 'trap two-parity zero-parity', 'kept over a reload');
  const elsewhere = await open(link, phone);
  assert.equal(
    await elsewhere.page.$eval('#exercises .exercise', (card) => card.dataset.exercise),
    trap,
  );
  await elsewhere.page.close();
  // Divide: each row typed and checked at once, a wrong bit marked, then the program's run.
  const divide = await attempt('divide');
  const { rows } = divisionTask('divide', Number(divide.split('-')[1]));
  const typeRow = async (row) => {
    await page.$eval('#division-row', (input) => (input.value = ''));
    await page.type('#division-row', row);
    await page.keyboard.press('Enter');
  };
  const flipped = `${rows[0].slice(0, 3)}${rows[0][3] === '1' ? 0 : 1}${rows[0].slice(4)}`;
  await typeRow(flipped);
  assert.equal(await page.$eval('.row-miss', (p) => p.dataset.wrongAt), '3');
  assert.equal(await page.$eval('.row-miss mark', (mark) => mark.dataset.mark), 'error');
  for (const row of rows) await typeRow(row);
  assert.deepEqual(await accessibilityViolations(page), [], 'the division typed');
  await page.click('[data-arithmetic-run]');
  await page.waitForSelector('#exercises .exercise[data-verdict="solved"]');
  assert.equal(await solved(), 'trap two-parity zero-parity divide');
  // "read": Enter in the positions field checks the answer and never reaches the program;
  // positions one too high are told that positions count from 0; the card never asks for a
  // run or "Cofnij".
  const read = await attempt('read');
  const seed = Number(read.split('-')[1]);
  const before = { fragment: page.url().split(';s=')[1], runs: await runs() };
  await page.waitForSelector('#read-positions');
  const ones = [...readRunPattern(seed)].flatMap((bit, p) => (bit === '1' ? [p] : []));
  const card = () =>
    page.$eval('#exercises .exercise', (element) => ({
      verdict: element.dataset.verdict,
      reason: element.querySelector('.reason')?.dataset.reason ?? null,
      text: element.querySelector('.verdict').textContent,
    }));
  assert.doesNotMatch((await card()).text, /uruchom|Cofnij/);
  const answer = async (text) => {
    await page.$eval('#read-positions', (input) => {
      input.value = '';
    });
    await page.type('#read-positions', text);
    await page.keyboard.press('Enter');
    await page.waitForFunction(
      (typed) => document.querySelector('#read-positions')?.value === typed,
      {},
      text,
    );
  };
  await answer(ones.map((p) => p + 1).join(' '));
  const missed = await card();
  assert.deepEqual([missed.verdict, missed.reason], ['missed', 'reason.readFromZero']);
  assert.doesNotMatch(missed.text, /uruchom|Cofnij/);
  assert.deepEqual({ fragment: page.url().split(';s=')[1], runs: await runs() }, before);
  await answer(ones.join(' '));
  assert.equal((await card()).verdict, 'solved');
  await page.evaluate(() => localStorage.removeItem('bch.v1.progress'));
  assert.deepEqual(errors, []);
  await page.close();
});

// Small sessions, each in a fresh page: what is typed, and what the screen must then show.
const cases = [
  {
    name: 'Ctrl-D after a partial line hands it over; the next line is the error pattern',
    async run({ page, screen, typed, press }) {
      await page.type('#line', '1 ');
      await press('', 'd', 'Control');
      assert.equal(await typed(), '');
      assert.ok(
        (await screen()).startsWith(`${banner}1 Zakodowany ciag (wektor kodowy): ${code}\n`),
      );
      await press('11');
      assert.match(await screen(), /\nOdebrany ciag: 0100000000000000000001110110100\n/);
    },
  },
  {
    name: 'paste: each line is handed over, the rest stays in the line',
    async run({ page, screen, typed, fragment, waitForRuns }) {
      await page.evaluate(() => {
        const event = new Event('paste', { bubbles: true, cancelable: true });
        event.clipboardData = { getData: () => '0\r\n00001\rx\nab' };
        document.getElementById('line').dispatchEvent(event);
      });
      await waitForRuns(4);
      assert.equal(await typed(), 'ab');
      assert.equal(await fragment(), '#v1:0n00001n%78n');
      assert.ok((await screen()).startsWith(`${banner}0\nZakodowany ciag (wektor kodowy): 0`));
      assert.match(await screen(), /kodowego: 00001\nOdebrany ciag: /);
    },
  },
  {
    name: 'a new run after Ctrl-D on an empty line waits for its first word',
    async run({ page, screen, press, click }) {
      await press('', 'd', 'Control');
      assert.ok((await screen()).includes('Odebrany ciag: 1010101010110011001110111011101\n'));
      assert.equal(await page.$eval('#end-input', (button) => button.disabled), true);
      await click('#new-run');
      assert.equal(await page.$eval('#end-input', (button) => button.disabled), false);
      await press('1');
      assert.ok(
        (await screen()).startsWith(`${banner}1\nZakodowany ciag (wektor kodowy): ${code}\n`),
      );
      assert.equal((await screen()).split('Kod BCH').length, 2);
    },
  },
  {
    name: 'stepping from the view: Dalej, Cofnij gives the line back, Ponów, Enter, Do końca',
    fragment: '#v1:0n',
    async run({ page, screen, typed, fragment, click }) {
      const pattern = '00000000000000001'; // one error at 16: five rotations
      await page.type('#line', pattern);
      // On a phone the view is a pane of its own; the line keeps what was typed.
      if (await page.$eval('#show-view', (button) => button.offsetParent !== null)) {
        await page.tap('#show-view');
      }
      await click('#step');
      assert.equal((await screen()).split('Przesuniety ciag: ').length, 2);
      const first = { screen: await screen(), fragment: await fragment() };
      assert.equal(await page.$eval('#redo', (button) => button.disabled), true);
      await click('#take-back');
      assert.ok((await screen()).endsWith('kodowego: '));
      assert.equal(await typed(), pattern, 'the line taken back is the line again');
      await click('#redo');
      assert.deepEqual({ screen: await screen(), fragment: await fragment() }, first);
      assert.equal(await typed(), '');
      // Enter with the focus in the view steps the program as in the terminal.
      const before = Number(await page.evaluate(() => document.body.dataset.runs));
      await page.focus('#view');
      await page.keyboard.press('Enter');
      await page.waitForFunction((n) => Number(document.body.dataset.runs) > n, {}, before);
      assert.equal((await screen()).split('Przesuniety ciag: ').length, 3);
      await click('#to-end');
      assert.ok((await screen()).endsWith('Koniec programu!\n<Enter>\n\n'), 'run to its end');
      assert.equal(await fragment(), `#v1:0n${pattern}n${'n'.repeat(6)}`);
      assert.deepEqual(
        await page.$$eval('#step, #to-end, #redo', (buttons) =>
          buttons.map((button) => button.disabled),
        ),
        [true, true, true],
      );
      // "Cofnij słowo": the pattern and its six Enters in one click, the pattern on the line.
      await click('#take-back-word');
      assert.equal(await fragment(), '#v1:0n');
      assert.ok((await screen()).endsWith('kodowego: '));
      assert.equal(await typed(), pattern);
    },
  },
  {
    name: 'an unknown exercise in a link: a message, the session still shown',
    fragment: '#v2:t=nope;s=1n',
    async run({ page, screen }) {
      assert.ok((await screen()).includes('Zakodowany ciag (wektor kodowy): 1000'));
      assert.match(await page.$eval('#status', (element) => element.textContent), /zadanie „nope”/);
      assert.equal(await page.$('#exercises .exercise'), null);
    },
  },
  // The end of the input by its keys, first thing (Ctrl-D on an empty line) and at the closing
  // pause (there Enter): the address says so, a reload gives the same screen and view, and
  // "Cofnij" takes back that one hand-over. (The session's table in engine.test.js holds the
  // end after a word and within a run, taken back and redone.)
  ...[
    ['', 'd', '#v1:e'],
    ['#v1:0n0n', 'Enter', '#v1:0n0nn'],
  ].map(([start, key, ended]) => ({
    name: `the end by ${key} at "${start}": the address, a reload, Cofnij`,
    fragment: start,
    async run({ page, screen, fragment, press, click }) {
      const state = async () => ({
        screen: await screen(),
        fragment: await fragment(),
        view: await viewFacts(page),
      });
      const before = await state();
      await press('', key, key === 'd' ? 'Control' : null);
      const end = await state();
      assert.equal(end.fragment, ended, 'the address at the end');
      assert.match(await page.$eval('#status', (element) => element.textContent), /wyjścia 0/);
      await page.reload();
      await page.waitForFunction(() => document.body.dataset.runs === '1');
      assert.deepEqual(await state(), end, 'reloaded');
      assert.equal(await page.$eval('#take-back', (button) => button.disabled), false, 'Cofnij');
      await click('#take-back');
      assert.deepEqual(await state(), before, 'taken back');
    },
  })),
  {
    name: 'a damaged fragment: a message and an empty session',
    fragment: '#v1:10%2001x',
    async run({ page, screen, fragment }) {
      assert.equal(await screen(), banner);
      assert.match(
        await page.$eval('#status', (element) => element.textContent),
        /uszkodzony.*Zaczynam od pustej sesji/,
      );
      assert.equal(await fragment(), '');
    },
  },
  {
    name: '"Dalej (Enter)" at an empty prompt: an empty line, as Enter gives',
    async run({ page, screen, fragment, click, press }) {
      const narrow = await page.$eval('#show-view', (button) => button.offsetParent !== null);
      if (narrow) await page.tap('#show-view');
      await click('#step');
      const byButton = { screen: await screen(), fragment: await fragment() };
      assert.ok(byButton.screen.endsWith("'1'): \n"), byButton.screen.slice(-20));
      assert.equal(byButton.fragment, '#v1:n');
      await click('#take-back');
      if (narrow) await page.tap('#show-terminal');
      await page.focus('#line');
      await press('');
      assert.deepEqual({ screen: await screen(), fragment: await fragment() }, byButton);
    },
  },
  {
    name: '"Dlaczego?": the point below the heads, and back to the paragraph',
    fragment: `#v1:0n${'0'.repeat(16)}1n`,
    async run({ page }) {
      if (await page.$eval('#show-view', (button) => button.offsetParent !== null)) {
        await page.tap('#show-view');
      }
      const link = '#step-syndrome button.why';
      await page.$eval(link, (button) => button.scrollIntoView({ block: 'center' }));
      await page.click(link);
      await page.waitForSelector('#why[open] .why-back');
      const landed = await page.evaluate(() => {
        const point = document.querySelector('.why-back').closest('section');
        const heading = point.querySelector('h3').getBoundingClientRect();
        const head = document.querySelector('.view-head').getBoundingClientRect();
        const first = point.querySelector('p').getBoundingClientRect();
        return {
          below: heading.top >= head.bottom - 1,
          seen: first.top < innerHeight,
          focused: document.activeElement === point,
        };
      });
      assert.deepEqual(landed, { below: true, seen: true, focused: true });
      await page.click('.why-back');
      const back = await page.evaluate(() => {
        const focused = document.activeElement;
        const box = focused.getBoundingClientRect();
        return {
          link: focused.matches('#step-syndrome button.why'),
          inSight: box.top >= 0 && box.bottom <= innerHeight,
          gone: document.querySelector('.why-back') === null,
        };
      });
      assert.deepEqual(back, { link: true, inSight: true, gone: true });
    },
  },
  {
    name: 'focus: a click on the screen returns to the line; Tab goes to the buttons',
    async run({ page, screen, press }) {
      await page.evaluate(() => document.activeElement.blur());
      await page.click('#output');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'line');
      const order = [];
      for (let i = 0; i < 3; i += 1) {
        await page.keyboard.press('Tab');
        order.push(await page.evaluate(() => document.activeElement.id));
      }
      assert.deepEqual(order, ['end-input', 'copy-link', 'new-run']);
      await page.click('#output');
      await press('1');
      assert.ok((await screen()).startsWith(`${banner}1\n`));
      assert.equal(
        await page.$eval('#screen', (element) => getComputedStyle(element).outlineStyle),
        'solid',
        'the line shows no focus',
      );
    },
  },
];
for (const viewport of [desktop, phone]) {
  for (const { name, fragment = '', run } of cases) {
    test(`${name} (${viewport.width} px)`, async () => {
      const terminal = await open(`${address}${fragment}`, viewport);
      await run(terminal);
      assert.deepEqual(terminal.errors, []);
      await terminal.page.close();
    });
  }
}

test('while the program loads, the buttons and the line take nothing', async () => {
  let release;
  holdProgram = new Promise((done) => {
    release = done;
  });
  const page = await browser.newPage();
  await page.goto(address);
  await page.waitForSelector('#status');
  const state = () =>
    page.evaluate(() => ({
      buttons: ['end-input', 'copy-link', 'new-run', 'take-back', 'save-run'].map(
        (id) => document.getElementById(id).disabled,
      ),
      editable: document.getElementById('line').isContentEditable,
    }));
  assert.deepEqual(await state(), { buttons: [true, true, true, true, true], editable: false });
  holdProgram = null;
  release();
  await page.waitForFunction(() => document.body.dataset.runs === '1');
  // Nothing to take back yet.
  assert.deepEqual(await state(), { buttons: [false, false, false, true, false], editable: true });
  await page.close();
});

test('the site opened from disk runs, or says to open bch.html: it never stays loading', async () => {
  const page = await browser.newPage();
  await page.goto(pathToFileURL(resolve(site, 'index.html')).href);
  await page.waitForFunction(
    () =>
      document.body.dataset.runs === '1' ||
      /(otwórz plik|open the file) bch\.html/.test(document.getElementById('status').textContent),
    { timeout: 10000 },
  );
  // The view says what the terminal says, not "loading".
  const [status, view] = await page.$$eval('#status, #view-now', (elements) =>
    elements.map((element) => element.textContent),
  );
  if (status !== '') {
    assert.equal(view, status);
    // Only the message: no button, panel or legend that nothing fills.
    const shown = await page.evaluate(() =>
      [...document.querySelectorAll('button, details, .legend, #screen')]
        .filter((element) => element.getClientRects().length > 0)
        .map((element) => element.id || element.className || element.tagName),
    );
    assert.deepEqual(shown, []);
  }
  await page.close();
});
