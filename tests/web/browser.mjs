// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, and the project's own static server, for the browser tests, the
// screenshots and the start-up bench.
import puppeteer from 'puppeteer-core';

export { startServer } from './server.mjs';

export function launchBrowser() {
    return puppeteer.launch({
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
// it.
export async function openPage(browser, address, language = 'it-IT',
    viewport = { width: 800, height: 600 }) {
    const page = await newPage(browser);
    const session = await page.createCDPSession();
    await session.send('Emulation.setUserAgentOverride', {
        userAgent: await browser.userAgent(),
        acceptLanguage: language,
    });
    await page.setViewport(viewport);
    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    return page;
}
