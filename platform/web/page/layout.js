// SPDX-License-Identifier: MIT
// The window's two arrangements in the page. From the window's width up, the window as the
// desktops draw it, each control at its place, the keyboard in the window's focus order. On a
// narrower screen, or a touch screen whose short side is narrower (a phone, upright or on its
// side), the same controls one under the other, for a finger, in reading order: the page's
// order is then what the eye, a screen reader and the Tab key follow.
'use strict';

globalThis.PageLayout = (() => {
    // Reading order on the window: by where a control ends, then where it starts. A label
    // ends just above its field's end, and a button as tall as the fields beside it comes
    // after them, before the results under them.
    function readingOrder(elements) {
        const key = (element) => [Number(element.dataset.bottom), Number(element.dataset.left)];
        return [...elements].sort((a, b) => {
            const [bottomA, leftA] = key(a);
            const [bottomB, leftB] = key(b);
            return bottomA - bottomB || leftA - leftB;
        });
    }

    // Puts the element at its place on the window (in logical pixels), and records where it
    // stands for the reading order.
    function place(element, box) {
        element.style.setProperty('--left', `${box.left}px`);
        element.style.setProperty('--top', `${box.top}px`);
        element.style.setProperty('--width', `${box.width}px`);
        element.style.setProperty('--height', `${box.height}px`);
        element.dataset.bottom = String(box.top + box.height);
        element.dataset.left = String(box.left);
    }

    // Arranges the built window now and whenever the screen crosses the window's width. The
    // containers' children are in the window's focus order as built.
    function arrange(root, width, containers) {
        const windowOrder = containers.map((container) => [...container.children]);
        const phoneOrder = windowOrder.map(readingOrder);
        const below = `${width - 0.02}px`;
        const narrow = window.matchMedia(
            `(max-width: ${below}), (pointer: coarse) and (max-height: ${below})`);
        const apply = () => {
            const order = narrow.matches ? phoneOrder : windowOrder;
            containers.forEach((container, i) => container.append(...order[i]));
            root.classList.toggle('phone', narrow.matches);
            document.documentElement.classList.toggle('phone', narrow.matches);
        };
        narrow.addEventListener('change', apply);
        apply();
    }

    return { place, arrange };
})();
