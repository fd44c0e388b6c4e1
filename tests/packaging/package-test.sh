#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks its contents, dependencies and lintian's verdict, and, as
# root, installs it, starts the installed program on a virtual display and removes it again.
set -euo pipefail
build=$1
expected=$2
close_window=$3
build_type=$4
here=$(dirname "$0")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
[ "$(basename "$deb")" = "convertitore-pixel-cm_1.0.0.0_amd64.deb" ] || fail "package named $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Version)" = "1.0.0.0" ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "$library" <<<"$depends" || fail "Depends does not name $library: $depends"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./usr/||')
while read -r file; do
    grep -qx "$file" <<<"$contents" || fail "not in the package: $file"
done <"$expected"
echo "Depends: $depends"

echo "lintian:"
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" | tee "$out/lintian.txt" || true
if grep -q '^E:' "$out/lintian.txt"; then
    fail "lintian reports errors"
fi
bash "$here/hardening-test.sh" "$build_type" "$deb" "$build/bin/convertitore-pixel-cm"

if [ "$(id -u)" -ne 0 ]; then
    echo "PASS: package checked (not root: not installed)"
    exit 0
fi
# A package this machine already knows, in any state (installed, or removed with its
# configuration kept), is the user's: the test never installs over it nor purges it.
known=$(dpkg-query -W -f='${db:Status-Status}' convertitore-pixel-cm 2>/dev/null || true)
if [ -n "$known" ] && [ "$known" != not-installed ]; then
    echo "PASS: package checked (dpkg already knows it here: left alone)"
    exit 0
fi
source "$here/../../scripts/lib/xvfb-lib.sh"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
on_exit 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq convertitore-pixel-cm >/dev/null'

start_virtual_display
env -u QT_QPA_PLATFORM /usr/bin/convertitore-pixel-cm &
program_pid=$!
window=$(wait_for_window) \
    || fail "the installed program showed no window"
wait_for_control Text8 3888 || fail "the installed program does not answer"
"$close_window" "$window"
wait "$program_pid" || fail "the installed program ended with status $?"
echo "PASS: package built, checked, installed, started, closed and removed"
