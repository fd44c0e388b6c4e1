#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing need (only those that are
# missing), then configures and builds the given CMake preset (default: dev).
set -euo pipefail

preset=${1:-dev}
cd "$(dirname "$0")/.."

packages=(
    cmake g++ ninja-build qt6-base-dev
    # running on an X11 desktop, and the fonts the layout is measured with
    libqt6widgets6 fonts-dejavu-core
    # tests on a virtual X display with real input events
    xvfb xauth xdotool xclip x11-utils imagemagick libx11-dev
    # desktop integration and packaging checks
    desktop-file-utils appstream lintian dpkg-dev file binutils-mingw-w64-x86-64
    # sanitizers, fuzzing, memcheck and benchmarks
    clang libclang-rt-14-dev valgrind libbenchmark-dev libxcb1-dev libxcb-damage0-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if ((EUID != 0)); then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
