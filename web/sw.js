// The site's service worker (registered by offline.js): it keeps every file of the site in a
// cache of its own build, so that the page, once visited, opens and runs without a network.
//
// The line that sets BUILD is rewritten when the site is built (cmake/offline_site.cmake): its
// `files` are every file of the site but this one, its `cache` is "bch-" and the start of the
// SHA-256 of their names and contents. So any changed file gives this script other bytes, the
// browser installs it as a new worker, and the new worker fills a new cache and drops the old.
//
// Online, every request goes to the network first (revalidated, not taken from the browser's
// HTTP cache unasked), so that a new build is what the next load shows; only where the network
// fails does the cache answer. The page and its files then always come from one build: the
// network's or the cache's.
const BUILD = { cache: 'bch-unbuilt', files: [] };

self.addEventListener('install', (event) => {
  event.waitUntil(
    (async () => {
      const cache = await caches.open(BUILD.cache);
      // Straight from the server: the files of this build, not older copies held by the browser.
      await cache.addAll(BUILD.files.map((file) => new Request(file, { cache: 'reload' })));
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name.startsWith('bch-') && name !== BUILD.cache) await caches.delete(name);
      }
      await self.clients.claim();
    })(),
  );
});

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fromNetworkOrCache(request));
});

async function fromNetworkOrCache(request) {
  try {
    // A navigation keeps its own request (a reload already revalidates it); a file of the page
    // is revalidated, so that it cannot come from an older build than the page.
    return await (request.mode === 'navigate'
      ? fetch(request)
      : fetch(request, { cache: 'no-cache' }));
  } catch (error) {
    const cache = await caches.open(BUILD.cache);
    // The session is in the address's fragment, which never reaches a cache or a server; a
    // query is ignored, and any page of the site's folder is its index.html.
    const cached =
      (await cache.match(request, { ignoreSearch: true })) ??
      (request.mode === 'navigate' ? await cache.match('index.html') : undefined);
    if (cached) return cached;
    throw error;
  }
}
