// SPDX-License-Identifier: MIT
// The browser program in Debian's headless Chromium, or in Firefox ESR or WebKit where ENGINE
// says so, driven by the browser's own mouse, key and touch input: what it shows at start, what
// it computes and how it writes it in six languages, the failure box, the keyboard and a phone's
// screen, with nothing the page's policy blocks. The same tests and the same results in each
// engine; the two that one cannot run say why and are skipped there.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import {
    engine, focused, launchEngine, openPage as openIn, policyViolations, startHoldingServer, startServer,
    typeInto, value,
} from './browser.mjs';

const chromiumOnly = engine !== 'chromium' && `WebDriver has no such tree in ${engine}`;
const noTouchScreen = engine === 'webkit' && 'WebKitGTK cannot be made a touch screen';

let server;
let address;
let browser;
// The browsers the tests started, by what they were started as: a WebKit browser speaks one
// language, and a phone's page opens in a Firefox started as a touch screen.
const browsers = new Map();

async function browserFor(language, touchScreen) {
    const key = `${engine === 'webkit' ? language : ''} ${engine === 'firefox' && touchScreen}`;
    if (!browsers.has(key))
        browsers.set(key, await launchEngine(language, { touchScreen }));
    return browsers.get(key);
}

before(async () => {
    ({ server, address } = await startServer(process.env.SITE));
    browser = await browserFor('it-IT', false);
});

// Every browser closes even where one fails to.
after(async () => {
    const closed = await Promise.allSettled([...browsers.values()].map((each) => each.close()));
    server?.kill();
    for (const { reason } of closed.filter((each) => each.status === 'rejected'))
        throw reason;
});

async function openPage(language = 'it-IT', viewport = undefined) {
    return openIn(await browserFor(language, viewport?.hasTouch), address, language, viewport);
}

// A computed font size: engines write 8 pt with four or six decimals.
const pixels = (size) => Math.round(parseFloat(size) * 100) / 100;

test('At start: the caption, Pix -> Cm in front, the initial texts and the filled lists', async () => {
    const page = await openPage();
    assert.equal(await page.title(), 'CONVERTITORE PIXEL CM PER STAMPE');
    assert.equal(await page.$eval('[role=tab][aria-selected=true]', (tab) => tab.textContent), 'Pix -> Cm');
    assert.equal(await page.$eval('#Label6', (label) => label.textContent),
        'FORMATO STAMPA NECESSARI E PIXEL EQUIVALENTI');
    // The fonts of the window's description: 8 pt for the window, 12 pt bold for the header,
    // here at 125 % (the page is wider than the window at 120 DPI). The family's name with or
    // without its quotes, as each engine's version writes it.
    const font = async (id) => {
        const [family, size, weight] = await page.$eval(`#${id}`, (element) => {
            const style = getComputedStyle(element);
            return [style.fontFamily.split(',')[0], style.fontSize, style.fontWeight];
        });
        return [family.replace(/^"(.*)"$/, '$1'), pixels(size), weight];
    };
    assert.deepEqual(await font('Text8'), ['MS Sans Serif', 13.33, '400']);
    assert.deepEqual(await font('Label6'), ['MS Sans Serif', 20, '700']);
    // There every field, button, tab and drop-down button is at least 24 pixels each way, as
    // WCAG 2.2 asks of a target (a DPI box's field, 22 pixels tall inside its frame, has the
    // space around it that WCAG allows instead).
    assert.deepEqual(await page.$$eval('#window .textbox, #window button', (targets) => targets
        .filter((target) => target.offsetParent !== null)
        .map((target) => [target.id, target.getBoundingClientRect()])
        .filter(([, box]) => box.width < 24 || box.height < 24)
        .map(([id, box]) => `${id} ${box.width}×${box.height}`)), []);
    assert.deepEqual([await value(page, 'Text8'), await value(page, 'Text7'), await value(page, 'Combo2')],
        ['3888', '2592', '240']);
    for (const list of ['Combo1-list', 'Combo2-list'])
        assert.deepEqual(await page.$$eval(`#${list} [role=option]`, (options) => options.map((o) => o.textContent)),
            ['72', '90', '150', '240', '300']);
    await page.click('#Command2');
    assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['41', '27']);
    await page.browserContext().close();
});

test('Screen readers and speech input find each control by the text it shows, inside the page\'s landmark', { skip: chromiumOnly }, async () => {
    const page = await openPage();
    const tree = await page.accessibility.snapshot({ interestingOnly: true });
    const nodes = [];
    const walk = (node) => { nodes.push(node); (node.children || []).forEach(walk); };
    walk(tree);
    assert.deepEqual(nodes.filter((node) => node.role === 'tab').map((node) => [node.name, node.description]),
        [['Cm -> Pix', 'Da centimetri a pixel'], ['Pix -> Cm', 'Da pixel a centimetri']]);
    assert.deepEqual(nodes.filter((node) => node.role === 'heading').map((node) => [node.name, node.level]),
        [['FORMATO STAMPA NECESSARI E PIXEL EQUIVALENTI', 1]]);
    assert.deepEqual(nodes.filter((node) => node.role === 'combobox').map((node) => node.name), ['DPI']);
    // Everything the page shows or says is inside its main landmark, or is the failure box.
    assert.deepEqual(await page.$$eval('body > *', (children) => children.map((child) => child.localName)
        .filter((name) => !['main', 'dialog', 'script', 'noscript'].includes(name))), []);
    await page.browserContext().close();
});

// Each control of the tab in front and each tab as drawn: its text or value, the text of its
// label, and its place.
const drawnWindow = (page) => page.$$eval('#window [data-control], #window [role=tab]', (elements) => elements
    .filter((element) => element.offsetParent !== null)
    .map((element) => {
        const box = element.getBoundingClientRect();
        return {
            id: element.id,
            text: element.localName === 'input' ? element.value : element.textContent,
            label: element.labels?.[0]?.textContent ?? null,
            place: [box.left, box.top, box.width, box.height],
        };
    }));

test('Before the module arrives the window is drawn and labelled; what is typed and clicked then is computed once it has, with nothing moved', async () => {
    const holding = await startHoldingServer(process.env.SITE, '/convertitore-pixel-cm.wasm');
    try {
        const page = await openIn(await browserFor('it-IT', false), holding.address, 'it-IT', undefined,
            { ready: false });
        const before = await drawnWindow(page);
        assert.equal(await page.evaluate(() => document.body.dataset.ready ?? 'waiting'), 'waiting');
        // The header, then Pix -> Cm in front, its fields in the window's focus order, each with
        // its label.
        assert.deepEqual(before.map(({ id, text, label }) => [id, text, label]), [
            ['Label6', 'FORMATO STAMPA NECESSARI E PIXEL EQUIVALENTI', null],
            ['tab-0', 'Cm -> Pix', null], ['tab-1', 'Pix -> Cm', null],
            ['Text5', '0', 'Cm Verticali'], ['Text6', '0', 'Cm Orizzontali'], ['Command2', 'CALCOLA', null],
            ['Combo2', '240', 'DPI'], ['Text7', '2592', 'Pix Vert'], ['Text8', '3888', 'Pix Oriz.'],
            ['Label11', 'Pix Oriz.', null], ['Label10', 'Pix Vert', null], ['Label9', 'DPI', null],
            ['Label8', 'Cm Orizzontali', null], ['Label7', 'Cm Verticali', null],
        ]);
        assert.ok(before.every(({ place: [, , width, height] }) => width > 0 && height > 0));
        // 1937 and 1276 pixels at 120 DPI: 41 by 27 cm.
        await typeInto(page, 'Text8', '1937');
        await typeInto(page, 'Text7', '1276');
        await typeInto(page, 'Combo2', '120');
        await page.click('#Command2');
        assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['0', '0']);
        holding.release();
        await page.waitForSelector('body[data-ready="true"]');
        await page.waitForFunction(() => document.getElementById('Text5').value !== '0');
        assert.deepEqual(await Promise.all(['Text8', 'Text7', 'Combo2', 'Text6', 'Text5'].map((id) => value(page, id))),
            ['1937', '1276', '120', '41', '27']);
        assert.deepEqual((await drawnWindow(page)).map(({ id, place }) => [id, place]),
            before.map(({ id, place }) => [id, place]));
        await page.browserContext().close();
    } finally {
        holding.close();
    }
});

const listShown = (page, box) => page.$eval(`#${box}-list`, (list) => list.offsetParent !== null);

test('A DPI box opens its list from its button, by mouse or by Alt+Down, and picks what is chosen', async () => {
    const page = await openPage();
    assert.equal(await listShown(page, 'Combo2'), false);
    await page.click('#Combo2-button');
    assert.equal(await listShown(page, 'Combo2'), true);
    await page.click('#Combo2-button');
    assert.equal(await listShown(page, 'Combo2'), false, 'a second press does not close the list');
    await page.click('#Combo2-button');
    assert.equal(await listShown(page, 'Combo2'), true);
    assert.equal(await page.$eval('#Combo2', (box) => box.getAttribute('aria-expanded')), 'true');
    await page.click('#Combo2-list [role=option]:last-child');
    assert.equal(await value(page, 'Combo2'), '300');
    assert.equal(await listShown(page, 'Combo2'), false);
    assert.equal(await focused(page), 'Combo2');

    await page.keyboard.down('Alt');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.up('Alt');
    assert.equal(await listShown(page, 'Combo2'), true);
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('Enter');
    assert.equal(await value(page, 'Combo2'), '240');
    assert.equal(await listShown(page, 'Combo2'), false);
    // Enter picks from the open list and presses nothing.
    assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['0', '0']);

    await page.keyboard.down('Alt');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.up('Alt');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Escape');
    assert.equal(await listShown(page, 'Combo2'), false);
    assert.equal(await value(page, 'Combo2'), '240');
    await page.browserContext().close();
});

test('On a phone a DPI box\'s list opens and picks by finger', async () => {
    const page = await openPage('it-IT', { width: 360, height: 640, isMobile: true, hasTouch: true });
    const button = await page.$eval('#Combo2-button', (b) => [b.getBoundingClientRect().width, b.getBoundingClientRect().height]);
    assert.ok(button[0] >= 48 && button[1] >= 48, `the button is ${button.join('×')}`);
    await page.tap('#Combo2-button');
    const option = await page.$eval('#Combo2-list [role=option]', (o) => o.getBoundingClientRect().height);
    assert.ok(option >= 48, `an entry is ${option} pixels tall`);
    await page.tap('#Combo2-list [role=option]');
    assert.equal(await value(page, 'Combo2'), '72');
    await page.tap('#Command2');
    assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['137', '91']);
    await page.browserContext().close();
});

test('Typed values, a typed resolution kept as typed, and a tie rounded away from zero', async () => {
    const page = await openPage();
    await typeInto(page, 'Text8', '5184');
    await page.click('#Command2');
    assert.equal(await value(page, 'Text6'), '55');

    await page.click('#tab-0');
    await typeInto(page, 'Combo1', '1');
    await page.keyboard.press('Tab');
    assert.equal(await value(page, 'Combo1'), '1');
    await page.click('#Command1');
    assert.deepEqual([await value(page, 'Text3'), await value(page, 'Text4')], ['7', '5']);

    await typeInto(page, 'Text1', '24,13');
    await typeInto(page, 'Combo1', '5');
    await page.click('#Command1');
    assert.equal(await value(page, 'Text3'), '48');
    await page.browserContext().close();
});

// Each language writes 1701 and 1234567.8 its own way, and reads its own results back.
for (const [language, decimal, thousands, millions] of [
    ['it-IT', ',', '1.701', '1.234.568'],
    ['en-US', '.', '1,701', '1,234,568'],
    ['en-IN', '.', '1,701', '12,34,568'],
    ['de-CH', '.', "1'701", "1'234'568"],
    ['es-ES', ',', '1.701', '1.234.568'],
    ['fr-FR', ',', '1\u202f701', '1\u202f234\u202f568'],
]) {
    test(`Numbers as ${language} writes them`, async () => {
        const page = await openPage(language);
        await page.click('#tab-0');
        await page.click('#Command1');
        const horizontal = await value(page, 'Text3');
        assert.equal(horizontal, thousands);

        // Back through Pix -> Cm at 2.54 DPI: the same number of centimetres as of pixels.
        await page.click('#tab-1');
        await typeInto(page, 'Text8', horizontal);
        await typeInto(page, 'Combo2', `2${decimal}54`);
        await page.click('#Command2');
        assert.equal(await value(page, 'Text6'), thousands);
        await typeInto(page, 'Text8', `1234567${decimal}8`);
        await page.click('#Command2');
        const grouped = await value(page, 'Text6');
        assert.equal(grouped, millions);
        await typeInto(page, 'Text8', grouped);
        await page.click('#Command2');
        assert.equal(await value(page, 'Text6'), millions);
        await page.browserContext().close();
    });
}

test('A zero resolution: one modal box with the caption and the reason, and nothing changed', async () => {
    const page = await openPage();
    await page.click('#Command2');
    await typeInto(page, 'Combo2', '0');
    await page.click('#Command2');
    await page.waitForSelector('#failure[open]');
    assert.equal(await page.$$eval('dialog[open]', (boxes) => boxes.length), 1);
    assert.equal(await page.$eval('#failure', (box) => box.getAttribute('role')), 'alertdialog');
    assert.equal(await page.$eval('#failure-caption', (caption) => caption.textContent),
        'CONVERTITORE PIXEL CM PER STAMPE');
    assert.equal(await page.$eval('#failure-text', (text) => text.textContent),
        'Impossibile calcolare: la risoluzione non può essere zero.');
    const [size, weight] = await page.$eval('#failure-caption', (caption) => {
        const style = getComputedStyle(caption);
        return [style.fontSize, style.fontWeight];
    });
    assert.deepEqual([pixels(size), weight], [13.33, '700']);
    assert.equal(await focused(page), 'failure-ok');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#failure:not([open])');
    assert.equal(await focused(page), 'Command2');
    assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['41', '27']);
    await page.browserContext().close();
});

test('Enter and Esc do nothing in the fields; Enter or Space on a focused button presses it', async () => {
    const page = await openPage();
    await typeInto(page, 'Text8', '5184');
    for (const key of ['Enter', 'Escape'])
        await page.keyboard.press(key);
    await page.focus('#Combo2');
    await page.keyboard.press('Enter');
    assert.equal(await value(page, 'Text8'), '5184');
    assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['0', '0']);
    assert.equal(await page.$$eval('dialog[open]', (boxes) => boxes.length), 0);
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal(await focused(page), 'Command2');
    await page.keyboard.press('Enter');
    assert.equal(await value(page, 'Text6'), '55');
    await typeInto(page, 'Text8', '2592');
    await page.focus('#Command2');
    await page.keyboard.press(' ');
    assert.equal(await value(page, 'Text6'), '27');
    await page.browserContext().close();
});

test('The fields ask for a decimal keypad and keep what is typed, uncorrected', async () => {
    const page = await openPage();
    const fields = await page.$$eval('input', (inputs) => inputs.map((input) => [input.id,
        input.inputMode, input.getAttribute('autocapitalize'), input.getAttribute('autocorrect'),
        input.spellcheck]));
    assert.equal(fields.length, 10);
    for (const [id, ...attributes] of fields)
        assert.deepEqual(attributes, ['decimal', 'off', 'off', false], id);
    await page.browserContext().close();
});

test('A field takes no more than the 32,767 characters of a Windows edit control', async () => {
    const page = await openPage();
    // Nearly full already, with zeros that do not change the number: typing all of it would
    // take minutes. Of what is typed, the last 0 does not fit.
    await page.$eval('#Text8', (field) => { field.value = '0'.repeat(32763); });
    await page.focus('#Text8');
    await page.keyboard.press('End');
    await page.keyboard.type('38880');
    const typed = await value(page, 'Text8');
    assert.deepEqual([typed.length, typed.slice(-5)], [32767, '03888']);
    await page.click('#Command2');
    assert.equal(await value(page, 'Text6'), '41');
    await page.browserContext().close();
});

test('Tab follows the window focus order; arrows switch tabs; switching keeps every text', async () => {
    const page = await openPage();
    await page.focus('#tab-1');
    const order = [];
    for (let i = 0; i < 6; ++i) {
        await page.keyboard.press('Tab');
        order.push(await focused(page));
    }
    assert.deepEqual(order, ['Text5', 'Text6', 'Command2', 'Combo2', 'Text7', 'Text8']);

    await typeInto(page, 'Text8', '1000');
    await page.focus('#tab-1');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await focused(page), 'tab-0');
    assert.equal(await page.$eval('#panel-1', (panel) => panel.hidden), true);
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), 'Text4');
    await page.keyboard.press('ArrowRight');
    await page.click('#tab-1');
    assert.equal(await value(page, 'Text8'), '1000');
    await page.browserContext().close();
});

// On its side a phone is wider than the window: its touch screen (a coarse pointer) asks for
// the phone layout.
for (const [width, height] of [[360, 640], [412, 915], [640, 360]]) {
    const skip = width > height && noTouchScreen;
    test(`On a ${width}×${height} phone: the controls laid out for a finger, read top to bottom`, { skip }, async () => {
        const page = await openPage('it-IT', { width, height, isMobile: true, hasTouch: true });
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth),
            'the page scrolls sideways');
        for (const tab of ['#tab-0', '#tab-1']) {
            await page.tap(tab);
            const shown = await page.$$eval('#window input, #window button, #window label, #window h1',
                (elements) => elements.filter((element) => element.offsetParent !== null)
                    .map((element) => {
                        const box = element.getBoundingClientRect();
                        return { id: element.id, tag: element.localName, left: box.left, right: box.right,
                            top: box.top, width: box.width, height: box.height,
                            fontSize: parseFloat(getComputedStyle(element).fontSize) };
                    }));
            for (const control of shown) {
                assert.ok(control.left >= 0 && control.right <= width, `${control.id} is outside the screen`);
                if (['input', 'button'].includes(control.tag)) {
                    assert.ok(control.width >= 48 && control.height >= 48,
                        `${control.id} is ${control.width}×${control.height}`);
                }
                if (control.tag === 'input')
                    assert.ok(control.fontSize >= 16, `${control.id}'s text is ${control.fontSize} px`);
            }
            // What the page holds, in its order, stands top to bottom on the screen: a screen
            // reader and the Tab key go as the eye does.
            const tops = shown.map((control) => control.top);
            assert.deepEqual(tops, [...tops].sort((x, y) => x - y), shown.map((c) => c.id).join(' '));
        }
        await page.tap('#Command2');
        assert.deepEqual([await value(page, 'Text6'), await value(page, 'Text5')], ['41', '27']);
        await page.browserContext().close();
    });
}

test("The page's policy blocks an injected inline script and style", async () => {
    // A context without the reporter: these violations are the point.
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    const injected = await page.evaluate(() => {
        const script = document.createElement('script');
        script.textContent = 'window.injectedScriptRan = true;';
        document.body.append(script);
        const label = document.getElementById('Label6');
        label.setAttribute('style', 'visibility: hidden');
        return [window.injectedScriptRan === true, getComputedStyle(label).visibility];
    });
    assert.deepEqual(injected, [false, 'visible']);
    await context.close();
});

test('No page broke its Content-Security-Policy', () => {
    assert.deepEqual(policyViolations, []);
});
