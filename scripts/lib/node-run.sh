#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a program built for the browser under Node: its glue loads the WebAssembly from a file,
# which Node's own fetch cannot.
#     scripts/lib/node-run.sh PROGRAM.js [ARGUMENT...]
set -euo pipefail
if node --no-experimental-fetch --version >/dev/null 2>&1; then
    exec node --no-experimental-fetch "$@"
fi
exec node "$@"
