# SPDX-License-Identifier: MIT
# Sourced by the scripts that need a virtual X display of their own.

# Adds a command to what the calling shell runs when it exits, before what is already there:
# what was set up last is cleaned up first.
on_exit() {
    local action=$1 previous
    # `trap -p` prints the trap as a quoted shell command: trap -- 'ACTION' EXIT.
    eval "set -- $(trap -p EXIT)"
    previous=${3:-}
    # shellcheck disable=SC2064
    trap "$action${previous:+; $previous}" EXIT
}

# Starts Xvfb on a free display with a screen of WIDTHxHEIGHT pixels (1280x800 unless given),
# exports DISPLAY, and stops it when the calling shell exits. -noreset keeps the server as it is
# when its last client leaves.
start_virtual_display() {
    # The FIFO lives in a private folder of its own: no other user can put a file at its name
    # between choosing the name and making it.
    local folder number
    folder=$(mktemp -d)
    mkfifo "$folder/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -nolisten tcp -noreset 3>"$folder/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 20 number <"$folder/display" || { echo "Xvfb did not start" >&2; rm -rf "$folder"; return 1; }
    rm -rf "$folder"
    export DISPLAY=":$number"
    on_exit 'kill "$XVFB_PID" 2>/dev/null || true'
}

# Prints a window's size as WIDTHxHEIGHT.
window_size() {
    xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: //p' || true
}

# Waits, at most 60 seconds, for a mapped window with this caption (the program's by default)
# whose size has stayed the same for three looks in a row, and prints its id. Wine names its X
# window before it maps it and gives it its final size.
wait_for_window() {
    local caption=${1:-CONVERTITORE PIXEL CM PER STAMPE} deadline=$((SECONDS + 60))
    local id size last= same=0
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --limit 1 --name "^$caption\$" 2>/dev/null | head -n 1 || true)
        size=
        [ -n "$id" ] && size=$(window_size "$id")
        if [ -n "$size" ] && [ "$size" = "$last" ]; then
            same=$((same + 1))
            if ((same >= 2)); then
                printf '%s\n' "$id"
                return 0
            fi
        else
            same=0
        fi
        last=$size
        sleep 0.25
    done
    echo "no mapped window of a steady size captioned '$caption' within 60 s" >&2
    return 1
}

# Waits, at most 60 seconds, until no window with this caption but $window is left, mapped or
# not: Wine keeps a closed message box, and the window it disabled, for a while.
wait_until_only_window() {
    local caption=${1:-CONVERTITORE PIXEL CM PER STAMPE} deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        if [ -z "$(xdotool search --name "^$caption\$" 2>/dev/null | grep -vx "$window")" ]; then
            return 0
        fi
        sleep 0.2
    done
    echo "windows captioned '$caption' besides $window still there after 60 s" >&2
    return 1
}

# Presses keys that close the window they are sent to (alt+F4, or Return in a message box).
# Wine 10 destroys the window on the press, so that the release finds no window and xdotool
# reports an X error: whether the window closed is for the caller to check.
press_closing_keys() {
    local target=$1
    shift
    xdotool key --window "$target" "$@" 2>/dev/null || true
}

# Clicks at coordinates of $window (times $scale, where a script sets one) and lets the
# program answer.
click_at() {
    xdotool mousemove --window "$window" $(($1 * ${scale:-1})) $(($2 * ${scale:-1})) click 1
    sleep 0.3
}

# Saves a PNG of one window.
screenshot_window() {
    /usr/bin/import -window "$1" "$2"
}

# Prints the clipboard's text once it differs from what it held before the last
# mark_clipboard, waiting at most 15 seconds: a slow or busy program copies late.
mark_clipboard() {
    printf '%s' "clipboard-mark-$$" | xclip -i -selection clipboard >/dev/null 2>&1
}
read_clipboard() {
    local text
    for _ in $(seq 75); do
        text=$(timeout 3 xclip -o -selection clipboard 2>/dev/null || true)
        if [ -n "$text" ] && [ "$text" != "clipboard-mark-$$" ]; then
            printf '%s\n' "$text"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Selects the whole text of the field at these coordinates of $window, as a keyboard user does
# (End, then Shift+Home, in a Qt line edit and a classic Windows edit alike), copies it and
# prints it.
read_field() {
    mark_clipboard
    click_at "$1" "$2"
    xdotool key --window "$window" End shift+Home ctrl+c
    read_clipboard
}

# Where a control of the window stands, as the layout table says: CONTROL_PLACES names the
# program that prints every control's place (window/places). Prints the centre of the control
# of this name, or of the tab "SSTab1.N", as "X Y" in the window's logical pixels.
control_centre() {
    "${CONTROL_PLACES:?CONTROL_PLACES must name the control-places program}" \
        | awk -v name="$1" '$1 == name { printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2; found = 1 }
            END { if (!found) { print "no control named " name > "/dev/stderr"; exit 1 } }'
}

# Runs a helper that takes coordinates at the centre of the named control: at_control NAME
# HELPER [ARGUMENT...] runs HELPER X Y ARGUMENT...
at_control() {
    local at x y name=$1 helper=$2
    shift 2
    at=$(control_centre "$name") || return 1
    read -r x y <<<"$at"
    "$helper" "$x" "$y" "$@"
}

# The same helpers by the control's name: click_control Command2, read_control Text6,
# wait_for_control Text8 3888, type_into Combo1 240 (the field's whole text replaced).
click_control() { at_control "$1" click_at; }
read_control() { at_control "$1" read_field; }
wait_for_control() { at_control "$1" wait_for_field "$2"; }
type_into() {
    click_control "$1" || return 1
    xdotool key --window "$window" End shift+Home BackSpace
    xdotool type --window "$window" --delay 30 "$2"
}

# Waits, at most 60 seconds, until the field at these coordinates of $window reads this text:
# a window shows before its controls answer, and a window a message box disabled answers
# again only once the box is gone.
wait_for_field() {
    local deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        [ "$(read_field "$1" "$2" || true)" = "$3" ] && return 0
        sleep 0.5
    done
    echo "the field at $1,$2 did not read '$3' within 60 s" >&2
    return 1
}
