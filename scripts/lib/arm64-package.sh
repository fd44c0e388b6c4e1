#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Inside a Debian 12 root of scripts/release-arm64.sh: the Linux program's package for arm64,
# cross-built with Debian's multiarch Qt from the clone this script is in, with the release's
# times, locale and modes (scripts/release.sh). Prints the package's path on its last line.
#     arm64-package.sh SOURCE_DATE_EPOCH
set -euo pipefail
cd "$(dirname "$0")/../.."

export SOURCE_DATE_EPOCH=$1 TZ=UTC0 LC_ALL=C.UTF-8
umask 022
rm -rf build/dist-linux-arm64
scripts/setup.sh dist-linux-arm64 >&2
# dpkg-shlibdeps names the arm64 libraries the program links to.
(cd build/dist-linux-arm64 && DEB_HOST_ARCH=arm64 cpack -G DEB -B packages >&2)
ls "$(pwd)"/build/dist-linux-arm64/packages/*_arm64.deb
