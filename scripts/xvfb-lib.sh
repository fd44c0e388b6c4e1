# SPDX-License-Identifier: MIT
# Sourced by the scripts that need a virtual X display of their own.

# Adds a command to what the calling shell runs when it exits, before what is already there:
# what was set up last is cleaned up first.
on_exit() {
    local action=$1 previous
    # `trap -p` prints the trap as a quoted shell command: trap -- 'ACTION' EXIT.
    eval "set -- $(trap -p EXIT)"
    previous=${3:-}
    # shellcheck disable=SC2064
    trap "$action${previous:+; $previous}" EXIT
}

# Starts Xvfb on a free display, exports DISPLAY, and stops it when the calling shell exits.
# -noreset keeps the server as it is when its last client leaves.
start_virtual_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
    on_exit 'kill "$XVFB_PID" 2>/dev/null || true'
}

# Waits, at most 60 seconds, for a window with this caption (the program's by default) and
# prints its id.
wait_for_window() {
    timeout 60 xdotool search --sync --limit 1 --name "^${1:-CONVERTITORE PIXEL CM PER STAMPE}\$"
}

# Clicks at coordinates of $window (times $scale, where a script sets one) and lets the
# program answer.
click_at() {
    xdotool mousemove --window "$window" $(($1 * ${scale:-1})) $(($2 * ${scale:-1})) click 1
    sleep 0.3
}

# Saves a PNG of one window.
screenshot_window() {
    /usr/bin/import -window "$1" "$2"
}

# Prints the clipboard's text once it differs from what it held before the last
# mark_clipboard, waiting at most 15 seconds: a slow or busy program copies late.
mark_clipboard() {
    printf '%s' "clipboard-mark-$$" | xclip -i -selection clipboard >/dev/null 2>&1
}
read_clipboard() {
    local text
    for _ in $(seq 75); do
        text=$(timeout 3 xclip -o -selection clipboard 2>/dev/null || true)
        if [ -n "$text" ] && [ "$text" != "clipboard-mark-$$" ]; then
            printf '%s\n' "$text"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
