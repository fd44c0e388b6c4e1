// SPDX-License-Identifier: MIT
// Pix -> Cm as a plain page would compute it: pixels ÷ DPI × 2.54, rounded.
'use strict';
const field = (id) => document.getElementById(id);
const centimetres = (pixels, dpi) => String(Math.round(Number(pixels) / Number(dpi) * 2.54));
field('Command2').addEventListener('click', () => {
    field('Text6').value = centimetres(field('Text8').value, field('Combo2').value);
    field('Text5').value = centimetres(field('Text7').value, field('Combo2').value);
});
performance.mark('ready');
document.body.dataset.ready = 'true';
