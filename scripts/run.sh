#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program and starts it. Where no display can be opened it starts the program on a
# virtual display instead, saves a screenshot of its window after its default request, and
# exits.
#     scripts/run.sh        the Linux program
#     scripts/run.sh web    the browser program, served on http://127.0.0.1:8080 until Ctrl+C
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
    scripts/setup.sh web site
    node scripts/lib/serve.mjs build/web/site "${PORT:-8080}" &
    server=$!
    trap 'kill "$server" 2>/dev/null || true' EXIT
    sleep 0.5
    if [ -z "${DISPLAY:-}" ]; then
        screenshot=$(pwd)/build/web/screenshot.png
        profile=$(mktemp -d)
        # Virtual time lets the page load its module and compute before the picture is taken.
        # The browser writes its settings and caches into its home even with a profile of its
        # own: it gets a home of its own too, not the user's.
        env HOME="$profile" XDG_CONFIG_HOME="$profile/config" XDG_CACHE_HOME="$profile/cache" \
            XDG_DATA_HOME="$profile/data" MESA_SHADER_CACHE_DISABLE=true \
            chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
            --disable-component-update --disable-sync --no-first-run --hide-scrollbars \
            --user-data-dir="$profile/profile" --window-size=800,600 --virtual-time-budget=5000 \
            --screenshot="$screenshot" "http://127.0.0.1:${PORT:-8080}/" >/dev/null 2>&1 || true
        rm -rf "$profile"
        echo "No display: a screenshot of the page is in $screenshot"
    fi
    echo "Serving the browser program on http://127.0.0.1:${PORT:-8080}/ (Ctrl+C stops it)"
    wait "$server"
    exit
fi

scripts/setup.sh release convertitore-pixel-cm control-places
program=build/release/bin/convertitore-pixel-cm
export CONTROL_PLACES=build/release/bin/control-places

# A server session may have no runtime directory; Qt wants a private one. Only a folder made
# here is removed afterwards: the user's own stays as it is.
made_runtime_dir=
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    made_runtime_dir=$XDG_RUNTIME_DIR
    export XDG_RUNTIME_DIR
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$program"
fi

echo "No display: starting the program on a virtual X display."
source scripts/lib/xvfb-lib.sh
[ -z "$made_runtime_dir" ] || on_exit 'rm -rf "$made_runtime_dir"'
start_virtual_display
"$program" &
program_pid=$!
window=$(wait_for_window)
wait_for_control Text8 3888
click_control Command2 # CALCOLA on Pix -> Cm, in front at start
screenshot=build/release/screenshot.png
screenshot_window "$window" "$screenshot"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
echo "Screenshot of the window: $(pwd)/$screenshot"
