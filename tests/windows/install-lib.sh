# SPDX-License-Identifier: MIT
# Sourced by the install tests: a Wine prefix of the test's own, what it holds, and the installed
# program started and asked for a result.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/lib/xvfb-lib.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

wine() { "$here/../../scripts/lib/wine-run.sh" "$@"; }

# Makes the test's prefix in FOLDER/prefix and starts a virtual display for it.
start_prefix() {
    export WINE_RUN_PREFIX=$1/prefix
    start_virtual_display
    on_exit 'wine wineserver -k 2>/dev/null || true'
    wine cmd /c exit >/dev/null
    wine wineserver -w
    user_folder=$WINE_RUN_PREFIX/drive_c/users/$(id -un)
    [ -d "$user_folder" ] || user_folder=$(find "$WINE_RUN_PREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
    user_menu="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
    common_menu="$WINE_RUN_PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
}

# What the prefix holds, outside Windows's own folder and the temporary folders: every file and
# folder, and every registry key of the machine's and of the user's. An uninstalled program
# leaves it as it was. (An NSIS uninstaller runs from a copy in the temporary folder, which
# Windows removes at the next start; Windows Installer keeps its packages under C:\windows.)
prefix_state() {
    wine wineserver -w
    (cd "$WINE_RUN_PREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune \
        -o -print | LC_ALL=C sort)
    for hive in system.reg user.reg; do
        sed -n "s/^\(\[.*\]\) [0-9]*\$/$hive \1/p" "$WINE_RUN_PREFIX/$hive" | LC_ALL=C sort
    done
}

# Fails unless the prefix holds what it held before: prefix_unchanged STATE WHAT [KEPT], where
# KEPT, an extended regular expression, matches the lines of what Windows itself made on the
# way and keeps.
prefix_unchanged() {
    local now kept=${3:-'^$'}
    now=$(prefix_state | grep -Ev "$kept" || true)
    [ "$now" = "$1" ] || fail "$2 left behind: $(diff <(echo "$1") <(echo "$now") | grep '^[<>]' || true)"
}

# The uninstall entry of this key in this hive (system.reg is the machine's, user.reg the
# user's), as "NAME=VALUE" lines with the registry file's escapes undone; nothing if absent.
uninstall_entry() {
    local hive=$1 key=$2
    awk -v header="[Software\\\\\\\\Microsoft\\\\\\\\Windows\\\\\\\\CurrentVersion\\\\\\\\Uninstall\\\\\\\\$key]" '
        index($0, header) == 1 { inside = 1; next }
        /^\[/ { inside = 0 }
        inside && /^"/ { print }' "$WINE_RUN_PREFIX/$hive" \
        | sed -e 's/^"\([^"]*\)"=/\1=/' -e 's/^\([^=]*\)=str([0-9]*):/\1=/' -e 's/^\([^=]*\)="\(.*\)"$/\1=\2/' \
            -e 's/\\"/"/g' -e 's/\\\\/\\/g'
}

# The value of NAME in uninstall_entry's lines on standard input.
entry_value() {
    sed -n "s/^$1=//p"
}

# Starts the installed program, computes on the tab in front (Pix -> Cm: 3888 × 2592 pixels at
# 240 DPI print 41 × 27 cm) and closes it.
program_computes() {
    local program_pid width height
    wine "$1" &
    program_pid=$!
    window=$(wait_for_window) || fail "the installed program showed no window"
    wait_for_control Text8 3888 || fail "the installed program does not answer"
    click_control Command2
    width=$(read_control Text6)
    height=$(read_control Text5)
    [ "$width × $height" = "41 × 27" ] || fail "the installed program computes $width × $height, not 41 × 27"
    press_closing_keys "$window" alt+F4
    timeout 20 tail --pid="$program_pid" -f /dev/null || fail "the installed program did not end"
    wait "$program_pid" || fail "the installed program ended with status $?"
}

# What the user's own desktop holds, as names and change times: Wine's menu builder would put
# menu entries and icons there.
desktop_state() {
    find "$HOME/.local/share/"{applications,icons,mime,desktop-directories} "$HOME/.config/menus" \
        -printf '%p %T@\n' 2>/dev/null | sort || true
}
