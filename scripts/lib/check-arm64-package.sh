#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Inside a Debian 12 root of scripts/release-arm64.sh: the arm64 package's checks, as the
# amd64 one's (lintian, the hardening check), then installed with its arm64 libraries and
# started under qemu-user on a virtual X display, where a click on CALCOLA of "Pix -> Cm" must
# give 41 and 27, read back from the window as a user would copy them.
#     check-arm64-package.sh PACKAGE
set -euo pipefail
deb=$(realpath "$1")
cd "$(dirname "$0")/../.."

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    lintian devscripts binutils qemu-user xvfb xauth xdotool xclip x11-utils fonts-dejavu-core \
    g++ libx11-dev >/dev/null
[ "$(dpkg-deb -f "$deb" Architecture)" = arm64 ] || fail "not an arm64 package"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "lintian:"
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" | tee /tmp/lintian.txt || true
if grep -q '^E:' /tmp/lintian.txt; then
    fail "lintian reports errors"
fi
bash tests/packaging/hardening-test.sh Release "$deb"
# Branch protection is compiled in; the program is marked as protected only where every object
# linked into it is, Debian 12's start files included.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/convertitore-pixel-cm >/tmp/program
echo "GNU properties: $(readelf -n /tmp/program | grep -o 'AArch64 feature: .*' || echo none)"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
program=/usr/bin/convertitore-pixel-cm
file -L "$program" | grep -q 'ARM aarch64' || fail "$program is not an arm64 program"
c++ -std=c++20 -O2 tests/e2e/closewindow.cpp -lX11 -o /tmp/x11-close-window
c++ -std=c++20 -I. window/places/main.cpp -o /tmp/control-places
export CONTROL_PLACES=/tmp/control-places
source scripts/lib/xvfb-lib.sh
start_virtual_display
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 qemu-aarch64 "$program" &
program_pid=$!
window=$(wait_for_window) || fail "the program showed no window"
wait_for_control Text8 3888 || fail "the program does not answer"
click_control Command2
horizontal=$(read_control Text6) || fail "nothing copied from Cm Orizzontali"
vertical=$(read_control Text5) || fail "nothing copied from Cm Verticali"
[ "$horizontal $vertical" = "41 27" ] || fail "CALCOLA gave '$horizontal' and '$vertical'"
/tmp/x11-close-window "$window"
wait "$program_pid" || fail "the program ended with status $?"
echo "PASS: the arm64 package checked, installed, started under qemu-aarch64, CALCOLA gave 41 and 27"
