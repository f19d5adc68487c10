// site_server.mjs: serves the built site on a port of loopback, as any static host would, and
// can be cut like a network.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

export async function serveSite(root) {
    const sockets = new Set();
    const server = createServer(async (request, response) => {
        let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (path.endsWith('/'))
            path += 'index.html';
        try {
            const body = await readFile(join(root, path));
            response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream' });
            response.end(body);
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
        // The network gone: the server stops and every open connection drops.
        close: () => new Promise((done) => {
            server.close(done);
            sockets.forEach((socket) => socket.destroy());
        }),
    };
}
