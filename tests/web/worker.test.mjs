// SPDX-License-Identifier: MIT
// The service worker in the engine ENGINE names (Chromium by default), on an origin it shares
// with another program: installing and updating it drops only its own older caches, and
// offline the page still computes while a file it never kept stays a network error.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { once } from 'node:events';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchEngine, newPage, openPage, policyViolations, startServer } from './browser.mjs';

const ownPrefix = 'convertitore-pixel-cm-';
let work;
let server;
let address;
let browser;

// A copy of the site, so that a test can publish a new version of it.
before(async () => {
    work = await mkdtemp(join(tmpdir(), 'worker-test-'));
    await cp(process.env.SITE, join(work, 'site'), { recursive: true });
    ({ server, address } = await startServer(join(work, 'site')));
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

test("Installing and updating keep another program's cache and drop only older versions", async () => {
    const page = await newPage(browser);
    // Another program on this origin, and an older version of this one, keep their files.
    // A document of the origin that does not start the worker, and that every engine shows
    // rather than downloads.
    await page.goto(`${address}icons/icon.svg`);
    await page.evaluate(async (ownPrefix) => {
        await (await caches.open('other-app-v7')).put('/other-app/data.json', new Response('kept'));
        await (await caches.open(`${ownPrefix}0.9`)).put('/old.js', new Response('old'));
    }, ownPrefix);

    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    const installed = await cachesOnceActive(page);
    assert.ok(installed.includes('other-app-v7'), `after installing: ${installed}`);
    assert.equal(installed.filter((name) => name.startsWith(ownPrefix)).length, 1, `after installing: ${installed}`);
    assert.ok(!installed.includes(`${ownPrefix}0.9`), `after installing: ${installed}`);

    // A new version is published: its worker replaces this one's cache.
    const worker = join(work, 'site', 'sw.js');
    const script = await readFile(worker, 'utf8');
    const next = script.replace(/(const cacheName = `\$\{cachePrefix\})[^`]*`/, '$1next`');
    assert.notEqual(next, script);
    await writeFile(worker, next);
    await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
    await page.waitForFunction(async (ownPrefix) => {
        const own = (await caches.keys()).filter((name) => name.startsWith(ownPrefix));
        return own.length === 1 && own[0] === `${ownPrefix}next`;
    }, { polling: 100 }, ownPrefix);
    const updated = await page.evaluate(() => caches.keys());
    assert.ok(updated.includes('other-app-v7'), `after updating: ${updated}`);
    assert.equal(await page.evaluate(async () => (await caches.match('/other-app/data.json')).text()), 'kept');
    await writeFile(worker, script);
    await page.browserContext().close();
});

test('With the server gone the page computes again, and a file never kept is a network error', async () => {
    const page = await openPage(browser, address);
    await cachesOnceActive(page);
    // The first visit's page was not yet under the worker: a reload puts it there.
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    // The network cut for the worker too, whose requests the page's emulated offline mode does
    // not reach: the server stops. No test after this one needs it.
    server.kill();
    await once(server, 'exit');
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#Command2');
    assert.equal(await page.$eval('#Text6', (field) => field.value), '41');
    const missing = await page.evaluate(() => fetch('missing.wasm').then((response) => response.status,
        () => 'network error'));
    assert.equal(missing, 'network error');
    await page.browserContext().close();
});

test('No page broke its Content-Security-Policy', () => {
    assert.deepEqual(policyViolations, []);
});
