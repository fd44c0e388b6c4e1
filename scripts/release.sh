#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes every file a user downloads, from clean builds of the commit checked out, into dist/:
# the Debian package, the Windows ZIP and the Windows installer, and SHA256SUMS listing them.
# The same commit gives the same bytes wherever, whenever and by whomever it is built.
#     scripts/release.sh [--allow-dirty]
# --allow-dirty builds a tree with uncommitted changes (its files are then not the commit's).
set -euo pipefail
cd "$(dirname "$0")/.."

allow_dirty=0
case "${1:-}" in
"") ;;
--allow-dirty) allow_dirty=1 ;;
*)
    echo "usage: scripts/release.sh [--allow-dirty]" >&2
    exit 2
    ;;
esac
if ((!allow_dirty)) && [ -n "$(git status --porcelain)" ]; then
    echo "release: the tree has uncommitted changes (see git status); commit them, or pass --allow-dirty" >&2
    exit 1
fi
commit=$(git rev-parse HEAD)

# Every time stamp is the commit's; dates are read in UTC; files are made with the same modes.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH TZ=UTC0 LC_ALL=C.UTF-8
umask 022

rm -rf build/dist-linux build/dist-windows dist
mkdir -p dist
scripts/setup.sh dist-linux
scripts/setup.sh dist-windows
(cd build/dist-linux && cpack -G DEB -B packages >/dev/null)
(cd build/dist-windows && cpack -G NSIS -B packages >/dev/null)
cp build/dist-linux/packages/*.deb build/dist-windows/packages/*.exe dist/

# The portable ZIP, packed here rather than by CPack, whose ZIP records the builder's user and
# group ids: no extra fields, names in a fixed order, times and modes as staged.
name=$(basename build/dist-windows/packages/*.exe .exe)
stage=build/dist-windows/zip
cmake --install build/dist-windows --prefix "$stage/$name" --strip >/dev/null
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
zip=$(pwd)/dist/$name.zip
(cd "$stage" && find "$name" -type f | sort | zip -X -D -9 -q "$zip" -@)

(cd dist && sha256sum -- *.deb *.exe *.zip >SHA256SUMS)
echo "Release files of commit $commit$( ((allow_dirty)) && [ -n "$(git status --porcelain)" ] && echo ' with uncommitted changes'), in $(pwd)/dist:"
cat dist/SHA256SUMS
