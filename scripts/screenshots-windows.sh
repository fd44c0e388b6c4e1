#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the README's screenshots of the Windows program under Wine on a virtual X display,
# under Italian regional settings: the window on each tab after its default request.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh windows convertitore-pixel-cm control-places
export CONTROL_PLACES=build/windows/bin/control-places
source scripts/lib/xvfb-lib.sh
start_virtual_display
mkdir -p docs
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8

scripts/lib/wine-run.sh build/windows/bin/convertitore-pixel-cm.exe &
program_pid=$!
on_exit 'kill "$program_pid" 2>/dev/null || true'
window=$(wait_for_window)
wait_for_control Text8 3888
click_control Command2 # CALCOLA on Pix -> Cm
screenshot_window "$window" docs/windows-pix-to-cm.png
click_control SSTab1.0 # the Cm -> Pix tab
click_control Command1 # its CALCOLA
screenshot_window "$window" docs/windows-cm-to-pix.png
xdotool key --window "$window" alt+F4
wait "$program_pid" || true
echo "Saved docs/windows-pix-to-cm.png and docs/windows-cm-to-pix.png"
