// SPDX-License-Identifier: MIT
// Lighthouse's audits of the browser program, in Debian's Chromium: the mobile profile (a phone,
// the CPU four times slower, a slow network) and the desktop one. Prints each category's score
// and every audit that failed.
//     npm ci --prefix bench/web && node bench/web/lighthouse.mjs [SITE]
// (after scripts/setup.sh web; SITE is build/web/site by default).
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, startServer } from '../../tests/web/browser.mjs';

const site = resolve(process.argv[2] ?? fileURLToPath(new URL('../../build/web/site/', import.meta.url)));
const { server, address } = await startServer(site);
const browser = await launchBrowser();
try {
    const port = Number(new URL(browser.wsEndpoint()).port);
    for (const [profile, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
        const { lhr } = await lighthouse(address, { port, output: 'json', logLevel: 'error' }, config);
        const scores = Object.values(lhr.categories)
            .map((category) => `${category.title} ${Math.round(category.score * 100)}`);
        console.log(`${profile} (Lighthouse ${lhr.lighthouseVersion}): ${scores.join(', ')}`);
        for (const audit of Object.values(lhr.audits)) {
            if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'binary')
                console.log(`  failed: ${audit.id} (${audit.title})${(audit.details?.items ?? []).map((item) => ` ${item.node?.selector ?? ''}`).join(',')}`);
        }
    }
} finally {
    await browser.close();
    server.kill();
}
