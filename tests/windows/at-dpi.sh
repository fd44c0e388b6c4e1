#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine on a virtual X display of its own, with the prefix's screen
# resolution set to DPI, as a Windows user sets the display's scale, and gives the prefix back
# the resolution it had (or none, where it had none) afterwards. The screen has as many pixels
# as the scale asks for, as a display set to 200 % has (1280 × 800 at 96 DPI, 2560 × 1600 at
# 192): Wine 10, as Windows, fits a window to a screen too small for it.
#     at-dpi.sh DPI PROGRAM.exe [ARGUMENT...]
set -euo pipefail
dpi=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xvfb-lib.sh"
source "$here/../../scripts/lib/wine-dpi.sh"
start_virtual_display "$((1280 * dpi / 96))x$((800 * dpi / 96))"
on_exit restore_dpi
set_dpi "$dpi"
"$wine_dpi_run" "$@"
