#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in a prefix of the project's own, made on first use, or that
# prefix's Wine server:
#     scripts/lib/wine-run.sh PROGRAM.exe [ARGUMENT...]
#     scripts/lib/wine-run.sh wineserver -k
# The prefix is build/windows/wine-prefix, or the folder WINE_RUN_PREFIX names (a test's own).
# The environment's WINEPREFIX, the user's own Wine, is never used, and a folder this script
# did not make is never changed: it refuses to run there. No Mono or Gecko prompts, no debug
# chatter, and no menu entries, icons or file types written to the user's own desktop by Wine's
# menu builder.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=${WINE_RUN_PREFIX:-$here/build/windows/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
# The user's own overrides are kept, and ours come after them: Wine takes the last one given for
# a library, so none of the user's can start the menu builder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)

# The marker is written as soon as the folder is made: a prefix that holds it is ours, finished
# or not. Any other folder, an empty one too, is the user's: what they put there later would go
# with a prefix made again. The stamp is written last: a prefix without it was cut short (a
# killed Wine server, a failed wineboot) and is made again.
marker=$WINEPREFIX/.made-by-wine-run
stamp=$WINEPREFIX/.prefix-complete
foreign() {
    [ -e "$WINEPREFIX" ] && [ ! -f "$marker" ] && [ ! -f "$stamp" ]
}
if foreign; then
    echo "wine-run: $WINEPREFIX was not made by this script; it is left as it is" >&2
    exit 1
fi

if [ "${1:-}" = wineserver ]; then
    shift
    exec "$wineserver" "$@"
fi

if [ ! -f "$stamp" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # One prefix, made once, even when tests start side by side.
    (
        flock 9
        if [ ! -f "$stamp" ]; then
            foreign && { echo "wine-run: $WINEPREFIX was not made by this script" >&2; exit 1; }
            if [ -f "$marker" ]; then
                "$wineserver" -k 2>/dev/null || true
                rm -rf "$WINEPREFIX"
            fi
            mkdir "$WINEPREFIX"
            touch "$marker"
            "$wine" wineboot -i >/dev/null 2>&1
            "$wineserver" -w
            [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-run: wineboot made no prefix" >&2; exit 1; }
            # Wine's own "MS Sans Serif" and the other bitmap fonts, as on Windows.
            cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
            touch "$stamp"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
