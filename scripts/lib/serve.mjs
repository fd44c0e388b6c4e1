// SPDX-License-Identifier: MIT
// Serves a folder on this machine only, as any static web host would, each file's compressed
// copy (FILE.br, FILE.gz) where the browser accepts it:
//     node scripts/lib/serve.mjs FOLDER [PORT]
// Port 0 takes a free one. Prints the address once it listens. It answers GET and HEAD only,
// for files whose real path is inside the folder, to requests addressed to this server by name
// (no other host name reaches it through a DNS rebinding), and no request can stop it.
import { createServer } from 'node:http';
import { readFile, realpath } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';

const root = await realpath(resolve(process.argv[2] ?? '.'));
const port = Number(process.argv[3] ?? 8080);
const types = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
};
// A file's compressed copies beside it, the smaller first, as the release has them.
const encodings = [['br', '.br'], ['gzip', '.gz']];

// The encodings a request accepts, by name; one refused with q=0 is not.
function acceptedEncodings(header = '') {
    return new Set(header.split(',').map((part) => part.trim().split(';'))
        .filter(([name, ...parameters]) => name && !parameters.some((p) => /^\s*q=0(\.0*)?\s*$/.test(p)))
        .map(([name]) => name.toLowerCase()));
}

// Every answer: the browser never guesses another type than the one named.
const common = { 'X-Content-Type-Options': 'nosniff' };

function answer(response, status, text, headers = {}) {
    response.writeHead(status, { ...common, 'Content-Type': 'text/plain; charset=utf-8', ...headers });
    response.end(`${text}\n`);
}

const inside = (file) => file === root || file.startsWith(root + sep);

// The file a path names, or null where it names none inside the folder.
async function fileOf(path) {
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    if (!inside(file))
        return null;
    // A symbolic link is followed only where it stays inside the folder.
    const real = await realpath(file).catch(() => null);
    return real !== null && inside(real) ? real : null;
}

const server = createServer(async (request, response) => {
    try {
        const { port: served } = server.address();
        if (![`127.0.0.1:${served}`, `localhost:${served}`].includes(request.headers.host)) {
            answer(response, 403, 'Forbidden: not addressed to this server');
            return;
        }
        if (request.method !== 'GET' && request.method !== 'HEAD') {
            answer(response, 405, 'Method not allowed', { Allow: 'GET, HEAD' });
            return;
        }
        let path;
        try {
            path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        } catch {
            path = null;
        }
        if (path === null || path.includes('\0')) {
            answer(response, 400, 'Bad request');
            return;
        }
        const file = await fileOf(path);
        const headers = {
            ...common,
            'Content-Type': types[extname(file ?? '')] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
        };
        // The compressed copy the browser takes, where the folder has one beside the file.
        let source = file;
        const accepted = acceptedEncodings(request.headers['accept-encoding']);
        for (const [encoding, suffix] of file ? encodings : []) {
            const copy = await fileOf(`${path.endsWith('/') ? `${path}index.html` : path}${suffix}`);
            if (!copy)
                continue;
            headers.Vary = 'Accept-Encoding';
            if (source === file && accepted.has(encoding)) {
                source = copy;
                headers['Content-Encoding'] = encoding;
            }
        }
        const body = source && (await readFile(source).catch(() => null));
        if (!body) {
            answer(response, 404, 'Not found');
            return;
        }
        response.writeHead(200, headers);
        response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
        if (!response.headersSent)
            answer(response, 500, 'Internal error');
        else
            response.destroy();
    }
});
server.listen(port, '127.0.0.1', () => {
    console.log(`http://127.0.0.1:${server.address().port}/`);
});
