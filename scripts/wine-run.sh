#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the build's own prefix, made on first use, or that
# prefix's Wine server:
#     scripts/wine-run.sh PROGRAM.exe [ARGUMENT...]
#     scripts/wine-run.sh wineserver -k
# WINEPREFIX may name another prefix. No Mono or Gecko prompts, no debug chatter.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/windows/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)

if [ "${1:-}" = wineserver ]; then
    shift
    exec "$wineserver" "$@"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # One prefix, made once, even when tests start side by side.
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$wine" wineboot -i >/dev/null 2>&1 || true
            "$wineserver" -w
            # Wine's own "MS Sans Serif" and the other bitmap fonts, as on Windows.
            cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        fi
    ) 9>"$(dirname "$WINEPREFIX")/.wine-prefix.lock"
fi
exec "$wine" "$@"
