// The page in a real browser (Debian's chromium, driven by puppeteer-core): a whole session
// typed key by key, checked on the screen after every step, at a desktop and at a phone-sized
// viewport; Ctrl-D on an empty line; a new run after the end; no error in the page's console.
// BCH_SITE names the built site; CHROMIUM the browser (default: chromium on the PATH).
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { after, before, test } from 'node:test';
import puppeteer from 'puppeteer-core';

const site = process.env.BCH_SITE;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm' };
const code = '1000000000000000000001110110100'; // the code vector of 1 (or of "10 01")
let server;
let browser;
let address;

before(async () => {
  server = createServer(async (request, response) => {
    const path = normalize(new URL(request.url, 'http://x').pathname).replace(/^\/+/, '');
    const file = path || 'index.html';
    try {
      const body = await readFile(join(site, file));
      response.writeHead(200, { 'Content-Type': types[extname(file)] });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  address = `http://127.0.0.1:${server.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || 'chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-sync',
           '--disable-background-networking', '--disable-component-update'],
  });
});
after(async () => {
  await browser?.close();
  server?.close();
});

// Opens the page; returns it with helpers that type and read the screen.
async function open(viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('requestfailed', (request) => errors.push(`failed: ${request.url()}`));
  const started = Date.now();
  await page.goto(address);
  await page.waitForFunction(() => document.body.dataset.runs === '1');
  const firstPrompt = Date.now() - started;
  const runs = () => page.evaluate(() => Number(document.body.dataset.runs));
  const screen = () => page.$eval('#output', (element) => element.textContent);
  // Presses a key (Enter: after typing text) and waits until the new run is on the screen.
  const press = async (text, key = 'Enter', modifier = null) => {
    const before = await runs();
    if (text) await page.type('#line', text);
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    if (modifier) await page.keyboard.up(modifier);
    await page.waitForFunction((n) => Number(document.body.dataset.runs) > n, {}, before);
  };
  const count = async (text) => (await screen()).split(text).length - 1;
  return { page, errors, firstPrompt, screen, press, count };
}

// The horizontal distance, in pixels, from the typing place to the ruler's first mark.
function cursorUnderRuler(page) {
  return page.evaluate(() => {
    const text = document.getElementById('output').firstChild;
    const range = document.createRange();
    const mark = text.textContent.lastIndexOf(' _') + 1;
    range.setStart(text, mark);
    range.setEnd(text, mark + 1);
    return Math.abs(range.getBoundingClientRect().left -
                    document.getElementById('line').getBoundingClientRect().left);
  });
}

async function session(viewport, tap) {
  const { page, errors, firstPrompt, screen, press, count } = await open(viewport);
  if (tap) await page.tap('#line');
  assert.match(await screen(), /^-{18} Kod BCH -{18}\n {48}_{21}\nPodaj ciag do wyslania \(21 znakow '0' lub '1'\): $/);
  assert.ok((await cursorUnderRuler(page)) < 1, 'the cursor stands under the first mark');

  await press('10 01'); // a second word on the line is dropped
  assert.ok((await screen()).endsWith(`'1'): 10 01\nZakodowany ciag (wektor kodowy): ${code}\n` +
    `${' '.repeat(44)}${'_'.repeat(31)}\nPodaj blad wprowadzony do wektora kodowego: `));
  assert.ok((await cursorUnderRuler(page)) < 1, 'the cursor stands under the first mark');

  await press('00000000000000001'); // one error at 16: five rotations, a pause after each
  assert.equal(await count('Przesuniety ciag: '), 1);
  assert.ok((await screen()).endsWith('Waga syndromu: 4\n<Enter>\n'));
  await press('');
  assert.equal(await count('Przesuniety ciag: '), 2);
  await press('x'); // a character and Enter end two pauses
  assert.equal(await count('Przesuniety ciag: '), 4);
  assert.equal(await count('Koniec procesu'), 0);
  await press('');
  assert.equal(await count('Przesuniety ciag: '), 5);
  assert.equal(await count('Koniec procesu'), 0);
  await press('');
  assert.ok((await screen()).endsWith(`Skorygowany ciag: ${code}\nNadany ciag:      ${code}\n` +
                                      '\nKoniec programu!\n<Enter>\n'));
  assert.equal(await page.$eval('#new-run', (button) => button.hidden), true);
  await press(''); // the closing pause
  assert.equal(await page.$eval('#new-run', (button) => button.hidden), false);
  assert.match(await page.$eval('#status', (element) => element.textContent), /kod wyjscia 0/);

  // A new run starts clean; Ctrl-D on its empty first line ends the input: the default word,
  // no error, every pause returns at once.
  await page.click('#new-run');
  await page.waitForFunction(() => document.getElementById('output').textContent.endsWith(': '));
  assert.equal(await count('Kod BCH'), 1);
  await press('', 'd', 'Control');
  assert.ok((await screen()).includes('Odebrany ciag: 1010101010110011001110111011101\n'));
  assert.equal(await page.$eval('#new-run', (button) => button.hidden), false);
  assert.deepEqual(errors, []);
  await page.close();
  return firstPrompt;
}

test('a whole session at a desktop viewport', async () => {
  const firstPrompt = await session({ width: 1024, height: 768 }, false);
  console.log(`# first prompt ${firstPrompt} ms after navigation`);
});

test('a whole session at a phone-sized viewport, by touch', async () => {
  await session({ width: 390, height: 844, isMobile: true, hasTouch: true }, true);
});

test('time per Enter late in a 22-rotation session', async () => {
  const { page, errors, screen, press } = await open({ width: 1024, height: 768 });
  await press('101010101011001100111');
  await press('1000000000000000000000000000010');
  const times = [];
  for (let i = 0; i < 22; i += 1) {
    const started = Date.now();
    await press('');
    times.push(Date.now() - started);
  }
  assert.ok((await screen()).endsWith('\nCiagu nie da sie skorygowac!\n\nKoniec programu!\n<Enter>\n'));
  console.log(`# Enter at the last five pauses: ${times.slice(-5).join(', ')} ms`);
  assert.deepEqual(errors, []);
  await page.close();
});
