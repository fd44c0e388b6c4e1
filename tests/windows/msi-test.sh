#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows Installer package under Wine, as an IT department deploys it: an older version
# (built here from the same files) installed silently, then this version installed over it,
# which replaces it, and the next one over this (a version one higher in the third field, the
# last that Windows Installer compares; one higher only in the fourth is refused); the program
# started from its folder; then removed silently, leaving the prefix as it was.
#     msi-test.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
source "$(dirname "$0")/install-lib.sh"
root=$(cd "$here/../.." && pwd)

out=$(mktemp -d)
on_exit 'rm -rf "$out"'
cmake --install "$build" --prefix "$out/stage" --strip >/dev/null
"$root/scripts/lib/make-msi.sh" "$out/stage" 0.9.0.0 "$out/older.msi"
"$root/scripts/lib/make-msi.sh" "$out/stage" "$version" "$out/current.msi"
# The next release, as Windows Installer tells versions apart: by the third field.
IFS=. read -r major minor build _ <<<"$version"
next=$major.$minor.$((build + 1)).0
"$root/scripts/lib/make-msi.sh" "$out/stage" "$next" "$out/next.msi"
# A version that differs only in the fourth field would install beside this one: refused.
if "$root/scripts/lib/make-msi.sh" "$out/stage" "$major.$minor.$build.1" "$out/fourth.msi" 2>"$out/refusal"; then
    fail "a package of $major.$minor.$build.1 was made, which Windows Installer would not tell from $version"
fi
grep -q "only in the fourth field" "$out/refusal" || fail "refused without saying why: $(cat "$out/refusal")"

desktop_before=$(desktop_state)
start_prefix "$out"
before=$(prefix_state)
folder="$WINE_RUN_PREFIX/drive_c/Program Files/Convertitore pixel cm"

# The uninstall entries Windows Installer keeps for this program (one key a product code), as
# "CODE VERSION" lines.
installed_versions() {
    local code
    grep -o '^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\{[0-9A-F-]*}\]' \
        "$WINE_RUN_PREFIX/system.reg" | grep -o '{[0-9A-F-]*}' | while read -r code; do
        uninstall_entry system.reg "$code" | grep -qx 'DisplayName=Convertitore pixel cm per stampe' \
            && echo "$code $(uninstall_entry system.reg "$code" | entry_value DisplayVersion)"
    done
}

msiexec() {
    wine msiexec "$@" || fail "msiexec $* ended with status $?"
    wine wineserver -w
}

msiexec /i "$(wine winepath -w "$out/older.msi")" /qn
older=$(installed_versions)
[ "${older#* }" = 0.9.0.0 ] || fail "the older package installed as '$older'"
[ -f "$folder/bin/convertitore-pixel-cm.exe" ] || fail "the older package put no program in $folder"

msiexec /i "$(wine winepath -w "$out/current.msi")" /qn
current=$(installed_versions)
[ "$(wc -l <<<"$current")" = 1 ] || fail "after the upgrade, installed: $current"
[ "${current#* }" = "$version" ] || fail "after the upgrade, installed: $current"
[ "${current% *}" != "${older% *}" ] || fail "both versions have the product code ${older% *}"
entry=$(uninstall_entry system.reg "${current% *}")
[ "$(entry_value Publisher <<<"$entry")" = "Convertitore Pixel Cm developers" ] \
    || fail "the uninstall entry names no publisher"
# Windows puts a package's shortcut in the Start menu of every user; Wine's Windows Installer
# resolves the Start menu folder for the user who installs.
shortcut=
for menu in "$common_menu" "$user_menu"; do
    [ -f "$menu/Convertitore pixel cm per stampe.lnk" ] && shortcut=$menu
done
[ -n "$shortcut" ] || fail "no Start menu entry"
program_computes "$folder/bin/convertitore-pixel-cm.exe"

msiexec /i "$(wine winepath -w "$out/next.msi")" /qn
upgraded=$(installed_versions)
[ "$(wc -l <<<"$upgraded")" = 1 ] && [ "${upgraded#* }" = "$next" ] \
    || fail "after the upgrade to $next, installed: $upgraded"

msiexec /x "$(wine winepath -w "$out/next.msi")" /qn
# Windows Installer's own registers, empty again, stay as on every Windows.
prefix_unchanged "$before" "removing the package" \
    '^system.reg \[Software\\\\(Classes\\\\Installer|Microsoft\\\\Windows\\\\CurrentVersion\\\\Installer(\\\\UserData\\\\S-1-5-18)?)\\\\[A-Za-z]+\]$'

[ "$(desktop_state)" = "$desktop_before" ] \
    || fail "the user's desktop changed: $(diff <(echo "$desktop_before") <(desktop_state) || true)"
echo "PASS: installed 0.9.0.0 (${older% *}), upgraded to $version (${current% *}) and to $next with one entry left each time, Start menu entry in $shortcut, started and computed 41 × 27, removed silently with nothing left"
