// SPDX-License-Identifier: MIT
// Debian's Chromium and Firefox ESR, headless, and its WebKit (webkit.mjs), and the project's
// own static server, for the browser tests, the screenshots and the start-up bench; and what
// the tests do on a page.
import puppeteer from 'puppeteer-core';
import { temporaryHome } from './home.mjs';
import { launchWebKit } from './webkit.mjs';

export { startHoldingServer, startServer } from './server.mjs';

// The engine the tests run in: ENGINE names it, Chromium by default.
export const engine = process.env.ENGINE ?? 'chromium';

// Starts a browser with a home folder of its own, removed once the browser has exited.
async function launchAtHome(options) {
    const home = temporaryHome();
    const browser = await puppeteer.launch({ ...options, env: home.environment });
    browser.process().once('exit', home.remove);
    return browser;
}

// Firefox ESR through WebDriver BiDi. Its pages cannot emulate a phone's touch screen one by
// one: for a phone it is started as one, whose pointer is coarse and cannot hover.
function launchFirefox(touchScreen) {
    const finger = touchScreen ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {};
    return launchAtHome({
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        extraPrefsFirefox: { 'intl.regional_prefs.use_os_locales': false, ...finger },
    });
}

// A browser of the engine. Chromium and Firefox speak every language (openPage tells them page by
// page); WebKit speaks the one it was launched with. Chromium is a phone's touch screen page by
// page (openPage), Firefox where it was launched as one.
export function launchEngine(language = 'it-IT', { touchScreen = false } = {}) {
    if (engine === 'firefox')
        return launchFirefox(touchScreen);
    if (engine === 'webkit')
        return launchWebKit(language);
    return launchBrowser();
}

export const value = (page, id) => page.$eval(`#${id}`, (element) => element.value);
export const focused = (page) => page.evaluate(() => document.activeElement.id);

// Replaces a field's whole text as a keyboard user does: End, Shift+Home, then the new text.
export async function typeInto(page, id, text) {
    await page.click(`#${id}`, { clickCount: 3 });
    await page.keyboard.press('End');
    await page.keyboard.down('Shift');
    await page.keyboard.press('Home');
    await page.keyboard.up('Shift');
    await page.keyboard.type(text);
}

export function launchBrowser() {
    return launchAtHome({
        executablePath: '/usr/bin/chromium',
        // As root Chromium needs --no-sandbox; the rest keeps it from the closed network.
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
}

// Every Content-Security-Policy violation that a page opened here reported, for the tests to
// find none.
export const policyViolations = [];

// A fresh page in a context of its own, which reports what its policy blocks.
export async function newPage(browser) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.exposeFunction('reportPolicyViolation', (text) => policyViolations.push(text));
    await page.evaluateOnNewDocument(() => {
        document.addEventListener('securitypolicyviolation', (event) => {
            window.reportPolicyViolation(`${event.violatedDirective} ${event.blockedURI}`);
        });
    });
    return page;
}

// A fresh page, as a new visitor whose browser speaks this language, once the program runs on
// it, or as soon as the page is there where `ready` is false. Chromium and Firefox are told the
// language page by page; a WebKit browser speaks the one it was launched with (launchEngine).
export async function openPage(browser, address, language = 'it-IT',
    viewport = { width: 800, height: 600 }, { ready = true } = {}) {
    const page = await newPage(browser);
    if (browser.protocol === 'cdp') {
        const session = await page.createCDPSession();
        await session.send('Emulation.setUserAgentOverride', {
            userAgent: await browser.userAgent(),
            acceptLanguage: language,
        });
    } else if (browser.protocol === 'webDriverBiDi') {
        await browser.connection.send('emulation.setLocaleOverride',
            { locale: language, userContexts: [page.browserContext().userContext.id] });
    }
    await page.setViewport(viewport);
    if (!ready) {
        await page.goto(address, { waitUntil: 'domcontentloaded' });
        return page;
    }
    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    return page;
}
