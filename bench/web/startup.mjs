// SPDX-License-Identifier: MIT
// The browser program's sizes, and its cold start in headless Chromium: from the start of the
// navigation in a fresh context (nothing cached) to the module ready, and to the first result
// written by a click right then. Prints the medians of RUNS runs (9 by default).
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

for (const file of ['convertitore-pixel-cm.wasm', 'convertitore-pixel-cm.js', 'page.js']) {
    const bytes = readFileSync(site + file);
    console.log(`${file}: ${bytes.length} bytes, ${gzipSync(bytes, { level: 9 }).length} gzipped`);
}

const { server, address } = await startServer(site);
const browser = await launchBrowser();
const ready = [];
const result = [];
try {
    for (let i = 0; i < runs; ++i) {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.goto(address);
        await page.waitForSelector('body[data-ready="true"]');
        const [readyAt, resultAt, text] = await page.evaluate(() => {
            const readyMark = performance.getEntriesByName('ready')[0].startTime;
            document.getElementById('Command2').click();
            return [readyMark, performance.now(), document.getElementById('Text6').value];
        });
        if (text !== '41')
            throw new Error(`run ${i}: the first result is '${text}', not 41`);
        ready.push(readyAt);
        result.push(resultAt);
        await context.close();
    }
} finally {
    await browser.close();
    server.kill();
}
console.log(`cold start to ready, median of ${runs} (ms): ${median(ready).toFixed(1)}`);
console.log(`cold start to first result, median of ${runs} (ms): ${median(result).toFixed(1)}`);
