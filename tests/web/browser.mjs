// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, and the project's own static server, for the browser tests, the
// screenshots and the start-up bench.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const serverScript = fileURLToPath(new URL('../../scripts/serve.mjs', import.meta.url));

// Serves the folder on a free port; resolves to the server and its address.
export async function startServer(folder) {
    const server = spawn(process.execPath, [serverScript, folder, '0'], {
        stdio: ['ignore', 'pipe', 'inherit'],
    });
    const [line] = await once(server.stdout, 'data');
    return { server, address: line.toString().trim() };
}

export function launchBrowser() {
    return puppeteer.launch({
        executablePath: '/usr/bin/chromium',
        // As root Chromium needs --no-sandbox; the rest keeps it from the closed network.
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
}

// A fresh page in a context of its own, as a new visitor whose browser speaks this language,
// once the program runs on it.
export async function openPage(browser, address, language = 'it-IT',
    viewport = { width: 800, height: 600 }) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
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
