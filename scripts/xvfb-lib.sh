# SPDX-License-Identifier: MIT
# Sourced by the scripts that need a virtual X display of their own.

# Starts Xvfb on a free display, exports DISPLAY, and stops it when the calling shell exits.
start_virtual_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
    trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
}

# Waits, at most 30 seconds, for the program's window and prints its id.
wait_for_window() {
    timeout 30 xdotool search --sync --limit 1 --name '^CONVERTITORE PIXEL CM PER STAMPE$'
}

# Saves a PNG of one window.
screenshot_window() {
    /usr/bin/import -window "$1" "$2"
}
