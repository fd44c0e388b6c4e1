#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing need (only those that are
# missing), then configures and builds the given CMake preset (default: dev), or only the
# given targets of it.
#     scripts/setup.sh [PRESET [TARGET...]]
set -euo pipefail

preset=${1:-dev}
shift || true
cd "$(dirname "$0")/.."

packages=(cmake ninja-build)
case "$preset" in
windows | dist-windows)
    packages+=(
        # the cross-compiler and the resource compiler, and the framework of the shared tests
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools doctest-dev
        # Wine on a virtual X display, its own fonts, real input events and the clipboard
        wine64 fonts-wine xvfb xauth xdotool xclip x11-utils imagemagick libx11-dev g++
        # the outline face Wine draws the window in, where Windows has Microsoft Sans Serif
        fonts-dejavu-core
        # the regional settings Wine reads from LANG, the installer, and signing a release
        locales nsis zip unzip osslsigncode openssl
        # the Windows Installer package, made with times the release gives, and a look inside
        # the installer
        wixl msitools faketime 7zip
    )
    ;;
web | dist-web)
    packages+=(
        # the compiler to WebAssembly, the framework of the shared tests, and the browsers the
        # page is tested in: WebKit's needs a display, and takes its language from the locale
        emscripten doctest-dev chromium firefox-esr webkit2gtk-driver xvfb xauth locales zip
        # the page's scripts minified, and its files' compressed copies
        terser brotli
    )
    # Node runs the shared tests and drives the browser; a machine may have its own build.
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        packages+=(nodejs npm)
    fi
    ;;
dist-linux-arm64)
    # Debian's multiarch Qt for arm64 beside the host's build tools, and the cross compiler
    packages+=(g++-aarch64-linux-gnu qt6-base-dev qt6-base-dev:arm64 dpkg-dev file)
    ;;
cross-*)
    # Debian's cross compiler for the architecture, and qemu-user to run what it builds
    declare -A triples=([arm64]=aarch64-linux-gnu [armhf]=arm-linux-gnueabihf
        [i386]=i686-linux-gnu [ppc64el]=powerpc64le-linux-gnu [s390x]=s390x-linux-gnu)
    packages+=("g++-${triples[${preset#cross-}]}" qemu-user doctest-dev)
    ;;
*)
    packages+=(
        g++ qt6-base-dev doctest-dev
        # running on an X11 desktop, and the fonts the layout is measured with
        libqt6widgets6 fonts-dejavu-core
        # tests on a virtual X display with real input events
        xvfb xauth xdotool xclip x11-utils imagemagick libx11-dev
        # the accessibility tree read over AT-SPI as a screen reader reads it
        python3-pyatspi at-spi2-core dbus
        # release files made from the commit checked out, and compared when built at another time
        git faketime
        # desktop integration and packaging checks
        desktop-file-utils appstream lintian dpkg-dev file binutils-mingw-w64-x86-64 devscripts
        # sanitizers, fuzzing, memcheck and benchmarks
        clang libclang-rt-dev valgrind libbenchmark-dev libxcb1-dev libxcb-damage0-dev
    )
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
        missing+=("$package")
    fi
done

sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi
if [ "$preset" = dist-linux-arm64 ] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
    echo "Adding the arm64 architecture to dpkg, for its multiarch libraries"
    "${sudo[@]}" dpkg --add-architecture arm64
fi
if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    # sudo starts commands with a clean environment: the variable goes through env.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

case "$preset" in windows | dist-windows | web)
    # Wine, and WebKit's browser, take the user's regional settings from LANG only where glibc
    # has that locale. They are listed in /etc/locale.gen, as the system's own tools do it, so
    # that every later locale-gen keeps them.
    regenerate=0
    for entry in "it_IT.UTF-8 UTF-8" "en_US.UTF-8 UTF-8" "en_IN UTF-8" "de_CH.UTF-8 UTF-8" \
        "es_ES.UTF-8 UTF-8" "fr_FR.UTF-8 UTF-8"; do
        if ! grep -qxF "$entry" /etc/locale.gen; then
            if grep -qxE "# ?${entry//./\\.}" /etc/locale.gen; then
                "${sudo[@]}" sed -i -E "s/^# ?${entry//./\\.}\$/$entry/" /etc/locale.gen
            else
                echo "$entry" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
            fi
            regenerate=1
        fi
        locale=${entry%% *}
        if ! locale -a | grep -qxi "${locale%%.*}\.utf-\?8"; then
            regenerate=1
        fi
    done
    if ((regenerate)); then
        "${sudo[@]}" locale-gen
    fi
    ;;
esac

if [ "$preset" = web ]; then
    # The browser tests' own packages, exactly as the lock file names them; again only when
    # the lock file changed.
    if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.installed-lock.json; then
        npm ci --prefix tests/web --no-audit --no-fund
        cp tests/web/package-lock.json tests/web/node_modules/.installed-lock.json
    fi
fi

cmake --preset "$preset" >/dev/null
if (($# > 0)); then
    cmake --build --preset "$preset" --target "$@"
else
    cmake --build --preset "$preset"
fi
