#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Linux program's package for arm64, convertitore-pixel-cm_<version>_arm64.deb, among the
# release files: cross-built with Debian's multiarch Qt in a Debian 12 root of its own (so this
# machine's dpkg gains no architecture), twice, from two clones of the commit in two folders,
# compared byte for byte, then checked there (scripts/lib/check-arm64-package.sh) and copied
# into dist/, whose SHA256SUMS then lists it too. Run it after scripts/release.sh, which
# empties dist/. Needs root.
#     scripts/release-arm64.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "$(git status --porcelain)" ]; then
    echo "release-arm64: the tree has uncommitted changes (see git status); commit them" >&2
    exit 1
fi
source scripts/lib/debian-root.sh
epoch=$(git log -1 --format=%ct HEAD)
work_folder release-arm64

echo "release-arm64: commit $(git rev-parse --short HEAD), Debian 12 from $mirror, in $root"
step "debootstrap --variant=minbase bookworm" make_debian_root
packages=()
for folder in /root/first /srv/second; do
    step "git clone into $folder" git clone -q . "$root$folder/convertitore-pixel-cm"
    step "package built in $folder" \
        in_root bash "$folder/convertitore-pixel-cm/scripts/lib/arm64-package.sh" "$epoch"
    packages+=("$root$(tail -n 1 "$log")")
done
cmp "${packages[@]}" || { echo "release-arm64: the two builds differ" >&2; exit 1; }
echo "release-arm64: both builds gave the same bytes: $(sha256sum <"${packages[0]}" | cut -d' ' -f1)"
step "package checked, installed and started" in_root bash \
    /root/first/convertitore-pixel-cm/scripts/lib/check-arm64-package.sh "${packages[0]#"$root"}"
grep -E '^(Depends|lintian|[EWIPN]: |GNU properties|PASS)' "$log"

mkdir -p dist
cp "${packages[0]}" dist/
(cd dist && shopt -s nullglob && sha256sum -- *.deb *.exe *.msi *.zip >SHA256SUMS)
echo "release-arm64: in $(pwd)/dist:"
cat dist/SHA256SUMS
