#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes every file a user downloads, from clean builds of the commit checked out, into dist/:
# the Debian package, the Windows ZIP, the Windows installer and the Windows Installer package
# (MSI), the web folder as a ZIP, and SHA256SUMS listing them.
# The same commit gives the same bytes wherever, whenever and by whomever it is built.
#     scripts/release.sh [--allow-dirty] [--reuse-builds] [--sign CERT.p12]
# --allow-dirty builds a tree with uncommitted changes (its files are then not the commit's).
# --reuse-builds packs again what the last release of this tree built, instead of building it
# anew: for signing a release just made and checked, as the reproducibility test does.
# --sign signs the Windows program, in the ZIP, the installer and the MSI, and the installer, its
# uninstaller and the MSI themselves with Authenticode (scripts/lib/sign.sh: the password asked on
# the terminal, or from the file SIGN_PASSWORD_FILE names, a time stamp from SIGN_TIMESTAMP_URL
# where set). Signed files are not reproducible, as a signature records its
# time; without --sign nothing changes.
set -euo pipefail
cd "$(dirname "$0")/.."

allow_dirty=0
reuse_builds=0
certificate=
while (($# > 0)); do
    case "$1" in
    --allow-dirty) allow_dirty=1 ;;
    --reuse-builds) reuse_builds=1 ;;
    --sign)
        [ $# -ge 2 ] || { echo "release: --sign needs a certificate file" >&2; exit 2; }
        certificate=$(realpath "$2")
        shift
        ;;
    *)
        echo "usage: scripts/release.sh [--allow-dirty] [--reuse-builds] [--sign CERT.p12]" >&2
        exit 2
        ;;
    esac
    shift
done
sign() {
    [ -z "$certificate" ] || scripts/lib/sign.sh "$@"
}
# CPack signs the program it stages for the installer, and NSIS the uninstaller, by this
# (cmake/normalize-staging.cmake, cmake/NSIS.template.in).
if [ -n "$certificate" ]; then
    source scripts/lib/sign-password.sh
    ask_sign_password "$certificate"
    export SIGN_CERTIFICATE=$certificate
else
    unset SIGN_CERTIFICATE
fi
if ((!allow_dirty)) && [ -n "$(git status --porcelain)" ]; then
    echo "release: the tree has uncommitted changes (see git status); commit them, or pass --allow-dirty" >&2
    exit 1
fi
commit=$(git rev-parse HEAD)

# Every time stamp is the commit's; dates are read in UTC; files are made with the same modes.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH TZ=UTC0 LC_ALL=C.UTF-8
umask 022

if ((reuse_builds)); then
    rm -rf build/dist-linux/packages build/dist-windows/packages build/dist-windows/zip \
        build/dist-web/zip dist
else
    rm -rf build/dist-linux build/dist-windows build/dist-web dist
fi
mkdir -p dist
scripts/setup.sh dist-linux
scripts/setup.sh dist-windows
scripts/setup.sh dist-web
(cd build/dist-linux && cpack -G DEB -B packages >/dev/null)
(cd build/dist-windows && cpack -G NSIS -B packages >/dev/null)
sign build/dist-windows/packages/*.exe
cp build/dist-linux/packages/*.deb build/dist-windows/packages/*.exe dist/

# Packs a staged folder into dist/NAME.zip: no extra fields, names in a fixed order, one time
# and fixed modes. (CPack's ZIP would record the builder's user and group ids.)
pack_folder() {
    local stage=$1 name=$2 zip
    zip=$(pwd)/dist/$name.zip
    chmod -R u=rwX,go=rX "$stage"
    find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    (cd "$stage" && find "$name" -type f | sort | zip -X -D -9 -q "$zip" -@)
}

# The portable Windows ZIP and the MSI, from the same staged files, and the web folder, ready
# for any static web host.
name=$(basename build/dist-windows/packages/*.exe .exe)
cmake --install build/dist-windows --prefix "build/dist-windows/zip/$name" --strip >/dev/null
sign "build/dist-windows/zip/$name/bin/"*.exe
pack_folder build/dist-windows/zip "$name"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/dist-windows/CMakeCache.txt)
scripts/lib/make-msi.sh "build/dist-windows/zip/$name" "$version" "dist/$name.msi"
sign "dist/$name.msi"
web=${name%-win64}-web
mkdir -p build/dist-web/zip
cp -r build/dist-web/site "build/dist-web/zip/$web"
pack_folder build/dist-web/zip "$web"

(cd dist && sha256sum -- *.deb *.exe *.msi *.zip >SHA256SUMS)
echo "Release files of commit $commit$( ((allow_dirty)) && [ -n "$(git status --porcelain)" ] && echo ' with uncommitted changes'), in $(pwd)/dist:"
cat dist/SHA256SUMS
