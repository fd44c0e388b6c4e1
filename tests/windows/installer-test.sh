#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the portable ZIP and the installer, then, in a Wine prefix of its own, installs
# silently for the current user (by /CURRENTUSER, and by default) and for every user
# (/ALLUSERS): each time it finds the program, its Start menu entry and its uninstall entry
# where that choice puts them, starts the installed program, uninstalls it by the entry's own
# command and finds the prefix as it was; then once for each through its pages, where only an
# install for the user offers to start the program from its last page. The user's own desktop
# folders stay untouched.
set -euo pipefail
build=$1
source "$(dirname "$0")/install-lib.sh"

out=$(mktemp -d)
on_exit 'rm -rf "$out"'
(cd "$build" && cpack -B "$out" >/dev/null)
installer=$(ls "$out"/*-win64.exe)
zip=$(ls "$out"/*-win64.zip)
grep -q "bin/convertitore-pixel-cm.exe" <<<"$(unzip -l "$zip")" || fail "the ZIP holds no program"
# Windows starts it with the user's own rights, with no elevation prompt; it asks for them
# itself only for an install for every user.
grep -aq 'requestedExecutionLevel level="asInvoker"' "$installer" \
    || fail "the installer does not run with the user's own rights"

desktop_before=$(desktop_state)
start_prefix "$out"
before=$(prefix_state)

key=ConvertitorePixelCm
# install_for WHO ARGUMENT...: WHO is "user" or "machine".
install_for() {
    local who=$1 folder menu hive other entry uninstaller started
    shift
    if [ "$who" = user ]; then
        folder="$user_folder/AppData/Local/Programs/Convertitore pixel cm"
        menu=$user_menu hive=user.reg other=system.reg
    else
        folder="$WINE_RUN_PREFIX/drive_c/Program Files/Convertitore pixel cm"
        menu=$common_menu hive=system.reg other=user.reg
    fi
    wine "$installer" "$@"
    wine wineserver -w
    [ -f "$folder/bin/convertitore-pixel-cm.exe" ] || fail "$*: no program in $folder"
    [ -f "$menu/Convertitore pixel cm per stampe.lnk" ] || fail "$*: no Start menu entry in $menu"
    entry=$(uninstall_entry "$hive" "$key")
    [ -n "$entry" ] || fail "$*: no uninstall entry in $hive"
    [ -z "$(uninstall_entry "$other" "$key")" ] || fail "$*: an uninstall entry in $other too"
    for name in DisplayName DisplayVersion Publisher DisplayIcon; do
        [ -n "$(entry_value "$name" <<<"$entry")" ] || fail "$*: the uninstall entry has no $name"
    done
    # The uninstall entry's silent command, as "Programs and Features" or a deployment tool
    # runs it: "C:\...\Disinstalla.exe" /CURRENTUSER /S.
    uninstaller=$(entry_value QuietUninstallString <<<"$entry")
    [[ $uninstaller =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "$*: no silent uninstall command in '$uninstaller'"
    started=
    if [ "${START_PROGRAM:-1}" = 1 ]; then
        program_computes "$folder/bin/convertitore-pixel-cm.exe"
        started=" started and computed,"
    fi
    # shellcheck disable=SC2086
    wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    prefix_unchanged "$before" "uninstalling after $*"
    echo "$*: installed for the $who in $folder,$started uninstalled with nothing left"
}

install_for user /S /CURRENTUSER
START_PROGRAM=0 install_for user /S
install_for machine /S /ALLUSERS

# The program's processes in this test's prefix: other tests may run it beside this one, in
# prefixes of their own.
programs_in_prefix() {
    local pid
    for pid in $(pgrep -f 'convertitore-pixel-cm\.exe' || true); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINE_RUN_PREFIX" && echo "$pid"
    done
    return 0
}

# Through the installer's pages, each taken with Return as it shows (the licence accepted, the
# folder kept, "Fine" on the last page, where "Esegui" is ticked where it is offered): prints
# whether the program was started from the last page, and uninstalls. An install for every user
# runs elevated, and so would a program started from its last page: there none is offered.
# (Wine runs every program with the same rights: what it shows is whether the program starts.)
started_from_last_page() {
    local installer_pid hive=user.reg page command
    [ "$1" = /ALLUSERS ] && hive=system.reg
    wine "$installer" "$1" &
    installer_pid=$!
    while kill -0 "$installer_pid" 2>/dev/null; do
        page=$(xdotool search --onlyvisible --name '^Installazione di ' 2>/dev/null | head -n 1 || true)
        [ -z "$page" ] || xdotool key --window "$page" Return 2>/dev/null || true
        sleep 0.5
    done
    wait "$installer_pid" || fail "$1 through the pages ended with status $?"
    # The last page starts the program before the installer ends.
    if [ -n "$(programs_in_prefix)" ]; then
        echo started
        window=$(wait_for_window) || fail "$1: the program started from the last page showed no window"
        press_closing_keys "$window" alt+F4
    else
        echo "not started"
    fi
    wine wineserver -w
    command=$(uninstall_entry "$hive" "$key" | entry_value QuietUninstallString)
    [[ $command =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "$1 through the pages: no silent uninstall command"
    # shellcheck disable=SC2086
    wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    prefix_unchanged "$before" "uninstalling after $1 through the pages"
}
[ "$(started_from_last_page /CURRENTUSER)" = started ] \
    || fail "the last page of an install for the user started no program"
[ "$(started_from_last_page /ALLUSERS)" = "not started" ] \
    || fail "the last page of an install for every user started the program, as administrator"
echo "through the pages: the last page started the program after an install for the user, and offered no start after one for every user"

[ "$(desktop_state)" = "$desktop_before" ] \
    || fail "the user's desktop changed: $(diff <(echo "$desktop_before") <(desktop_state) || true)"
echo "PASS: ZIP and installer built; the installer runs as the invoker; installed for the user and for every user, started, uninstalled with nothing left; the user's desktop untouched"
