// SPDX-License-Identifier: MIT
// The browser program's sizes, and its cold start in headless Chromium: from the start of the
// navigation in a fresh context (nothing cached) to the module ready, and to the first result
// written by a click right then; at a desktop's width, and on a phone as Lighthouse's mobile
// profile has it (360 × 640, touch, the CPU four times slower); beside the same window written
// plainly in HTML and JavaScript with no WebAssembly (bench/web/plain), as a ratio. Prints the
// medians of RUNS runs (9 by default).
//     node bench/web/startup.mjs     (after scripts/setup.sh web)
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { launchBrowser, startServer } from '../../tests/web/browser.mjs';

const site = fileURLToPath(new URL('../../build/web/site/', import.meta.url));
const runs = Number(process.env.RUNS ?? 9);
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

for (const file of ['convertitore-pixel-cm.wasm', 'convertitore-pixel-cm.js', 'layout.js',
    'combobox.js', 'page.js']) {
    const bytes = readFileSync(site + file);
    console.log(`${file}: ${bytes.length} bytes, ${gzipSync(bytes, { level: 9 }).length} gzipped`);
}

const plain = fileURLToPath(new URL('plain/', import.meta.url));
const { server, address } = await startServer(site);
const reference = await startServer(plain);
const browser = await launchBrowser();
const profiles = {
    desktop: { viewport: { width: 1024, height: 768 }, slowdown: 1 },
    phone: { viewport: { width: 360, height: 640, isMobile: true, hasTouch: true }, slowdown: 4 },
};

// The medians, over the runs, of the times to ready and to the first result of a page.
async function coldStart(pageAddress, { viewport, slowdown }) {
    const ready = [];
    const result = [];
    for (let i = 0; i < runs; ++i) {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.setViewport(viewport);
        await page.emulateCPUThrottling(slowdown);
        await page.goto(pageAddress);
        await page.waitForSelector('body[data-ready="true"]');
        const [readyAt, resultAt, text] = await page.evaluate(() => {
            const readyMark = performance.getEntriesByName('ready')[0].startTime;
            document.getElementById('Command2').click();
            return [readyMark, performance.now(), document.getElementById('Text6').value];
        });
        if (text !== '41')
            throw new Error(`${pageAddress} run ${i}: the first result is '${text}', not 41`);
        ready.push(readyAt);
        result.push(resultAt);
        await context.close();
    }
    return { ready: median(ready), result: median(result) };
}

try {
    for (const [name, profile] of Object.entries(profiles)) {
        const program = await coldStart(address, profile);
        const plainPage = await coldStart(reference.address, profile);
        console.log(`${name}: cold start to ready, median of ${runs} (ms): ${program.ready.toFixed(1)}; `
            + `plain page ${plainPage.ready.toFixed(1)}`);
        console.log(`${name}: cold start to first result, median of ${runs} (ms): ${program.result.toFixed(1)}; `
            + `plain page ${plainPage.result.toFixed(1)}; ratio ${(program.result / plainPage.result).toFixed(2)}`);
    }
} finally {
    await browser.close();
    server.kill();
    reference.server.kill();
}
