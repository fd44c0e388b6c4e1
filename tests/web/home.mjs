// SPDX-License-Identifier: MIT
// A home folder of a browser's own, for its settings, caches and Downloads folder, which a
// browser writes into its home even with a profile of its own: the user's home is not the
// tests' to change.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export function temporaryHome() {
    const home = mkdtempSync(join(tmpdir(), 'browser-home-'));
    return {
        environment: {
            ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, 'config'),
            XDG_CACHE_HOME: join(home, 'cache'), XDG_DATA_HOME: join(home, 'data'),
            // The software renderer's shader cache would be written by helper processes that
            // outlive the browser for a moment, into the folder being removed.
            MESA_SHADER_CACHE_DISABLE: 'true',
        },
        remove: () => rmSync(home, { recursive: true, force: true, maxRetries: 10 }),
    };
}
