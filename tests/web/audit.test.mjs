// SPDX-License-Identifier: MIT
// The page audited by axe-core, as third-party auditors check it: every rule of WCAG 2.0, 2.1
// and 2.2 at levels A and AA, and axe's best practices, on both tabs, on two phones and at a
// desktop's width, in the engine ENGINE names (Chromium by default); and Chromium's own check
// that the page can be installed as an app.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { engine, launchEngine, openPage, startServer } from './browser.mjs';

const auditor = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

let server;
let address;
let browser;

before(async () => {
    ({ server, address } = await startServer(process.env.SITE));
    browser = await launchEngine();
});

after(async () => {
    await browser?.close();
    server?.kill();
});

const viewports = [
    { width: 360, height: 640, isMobile: true, hasTouch: true },
    { width: 412, height: 915, isMobile: true, hasTouch: true },
    { width: 1024, height: 768 },
];
for (const viewport of viewports) {
    test(`axe finds nothing on either tab at ${viewport.width}×${viewport.height}`, async () => {
        const page = await openPage(browser, address, 'it-IT', viewport);
        // The page's policy admits its own scripts only: the auditor runs as the driver's own
        // script, which the policy does not govern.
        await page.evaluate(auditor);
        for (const tab of ['#tab-0', '#tab-1']) {
            await page.click(tab);
            const violations = await page.evaluate(async (runOnly) => {
                const results = await globalThis.axe.run(document, { runOnly: { type: 'tag', values: runOnly } });
                return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
            }, tags);
            assert.deepEqual(violations, [], `on ${tab}`);
        }
        await page.browserContext().close();
    });
}

// Dark mode on a phone, and Windows high contrast (forced colours), dark and light, at every
// width: axe still finds nothing, and the DPI boxes' arrow, drawn with borders, stays a
// triangle in a colour that stands out from its button.
// The contrast ratio of two opaque colours as getComputedStyle writes them, as WCAG defines it:
// a shape needs 3:1 against what is next to it.
function contrast(...colours) {
    const [lighter, darker] = colours.map((colour) => {
        const linear = colour.match(/\d+/g).slice(0, 3).map((channel) => {
            const value = channel / 255;
            return value <= 0.04045 ? value / 12.92 : ((value + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
    }).sort((x, y) => y - x);
    return (lighter + 0.05) / (darker + 0.05);
}
const dark = { name: 'prefers-color-scheme', value: 'dark' };
const light = { name: 'prefers-color-scheme', value: 'light' };
const forced = { name: 'forced-colors', value: 'active' };
for (const [scheme, viewport, features] of [
    ['dark', viewports[0], [dark]],
    ['high contrast dark', viewports[0], [forced, dark]],
    ['high contrast light', viewports[0], [forced, light]],
    ['high contrast dark', viewports[2], [forced, dark]],
    ['high contrast light', viewports[2], [forced, light]],
]) {
    const skip = engine !== 'chromium' && 'colour schemes are emulated through Chromium\'s protocol';
    test(`In ${scheme} at ${viewport.width}×${viewport.height} every text and the arrows stand out`, { skip }, async () => {
        const page = await openPage(browser, address, 'it-IT', viewport);
        const session = await page.createCDPSession();
        await session.send('Emulation.setEmulatedMedia', { features });
        await page.evaluate(auditor);
        await page.click('#Combo2-button');
        const violations = await page.evaluate(async (runOnly) => {
            const results = await globalThis.axe.run(document, { runOnly: { type: 'tag', values: runOnly } });
            return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
        }, tags);
        assert.deepEqual(violations, []);
        const arrow = await page.$eval('#Combo2-button', (button) => {
            const style = getComputedStyle(button, '::after');
            return { point: style.borderTopColor, sides: [style.borderLeftColor, style.borderRightColor],
                button: getComputedStyle(button).backgroundColor };
        });
        assert.ok(contrast(arrow.point, arrow.button) >= 3, `${arrow.point} on ${arrow.button}`);
        assert.deepEqual(arrow.sides, ['rgba(0, 0, 0, 0)', 'rgba(0, 0, 0, 0)']);
        await page.browserContext().close();
    });
}

test('Chromium finds the page installable', { skip: engine !== 'chromium' && 'a check of Chromium\'s own' }, async () => {
    // In the browser's own profile: a page in a context of its own is private, and Chromium
    // installs nothing from a private window.
    const page = await browser.newPage();
    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    // The install dialog's pictures: a maskable icon, and the page wide and narrow, each as
    // large as the manifest says.
    const { url } = await session.send('Page.getAppManifest');
    const manifest = await (await fetch(url)).json();
    assert.ok(manifest.icons.some((icon) => icon.purpose === 'maskable'));
    assert.deepEqual(manifest.screenshots.map((shot) => shot.form_factor), ['wide', 'narrow']);
    for (const picture of [...manifest.icons, ...manifest.screenshots].filter((p) => p.sizes !== 'any')) {
        const size = await page.evaluate(async (src) => {
            const image = new Image();
            image.src = src;
            await image.decode();
            return `${image.naturalWidth}x${image.naturalHeight}`;
        }, picture.src);
        assert.equal(size, picture.sizes, picture.src);
    }
    await page.close();
});
