#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the README's screenshots: the window on each tab, on a virtual X display, after the
# default request of that tab, under Italian regional settings.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh release
source scripts/xvfb-lib.sh
start_virtual_display
mkdir -p docs

LC_ALL=it_IT.UTF-8 build/release/bin/convertitore-pixel-cm &
program_pid=$!
window=$(timeout 30 bash -c "source scripts/xvfb-lib.sh; wait_for_window 'CONVERTITORE PIXEL CM PER STAMPE'")

click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}

click_at 268 156 # CALCOLA on Pix -> Cm
screenshot_window "$window" docs/pix-to-cm.png
click_at 156 59 # the Cm -> Pix tab
click_at 268 164 # its CALCOLA
screenshot_window "$window" docs/cm-to-pix.png

kill "$program_pid"
echo "Saved docs/pix-to-cm.png and docs/cm-to-pix.png"
