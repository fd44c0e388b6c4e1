#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's two commands as a new user meets them, on a bare Debian 12 (bookworm, the
# default) or 13 (trixie): a minimal root made with debootstrap --variant=minbase, the committed
# project cloned into it, then ./scripts/run.sh and ./scripts/test.sh run there as root, one
# after the other. Prints how long each step took and the closing lines of the tests (the last
# lines of a step that failed), then removes all it made. Needs root; installs debootstrap where
# it is missing. The Debian mirror is the one this machine's apt takes Debian from, or MIRROR
# (and SECURITY_MIRROR) where it has none.
#     scripts/fresh-machine.sh [bookworm | trixie]
set -euo pipefail
cd "$(dirname "$0")/.."

release=${1:-bookworm}
source scripts/lib/debian-root.sh
project=$(pwd)
commit=$(git rev-parse --short HEAD)
work_folder fresh-machine

started=$SECONDS
echo "fresh-machine: commit $commit, $release from $mirror, in $root"
step "debootstrap --variant=minbase $release" make_debian_root
step "git clone" git clone -q "$project" "$root/root/convertitore-pixel-cm"

status=0
step "./scripts/run.sh" in_root bash -c 'cd /root/convertitore-pixel-cm && ./scripts/run.sh' \
    || status=$?
step "./scripts/test.sh" in_root bash -c 'cd /root/convertitore-pixel-cm && ./scripts/test.sh' \
    || status=$?
grep -E '^(times|total|failed):' "$log" || true
echo "fresh-machine: all in $((SECONDS - started)) s"
exit "$status"
