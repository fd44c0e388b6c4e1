// SPDX-License-Identifier: MIT
// The development server: what reaches it from a browser, another page or a stray request
// never stops it, names a file outside its folder, or changes anything.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { request } from 'node:http';
import { mkdtemp, mkdir, rm, symlink, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { brotliCompressSync, brotliDecompressSync, gunzipSync, gzipSync } from 'node:zlib';
import { startServer } from './server.mjs';

let work;
let server;
let port;
const page = Buffer.from('<!DOCTYPE html><title>page</title>');

before(async () => {
    work = await mkdtemp(join(tmpdir(), 'serve-test-'));
    await mkdir(join(work, 'site'));
    await writeFile(join(work, 'site', 'index.html'), '<!DOCTYPE html><title>page</title>');
    await writeFile(join(work, 'site', 'index.html.gz'), gzipSync(page));
    await writeFile(join(work, 'site', 'index.html.br'), brotliCompressSync(page));
    await writeFile(join(work, 'site', 'plain.js'), page);
    await writeFile(join(work, 'secret.txt'), 'outside the folder');
    await symlink(join(work, 'secret.txt'), join(work, 'site', 'link.txt'));
    let address;
    ({ server, address } = await startServer(join(work, 'site')));
    port = new URL(address).port;
});

after(async () => {
    server?.kill();
    await rm(work, { recursive: true, force: true });
});

// One raw request: the path as written, any method, and a Host of this name and the server's
// port, or the one given.
function send(path, { method = 'GET', host = '127.0.0.1', hostPort = port, encodings } = {}) {
    return new Promise((done, failed) => {
        const headers = { Host: `${host}:${hostPort}` };
        if (encodings !== undefined)
            headers['Accept-Encoding'] = encodings;
        const outgoing = request({ host: '127.0.0.1', port, path, method, headers },
            (response) => {
                const chunks = [];
                response.on('data', (chunk) => chunks.push(chunk));
                response.on('end', () => {
                    const raw = Buffer.concat(chunks);
                    done({ status: response.statusCode, headers: response.headers, body: raw.toString(), raw });
                });
            });
        outgoing.on('error', failed);
        outgoing.end();
    });
}

for (const [tag, path, options, status] of [
    ['the page', '/', {}, 200],
    ['the page by name, from localhost', '/index.html', { host: 'localhost' }, 200],
    ['the page, headers only', '/', { method: 'HEAD' }, 200],
    ['a malformed escape', '/%', {}, 400],
    ['a cut escape', '/index.html%E4', {}, 400],
    ['a NUL byte', '/index.html%00', {}, 400],
    ['a missing file', '/missing.js', {}, 404],
    ['a link out of the folder', '/link.txt', {}, 404],
    ['an escaped climb out of the folder', '/%2e%2e/secret.txt', {}, 404],
    ['POST', '/', { method: 'POST' }, 405],
    ['DELETE', '/index.html', { method: 'DELETE' }, 405],
    ['PUT', '/new.html', { method: 'PUT' }, 405],
    ['another host name (DNS rebinding)', '/', { host: 'attacker.example' }, 403],
    ['this address on another port', '/', { hostPort: 1 }, 403],
]) {
    test(`${tag}: ${status}, nosniff, and the server still answers`, async () => {
        const answer = await send(path, options);
        assert.equal(answer.status, status);
        assert.equal(answer.headers['x-content-type-options'], 'nosniff');
        assert.ok(!answer.body.includes('outside the folder'));
        if (status === 405)
            assert.equal(answer.headers.allow, 'GET, HEAD');
        const next = await send('/');
        assert.equal(next.status, 200);
        assert.match(next.body, /<title>page<\/title>/);
    });
}

// A host serves the release's compressed copies to a browser that takes them.
const decompress = { br: brotliDecompressSync, gzip: gunzipSync, undefined: (raw) => raw };
for (const [tag, path, encodings, encoding] of [
    ['Brotli first', '/', 'gzip, deflate, br', 'br'],
    ['gzip where Brotli is not taken', '/index.html', 'gzip', 'gzip'],
    ['gzip where Brotli is refused', '/', 'br;q=0, gzip;q=0.5', 'gzip'],
    ['the file itself where neither is taken', '/', 'identity', undefined],
    ['the file itself where none is asked for', '/', undefined, undefined],
    ['the file itself where it has no copy', '/plain.js', 'br, gzip', undefined],
]) {
    test(`Compressed copies: ${tag}`, async () => {
        const answer = await send(path, { encodings });
        assert.equal(answer.status, 200);
        assert.equal(answer.headers['content-encoding'], encoding);
        assert.equal(answer.headers['content-type'], path.endsWith('.js')
            ? 'text/javascript; charset=utf-8' : 'text/html; charset=utf-8');
        assert.deepEqual(decompress[encoding](answer.raw), page);
        if (path !== '/plain.js')
            assert.equal(answer.headers.vary, 'Accept-Encoding');
    });
}
