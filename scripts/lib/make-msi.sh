#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows Installer package from the staged Windows files (as `cmake --install`
# leaves them) with Debian's wixl:
#     scripts/lib/make-msi.sh STAGED_FOLDER VERSION OUT.msi
# The same files give the same package: the product code comes from the version alone (one per
# version, of which the fourth field is 0), the package code from the version and the files, and where SOURCE_DATE_EPOCH is
# set the package's times are that one (wixl would write a random package code and the time
# it runs).
set -euo pipefail
stage=$(realpath "$1")
version=$2
out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")/../.." && pwd)

# Windows Installer compares only the first three fields of a version: a package that differed
# from another only in the fourth would install beside it instead of replacing it. Such a
# version is refused; a release changes the third field.
IFS=. read -r major minor build revision <<<"$version"
if [ -n "${revision:-}" ] && [ "$revision" != 0 ]; then
    echo "make-msi: $version differs from $major.$minor.$build.0 only in the fourth field, which Windows Installer does not compare; release it as $major.$minor.$((build + 1)).0" >&2
    exit 1
fi

# A GUID made from a SHA-256 digest of the given text, marked as a name-based one (RFC 9562).
guid_of() {
    local hex
    hex=$(printf '%s' "$1" | sha256sum | cut -c1-32 | tr a-f A-F)
    printf '{%s-%s-5%s-%X%s-%s}\n' "${hex:0:8}" "${hex:8:4}" "${hex:13:3}" \
        $((0x${hex:16:1} & 0x3 | 0x8)) "${hex:17:3}" "${hex:20:12}"
}
files_digest=$(cd "$stage" && find . -type f | LC_ALL=C sort | xargs -d '\n' sha256sum | sha256sum)
product_code=$(guid_of "convertitore-pixel-cm product $version")
package_code=$(guid_of "convertitore-pixel-cm package $version ${files_digest%% *}")

at_release_time=()
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    # A stopped clock: every time the tools write is the release's, even where the release
    # itself is built under another faked clock.
    # faketime's plain form only starts the clock there (a slow run wrote a later second);
    # -f with an absolute time stops it.
    at_release_time=(env -u LD_PRELOAD -u FAKETIME -u FAKETIME_SHARED TZ=UTC0 faketime -f "$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')")
fi

# wixl finds files only by paths relative to the folder it runs in.
cd "$stage"
"${at_release_time[@]}" wixl --arch x64 \
    -D "Version=$version" -D "ProductCode=$product_code" -D "Stage=." \
    -D "Icon=$(realpath --relative-to=. "$here/assets/convertitore-pixel-cm.ico")" \
    -o "$out" "$here/assets/convertitore-pixel-cm.wxs" 2> >(grep -v "builder.vala.*unimplemented" >&2)
"${at_release_time[@]}" msibuild "$out" \
    -s "Convertitore pixel cm per stampe" "Convertitore Pixel Cm developers" "x64;1040" "$package_code"
