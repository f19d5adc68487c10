// sw.js: keeps every file of the game, so that a second visit, or one without a network, plays at
// once. The list and the cache's name are filled in when the site is built.
'use strict';

const CACHE = 'torvelle-@SITE_HASH@';
const FILES = [@SITE_FILES@];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES))
        .then(() => self.skipWaiting()));
});

// A new build's files replace the old ones whole.
self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== CACHE)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept || fetch(event.request)));
});
