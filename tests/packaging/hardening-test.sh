#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program is hardened as Debian's own programs are: position independent, stack protector,
# glibc's checked functions, relocations read-only and bound at start (hardening-check), and no
# RUNPATH, which in a package has no place and with an empty entry searches the current folder
# for Qt. For a package, lintian names no hardening tag either.
#     hardening-test.sh BUILD_TYPE PROGRAM_OR_PACKAGE...
# A Debug build has no checked functions: they need the optimiser. Control-flow protection is
# compiled in but not required here: Debian 12's own start files (Scrt1.o, crti.o) carry no CET
# note, so the linker cannot mark any program of it as protected.
# Debian 13's hardening-check also looks for arm64's branch-protection note (BTI and PAC), in
# every program: an amd64 one has control-flow protection in its place, checked above, so there
# the check is left out.
set -euo pipefail
build_type=$1
shift

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

skip=(--nocfprotection)
lintian_tags=hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-pie,hardening-no-relro
if [ "$build_type" = Debug ]; then
    skip+=(--nofortify)
    lintian_tags=hardening-no-bindnow,hardening-no-pie,hardening-no-relro
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
check_program() {
    local runpath skip_here=("${skip[@]}")
    runpath=$(readelf -d "$1" | grep -E '\((RUNPATH|RPATH)\)' || true)
    [ -z "$runpath" ] || fail "$1 carries $runpath"
    if [[ $(hardening-check --help 2>&1 || true) == *--nobranchprotection* ]] \
        && [[ ! $(readelf -h "$1") =~ Machine:[[:space:]]+AArch64 ]]; then
        skip_here+=(--nobranchprotection)
    fi
    hardening-check "${skip_here[@]}" "$1" || fail "$1 is not hardened"
}
for file in "$@"; do
    if [[ $file == *.deb ]]; then
        rm -rf "$out/package"
        dpkg-deb -x "$file" "$out/package"
        check_program "$out/package/usr/bin/convertitore-pixel-cm"
        tags=$(lintian --tags "$lintian_tags" "$file" 2>&1 | grep -v "root privileges" || true)
        [ -z "$tags" ] || fail "lintian: $tags"
    else
        check_program "$file"
    fi
done
echo "PASS: hardened, no RUNPATH ($build_type): $*"
