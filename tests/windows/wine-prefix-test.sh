#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Wine helpers leave the user's own prefixes alone: with stand-ins for wine and wineserver
# that record what they are asked, a prefix the helper did not make, holding a file, is neither
# used nor removed, whether the environment's WINEPREFIX or WINE_RUN_PREFIX names it; an
# unfinished prefix of its own is made again; and a run at another resolution gives the prefix
# back the resolution it had.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../scripts/lib/wine-run.sh

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LOG=$work/calls.log
mkdir "$work/bin"
# wine: wineboot makes a prefix's registry, reg keeps LogPixels in a file, and any other
# program records the resolution it ran at.
cat >"$work/bin/wine64" <<'STUB'
#!/bin/sh
echo "wine $WINEPREFIX $*" >>"$LOG"
echo "overrides $WINEDLLOVERRIDES" >>"$LOG"
value=$WINEPREFIX/logpixels
case "$1 $2" in
"wineboot -i") touch "$WINEPREFIX/system.reg" ;;
"reg add") echo "$9" >"$value" ;;
"reg delete") rm -f "$value" ;;
"reg query")
    [ -f "$value" ] || exit 1
    printf 'HKEY_CURRENT_USER\\Control Panel\\Desktop\r\n    LogPixels    REG_DWORD    0x%x\r\n' "$(cat "$value")"
    ;;
*) echo "ran at $(cat "$value" 2>/dev/null || echo none)" >>"$LOG" ;;
esac
STUB
printf '#!/bin/sh\necho "wineserver $WINEPREFIX $*" >>"$LOG"\n' >"$work/bin/wineserver64"
chmod +x "$work/bin/wine64" "$work/bin/wineserver64"
export PATH=$work/bin:$PATH

users=$work/home/.wine
mkdir -p "$users/drive_c"
echo "the user's own" >"$users/drive_c/important.txt"
untouched() {
    [ "$(cat "$users/drive_c/important.txt" 2>/dev/null)" = "the user's own" ] \
        || fail "$1: the user's prefix lost its file"
    [ "$(ls -A "$users")" = drive_c ] || fail "$1: the user's prefix gained $(ls -A "$users")"
    [ ! -e "$users.lock" ] && [ ! -e "$(dirname "$users")/.wine-prefix.lock" ] \
        || fail "$1: a lock file was left beside the user's prefix"
    ! grep -q "$users" "$LOG" 2>/dev/null || fail "$1: Wine ran in the user's prefix: $(cat "$LOG")"
}

# The environment's WINEPREFIX is the user's: the helper runs in its own prefix instead.
own=$work/build/wine-prefix
status=0
WINEPREFIX=$users WINE_RUN_PREFIX=$own "$wine_run" program.exe || status=$?
untouched "WINEPREFIX in the environment"
[ "$status" -eq 0 ] || fail "the helper failed with status $status"
grep -qx "wine $own program.exe" "$LOG" || fail "the program did not run in the helper's prefix: $(cat "$LOG")"
[ -f "$own/.prefix-complete" ] || fail "the helper's prefix was not finished"

# Named as the helper's own, a prefix it did not make is refused, the server's included.
for command in program.exe "wineserver -k"; do
    # shellcheck disable=SC2086
    if WINE_RUN_PREFIX=$users "$wine_run" $command 2>"$work/refusal"; then
        fail "ran '$command' in a prefix it did not make"
    fi
    grep -q "not made by this script" "$work/refusal" || fail "refused without saying why: $(cat "$work/refusal")"
    untouched "WINE_RUN_PREFIX naming it ($command)"
done

# An empty folder named as the helper's own is the user's too: it is refused, and stays empty.
empty=$work/empty
mkdir "$empty"
if WINE_RUN_PREFIX=$empty "$wine_run" program.exe 2>"$work/refusal"; then
    fail "adopted an empty folder it did not make"
fi
[ -z "$(ls -A "$empty")" ] || fail "the user's empty folder gained $(ls -A "$empty")"

# The user's own library overrides come first, the helper's last, which Wine takes: the menu
# builder stays off whatever the user set.
: >"$LOG"
WINEDLLOVERRIDES='winemenubuilder.exe=b;msxml3=n' WINE_RUN_PREFIX=$own "$wine_run" program.exe
grep -qx "overrides winemenubuilder.exe=b;msxml3=n;mscoree,mshtml=;winemenubuilder.exe=d" "$LOG" \
    || fail "the user's overrides were not followed by the helper's: $(grep overrides "$LOG")"

# A prefix of its own that was cut short is made again.
rm "$own/.prefix-complete"
touch "$own/half-made"
WINE_RUN_PREFIX=$own "$wine_run" program.exe
[ ! -e "$own/half-made" ] && [ -f "$own/.prefix-complete" ] || fail "an unfinished prefix was not made again"

# A run at 192 DPI gives back the resolution the prefix had, or none.
for before in 120 none; do
    if [ "$before" = none ]; then rm -f "$own/logpixels"; else echo "$before" >"$own/logpixels"; fi
    : >"$LOG"
    WINE_RUN_PREFIX=$own bash "$here/at-dpi.sh" 192 program.exe
    grep -qx "ran at 192" "$LOG" || fail "the program did not run at 192 DPI: $(cat "$LOG")"
    after=$(cat "$own/logpixels" 2>/dev/null || echo none)
    [ "$after" = "$before" ] || fail "the prefix had $before DPI before and $after after"
done
echo "PASS: the user's prefix kept its file and got no lock, an empty folder was not adopted, the user's overrides came before the helper's; an unfinished own prefix was made again; the resolution was given back"
