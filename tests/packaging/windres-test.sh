#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compiles the Windows resource script as a Windows build would, and checks what it holds.
set -euo pipefail
script=$1

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
x86_64-w64-mingw32-windres --preprocessor=cpp --input="$script" --output="$out/program.res" \
    --output-format=res
x86_64-w64-mingw32-windres --preprocessor=cpp --input="$script" --output="$out/program.o"

strings -el "$out/program.res" >"$out/strings.txt"
for value in FileVersion ProductVersion 1.0.0.0 "Convertitore pixel cm per stampe"; do
    grep -q "$value" "$out/strings.txt" || { echo "FAIL: no $value in the version record" >&2; exit 1; }
done
# Decompiled, the resources list one RT_ICON per image of the icon set and one icon group.
x86_64-w64-mingw32-windres --input="$out/program.res" --output="$out/decompiled.rc" --output-format=rc
images=$(grep -c 'RT_ICON \*/' "$out/decompiled.rc" || true)
[ "$images" -eq 10 ] || { echo "FAIL: $images icon images, not 10" >&2; exit 1; }
grep -q 'RT_GROUP_ICON' "$out/decompiled.rc" || { echo "FAIL: no icon group" >&2; exit 1; }
[ -s "$out/program.o" ] || { echo "FAIL: no object file" >&2; exit 1; }
echo "PASS: resource script compiled (10 icon images, version record 1.0.0.0)"
