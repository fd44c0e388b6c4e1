// SPDX-License-Identifier: MIT
// A DPI box as the desktops have it: a field that keeps exactly what is typed, never
// completed, and a drop-down button that opens its list, picked by finger, mouse or keys
// (Alt+Down or F4 opens it, the arrows move, Enter picks, Escape closes). A browser's own
// datalist shows differently in each browser, or not at all until the user types.
'use strict';

globalThis.PageComboBox = (() => {
    // Gives a DPI box of the page its behaviour: its field, drop-down button and list.
    function attach(field) {
        const button = document.getElementById(`${field.id}-button`);
        const list = document.getElementById(`${field.id}-list`);
        let active = -1;
        const options = () => [...list.children];
        const show = (index) => {
            active = index;
            options().forEach((option, i) => option.setAttribute('aria-selected', String(i === index)));
            const option = options()[index];
            if (option) {
                field.setAttribute('aria-activedescendant', option.id);
                option.scrollIntoView({ block: 'nearest' });
            } else {
                field.removeAttribute('aria-activedescendant');
            }
        };
        const open = () => {
            list.hidden = false;
            field.setAttribute('aria-expanded', 'true');
            show(options().findIndex((option) => option.textContent === field.value));
        };
        const close = () => {
            list.hidden = true;
            field.setAttribute('aria-expanded', 'false');
            show(-1);
        };
        const pick = (option) => {
            field.value = option.textContent;
            close();
            field.focus();
        };

        button.addEventListener('click', () => {
            if (list.hidden)
                open();
            else
                close();
            field.focus();
        });
        // A press on the button or an entry would take the focus from the field, and so close
        // the list: the field keeps it.
        button.addEventListener('mousedown', (event) => event.preventDefault());
        list.addEventListener('mousedown', (event) => event.preventDefault());
        list.addEventListener('click', (event) => {
            const option = event.target.closest('[role=option]');
            if (option)
                pick(option);
        });
        field.addEventListener('blur', close);
        field.addEventListener('keydown', (event) => {
            const opens = (event.altKey && event.key === 'ArrowDown') || event.key === 'F4';
            if (list.hidden) {
                if (opens) {
                    event.preventDefault();
                    open();
                }
                return;
            }
            const count = options().length;
            if (event.key === 'ArrowDown' && !event.altKey)
                show(Math.min(count - 1, active + 1));
            else if (event.key === 'ArrowUp' && !event.altKey)
                show(Math.max(0, active - 1));
            else if ((event.key === 'Enter' || opens || (event.altKey && event.key === 'ArrowUp')) && active >= 0)
                pick(options()[active]);
            else if (event.key === 'Escape' || opens || event.altKey)
                close();
            else
                return;
            event.preventDefault();
        });
    }

    function appendEntry(name, text) {
        const list = document.getElementById(`${name}-list`);
        const option = document.createElement('li');
        option.id = `${name}-option-${list.children.length}`;
        option.setAttribute('role', 'option');
        option.setAttribute('aria-selected', 'false');
        option.textContent = text;
        list.append(option);
    }

    return { attach, appendEntry };
})();
