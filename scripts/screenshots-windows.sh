#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the screenshots in docs/ of the Windows program under Wine on a virtual X display,
# under Italian regional settings: the window on each tab after its default request, at the
# usual 96 DPI, and the Pix -> Cm tab at 192 DPI (a display scaled to 200 %). The prefix's
# resolution is given back as it was.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh windows convertitore-pixel-cm control-places
source scripts/lib/xvfb-lib.sh
# A screen that holds the window at 200 % too: a smaller one would clip it.
start_virtual_display 2560x1600
mkdir -p docs
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
source scripts/lib/wine-dpi.sh
wine=scripts/lib/wine-run.sh
places=$(mktemp)
on_exit 'rm -f "$places"'

# shoot DPI NAME...: starts the program at DPI and saves, after each step, docs/NAME.png.
shoot() {
    local dpi=$1
    shift
    set_dpi "$dpi"
    printf '#!/bin/sh\nexec "%s" %s\n' "$(pwd)/build/windows/bin/control-places" "$dpi" >"$places"
    chmod +x "$places"
    export CONTROL_PLACES=$places
    "$wine" build/windows/bin/convertitore-pixel-cm.exe &
    program_pid=$!
    window=$(wait_for_window)
    wait_for_control Text8 3888
    click_control Command2 # CALCOLA on Pix -> Cm
    screenshot_window "$window" "docs/$1.png"
    if [ $# -gt 1 ]; then
        click_control SSTab1.0 # the Cm -> Pix tab
        click_control Command1 # its CALCOLA
        screenshot_window "$window" "docs/$2.png"
    fi
    press_closing_keys "$window" alt+F4
    wait "$program_pid" || true
}
shoot 96 windows-pix-to-cm windows-cm-to-pix
shoot 192 windows-pix-to-cm@192dpi
restore_dpi
echo "Saved docs/windows-pix-to-cm.png, docs/windows-cm-to-pix.png and docs/windows-pix-to-cm@192dpi.png"
