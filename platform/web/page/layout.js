// SPDX-License-Identifier: MIT
// The window's two arrangements in the page. From the window's width up, the window as the
// desktops draw it, each control at its place, the keyboard in the window's focus order. On a
// narrower screen, or a touch screen whose short side is narrower (a phone, upright or on its
// side), the same controls one under the other, for a finger, in reading order. The style sheet
// draws both from the start; this makes the page's order, which a screen reader and the Tab key
// follow, the one shown.
'use strict';

globalThis.PageLayout = (() => {
    // A phone's order of an element, as the style sheet has it.
    const phonePlace = (element) => Number(getComputedStyle(element).getPropertyValue('--order'));

    // Orders the containers' children as the screen shows them, now and whenever the screen
    // changes. As the page arrives, they are in the window's focus order. The style sheet says
    // which arrangement is shown (--arrangement).
    function arrange(root, containers) {
        const windowOrder = containers.map((container) => [...container.children]);
        // Read from the style sheet once it applies: in a frame not yet laid out it may not.
        const phoneOrder = () => windowOrder.map((children) => [...children]
            .sort((a, b) => phonePlace(a) - phonePlace(b)));
        let shown = 'window';
        const apply = () => {
            const arrangement = getComputedStyle(root).getPropertyValue('--arrangement').trim() || 'window';
            if (arrangement === shown)
                return;
            shown = arrangement;
            // Moving an element takes the focus from it: a field being typed in keeps it, and
            // its caret.
            const active = document.activeElement;
            const caret = active && 'selectionStart' in active
                ? [active.selectionStart, active.selectionEnd, active.selectionDirection] : null;
            const order = arrangement === 'phone' ? phoneOrder() : windowOrder;
            containers.forEach((container, i) => container.append(...order[i]));
            if (active && active !== document.activeElement) {
                active.focus({ preventScroll: true });
                if (caret && caret[0] !== null)
                    active.setSelectionRange(...caret);
            }
        };
        window.addEventListener('resize', apply);
        // A frame may be given its size, or its style, only after its scripts have run, without
        // a resize.
        new ResizeObserver(apply).observe(document.documentElement);
        window.addEventListener('load', apply);
        apply();
    }

    return { arrange };
})();
