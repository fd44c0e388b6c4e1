// SPDX-License-Identifier: MIT
// The browser program's first visit and cold start in headless Chromium, beside the same window
// written plainly in HTML and JavaScript with no WebAssembly (bench/web/plain), in one run:
// what a first visit fetches (each file's bytes, and gzipped), and from the start of the
// navigation in a fresh context (nothing cached) the first contentful paint, the largest
// contentful paint, the module ready, and the first result written by a click right then; at a
// desktop's width, and on a phone as Lighthouse's mobile profile has it (360 × 640, touch, the
// CPU four times slower). Prints the medians of RUNS runs (9 by default), each with its ratio to
// the plain page's.
//     node bench/web/startup.mjs [SITE]     (after scripts/setup.sh web; build/web/site by default)
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { launchBrowser, startServer } from '../../tests/web/browser.mjs';

const site = resolve(process.argv[2] ?? fileURLToPath(new URL('../../build/web/site/', import.meta.url)));
const plain = fileURLToPath(new URL('plain/', import.meta.url));
const runs = Number(process.env.RUNS ?? 9);
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const { server, address } = await startServer(site);
const reference = await startServer(plain);
const browser = await launchBrowser();
const profiles = {
    desktop: { viewport: { width: 1024, height: 768 }, slowdown: 1 },
    phone: { viewport: { width: 360, height: 640, isMobile: true, hasTouch: true }, slowdown: 4 },
};

// The paints the page has had, as the browser reports them.
function observePaints() {
    globalThis.paints = { fcp: null, lcp: [] };
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) {
            if (entry.name === 'first-contentful-paint')
                globalThis.paints.fcp = entry.startTime;
        }
    }).observe({ type: 'paint', buffered: true });
    new PerformanceObserver((list) => {
        globalThis.paints.lcp.push(...list.getEntries().map((entry) => entry.startTime));
    }).observe({ type: 'largest-contentful-paint', buffered: true });
}

// One cold start: its times, and the paths the page fetched.
async function coldStart(pageAddress, { viewport, slowdown }) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const fetched = [];
    page.on('requestfinished', (request) => fetched.push(new URL(request.url()).pathname));
    await page.setViewport(viewport);
    await page.emulateCPUThrottling(slowdown);
    await page.evaluateOnNewDocument(observePaints);
    await page.goto(pageAddress);
    await page.waitForSelector('body[data-ready="true"]');
    const clicked = await page.evaluate(() => {
        document.getElementById('Command2').click();
        return { result: performance.now(), text: document.getElementById('Text6').value };
    });
    // The largest paint is the last one before the click, whose results may be painted later.
    await page.waitForFunction(() => globalThis.paints.fcp !== null && globalThis.paints.lcp.length > 0);
    const times = { ...clicked, ...await page.evaluate((result) => ({
        ready: performance.getEntriesByName('ready')[0].startTime,
        fcp: globalThis.paints.fcp,
        lcp: Math.max(...globalThis.paints.lcp.filter((time) => time < result)),
    }), clicked.result) };
    if (times.text !== '41')
        throw new Error(`${pageAddress}: the first result is '${times.text}', not 41`);
    await context.close();
    return { times, fetched };
}

// The medians over the runs, the program and the plain page alternating.
async function compare(profile) {
    const samples = { program: [], plain: [] };
    let fetched = [];
    for (let i = 0; i < runs; ++i) {
        const program = await coldStart(address, profile);
        samples.program.push(program.times);
        fetched = program.fetched;
        samples.plain.push((await coldStart(reference.address, profile)).times);
    }
    const medians = (list) => Object.fromEntries(['fcp', 'lcp', 'ready', 'result']
        .map((key) => [key, median(list.map((times) => times[key]))]));
    return { program: medians(samples.program), plain: medians(samples.plain), fetched };
}

const names = {
    fcp: 'first contentful paint',
    lcp: 'largest contentful paint',
    ready: 'module ready',
    result: 'first result, a click right then',
};

try {
    for (const [name, profile] of Object.entries(profiles)) {
        const { program, plain: plainPage, fetched } = await compare(profile);
        for (const key of Object.keys(names)) {
            console.log(`${name}: ${names[key]}, median of ${runs} (ms): ${program[key].toFixed(1)}; `
                + `plain page ${plainPage[key].toFixed(1)}; ratio ${(program[key] / plainPage[key]).toFixed(2)}`);
        }
        if (name !== 'desktop')
            continue;
        // Everything the first visit fetched, the service worker's own copies aside.
        let bytes = 0;
        let gzipped = 0;
        // A browser fetches the manifest when it offers to install the page; headless it does not.
        for (const path of [...new Set([...fetched, '/manifest.webmanifest'])]) {
            const file = readFileSync(site + (path.endsWith('/') ? `${path}index.html` : path));
            const packed = gzipSync(file, { level: 9 }).length;
            bytes += file.length;
            gzipped += packed;
            console.log(`first visit: ${path}: ${file.length} bytes, ${packed} gzipped`);
        }
        console.log(`first visit: all: ${bytes} bytes, ${gzipped} gzipped`);
    }
} finally {
    await browser.close();
    server.kill();
    reference.server.kill();
}
