#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the release files of the commit checked out (uncommitted changes are not part of it)
# twice, in two clones whose folders differ in name and length. The second clone's files are
# dated years earlier, and it is built under a clock 400 days ahead (the clock only: files keep
# their own times), another user name and home, a umask of 077 and, where this may rename the
# host, another host name. The two SHA256SUMS must be the same; where they differ, the test
# names the files, and shows what differs where diffoscope is installed. The Debian package
# released must also be hardened.
set -euo pipefail
source_dir=$1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/r
second=$work/second-build-in-a-much-longer-folder/sources
git clone -q "$source_dir" "$first"
(umask 077 && git clone -q "$source_dir" "$second")
find "$second" -path "$second/.git" -prune -o -exec touch -h -d 2001-02-03T04:05:06Z {} +
mkdir "$work/home"

(cd "$first" && scripts/release.sh) >"$work/first.log" 2>&1 \
    || { tail -n 40 "$work/first.log"; fail "the first release build failed"; }

other_host=()
if unshare --uts true 2>/dev/null; then
    other_host=(unshare --uts sh -c 'hostname another-builder && exec "$@"' sh)
fi
(cd "$second" && umask 077 \
    && "${other_host[@]}" env USER=another LOGNAME=another HOME="$work/home" \
        NO_FAKE_STAT=1 faketime -f +400d scripts/release.sh) >"$work/second.log" 2>&1 \
    || { tail -n 40 "$work/second.log"; fail "the second release build failed"; }

echo "First build, in $first:"
cat "$first/dist/SHA256SUMS"
echo "Second build, in $second:"
cat "$second/dist/SHA256SUMS"
[ "$(wc -l <"$first/dist/SHA256SUMS")" -eq 4 ] || fail "the release is not four files"
if ! cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
    while read -r _ file; do
        cmp -s "$first/dist/$file" "$second/dist/$file" && continue
        echo "differs: $file" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope --text - "$first/dist/$file" "$second/dist/$file" | head -n 200 >&2 || true
        fi
    done <"$first/dist/SHA256SUMS"
    fail "the two builds of one commit made different files"
fi
# What is released is hardened as Debian's own packages are.
bash "$(dirname "$0")/../packaging/hardening-test.sh" Release "$first/dist/"*.deb
echo "PASS: two builds of commit $(git -C "$first" rev-parse --short HEAD) made the same four files"
