#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the build's own prefix, made on first use, or that
# prefix's Wine server:
#     scripts/wine-run.sh PROGRAM.exe [ARGUMENT...]
#     scripts/wine-run.sh wineserver -k
# WINEPREFIX may name another prefix. No Mono or Gecko prompts, no debug chatter, and no menu
# entries, icons or file types written to the user's own desktop by Wine's menu builder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/windows/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)

if [ "${1:-}" = wineserver ]; then
    shift
    exec "$wineserver" "$@"
fi

# A prefix is trusted once it is finished: the stamp is written last. A prefix without it was
# cut short (a killed Wine server, a failed wineboot) and is made again.
stamp=$WINEPREFIX/.prefix-complete
if [ ! -f "$stamp" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # One prefix, made once, even when tests start side by side.
    (
        flock 9
        if [ ! -f "$stamp" ]; then
            "$wineserver" -k 2>/dev/null || true
            rm -rf "$WINEPREFIX"
            "$wine" wineboot -i >/dev/null 2>&1
            "$wineserver" -w
            [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-run: wineboot made no prefix" >&2; exit 1; }
            # Wine's own "MS Sans Serif" and the other bitmap fonts, as on Windows.
            cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
            touch "$stamp"
        fi
    ) 9>"$(dirname "$WINEPREFIX")/.wine-prefix.lock"
fi
exec "$wine" "$@"
