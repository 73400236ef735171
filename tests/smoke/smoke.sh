#!/bin/sh
# The real program in a real X server (run inside tools/xsession.sh):
#   1. with both texts, the main window maps maximized and Alt+E ends it with status 0;
#   2. without meanings.txt, an error box shows instead of any window, Return ends with status 1;
#   3. without about.txt, the main window works until Alt+I shows the error box.
#   smoke.sh <program> <folder with meanings.txt and about.txt>
set -eu
program=$1
data=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/wait-exit.sh"

screen_w=$(xwininfo -root | awk '/Width:/ {print $2}')
screen_h=$(xwininfo -root | awk '/Height:/ {print $2}')

# Waits for the process's only visible window and prints its id.
wait_window() {
    tries=0
    while :; do
        ids=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true)
        [ -n "$ids" ] && { echo "$ids"; return 0; }
        tries=$((tries + 1))
        [ $tries -gt 150 ] && return 1
        sleep 0.1
    done
}

geometry() { xwininfo -id "$1" | awk -v k="$2" '$0 ~ k {print $NF}'; }

# Waits up to 30 s for the window manager to maximize the window (its client
# area spanning the screen's width and reaching its bottom), so that keys and
# measurements go to the window as it stays; whether it got there is judged by
# the caller.
wait_maximized() {
    tries=0
    until [ "$(geometry "$1" 'Absolute upper-left X')" -eq 0 ] && [ "$(geometry "$1" 'Width:')" -eq "$screen_w" ] &&
          [ $(($(geometry "$1" 'Absolute upper-left Y') + $(geometry "$1" 'Height:'))) -eq "$screen_h" ]; do
        tries=$((tries + 1)); [ $tries -gt 300 ] && return 0
        sleep 0.1
    done
}

start() { # folder
    (cd "$1" && exec "$program" >"$scratch/out.log" 2>&1) &
    pid=$!
}

echo "case 1: a whole start and Exit"
mkdir "$scratch/both"
cp "$data/meanings.txt" "$data/about.txt" "$scratch/both/"
start "$scratch/both"
wid=$(wait_window $pid) || fail "the main window never mapped"
[ "$(echo "$wid" | wc -l)" -eq 1 ] || fail "more than one window: $wid"
wait_maximized "$wid"
x=$(geometry "$wid" 'Absolute upper-left X'); y=$(geometry "$wid" 'Absolute upper-left Y')
w=$(geometry "$wid" 'Width:'); h=$(geometry "$wid" 'Height:')
echo "  client area ${w}x${h} at $x,$y on a ${screen_w}x${screen_h} screen"
[ "$x" -eq 0 ] && [ "$w" -eq "$screen_w" ] || fail "not maximized across: ${w} wide at x=$x"
[ $((y + h)) -eq "$screen_h" ] && [ "$y" -lt 40 ] || fail "not maximized down: $h high at y=$y"
xdotool windowactivate --sync "$wid" key alt+e
wait_exit
[ "$status" = 0 ] || fail "Alt+E ended with status $status"
[ ! -s "$scratch/out.log" ] || { cat "$scratch/out.log" >&2; fail "the program wrote to the console"; }

echo "case 2: no meanings.txt"
mkdir "$scratch/none"
cp "$data/about.txt" "$scratch/none/"
start "$scratch/none"
wid=$(wait_window $pid) || fail "no error box appeared"
[ "$(echo "$wid" | wc -l)" -eq 1 ] || fail "a window showed beside the error box"
title=$(xprop -id "$wid" _NET_WM_NAME)
echo "  box: $title"
echo "$title" | grep -q '"Quillmere Tarot"' || fail "the visible window is not the error box"
xdotool windowactivate --sync "$wid" key Return
wait_exit
[ "$status" = 1 ] || fail "closing the error box ended with status $status"

echo "case 3: no about.txt"
mkdir "$scratch/noabout"
cp "$data/meanings.txt" "$scratch/noabout/"
start "$scratch/noabout"
wid=$(wait_window $pid) || fail "the main window never mapped"
wait_maximized "$wid"
xdotool windowactivate --sync "$wid" key alt+i
tries=0
until [ "$(xdotool search --onlyvisible --pid $pid | wc -l)" -eq 2 ]; do
    tries=$((tries + 1)); [ $tries -gt 100 ] && fail "no error box beside the main window"; sleep 0.1
done
box=$(xdotool search --onlyvisible --pid $pid | grep -v "^$wid\$")
xprop -id "$box" _NET_WM_NAME | grep -q '"Quillmere Tarot"' || fail "the new window is not the error box"
xdotool windowactivate --sync "$box" key Return
wait_exit
[ "$status" = 1 ] || fail "closing the error box ended with status $status"
echo "all cases passed"
