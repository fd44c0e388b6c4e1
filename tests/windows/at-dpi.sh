#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine on a virtual X display of its own, with the prefix's screen
# resolution set to DPI, as a Windows user sets the display's scale, and gives the prefix back
# the resolution it had (or none, where it had none) afterwards.
#     at-dpi.sh DPI PROGRAM.exe [ARGUMENT...]
set -euo pipefail
dpi=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xvfb-lib.sh"
wine=$here/../../scripts/lib/wine-run.sh
key='HKCU\Control Panel\Desktop'
# reg prints the value as "    LogPixels    REG_DWORD    0x60", with Windows line ends.
found=$("$wine" reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' \
    | awk '$1 == "LogPixels" && $3 ~ /^0x[0-9a-fA-F]+$/ { print $3 }' || true)
set_dpi() {
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    "$wine" wineserver -w
}
restore_dpi() {
    if [ -n "$found" ]; then
        set_dpi "$((found))"
    else
        "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true
        "$wine" wineserver -w
    fi
}
start_virtual_display
on_exit restore_dpi
set_dpi "$dpi"
"$wine" "$@"
