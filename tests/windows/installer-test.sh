#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the portable ZIP and the installer, then, in a Wine prefix of its own: installs
# silently, finds the program and its Start menu entry, starts the installed program, closes
# it, uninstalls silently, and finds nothing of it left; and nothing of it on the user's own
# desktop, where Wine's menu builder would put menu entries and icons.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xvfb-lib.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

out=$(mktemp -d)
on_exit 'rm -rf "$out"'
(cd "$build" && cpack -B "$out" >/dev/null)
installer=$(ls "$out"/*-win64.exe)
zip=$(ls "$out"/*-win64.zip)
grep -q "bin/convertitore-pixel-cm.exe" <<<"$(unzip -l "$zip")" || fail "the ZIP holds no program"

# What the user's desktop holds, as names and change times, before and after.
desktop_folders=("$HOME/.local/share/"{applications,icons,mime,desktop-directories} "$HOME/.config/menus")
desktop_state() {
    find "${desktop_folders[@]}" -printf '%p %T@\n' 2>/dev/null | sort || true
}
desktop_before=$(desktop_state)

export WINE_RUN_PREFIX=$out/prefix
wine() { "$here/../../scripts/lib/wine-run.sh" "$@"; }
start_virtual_display
on_exit 'wine wineserver -k 2>/dev/null || true'

folder="$WINE_RUN_PREFIX/drive_c/Program Files/Convertitore pixel cm"
menu="$WINE_RUN_PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Convertitore pixel cm per stampe"
wine "$installer" /S
wine wineserver -w
[ -f "$folder/bin/convertitore-pixel-cm.exe" ] || fail "not installed under Program Files"
[ -f "$folder/Disinstalla.exe" ] || fail "no uninstaller"
ls "$menu"/*.lnk >/dev/null 2>&1 || fail "no Start menu entry"

wine "$folder/bin/convertitore-pixel-cm.exe" &
program_pid=$!
window=$(wait_for_window) || fail "the installed program showed no window"
wait_for_control Text8 3888 || fail "the installed program does not answer"
xdotool key --window "$window" alt+F4
timeout 20 tail --pid="$program_pid" -f /dev/null || fail "the installed program did not end"
wait "$program_pid" || fail "the installed program ended with status $?"

wine "$folder/Disinstalla.exe" /S
wine wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(find "$folder")"
[ ! -e "$menu" ] || fail "the Start menu entry is left behind"
[ "$(desktop_state)" = "$desktop_before" ] \
    || fail "the user's desktop changed: $(diff <(echo "$desktop_before") <(desktop_state) || true)"
echo "PASS: ZIP and installer built; installed, started, closed and uninstalled with nothing left, the user's desktop untouched"
