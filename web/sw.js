// SPDX-License-Identifier: MIT
// Keeps the whole page on the device: the first visit stores every file of
// this build, and from then on the page opens and computes without a network.
// The build writes the version (a digest of the files) and the file list;
// a new build is a new cache, and the old one goes once the new one is whole.

const VERSION = '@VERSION@';
const FILES = [@FILES@];
const CACHE = `vorlenta-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      // Past any HTTP cache, so that a cache of this version holds this version.
      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith('vorlenta-') && name !== CACHE).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

// The page's own files come from the cache; nothing else is ever asked for.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then((cache) =>
      cache.match(request, { ignoreSearch: true }).then((stored) => stored ?? fetch(request)),
    ),
  );
});
