#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on its own virtual X display, driven by real X input events, in one of
# the environments a user may start it from.
set -euo pipefail
program=$1
close_window=$2
scenario=$3
source "$(dirname "$0")/../../scripts/lib/xvfb-lib.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_virtual_display
# The program's own environment; this shell keeps its locale.
environment=(-u QT_QPA_PLATFORM -u LC_ALL -u LC_NUMERIC -u LANG)
case "$scenario" in
italian)
    environment+=(LC_ALL=it_IT.UTF-8)
    grouped=1.701
    ;;
unknown-locale)
    environment+=(LANG=xx_YY.UTF-8)
    grouped=1701
    ;;
no-locale)
    grouped=1701
    ;;
read-only-home)
    # Nothing can be created below a regular file, not even by root.
    environment+=(-u XDG_RUNTIME_DIR -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME
        LC_ALL=it_IT.UTF-8 HOME=/proc/version/home)
    grouped=1.701
    ;;
*) fail "unknown scenario $scenario" ;;
esac

env "${environment[@]}" "$program" &
program_pid=$!
window=$(wait_for_window) \
    || fail "no window with the program's caption"

geometry=$(window_size "$window")
[ "$geometry" = "564x380" ] || fail "window is $geometry, not 564x380"
wait_for_control Text8 3888 || fail "Text8 does not read 3888"

# Pix -> Cm is in front: type 5184 into the horizontal pixels (Text8) and press CALCOLA.
click_control Text8
xdotool key --window "$window" ctrl+a
xdotool type --window "$window" --delay 20 "5184"
click_control Command2
result=$(read_control Text6) || fail "nothing copied from the horizontal result"
[ "$result" = "55" ] || fail "horizontal result is '$result', not 55"

# Cm -> Pix: its tab, then CALCOLA with the initial texts, grouped as the settings say.
click_control SSTab1.0
click_control Command1
result=$(read_control Text3) || fail "nothing copied from the horizontal pixels"
[ "$result" = "$grouped" ] || fail "horizontal pixels are '$result', not $grouped"

"$close_window" "$window"
status=0
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "the program did not end when its window closed"
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS ($scenario): typed, computed, read the result and closed the window (exit status 0)"
