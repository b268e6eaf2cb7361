// The served site as an installable web app that works offline, in chromium (puppeteer-core):
// once visited, it loads and runs a whole session with the network gone; a new build (one file
// changed, sw.js written anew by cmake/offline_site.cmake) is what the next load online shows,
// and its cache replaces the old one; in a course's frame, in a window a course opened, without
// service workers and as bch.html from disk nothing is registered and nothing fails; the
// manifest parses, names both languages and icons of the sizes it states, and chromium finds
// the site installable.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { cp, mkdtemp, readFile, readdir, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { promisify } from 'node:util';
import { after, before, test } from 'node:test';
import { TYPES, fileIn, launch, sendFile, serve } from './harness.js';

const site = resolve(process.env.BCH_SITE);
const onePage = resolve(process.env.BCH_PAGE);
const sources = fileURLToPath(new URL('../..', import.meta.url));
const banner =
  `${'-'.repeat(18)} Kod BCH ${'-'.repeat(18)}\n${' '.repeat(48)}${'_'.repeat(21)}\n` +
  "Podaj ciag do wyslania (21 znakow '0' lub '1'): ";
// Pages of a course platform, which show the page in a frame or open it in a window of its own
// and offer a run-time (one that refuses to start, so that the page stays standalone).
const coursePage = '<!doctype html><title>Kurs</title><link rel="icon" href="data:,">';
const course = {
  'course/frame.html': `${coursePage}<iframe src="/index.html"></iframe>`,
  'course/window.html':
    `${coursePage}<script>window.API = Object.fromEntries(` +
    "['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSGetLastError'," +
    " 'LMSGetErrorString', 'LMSGetDiagnostic'].map((name) => [name, () => 'false']));</script>",
};
let root = site; // the folder served: the build's site, or a second build of it
let down = false; // while set, every connection is dropped unanswered: no network
let server;
let browser;
let address;

before(async () => {
  ({ server, address } = await serve(async (request, response) => {
    if (down) {
      request.socket.destroy();
      return;
    }
    const file = fileIn(root, request.url);
    const name = file.slice(root.length + 1);
    if (name in course)
      response.writeHead(200, { 'Content-Type': TYPES['.html'] }).end(course[name]);
    else await sendFile(response, file);
  }));
  browser = await launch('chromium');
});
after(async () => {
  await browser?.close();
  server?.close();
});

// A page that records every error in its console, uncaught exception and failed request.
async function newPage(context = browser.defaultBrowserContext()) {
  const page = await context.newPage();
  page.setDefaultTimeout(15000);
  page.errors = [];
  page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
  page.on('pageerror', (error) => page.errors.push(String(error)));
  return page;
}

// Waits in a page or frame for the program's first prompt.
async function firstPrompt(frame) {
  await frame.waitForFunction(() => Number(document.body.dataset.runs) >= 1);
  assert.equal(await frame.$eval('#output', (element) => element.textContent), banner);
}

// Types a session with one error, Enter at every pause to the program's end; the last screen.
async function wholeSession(page) {
  const screen = () => page.$eval('#output', (element) => element.textContent);
  const press = async (text) => {
    const runs = await page.evaluate(() => Number(document.body.dataset.runs));
    if (text) await page.type('#line', text);
    await page.keyboard.press('Enter');
    await page.waitForFunction((k) => Number(document.body.dataset.runs) > k, {}, runs);
  };
  await press('101010101011001100111');
  await press('000000000000000000001');
  for (let pauses = 0; !(await screen()).endsWith('Koniec programu!\n<Enter>\n\n'); pauses += 1) {
    assert.ok(pauses < 30, 'the program ends');
    await press('');
  }
  const text = await screen();
  const sent = '1010101010110011001110111011101';
  assert.ok(text.includes(`\nSkorygowany ciag: ${sent}\nNadany ciag:      ${sent}\n`), text);
  return text;
}

// Reloads the page without the session its address keeps, to the program's first prompt.
async function reloadAfresh(page) {
  await page.evaluate(() => history.replaceState(null, '', location.pathname));
  await page.reload();
}

// The offline registration's outcome on the page's root element (offline.js).
const outcome = (frame) =>
  frame
    .waitForFunction(() => document.documentElement.dataset.offline)
    .then((handle) => handle.jsonValue());
const registrations = (frame) =>
  frame.evaluate(async () => (await navigator.serviceWorker.getRegistrations()).length);
// The caches of the page's origin and, of each, the paths it holds.
const cached = (page) =>
  page.evaluate(async () => {
    const all = {};
    for (const name of await caches.keys()) {
      const requests = await (await caches.open(name)).keys();
      all[name] = requests.map((request) => new URL(request.url).pathname).sort();
    }
    return all;
  });
// The files of a site's folder, in every subfolder, as the paths the server serves them at.
async function siteFiles(folder) {
  const entries = await readdir(folder, { recursive: true, withFileTypes: true });
  return entries
    .filter((entry) => entry.isFile())
    .map((entry) => join(entry.parentPath ?? entry.path, entry.name))
    .map((path) => `/${path.slice(folder.length + 1)}`);
}
const cacheName = async (folder) =>
  /\nconst BUILD = \{ cache: '(bch-[0-9a-f]{16})'/.exec(
    await readFile(join(folder, 'sw.js'), 'utf8'),
  )[1];
// Writes sw.js of the site in `folder` as the build does.
const writeWorker = (folder) =>
  promisify(execFile)(process.env.BCH_CMAKE || 'cmake', [
    `-DWEB=${join(sources, 'web')}`,
    `-DSITE=${folder}`,
    '-P',
    join(sources, 'cmake', 'offline_site.cmake'),
  ]);

test(
  'offline: once visited, the site loads and runs a whole session without the network; ' +
    'a new build is what the next load online shows, and its cache replaces the old',
  async () => {
    const page = await newPage();
    await page.goto(address);
    await firstPrompt(page);
    assert.equal(await outcome(page), 'registered');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const online = await wholeSession(page);
    // One cache, named after this build, holding every file of the site but the worker itself.
    const first = await cacheName(site);
    const files = (await siteFiles(site)).filter((path) => path !== '/sw.js');
    assert.deepEqual(await cached(page), { [first]: ['/', ...files].sort() });

    // The network gone: the page, its files and the program come from the cache alone.
    down = true;
    await page.setOfflineMode(true);
    const served = [];
    page.on('response', (response) => served.push([response.url(), response.fromServiceWorker()]));
    await page.reload(); // the session in the address: replayed to its end
    await page.waitForFunction(() => Number(document.body.dataset.runs) >= 1);
    assert.equal(await page.$eval('#output', (element) => element.textContent), online);
    assert.ok(served.length >= files.length - 4, `the page's files: ${served.length}`);
    assert.deepEqual(
      served.filter(([, fromWorker]) => !fromWorker),
      [],
      'all from the worker',
    );
    await reloadAfresh(page);
    await firstPrompt(page);
    assert.equal(await wholeSession(page), online);

    // A second build: the same files give the same worker byte for byte; one file changed gives
    // another cache name.
    const second = await mkdtemp(join(tmpdir(), 'bch-site-'));
    try {
      await cp(site, second, { recursive: true });
      await writeWorker(second);
      assert.equal(
        await readFile(join(second, 'sw.js'), 'utf8'),
        await readFile(join(site, 'sw.js'), 'utf8'),
        'same files, same worker',
      );
      const index = await readFile(join(second, 'index.html'), 'utf8');
      await writeFile(
        join(second, 'index.html'),
        index.replace('<head>\n', '<head>\n<meta name="bch-build" content="2">\n'),
      );
      await writeWorker(second);
      const next = await cacheName(second);
      assert.notEqual(next, first);

      // Online again, one reload shows the new build; the new worker's cache replaces the old.
      root = second;
      down = false;
      await page.setOfflineMode(false);
      await reloadAfresh(page);
      await firstPrompt(page);
      assert.equal(await page.$eval('meta[name="bch-build"]', (meta) => meta.content), '2');
      await page.waitForFunction(
        (name) => caches.keys().then((names) => names.length === 1 && names[0] === name),
        {},
        next,
      );
      // And offline, the new build from its cache.
      down = true;
      await page.setOfflineMode(true);
      await reloadAfresh(page);
      await firstPrompt(page);
      assert.equal(await page.$eval('meta[name="bch-build"]', (meta) => meta.content), '2');
    } finally {
      root = site;
      down = false;
      await page.setOfflineMode(false);
      await rm(second, { recursive: true, force: true });
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  },
);

test(
  "offline: nothing is registered in a course's frame or window, without service " +
    'workers, or from disk, and the page works there',
  async () => {
    const context = await browser.createBrowserContext(); // a new origin's storage, no worker yet
    try {
      const framing = await newPage(context);
      await framing.goto(`${address}course/frame.html`);
      const frame = await (await framing.waitForSelector('iframe')).contentFrame();
      await firstPrompt(frame);
      assert.equal(await outcome(frame), 'none', 'in a frame');

      const opening = await newPage(context);
      await opening.goto(`${address}course/window.html`);
      const opened = context.waitForTarget((target) => target.url() === address);
      await opening.evaluate((url) => {
        window.open(url);
      }, address);
      const popup = await (await opened).page();
      popup.setDefaultTimeout(15000);
      popup.errors = [];
      popup.on('pageerror', (error) => popup.errors.push(String(error)));
      await firstPrompt(popup);
      assert.equal(await outcome(popup), 'none', 'in a window opened by a course');
      assert.equal(await registrations(popup), 0);

      const older = await newPage(context);
      await older.evaluateOnNewDocument(() => {
        delete Navigator.prototype.serviceWorker;
      });
      await older.goto(address);
      await firstPrompt(older);
      assert.equal(await outcome(older), 'none', 'a browser without service workers');
      for (const page of [framing, opening, popup, older]) assert.deepEqual(page.errors, []);
    } finally {
      await context.close();
    }

    // bch.html, from disk: no manifest, no worker, nothing to fetch.
    const text = await readFile(onePage, 'utf8');
    for (const absent of ['rel="manifest"', 'serviceWorker', 'data-site-only', 'sw.js']) {
      assert.ok(!text.includes(absent), `bch.html holds ${absent}`);
    }
    const page = await newPage();
    await page.goto(pathToFileURL(onePage).href);
    await firstPrompt(page);
    assert.equal(await page.evaluate(() => document.documentElement.dataset.offline), undefined);
    assert.deepEqual(page.errors, []);
    await page.close();
  },
);

test(
  'offline: the manifest names the page in both languages, its icons have the sizes it ' +
    'states, and chromium finds the site installable',
  async () => {
    const page = await newPage();
    await page.goto(address);
    await firstPrompt(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const session = await page.createCDPSession();
    const { url, errors } = await session.send('Page.getAppManifest');
    assert.equal(url, `${address}manifest.webmanifest`);
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(await readFile(join(site, 'manifest.webmanifest'), 'utf8'));
    assert.match(manifest.name, /Kod BCH\(31,21\).*The BCH\(31,21\) code/);
    assert.equal(manifest.short_name, 'Kod BCH');
    assert.equal(manifest.translations.en.short_name, 'BCH code');
    assert.equal(manifest.translations.pl.name, 'Kod BCH(31,21)');
    assert.equal(manifest.display, 'standalone');
    assert.equal(new URL(manifest.start_url, address).href, address);
    const sizes = [];
    for (const icon of manifest.icons) {
      const response = await fetch(new URL(icon.src, address));
      assert.equal(response.status, 200, icon.src);
      assert.equal(response.headers.get('content-type'), icon.type, icon.src);
      const body = Buffer.from(await response.arrayBuffer());
      if (icon.type === 'image/svg+xml') {
        assert.match(body.toString('utf8'), /^<svg xmlns="http:\/\/www\.w3\.org\/2000\/svg" /);
        continue;
      }
      // A PNG's size stands in its header chunk, IHDR: width and height, 4 bytes each.
      assert.equal(body.subarray(12, 16).toString('latin1'), 'IHDR', icon.src);
      sizes.push(`${body.readUInt32BE(16)}x${body.readUInt32BE(20)}`);
      assert.equal(sizes.at(-1), icon.sizes, icon.src);
    }
    assert.deepEqual(sizes, ['192x192', '512x512']);
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    assert.deepEqual(page.errors, []);
    await page.close();
  },
);
