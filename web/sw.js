// sw.js: keeps every file of the game, so that a second visit, or one without a network, plays at
// once. The list and the cache's name are filled in when the site is built.
'use strict';

const CACHE = 'torvelle-@SITE_HASH@';
const FILES = [/* @SITE_FILES@ */];

// Asked again of the server, which sends only what the browser's own copy lacks: the files the
// first visit has just loaded are not loaded twice, and a new build's never come from an old copy.
self.addEventListener('install', (event) => {
    const requests = FILES.map((file) => new Request(file, { cache: 'no-cache' }));
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests))
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
