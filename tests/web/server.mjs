// SPDX-License-Identifier: MIT
// The project's own static server, started for a test on a free port, and a server in front of
// it that holds back one file.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer, request as forward } from 'node:http';
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

// Serves the folder as startServer does, each request for the file at heldPath answered only
// once release() is called: what a page does while that file is on its way. close() stops both.
export async function startHoldingServer(folder, heldPath) {
    const { server, address } = await startServer(folder);
    const behind = new URL(address);
    let release;
    const released = new Promise((done) => { release = done; });
    const front = createServer(async (request, response) => {
        if (new URL(request.url, address).pathname === heldPath)
            await released;
        const passed = forward({
            host: behind.hostname,
            port: behind.port,
            path: request.url,
            method: request.method,
            headers: { ...request.headers, host: behind.host },
        }, (answer) => {
            response.writeHead(answer.statusCode, answer.headers);
            answer.pipe(response);
        });
        passed.on('error', () => response.destroy());
        request.pipe(passed);
    });
    front.listen(0, '127.0.0.1');
    await once(front, 'listening');
    return {
        address: `http://127.0.0.1:${front.address().port}/`,
        release,
        close() {
            release();
            front.closeAllConnections();
            front.close();
            server.kill();
        },
    };
}
