#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program as a screen reader sees it: on its own virtual X display and its own D-Bus
# session, where the accessibility bus starts as on a desktop, read over AT-SPI by a real
# client (pyatspi, as Orca reads it) with atspi-tree.py.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xvfb-lib.sh"
if [ -z "${DBUS_SESSION_BUS_ADDRESS_OWN:-}" ]; then
    # A session and a home of the test's own, ended with it: the accessibility bus and the
    # settings service keep their sockets and caches there, never in the user's.
    home=$(mktemp -d)
    on_exit 'rm -rf "$home"'
    mkdir -m 700 "$home/run"
    status=0
    env -u DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS_OWN=1 HOME="$home" \
        XDG_RUNTIME_DIR="$home/run" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config" \
        dbus-run-session -- bash "$0" "$@" || status=$?
    exit "$status"
fi
start_virtual_display
# Qt speaks AT-SPI where a screen reader is running; the test's client stands in for it.
env -u QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=it_IT.UTF-8 "$program" &
program_pid=$!
on_exit 'kill "$program_pid" 2>/dev/null || true'
wait_for_window >/dev/null
/usr/bin/python3 "$here/atspi-tree.py" "$(basename "$program")"
