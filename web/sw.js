// Keeps the page and the game for playing offline. The small files are fetched into a cache when
// the worker installs; the game and its data (20 MB) are kept as the page downloads them through
// the worker, so that the first visit downloads them once. From then on everything comes from
// the cache. A new build names a new cache (scripts/build-web writes its VERSION from the files'
// contents), which replaces the old one on the next visit that has the network.
'use strict';
const VERSION = 'skyrift-@VERSION@';
const SMALL = ['./', 'index.html', 'page.js', 'skyrift.js', 'manifest.webmanifest', 'icon-128.png', 'icon-256.png'];
const LARGE = ['skyrift.wasm', 'skyrift.data'];
const kept = (url) => [...SMALL, ...LARGE].some((file) => new URL(file, self.registration.scope).href === url);

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(SMALL)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== VERSION).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  url.search = '';
  if (request.method !== 'GET' || !kept(url.href)) return;
  event.respondWith(caches.open(VERSION).then(async (cache) => {
    const hit = await cache.match(url.href);
    if (hit) return hit;
    const response = await fetch(request);
    if (response.ok) await cache.put(url.href, response.clone());
    return response;
  }));
});
