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
source "$here/../../scripts/lib/wine-dpi.sh"
start_virtual_display
on_exit restore_dpi
set_dpi "$dpi"
"$wine_dpi_run" "$@"
