// SPDX-License-Identifier: MIT
// Keeps the whole page on the device: the first visit stores the files of
// this build that every visit needs, and from then on the page opens and
// computes without a network. The squad view's files are stored when it is
// first opened, and the help page in the reader's language when the page
// asks for it: a first visit transfers only what the calculators need.
// The build writes the version (a digest of the files) and the file list.
// Each version has a cache of its own, and a page is only ever answered from
// the cache of the version it runs: every file a page asks for names it
// (?v=VERSION). A new version waits until no page of the old one is open, or
// until a page asks for it; the old files go once no page of theirs is open.

const VERSION = '@VERSION@';
const FILES = [@FILES@];
const ON_USE = [@ON_USE@];
const PREFIX = 'vorlenta-';
const CACHE = PREFIX + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(
    // Past any HTTP cache, so that a cache of this version holds this version.
    caches.open(CACHE).then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' })))),
  );
});

// A page whose reader chose the new version now, or that asks for a file to
// be kept for use offline.
self.addEventListener('message', (event) => {
  if (event.data === 'activate') self.skipWaiting();
  else if (ON_USE.includes(event.data?.keep)) event.waitUntil(keep(event.data.keep));
});

async function keep(file) {
  const cache = await caches.open(CACHE);
  if (!(await cache.match(file))) await cache.add(file);
}

// Every open page, the first visit's too, is answered from here on: the
// network may already have another version.
self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim().then(removeUnused));
});

// The page's own files come from the cache of the version that asks, and
// nothing else is ever asked for. A new document is of this version.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  const version = url.searchParams.get('v') ?? VERSION;
  event.respondWith(answer(request, version, event));
  if (request.mode === 'navigate') event.waitUntil(removeUnused());
});

async function answer(request, version, event) {
  const stored = await caches.match(request, { cacheName: PREFIX + version, ignoreSearch: true });
  if (stored) return stored;
  // The network has this version's files, or newer ones: never another
  // version's to a page that runs an older one.
  if (version !== VERSION) return new Response(null, { status: 404, statusText: 'Version gone' });
  const response = await fetch(request);
  const file = request.url.slice(self.registration.scope.length).split('?')[0];
  if (response.ok && ON_USE.includes(file)) {
    const kept = response.clone();
    event.waitUntil(caches.open(CACHE).then((cache) => cache.put(file, kept)));
  }
  return response;
}

// Which version a page runs, as it says; null when it does not say.
function versionOf(client) {
  return new Promise((resolve) => {
    const channel = new MessageChannel();
    const timer = setTimeout(() => resolve(null), 2000);
    channel.port1.onmessage = (event) => {
      clearTimeout(timer);
      resolve(event.data);
    };
    client.postMessage('version?', [channel.port2]);
  });
}

// Deletes the caches of the versions that no open page runs; while a page
// does not say which it runs, none.
async function removeUnused() {
  // A help page holds all it shows and asks for nothing more.
  const pages = (await self.clients.matchAll({ type: 'window', includeUncontrolled: true }))
    .filter((client) => !new URL(client.url).pathname.includes('/help/'));
  const running = await Promise.all(pages.map(versionOf));
  if (running.includes(null)) return;
  const kept = new Set([CACHE, ...running.map((version) => PREFIX + version)]);
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith(PREFIX) && !kept.has(name)).map((name) => caches.delete(name)));
}
