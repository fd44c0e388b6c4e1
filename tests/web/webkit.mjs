// SPDX-License-Identifier: MIT
// WebKit, the engine of Safari, as Debian's WebKitGTK browser driven through WebKitWebDriver and
// selenium-webdriver, behind the part of puppeteer's browser and page that the tests use, so
// that the same tests run in it. Its browser has no headless mode: each one gets an X display
// of its own. It takes the visitor's language from the locale, so each language is a browser of
// its own; and it runs one session at a time, so each browser context is a session.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer } from 'node:net';
import { setTimeout as sleep } from 'node:timers/promises';
import { Builder, By, Key } from 'selenium-webdriver';
import { Pointer } from 'selenium-webdriver/lib/input.js';
import { temporaryHome } from './home.mjs';

// The browser's window is never narrower than 447 pixels: a screen narrower than the program's
// window, a phone's, is a frame of its size at the window's top left.
const framedBelow = 564;
const patience = 30000;

const keys = {
    Alt: Key.ALT, ArrowDown: Key.ARROW_DOWN, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT,
    ArrowUp: Key.ARROW_UP, End: Key.END, Enter: Key.ENTER, Escape: Key.ESCAPE, Home: Key.HOME,
    Shift: Key.SHIFT, Tab: Key.TAB,
};
const keyCode = (key) => keys[key] ?? key;

async function until(condition, what) {
    for (const start = Date.now(); Date.now() - start < patience; await sleep(50)) {
        if (await condition())
            return;
    }
    throw new Error(`waited ${patience / 1000} s for ${what}`);
}

function freePort() {
    return new Promise((resolve, reject) => {
        const probe = createServer().listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        }).on('error', reject);
    });
}

// Stops a process started as the leader of a group of its own, and everything it started.
async function stop(child) {
    if (child.exitCode === null && child.signalCode === null) {
        const exited = once(child, 'exit');
        process.kill(-child.pid, 'SIGTERM');
        await exited;
    }
}

async function startDisplay() {
    const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x800x24', '-nolisten', 'tcp'],
        { stdio: ['ignore', 'ignore', 'ignore', 'pipe'], detached: true });
    const [number] = await once(xvfb.stdio[3], 'data');
    return { xvfb, display: `:${number.toString().trim()}` };
}

class Keyboard {
    constructor(driver) { this.driver = driver; }
    down(key) { return this.driver.actions().keyDown(keyCode(key)).perform(); }
    up(key) { return this.driver.actions().keyUp(keyCode(key)).perform(); }
    press(key) { return this.driver.actions().keyDown(keyCode(key)).keyUp(keyCode(key)).perform(); }
    type(text) { return this.driver.actions().sendKeys(text).perform(); }
}

class Page {
    #context;
    #driver;
    #viewport;
    #address;
    #exposed = new Map();
    #onNewDocument = [];

    constructor(context) {
        this.#context = context;
        this.#driver = context.driver;
        this.keyboard = new Keyboard(context.driver);
    }

    browserContext() { return this.#context; }
    async setViewport(viewport) { this.#viewport = viewport; }

    // What the page would have passed to an exposed function is kept in the page, and handed
    // over before the page is left. Scripts for a new document run once it has loaded: the
    // driver cannot run them before the page's own.
    async exposeFunction(name, action) { this.#exposed.set(name, action); }
    async evaluateOnNewDocument(script) { this.#onNewDocument.push(script); }

    // Once the page has loaded, or, where waitUntil says so, once it has been read.
    async goto(address, { waitUntil = 'load' } = {}) {
        await this.handOverExposedCalls();
        this.#address = address;
        const framed = (this.#viewport?.width ?? Infinity) < framedBelow;
        if (!framed && waitUntil === 'load') {
            await this.#driver.get(address);
        } else if (!framed) {
            // The driver's own navigation waits for every request of the page to be answered.
            await this.#driver.get('about:blank');
            await this.#driver.executeScript('setTimeout(() => { location.href = arguments[0]; })', address);
        } else {
            await this.#driver.switchTo().defaultContent();
            await this.#driver.get('about:blank');
            const frame = await this.#driver.executeScript(`
                const [address, width, height] = arguments;
                document.body.style.margin = '0';
                const frame = document.createElement('iframe');
                Object.assign(frame, { src: address, width, height });
                frame.style.border = '0';
                document.body.append(frame);
                return frame;`, address, this.#viewport.width, this.#viewport.height);
            await this.#driver.switchTo().frame(frame);
        }
        // A new frame holds an empty document, complete, before the page's.
        const states = waitUntil === 'domcontentloaded' ? ['interactive', 'complete'] : ['complete'];
        await until(() => this.evaluate((states) => location.href !== 'about:blank'
            && states.includes(document.readyState), states), `${address} to load`);
        for (const [name] of this.#exposed) {
            await this.evaluate((name) => {
                window[name] = (...args) => (window.exposedCalls ??= []).push([name, args]);
            }, name);
        }
        for (const script of this.#onNewDocument)
            await this.evaluate(script);
    }

    reload() { return this.goto(this.#address); }

    async handOverExposedCalls() {
        if (!this.#address)
            return;
        const calls = await this.evaluate(() => window.exposedCalls?.splice(0) ?? []);
        for (const [name, args] of calls)
            await this.#exposed.get(name)(...args);
    }

    // A function, called with the arguments, or a script's text.
    evaluate(action, ...args) {
        if (typeof action === 'string')
            return this.#driver.executeScript(action);
        return this.#driver.executeScript(`return (${action})(...arguments)`, ...args);
    }

    $eval(selector, action, ...args) {
        return this.#driver.executeScript(`
            const element = document.querySelector(arguments[0]);
            if (!element)
                throw new Error('no element matches ' + arguments[0]);
            return (${action})(element, ...arguments[1])`, selector, args);
    }

    $$eval(selector, action, ...args) {
        return this.#driver.executeScript(
            `return (${action})([...document.querySelectorAll(arguments[0])], ...arguments[1])`, selector, args);
    }

    title() { return this.evaluate(() => document.title); }
    waitForSelector(selector) {
        return until(() => this.evaluate((selector) => document.querySelector(selector) !== null, selector),
            selector);
    }
    waitForFunction(action, options, ...args) {
        return until(() => this.evaluate(action, ...args), String(action));
    }
    focus(selector) { return this.$eval(selector, (element) => element.focus()); }

    // The pointer goes to the middle of the element, scrolled into view first as a user would.
    async #target(selector) {
        await this.$eval(selector, (element) => element.scrollIntoView({ block: 'nearest', inline: 'nearest' }));
        return this.#driver.findElement(By.css(selector));
    }

    async click(selector, { clickCount = 1 } = {}) {
        const actions = this.#driver.actions().move({ origin: await this.#target(selector) });
        for (let i = 0; i < clickCount; ++i)
            actions.press().release();
        await actions.perform();
    }

    async tap(selector) {
        const finger = new Pointer('finger', Pointer.Type.TOUCH);
        await this.#driver.actions().insert(finger, finger.move({ origin: await this.#target(selector) }),
            finger.press(), finger.release()).perform();
    }
}

class Context {
    constructor(driver) { this.driver = driver; }
    async newPage() {
        this.page = new Page(this);
        return this.page;
    }
    async close() {
        try {
            await this.page?.handOverExposedCalls();
        } finally {
            await this.driver.quit();
        }
    }
}

// Starts the browser as a visitor whose system speaks this language, with a home folder and an
// X display of its own, both gone when it closes.
export async function launchWebKit(language = 'it-IT') {
    const home = temporaryHome();
    const { xvfb, display } = await startDisplay();
    const port = await freePort();
    const locale = `${language.replace('-', '_')}.UTF-8`;
    // The browser and its helper processes are the driver's: in a group of its own, they all
    // stop with it.
    const driver = spawn('WebKitWebDriver', ['--host=127.0.0.1', `--port=${port}`], {
        stdio: ['ignore', 'ignore', 'inherit'],
        detached: true,
        env: { ...home.environment, DISPLAY: display, LANG: locale, LC_ALL: locale, NO_AT_BRIDGE: '1' },
    });
    const server = `http://127.0.0.1:${port}`;
    await until(() => fetch(`${server}/status`).then((response) => response.ok, () => false), 'WebKitWebDriver');
    // The driver holds one session at a time: a new context ends the one before, if a test
    // that failed left it open.
    let current;
    return {
        protocol: 'webdriver',
        async createBrowserContext() {
            await current?.close().catch(() => {});
            current = new Context(await new Builder().usingServer(server)
                .withCapabilities({ browserName: 'MiniBrowser' }).build());
            return current;
        },
        async close() {
            await current?.close().catch(() => {});
            await stop(driver);
            await stop(xvfb);
            home.remove();
        },
    };
}
