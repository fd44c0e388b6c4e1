#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `scripts/run.sh web` without a display: it serves the page, saves a screenshot of it, and
# leaves the user's home as it was; the browser it starts for the screenshot writes nothing there.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
server=
cleanup() {
    [ -z "$server" ] || kill -- -"$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir "$work/home"
port=$(node -e "const s = require('net').createServer().listen(0, '127.0.0.1', () => { console.log(s.address().port); s.close(); })")
setsid env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
    HOME="$work/home" PORT="$port" "$source_dir/scripts/run.sh" web >"$work/run.log" 2>&1 &
server=$!
for _ in $(seq 600); do
    grep -q '^Serving' "$work/run.log" && break
    kill -0 "$server" 2>/dev/null || { cat "$work/run.log"; fail "scripts/run.sh web ended"; }
    sleep 0.5
done
grep -q '^Serving' "$work/run.log" || { cat "$work/run.log"; fail "scripts/run.sh web never served"; }
grep -q "^No display: a screenshot of the page is in" "$work/run.log" || fail "no screenshot: $(cat "$work/run.log")"
node -e "fetch('http://127.0.0.1:$port/').then((r) => r.text()).then((t) => process.exit(t.includes('<title>') ? 0 : 1))" \
    || fail "the page is not served"
left=$(cd "$work/home" && find . -mindepth 1)
[ -z "$left" ] || fail "the user's home gained: $left"
echo "PASS: the page served and photographed without a display, and the user's home untouched"
