// SPDX-License-Identifier: MIT
// The project's own static server, started for a test on a free port.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { fileURLToPath } from 'node:url';

const serverScript = fileURLToPath(new URL('../../scripts/lib/serve.mjs', import.meta.url));

// Serves the folder on a free port; resolves to the server and its address.
export async function startServer(folder) {
    const server = spawn(process.execPath, [serverScript, folder, '0'], {
        stdio: ['ignore', 'pipe', 'inherit'],
    });
    const [line] = await once(server.stdout, 'data');
    return { server, address: line.toString().trim() };
}
