#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into an empty prefix and checks that every file a desktop needs is there.
set -euo pipefail
build=$1
expected=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

missing=0
while read -r file; do
    if [ ! -s "$prefix/$file" ]; then
        echo "FAIL: not installed: $file" >&2
        missing=1
    fi
done <"$expected"
[ -x "$prefix/bin/convertitore-pixel-cm" ] || { echo "FAIL: the program is not executable" >&2; exit 1; }
grep -q 'release version="1.0.0.0"' "$prefix/share/metainfo/"*.metainfo.xml \
    || { echo "FAIL: the metainfo does not name release 1.0.0.0" >&2; exit 1; }
for size in 16 24 32 48 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/"*.png | grep -q "$size x $size" \
        || { echo "FAIL: the ${size}x${size} icon has another size" >&2; exit 1; }
done
[ "$missing" -eq 0 ] && echo "PASS: $(wc -l <"$expected") files installed under a fresh prefix"
