#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's two commands as a new user meets them, on a bare Debian 12: a minimal root made
# with debootstrap --variant=minbase, the committed project cloned into it, then ./scripts/run.sh
# and ./scripts/test.sh run there as root, one after the other. Prints how long each step took
# and the closing lines of the tests (the last lines of a step that failed), then removes all it
# made. Needs root; installs debootstrap where it is missing. The Debian mirror is the one this
# machine's apt takes Debian 12 from, or MIRROR (and SECURITY_MIRROR) where it has none.
#     scripts/fresh-machine.sh
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "fresh-machine: $*" >&2
    exit 2
}
((EUID == 0)) || fail "run it as root: it makes a Debian root and works inside it"
if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi
site_of() {
    apt-get indextargets --format '$(SITE)' "Codename: $1" 'Target-Of: deb' 2>/dev/null | head -n 1
}
mirror=${MIRROR:-$(site_of bookworm)}
security=${SECURITY_MIRROR:-$(site_of bookworm-security)}
[ -n "$mirror" ] || fail "this machine's apt has no Debian 12 source: give MIRROR=URL"
project=$(pwd)
commit=$(git rev-parse --short HEAD)

# Every mount below is made in a mount namespace of its own, and every process in a process
# namespace of its own: both go when the step ends, so nothing is left running in the root, and
# removing it never reaches into this machine's /dev, /proc or /sys.
work=$(mktemp -d "${TMPDIR:-/var/tmp}/fresh-machine.XXXXXX")
trap 'rm -rf --one-file-system "$work"' EXIT
root=$work/root
in_root() {
    unshare --mount --propagation private --pid --fork -- bash -c '
        set -e
        root=$1
        shift
        mount -t proc proc "$root/proc"
        mount --rbind /sys "$root/sys"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs tmpfs "$root/dev/shm"
        exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"' \
        bash "$root" "$@"
}

log=$work/step.log
# step NAME COMMAND...: runs it with its output in the log, and prints how long it took.
step() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" >"$log" 2>&1 || status=$?
    printf 'fresh-machine: %-40s %4d s  exit %d\n' "$name" $((SECONDS - start)) "$status"
    if ((status != 0)); then
        tail -n 60 "$log"
        return "$status"
    fi
}

started=$SECONDS
echo "fresh-machine: commit $commit, Debian 12 from $mirror, in $root"
step "debootstrap --variant=minbase bookworm" \
    debootstrap --variant=minbase bookworm "$root" "$mirror"
# As a Debian 12 installation has them: the release with its updates and security fixes.
{
    printf 'Types: deb\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\n' "$mirror"
    if [ -n "$security" ]; then
        printf '\nTypes: deb\nURIs: %s\nSuites: bookworm-security\nComponents: main\n' "$security"
    fi
} >"$root/etc/apt/sources.list.d/debian.sources"
rm -f "$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The authorities this machine trusts besides Debian's (a network's own, where its traffic is
# inspected) go along, as a new machine on the same network would have them: the root's
# ca-certificates takes them in as it is installed.
if [ -d /usr/local/share/ca-certificates ]; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
fi
[ -s "$root/etc/hosts" ] \
    || printf '127.0.0.1\tlocalhost\n::1\tlocalhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
step "git clone" git clone -q "$project" "$root/root/convertitore-pixel-cm"

status=0
step "./scripts/run.sh" in_root bash -c 'cd /root/convertitore-pixel-cm && ./scripts/run.sh' \
    || status=$?
step "./scripts/test.sh" in_root bash -c 'cd /root/convertitore-pixel-cm && ./scripts/test.sh' \
    || status=$?
grep -E '^(times|total|failed):' "$log" || true
echo "fresh-machine: all in $((SECONDS - started)) s"
exit "$status"
