#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started where no window can be opened, the program says what failed and fails; it does not
# abort: no display at all, a display that does not answer, and a platform plugin that does not
# exist.
set -uo pipefail
program=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect MESSAGE ENVIRONMENT...
expect() {
    local expected=$1 message status
    shift
    message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -eq 0 ] || [ "$status" -ge 128 ]; then
        fail "$*: exit status $status (0 means it ran, 128 and above a signal)"
    fi
    grep -q "$expected" <<<"$message" || fail "$*: not '$expected'; it printed: $message"
    echo "$*: status $status, $(head -n 1 <<<"$message")"
}
expect "nessun display grafico disponibile"
expect "il plugin della piattaforma grafica" DISPLAY=:9876
expect 'platform plugin "nessuno"' DISPLAY=:9876 QT_QPA_PLATFORM=nessuno
echo "PASS: a clear message for each"
