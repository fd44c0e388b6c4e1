// SPDX-License-Identifier: MIT
// The web folder as published: its scripts minified and still scripts, and beside each text and
// the module compressed copies that decompress to the very file.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { Script } from 'node:vm';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';

const site = process.env.SITE;
const page = new URL('../../platform/web/page/', import.meta.url);
const module = join(site, '..', 'module');

for (const [script, sources] of [
    ['page.js', ['layout.js', 'combobox.js', 'page.js'].map((name) => new URL(name, page))],
    ['sw.js', [new URL('sw.js.in', page)]],
    ['convertitore-pixel-cm.js', [join(module, 'convertitore-pixel-cm.js')]],
]) {
    test(`${script} is minified`, () => {
        const published = readFileSync(join(site, script), 'utf8');
        const written = sources.map((source) => readFileSync(source, 'utf8')).join('\n');
        assert.doesNotThrow(() => new Script(published, { filename: script }));
        assert.ok(published.length < written.length * 0.85, `${published.length} of ${written.length} bytes`);
        assert.doesNotMatch(published, /^\s*\/\//mu, 'a comment is left');
        assert.ok(published.split('\n').length <= 2, 'it is written over many lines');
    });
}

const compressed = ['index.html', 'style.css', 'page.js', 'sw.js',
    'convertitore-pixel-cm.js', 'convertitore-pixel-cm.wasm', 'manifest.webmanifest', 'icons/icon.svg'];

for (const [suffix, decompress] of [['gz', gunzipSync], ['br', brotliDecompressSync]]) {
    test(`Every text and the module has a .${suffix} copy that decompresses to it`, () => {
        for (const file of compressed) {
            const original = readFileSync(join(site, file));
            const copy = readFileSync(join(site, `${file}.${suffix}`));
            assert.ok(copy.length < original.length, `${file}.${suffix} is no smaller`);
            assert.deepEqual(decompress(copy), original, `${file}.${suffix}`);
        }
        const stray = readdirSync(site, { recursive: true })
            .filter((name) => name.endsWith(`.${suffix}`) && !compressed.includes(name.slice(0, -suffix.length - 1)));
        assert.deepEqual(stray, []);
    });
}
