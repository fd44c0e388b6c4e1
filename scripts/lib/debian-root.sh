# SPDX-License-Identifier: MIT
# A minimal Debian root of the caller's own, for work that must not touch this machine's
# packages: sourced by scripts that run as root. The release is the caller's release variable
# (a codename: bookworm, the default, or trixie). work_folder makes a folder below TMPDIR (or
# /var/tmp) that goes when the script ends, make_debian_root the root in it, and in_root runs a
# command there.
# The Debian mirror is the one this machine's apt takes Debian from, or MIRROR (and
# SECURITY_MIRROR) where it has none.

root_fail() {
    echo "$(basename "$0"): $*" >&2
    exit 2
}
((EUID == 0)) || root_fail "run it as root: it makes a Debian root and works inside it"

site_of() {
    apt-get indextargets --format '$(SITE)' "Codename: $1" 'Target-Of: deb' 2>/dev/null | head -n 1
}

if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi
release=${release:-bookworm}
case "$release" in
bookworm | trixie) ;;
*) root_fail "unknown Debian release '$release': bookworm or trixie" ;;
esac
# A machine of one release reaches the other from the same archive.
mirror=${MIRROR:-} security=${SECURITY_MIRROR:-}
for suite in "$release" bookworm trixie; do
    mirror=${mirror:-$(site_of "$suite")}
    security=${security:-$(site_of "$suite-security")}
done
[ -n "$mirror" ] || root_fail "this machine's apt has no Debian source: give MIRROR=URL"

# work_folder PREFIX: sets work, a new folder removed when the script ends, root inside it, and
# log, where step writes.
work_folder() {
    work=$(mktemp -d "${TMPDIR:-/var/tmp}/$1.XXXXXX")
    trap 'rm -rf --one-file-system "$work"' EXIT
    root=$work/root
    log=$work/step.log
}

# step NAME COMMAND...: runs it with its output in the log, prints how long it took (and the
# log's end where it failed), and returns its status.
step() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" >"$log" 2>&1 || status=$?
    printf '%s: %-44s %4d s  exit %d\n' "$(basename "$0" .sh)" "$name" $((SECONDS - start)) \
        "$status"
    if ((status != 0)); then
        tail -n 60 "$log"
    fi
    return "$status"
}

# The root itself, made in $root.
make_debian_root() {
    debootstrap --variant=minbase "$release" "$root" "$mirror"
    # As an installation of the release has them: the release with its updates and security
    # fixes.
    {
        printf 'Types: deb\nURIs: %s\nSuites: %s %s-updates\nComponents: main\n' "$mirror" \
            "$release" "$release"
        if [ -n "$security" ]; then
            printf '\nTypes: deb\nURIs: %s\nSuites: %s-security\nComponents: main\n' \
                "$security" "$release"
        fi
    } >"$root/etc/apt/sources.list.d/debian.sources"
    rm -f "$root/etc/apt/sources.list"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # The authorities this machine trusts besides Debian's (a network's own, where its traffic
    # is inspected) go along, as a new machine on the same network would have them: the root's
    # ca-certificates takes them in as it is installed.
    if [ -d /usr/local/share/ca-certificates ]; then
        mkdir -p "$root/usr/local/share/ca-certificates"
        cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    fi
    [ -s "$root/etc/hosts" ] \
        || printf '127.0.0.1\tlocalhost\n::1\tlocalhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
}

# Every mount is made in a mount namespace of its own, and every process in a process namespace
# of its own: both go when the command ends, so nothing is left running in the root, and
# removing it never reaches into this machine's /dev, /proc or /sys.
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
