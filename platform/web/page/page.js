// SPDX-License-Identifier: MIT
// The page's side of the program. The page arrives with the window drawn, written from the
// window's description when the page was built; this script gives its elements their behaviour,
// tells the program, compiled to WebAssembly, the browser's regional settings, passes on the
// clicks and shows what the program reports. A click before the program has arrived is passed
// on once it has.
'use strict';

(() => {
    // Each control's element, by its place in the window's description.
    const elements = [];
    for (const element of document.querySelectorAll('[data-control]'))
        elements[Number(element.dataset.control)] = element;
    const tabs = [...document.querySelectorAll('[role=tab]')];
    const panels = tabs.map((tab) => document.getElementById(tab.getAttribute('aria-controls')));
    let programReady = false;
    const waitingClicks = [];

    // The browser's first language, written with Latin digits as the program writes them.
    function regionalSettings() {
        const language = (navigator.languages && navigator.languages[0]) || navigator.language || 'en';
        let locale;
        try {
            locale = new Intl.Locale(language, { numberingSystem: 'latn' }).toString();
        } catch {
            locale = 'en';
        }
        const format = new Intl.NumberFormat(locale, { useGrouping: true, minimumFractionDigits: 1 });
        const parts = format.formatToParts(-123456789012.5);
        const part = (type, otherwise) => (parts.find((p) => p.type === type) || { value: otherwise }).value;
        // A long whole number as the browser groups it: the program reads the sizes from it.
        const writtenNumber = new Intl.NumberFormat(locale, { useGrouping: true })
            .format(1111111111111111);
        // Where the minus sign stands, and whether a space parts it from the digits.
        const sign = parts.findIndex((p) => p.type === 'minusSign');
        const firstDigit = parts.findIndex((p) => p.type === 'integer');
        const spaced = (index) => index >= 0 && parts[index] && parts[index].type === 'literal'
            && /\s/u.test(parts[index].value);
        let negative = 'leading';
        if (sign > firstDigit)
            negative = spaced(sign - 1) ? 'trailingSpace' : 'trailing';
        else if (spaced(sign + 1))
            negative = 'leadingSpace';
        const plus = new Intl.NumberFormat(locale, { signDisplay: 'always' }).formatToParts(1)
            .find((p) => p.type === 'plusSign');
        return {
            decimal: part('decimal', '.'),
            group: part('group', ''),
            minus: part('minusSign', '-'),
            plus: plus ? plus.value : '+',
            writtenNumber,
            negative,
        };
    }

    function selectTab(index, focus) {
        tabs.forEach((tab, i) => {
            tab.setAttribute('aria-selected', String(i === index));
            tab.tabIndex = i === index ? 0 : -1;
            panels[i].hidden = i !== index;
        });
        if (focus)
            tabs[index].focus();
    }

    function attachTabs() {
        const list = tabs[0].parentElement;
        tabs.forEach((tab, i) => tab.addEventListener('click', () => selectTab(i, true)));
        // The arrow keys, Home and End move along the strip, as in every tab list.
        list.addEventListener('keydown', (event) => {
            const current = tabs.indexOf(document.activeElement);
            const steps = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 };
            let next = current;
            if (event.key in steps)
                next = (current + steps[event.key] + tabs.length) % tabs.length;
            else if (event.key === 'Home')
                next = 0;
            else if (event.key === 'End')
                next = tabs.length - 1;
            else
                return;
            event.preventDefault();
            selectTab(next, true);
        });
    }

    function appendListEntry(index, text) {
        globalThis.PageComboBox.appendEntry(elements[index].id, text);
    }

    // One modal box, captioned as the window; the focus comes back where it was.
    function showFailure(text) {
        const box = document.getElementById('failure');
        if (box.open)
            return;
        const returnFocus = document.activeElement;
        document.getElementById('failure-caption').textContent = document.title;
        document.getElementById('failure-text').textContent = text;
        box.addEventListener('close', () => {
            if (returnFocus && returnFocus.focus)
                returnFocus.focus();
        }, { once: true });
        box.showModal();
        document.getElementById('failure-ok').focus();
    }

    function click(index) {
        if (programReady)
            globalThis.Module._click(index);
        else
            waitingClicks.push(index);
    }

    // What the program reads: a control's text, or one of the regional settings.
    let settings = null;
    function read(what, index) {
        if (what === 'control')
            return elements[index].value;
        settings = settings || regionalSettings();
        return String(settings[what]);
    }

    // What the program asks of the page.
    function call(what, index, text) {
        switch (what) {
        case 'setText':
            elements[index].value = text;
            break;
        case 'appendListEntry':
            appendListEntry(index, text);
            break;
        case 'showFailure':
            showFailure(text);
            break;
        case 'ready':
            ready();
            break;
        default:
            throw new Error(`the page does not know '${what}'`);
        }
    }

    function ready() {
        performance.mark('ready');
        programReady = true;
        waitingClicks.splice(0).forEach(click);
        document.body.dataset.ready = 'true';
        if ('serviceWorker' in navigator && window.isSecureContext)
            navigator.serviceWorker.register('sw.js').catch(() => {});
    }

    elements.forEach((element, index) => {
        // Neither button is a default one; the one with the focus is pressed by Enter or
        // Space, as a button is.
        if (element.localName === 'button')
            element.addEventListener('click', () => click(index));
        else if (element.getAttribute('role') === 'combobox')
            globalThis.PageComboBox.attach(element);
    });
    attachTabs();
    const root = document.getElementById('window');
    globalThis.PageLayout.arrange(root, [root, ...panels]);
    // The browser's number formats take a while to read the first time: once the window is
    // drawn, while the module is still compiling, rather than when the program starts.
    requestAnimationFrame(() => setTimeout(() => {
        settings = settings || regionalSettings();
    }));

    document.getElementById('failure-ok').addEventListener('click', () => {
        document.getElementById('failure').close();
    });

    globalThis.ConvertitorePage = { read, call, regionalSettings };
})();
