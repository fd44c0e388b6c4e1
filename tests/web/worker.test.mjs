// SPDX-License-Identifier: MIT
// The service worker in the engine ENGINE names (Chromium by default), published at an origin's
// root beside another program and beside two other copies of itself, in /a/ and /b/: it keeps
// and answers only its own files, installing and updating it drops only its own copy's older
// caches, and offline every copy still computes while nothing of the other program is answered.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { once } from 'node:events';
import { cp, mkdir, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchEngine, newPage, policyViolations, startServer } from './browser.mjs';

const ownPrefix = 'convertitore-pixel-cm-';
const versionInWorker = /(cacheName\s*=\s*`\$\{cachePrefix\})([^ `]*)/;
let work;
let server;
let address;
let browser;
let version;

// The site at the root, a copy of it in /a/ and a later version in /b/, and another program:
// pages and an answer for each user.
before(async () => {
    work = await mkdtemp(join(tmpdir(), 'worker-test-'));
    const site = join(work, 'site');
    await cp(process.env.SITE, site, { recursive: true });
    await cp(process.env.SITE, join(site, 'a'), { recursive: true });
    await cp(process.env.SITE, join(site, 'b'), { recursive: true });
    const script = await readFile(join(site, 'sw.js'), 'utf8');
    version = script.match(versionInWorker)[2];
    await writeFile(join(site, 'b', 'sw.js'), script.replace(versionInWorker, '$1later'));
    // The tests change the workers' scripts, and a host serves a file's compressed copy where
    // there is one: the workers' copies are gone.
    await Promise.all(['', 'a', 'b'].flatMap((copy) => ['gz', 'br']
        .map((suffix) => rm(join(site, copy, `sw.js.${suffix}`)))));
    await mkdir(join(site, 'other-app', 'api'), { recursive: true });
    for (const name of ['index', 'settings'])
        await writeFile(join(site, 'other-app', `${name}.html`), `<!DOCTYPE html><title>other ${name}</title>`);
    await writeFile(join(site, 'other-app', 'api', 'me.json'), '{"token":"secret"}');
    ({ server, address } = await startServer(site));
    browser = await launchEngine();
});

after(async () => {
    await browser?.close();
    server?.kill();
    await rm(work, { recursive: true, force: true });
});

// The names of the origin's caches once the page's newest worker is active.
const cachesOnceActive = (page) => page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    const worker = registration.active;
    if (worker.state !== 'activated')
        await new Promise((done) => worker.addEventListener('statechange', () => {
            if (worker.state === 'activated')
                done();
        }));
    return (await caches.keys()).sort();
});

// Opens a copy of the program, and leaves it once its worker is active and controls it.
async function visit(page, copy) {
    await page.goto(`${address}${copy}`);
    await page.waitForSelector('body[data-ready="true"]');
    await cachesOnceActive(page);
    await page.goto(`${address}${copy}`);
    await page.waitForSelector('body[data-ready="true"]');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

// What a visit to an address shows: the program, another page by its title, or nothing.
async function shown(page, where) {
    try {
        await page.goto(`${address}${where}`);
    } catch {
        return 'network error';
    }
    return page.evaluate(() => (document.getElementById('window') ? 'the program' : document.title));
}

const computes = async (page) => {
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#Command2');
    return page.$eval('#Text6', (field) => field.value);
};

const fetched = (page, what) => page.evaluate((what) => fetch(what).then((response) => response.text(),
    () => 'network error'), what);

test("Installing and updating keep every other cache and drop only this copy's older versions", async () => {
    const page = await newPage(browser);
    // Another program's cache, this copy's older versions and another copy's, by the names
    // of today and of before caches were named by their folder. A document of the origin that
    // does not start the worker, and that every engine shows rather than downloads.
    await page.goto(`${address}icons/icon.svg`);
    const kept = ['other-app-v7', `${ownPrefix}0.8`, `${ownPrefix}0.7 ${address}b/`];
    const dropped = [`${ownPrefix}0.9`, `${ownPrefix}0.6 ${address}`];
    await page.evaluate(async (address, kept, dropped) => {
        await (await caches.open(kept[0])).put('/other-app/data.json', new Response('kept'));
        await (await caches.open(kept[1])).put(`${address}b/index.html`, new Response('b'));
        await (await caches.open(kept[2])).put(`${address}b/index.html`, new Response('b'));
        await (await caches.open(dropped[0])).put(`${address}index.html`, new Response('old'));
        await (await caches.open(dropped[1])).put(`${address}index.html`, new Response('old'));
    }, address, kept, dropped);

    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    const installed = await cachesOnceActive(page);
    assert.deepEqual(installed, [...kept, `${ownPrefix}${version} ${address}`].sort());

    // A new version is published: its worker replaces this one's cache.
    const worker = join(work, 'site', 'sw.js');
    const script = await readFile(worker, 'utf8');
    await writeFile(worker, script.replace(versionInWorker, '$1next'));
    await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
    await page.waitForFunction(async (name) => (await caches.keys()).includes(name), { polling: 100 },
        `${ownPrefix}next ${address}`);
    await page.waitForFunction(async (name) => !(await caches.keys()).includes(name), { polling: 100 },
        `${ownPrefix}${version} ${address}`);
    assert.deepEqual(await page.evaluate(() => caches.keys()).then((names) => names.sort()),
        [...kept, `${ownPrefix}next ${address}`].sort());
    assert.equal(await page.evaluate(async () => (await caches.match('/other-app/data.json')).text()), 'kept');
    await writeFile(worker, script);
    await page.browserContext().close();
});

test("Offline every copy computes; nothing of the other program is kept or answered by ours", async () => {
    const page = await newPage(browser);
    await visit(page, '');
    // The other program's pages and answers, under the worker's scope, online.
    assert.equal(await shown(page, 'other-app/settings.html'), 'other settings');
    await page.evaluate(async () => {
        for (let user = 0; user < 30; ++user)
            await fetch(`api/me.json?user=${user}`);
    });
    await visit(page, 'a/');
    await visit(page, 'b/');
    const names = await page.evaluate(() => caches.keys());
    assert.deepEqual(names.sort(), [`${ownPrefix}${version} ${address}`, `${ownPrefix}${version} ${address}a/`,
        `${ownPrefix}later ${address}b/`].sort());
    const kept = await page.evaluate(async (name) => (await (await caches.open(name)).keys())
        .map((request) => request.url).sort(), `${ownPrefix}${version} ${address}`);
    assert.deepEqual(kept.filter((url) => !url.startsWith(address) || /other-app|\?|\/[ab]\//.test(url)), []);
    assert.equal(kept.length, 11, kept.join(' '));

    // The network cut for the worker too, whose requests the page's emulated offline mode does
    // not reach: the server stops. No test after this one needs it.
    server.kill();
    await once(server, 'exit');
    for (const copy of ['', 'a/', 'b/']) {
        await page.goto(`${address}${copy}`);
        assert.equal(await computes(page), '41', `offline in /${copy}`);
    }
    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await fetched(page, 'other-app/api/me.json?user=1'), 'network error');
    assert.equal(await fetched(page, 'missing.wasm'), 'network error');
    assert.notEqual(await shown(page, 'other-app/settings.html'), 'the program');
    await page.browserContext().close();
});

test('No page broke its Content-Security-Policy', () => {
    assert.deepEqual(policyViolations, []);
});
