#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started where no display can be opened, the program says so and fails; it does not abort.
set -uo pipefail
program=$1

message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)
status=$?
if [ "$status" -eq 0 ] || [ "$status" -ge 128 ]; then
    echo "FAIL: exit status $status (0 means it ran, 128 and above a signal)" >&2
    exit 1
fi
if ! grep -q "nessun display grafico disponibile" <<<"$message"; then
    echo "FAIL: no clear message; it printed: $message" >&2
    exit 1
fi
echo "PASS: status $status and a clear message"
