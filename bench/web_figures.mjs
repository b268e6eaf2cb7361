// Measurements of the web page, printed, checked against nothing (the page's behaviour is the
// browser test's, tests/web/browser.test.js): the time to the first prompt of the served site and
// of the one-file bch.html (cold, then the median of 7 reloads), the time per Enter at the last
// five pauses of the 22-rotation session with the explanation beside the terminal (1366 px) and
// on a phone (390 px), and the view's share of it, and the sizes of the site and of bch.html.
//
//   node bench/web_figures.mjs BUILD_WEB [chromium|firefox]
//
// BUILD_WEB is the web build's folder (site/ and bch.html); the browsers are Debian's chromium
// and firefox-esr, or those named by CHROMIUM and FIREFOX; `npm ci` installs puppeteer-core.
import { readdir, stat } from 'node:fs/promises';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { fileIn, launch, sendFile, serve } from '../tests/web/harness.js';

const [build = 'build-web', browserName = 'chromium'] = process.argv.slice(2);
const site = join(build, 'site');
const onePage = pathToFileURL(resolve(build, 'bch.html')).href;

const { server, address } = await serve((request, response) =>
  sendFile(response, fileIn(site, request.url)),
);
const browser = await launch(browserName);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const listed = (times) =>
  `${times.map((t) => t.toFixed(1)).join(', ')} ms (median ` + `${median(times).toFixed(1)})`;
const runsShown = (page, n) =>
  page.waitForFunction((k) => Number(document.body.dataset.runs) >= k, {}, n);
const durations = (page, name) =>
  page.evaluate((n) => performance.getEntriesByName(n).map((entry) => entry.duration), name);

for (const [name, url] of [
  ['site', address],
  ['bch.html', onePage],
]) {
  const page = await browser.newPage();
  const first = [];
  for (let i = 0; i < 8; i += 1) {
    await page.goto(url);
    await runsShown(page, 1);
    first.push(await page.evaluate(() => performance.getEntriesByName('bch-screen')[0].startTime));
  }
  await page.close();
  console.log(
    `${browserName}: ${name}: first prompt cold ${first[0].toFixed(1)} ms, warm ` +
      `median ${median(first.slice(1)).toFixed(1)} ms`,
  );
}

// The 22-rotation session typed line by line: the word, an error pattern no rotation traps,
// then Enter at every pause, with the arithmetic's folded parts open.
const lines = [
  '101010101011001100111',
  '1000000000000000000000000000010',
  ...new Array(23).fill(''),
];
for (const [name, url, viewport] of [
  ['site, 1366 px, view beside', address, { width: 1366, height: 768 }],
  ['bch.html, 390 px', onePage, { width: 390, height: 844, isMobile: true, hasTouch: true }],
]) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(url);
  await runsShown(page, 1);
  for (const [i, line] of lines.entries()) {
    await page.type('#line', line);
    await page.keyboard.press('Enter');
    await runsShown(page, i + 2);
    // From the first rotation on, the long divisions and the syndrome register open (a build
    // without them has none to open).
    if (i === 2) {
      await page.evaluate(() => {
        for (const part of document.querySelectorAll('details.arithmetic')) part.open = true;
      });
    }
  }
  // The last five pauses, not the end.
  const enters = (await durations(page, 'bch-handover')).slice(-6, -1);
  const view = (await durations(page, 'bch-view')).slice(-6, -1);
  await page.close();
  console.log(
    `${browserName}: ${name}: Enter at the last five pauses ${listed(enters)}, of ` +
      `it the view ${listed(view)}`,
  );
}

let siteSize = 0;
// Every file of the site, in every folder.
for (const entry of await readdir(site, { recursive: true, withFileTypes: true })) {
  if (entry.isFile()) siteSize += (await stat(join(entry.path, entry.name))).size;
}
console.log(
  `${browserName}: sizes: site ${siteSize} bytes, bch.html ` +
    `${(await stat(join(build, 'bch.html'))).size} bytes`,
);
await browser.close();
server.close();
