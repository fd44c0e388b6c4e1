#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the screenshots in docs/ on a virtual X display, under Italian regional settings: the
# window on each tab after its default request, and the first tab at twice the scale.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh release
export CONTROL_PLACES=build/release/bin/control-places
source scripts/lib/xvfb-lib.sh
start_virtual_display
mkdir -p docs

# Starts the program at a scale factor and leaves its window id in $window.
start_program() {
    QT_SCALE_FACTOR=$1 LC_ALL=it_IT.UTF-8 build/release/bin/convertitore-pixel-cm &
    program_pid=$!
    scale=$1
    window=$(wait_for_window)
    wait_for_control Text8 3888
}

start_program 1
click_control Command2 # CALCOLA on Pix -> Cm
screenshot_window "$window" docs/pix-to-cm.png
click_control SSTab1.0 # the Cm -> Pix tab
click_control Command1 # its CALCOLA
screenshot_window "$window" docs/cm-to-pix.png
kill "$program_pid"

start_program 2
click_control Command2
screenshot_window "$window" docs/pix-to-cm@2x.png
kill "$program_pid"
echo "Saved docs/pix-to-cm.png, docs/cm-to-pix.png and docs/pix-to-cm@2x.png"
