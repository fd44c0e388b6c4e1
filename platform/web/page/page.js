// SPDX-License-Identifier: MIT
// The page's side of the program. The program, compiled to WebAssembly, hands over its
// window's description; this script builds the elements from it, tells the program the
// browser's regional settings, passes on the clicks and shows what the program reports.
'use strict';

(() => {
    // Each control's element as placed, and the element that holds its text.
    const boxes = [];
    const elements = [];
    let windowDescription = null;
    let tabs = [];
    let panels = [];

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

    // A font of the window's description, with the faces a browser has where it lacks the
    // original one.
    function cssFont(font) {
        return `${font.bold ? 'bold ' : ''}${font.pointSize}pt "${font.family}", "DejaVu Sans", "Liberation Sans", Arial, sans-serif`;
    }

    const place = globalThis.PageLayout.place;
    const maxTypedLength = 32767;

    function createControl(control, index, captionedBy) {
        let element;
        switch (control.kind) {
        case 'label':
            // A label on the window that captions no field is the window's header: the
            // page's heading.
            if (captionedBy[index] === undefined && control.tab === -1) {
                element = document.createElement('h1');
            } else {
                element = document.createElement('label');
                if (captionedBy[index] !== undefined)
                    element.htmlFor = windowDescription.controls[captionedBy[index]].name;
            }
            element.textContent = control.text;
            break;
        case 'button':
            element = document.createElement('button');
            element.type = 'button';
            element.textContent = control.text;
            // Neither button is a default one; the one with the focus is pressed by Enter or
            // Space, as a button is.
            element.addEventListener('click', () => click(index));
            break;
        default:
            element = document.createElement('input');
            element.type = 'text';
            element.value = control.text;
            // Every field is a number: a decimal keypad on a phone, and the text kept as typed.
            element.inputMode = 'decimal';
            element.autocomplete = 'off';
            element.spellcheck = false;
            element.setAttribute('autocapitalize', 'off');
            element.setAttribute('autocorrect', 'off');
            // No person types more than the Windows edit control takes by default; a longer
            // paste would keep the tab busy for seconds on every click.
            element.maxLength = maxTypedLength;
        }
        element.id = control.name;
        element.className = control.kind;
        // What the program reads and writes is the field; what is placed may hold more.
        elements[index] = element;
        if (control.kind === 'combobox') {
            element.className = 'field';
            element = globalThis.PageComboBox.create(element, control.name);
            element.className = control.kind;
        }
        place(element, control.box);
        if (control.font)
            element.style.setProperty('--font', cssFont(control.font));
        if (control.description) {
            const description = document.createElement('span');
            description.id = `${control.name}-description`;
            description.className = 'description';
            description.textContent = control.description;
            element.setAttribute('aria-describedby', description.id);
            document.getElementById('frame').append(description);
        }
        return element;
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

    function createTabControl(description) {
        const control = document.createElement('div');
        control.className = 'tabs';
        control.id = description.name;
        place(control, description.box);
        const body = document.createElement('div');
        body.className = 'tabbody';
        const list = document.createElement('div');
        list.className = 'tablist';
        list.setAttribute('role', 'tablist');
        control.append(body, list);
        description.captions.forEach((caption, i) => {
            const tab = document.createElement('button');
            tab.type = 'button';
            tab.className = 'tab';
            tab.id = `tab-${i}`;
            tab.setAttribute('role', 'tab');
            tab.setAttribute('aria-controls', `panel-${i}`);
            // Named by the caption shown, which a speech-input user says; the spoken words are
            // its description, and its tooltip.
            tab.textContent = caption;
            if (description.spokenCaptions[i])
                tab.title = description.spokenCaptions[i];
            tab.addEventListener('click', () => selectTab(i, true));
            list.append(tab);
            const panel = document.createElement('div');
            panel.className = 'panel';
            panel.id = `panel-${i}`;
            panel.setAttribute('role', 'tabpanel');
            panel.setAttribute('aria-labelledby', tab.id);
            control.append(panel);
            tabs.push(tab);
            panels.push(panel);
        });
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
        return control;
    }

    function build(description) {
        windowDescription = description;
        document.title = description.caption;
        const root = document.getElementById('window');
        root.style.setProperty('--width', `${description.width}px`);
        root.style.setProperty('--height', `${description.height}px`);
        // The window's font is the failure box's too, as the system's message box is the
        // desktop's.
        root.style.font = cssFont(description.font);
        document.getElementById('failure').style.font = cssFont(description.font);
        const tabControl = createTabControl(description.tabControl);
        const captionedBy = {};
        description.controls.forEach((control, i) => {
            if (control.label >= 0)
                captionedBy[control.label] = i;
        });
        description.controls.forEach((control, i) => {
            boxes[i] = createControl(control, i, captionedBy);
        });
        // The elements of each tab in its focus order (the page's order is the keyboard's),
        // then its labels; those of the window before or after the tab control as the order
        // of the tab that starts in front says.
        const chain = description.tabControl.focusChains[description.tabControl.initialTab];
        const strip = chain.indexOf(-1);
        const onWindow = (i) => description.controls[i].tab === -1;
        chain.filter((i, at) => i >= 0 && at < strip && onWindow(i)).forEach((i) => root.append(boxes[i]));
        root.append(tabControl);
        chain.filter((i, at) => i >= 0 && at > strip && onWindow(i)).forEach((i) => root.append(boxes[i]));
        description.tabControl.focusChains.forEach((tabChain, tab) => {
            tabChain.filter((i) => i >= 0 && !onWindow(i)).forEach((i) => panels[tab].append(boxes[i]));
        });
        description.controls.forEach((control, i) => {
            if (control.kind === 'label')
                (onWindow(i) ? root : panels[control.tab]).append(boxes[i]);
        });
        selectTab(description.tabControl.initialTab, false);
        globalThis.PageLayout.arrange(root, description.width, [root, ...panels]);
    }

    function appendListEntry(index, text) {
        globalThis.PageComboBox.appendEntry(windowDescription.controls[index].name, text);
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
        globalThis.Module._click(index);
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
        case 'build':
            build(JSON.parse(text));
            break;
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
        document.getElementById('window').hidden = false;
        document.body.dataset.ready = 'true';
        if ('serviceWorker' in navigator && window.isSecureContext)
            navigator.serviceWorker.register('sw.js').catch(() => {});
    }

    document.getElementById('failure-ok').addEventListener('click', () => {
        document.getElementById('failure').close();
    });

    globalThis.ConvertitorePage = { read, call, regionalSettings };
})();
