// What the page's browser tests and its bench share: a file server on loopback and a browser.
//
// TYPES                      the content type of each kind of file the site holds
// fileIn(root, url) -> the path under `root` that a request's address names ('/' is
//                      index.html); never outside root
// serve(respond) -> Promise of { server, address }: respond(request, response) on 127.0.0.1 at
//                      a free port; address is 'http://127.0.0.1:PORT/'
// sendFile(response, path, headers) sends the file with its type, or 404 where it cannot be read
// launch(name, options) -> Promise of the browser: 'chromium' (CHROMIUM, else Debian's
//                      /usr/bin/chromium, with the flags a closed network needs) or 'firefox'
//                      (FIREFOX, else firefox-esr), with puppeteer's further options
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

export const TYPES = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.xml': 'application/xml',
};

export function fileIn(root, url) {
  const path = normalize(new URL(url, 'http://x').pathname).replace(/^(\/|\.\.\/)+/, '');
  return join(root, path || 'index.html');
}

export async function serve(respond) {
  const server = createServer(respond);
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return { server, address: `http://127.0.0.1:${server.address().port}/` };
}

export async function sendFile(response, path, headers = {}) {
  try {
    const body = await readFile(path);
    response.writeHead(200, { 'Content-Type': TYPES[extname(path)], ...headers }).end(body);
  } catch {
    response.writeHead(404).end();
  }
}

export function launch(name = 'chromium', options = {}) {
  if (name === 'firefox') {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
      ...options,
    });
  }
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--no-first-run',
      '--disable-sync',
      '--disable-background-networking',
      '--disable-component-update',
    ],
  });
}
