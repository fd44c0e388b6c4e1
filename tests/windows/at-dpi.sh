#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine on a virtual X display of its own, with the prefix's screen
# resolution set to DPI, as a Windows user sets the display's scale, and sets it back to 96
# afterwards.
#     at-dpi.sh DPI PROGRAM.exe [ARGUMENT...]
set -euo pipefail
dpi=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
wine=$here/../../scripts/wine-run.sh
set_dpi() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    "$wine" wineserver -w
}
start_virtual_display
set_dpi "$dpi"
on_exit 'set_dpi 96'
"$wine" "$@"
