// SPDX-License-Identifier: MIT
// Makes the screenshots in docs/ of the browser program, in Italian, after the default request
// on the tab in front: at a desktop's width, and on a 360-pixel phone upright, light and dark,
// and turned on its side.
//     node scripts/screenshots-web.mjs     (after scripts/setup.sh web)
import { fileURLToPath } from 'node:url';
import { launchBrowser, openPage, startServer } from '../tests/web/browser.mjs';

const site = fileURLToPath(new URL('../build/web/site', import.meta.url));
const docs = fileURLToPath(new URL('../docs/', import.meta.url));
const { server, address } = await startServer(site);
const browser = await launchBrowser();
try {
    const phone = { isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
    for (const [file, viewport, scheme] of [
        ['web-desktop.png', { width: 800, height: 420 }, 'light'],
        ['web-phone.png', { width: 360, height: 640, ...phone }, 'light'],
        ['web-phone-dark.png', { width: 360, height: 640, ...phone }, 'dark'],
        ['web-phone-landscape.png', { width: 640, height: 360, ...phone }, 'light'],
    ]) {
        const page = await openPage(browser, address, 'it-IT', viewport);
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        await page.click('#Command2');
        await page.screenshot({ path: docs + file });
        await page.browserContext().close();
        console.log(`Saved docs/${file}`);
    }
} finally {
    await browser.close();
    server.kill();
}
