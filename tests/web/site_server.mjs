// site_server.mjs: serves the built site on a port of loopback, as any static host would, and
// can be cut like a network.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

export async function serveSite(root) {
    const sockets = new Set();
    let served = 0;
    const server = createServer(async (request, response) => {
        let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (path.endsWith('/'))
            path += 'index.html';
        try {
            const file = join(root, path);
            // Dated to the second, and not sent again to whoever holds that date's copy.
            const modified = new Date(Math.floor((await stat(file)).mtimeMs / 1000) * 1000);
            if (new Date(request.headers['if-modified-since'] ?? 0) >= modified) {
                response.writeHead(304).end();
                return;
            }
            const body = await readFile(file);
            response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream',
                'Last-Modified': modified.toUTCString() });
            response.end(body);
            served += body.length;
        } catch {
            response.writeHead(404).end();
        }
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        // Every byte of every file sent so far, uncompressed as it is sent.
        served: () => served,
        // The network gone: the server stops and every open connection drops.
        close: () => new Promise((done) => {
            server.close(done);
            sockets.forEach((socket) => socket.destroy());
        }),
    };
}

// Run alone (node site_server.mjs SITE), it serves SITE in a process of its own, so that a page
// measured against it does not share a thread with its server. It prints its address, then the
// bytes sent so far for every line it reads, and ends with its input.
if (import.meta.url === `file://${process.argv[1]}`) {
    const site = await serveSite(process.argv[2]);
    console.log(site.url);
    process.stdin.on('data', () => console.log(site.served())).on('end', () => process.exit(0));
}
