#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program under Wine on its own virtual X display, driven by real X input events
# under Italian regional settings: it types, computes, reads the results through the
# clipboard, sees a failed request reported once with nothing changed, and closes.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xvfb-lib.sh"
caption='CONVERTITORE PIXEL CM PER STAMPE'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_virtual_display
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
# Without a window manager Wine's X window is the client area: places are the client's.
windows_named() {
    xdotool search "$@" --name "^$caption\$" 2>/dev/null || true
}

# Wine is known to fail a start now and then with no window at all: one more try.
for attempt in 1 2; do
    "$here/../../scripts/lib/wine-run.sh" "$program" &
    program_pid=$!
    if window=$(wait_for_window); then
        break
    fi
    kill "$program_pid" 2>/dev/null || true
    "$here/../../scripts/lib/wine-run.sh" wineserver -k 2>/dev/null || true
    [ "$attempt" -eq 2 ] && fail "no window with the program's caption"
done
on_exit 'kill "$program_pid" 2>/dev/null || true'

geometry=$(window_size "$window")
[ "$geometry" = "564x380" ] || fail "window is $geometry, not 564x380"
wait_for_control Text8 3888 || fail "Text8 does not read 3888"

# Pix -> Cm is in front: 5184 pixels at 240 DPI print 55 cm wide.
type_into Text8 5184
click_control Command2
result=$(read_control Text6) || fail "nothing copied from Text6"
[ "$result" = "55" ] || fail "Text6 is '$result', not 55"

# Cm -> Pix with its initial texts, grouped as the Italian settings say; then a typed "1" in
# the DPI box stays "1" when the focus leaves it, and computes with 1 DPI.
click_control SSTab1.0
click_control Command1
result=$(read_control Text3) || fail "nothing copied from Text3"
[ "$result" = "1.701" ] || fail "Text3 is '$result', not 1.701"
type_into Combo1 1
xdotool key --window "$window" Tab
sleep 0.3
[ "$(read_control Combo1)" = "1" ] || fail "Combo1 does not keep the typed 1"
click_control Command1
result=$(read_control Text3) || fail "nothing copied from Text3"
[ "$result" = "7" ] || fail "Text3 is '$result' at 1 DPI, not 7"

# A zero resolution on Pix -> Cm: one warning box, captioned as the window, and no change.
click_control SSTab1.0
click_control SSTab1.1
type_into Combo2 0
click_control Command2
box=
deadline=$((SECONDS + 60))
while [ -z "$box" ] && ((SECONDS < deadline)); do
    sleep 0.2
    box=$(windows_named --onlyvisible | grep -vx "$window" | head -n 1 || true)
done
[ -n "$box" ] || fail "no message box after a zero resolution"
[ "$(windows_named | wc -l)" -eq 2 ] || fail "more than one message box"
press_closing_keys "$box" Return
wait_until_only_window || fail "the message box did not close"
# Once the box is gone, the window it disabled is enabled and active again, and the focus is
# back on CALCOLA, where it was: Tab goes on to the DPI box after it, and the text it selects
# there is replaced by what is typed.
xdotool key --window "$window" Tab
xdotool type --window "$window" --delay 30 7
[ "$(read_control Combo2)" = "7" ] || fail "Tab after the message box did not reach Combo2"
wait_for_control Text6 55 || fail "Text6 changed to '$(read_control Text6)' after a failed request"

# Enter in the DPI box presses nothing; Enter on CALCOLA, reached by Shift+Tab, presses it:
# 5184 pixels at 7 DPI print 1881 cm wide.
xdotool key --window "$window" Return
sleep 0.5
[ "$(read_control Text6)" = "55" ] || fail "Enter in the DPI box computed"
click_control Combo2
xdotool key --window "$window" shift+Tab Return
wait_for_control Text6 1.881 || fail "Enter on the focused CALCOLA did not press it"

press_closing_keys "$window" alt+F4
timeout 20 tail --pid="$program_pid" -f /dev/null || fail "the program did not end when its window closed"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: typed, computed, read results, reported a failure once, pressed CALCOLA by Enter and closed (exit status 0)"
