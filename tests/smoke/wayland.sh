#!/bin/sh
# The real program as a native Wayland client of weston, judged by weston's own
# screenshots (run inside tools/xsession.sh, whose X server only carries the
# keyboard of case 2; the program itself never sees DISPLAY):
#   1. headless weston: the main window covers the output, maximized, with the
#      three slots face down where the layout puts them; it is ended by its pid;
#   2. weston on X: without meanings.txt only the error box shows, and a real
#      Return key (XTEST, through weston's seat) closes it: status 1.
#   wayland.sh <program> <folder with meanings.txt and about.txt> <folder for the screenshots>
set -eu
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$(cd "$2" && pwd)
shots=$3
mkdir -p "$shots"
scratch=$(mktemp -d)
weston_pid=""
pid=""
trap 'kill $pid $weston_pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/wait-exit.sh"

width=1280
height=800
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
# No panel, and a background the program never paints: whatever is not
# magenta in a screenshot is the program's.
background='#FF00FF'
cat >"$scratch/weston.ini" <<EOF
[core]
idle-time=0

[shell]
background-color=0xffff00ff
panel-position=none
EOF

# start_weston <backend> <socket>: --debug lets weston-screenshooter read the output.
start_weston() {
    weston --backend="$1" --use-pixman --width=$width --height=$height \
           --socket="$2" --debug --config="$scratch/weston.ini" >"$scratch/weston-$2.log" 2>&1 &
    weston_pid=$!
    export WAYLAND_DISPLAY="$2"
    tries=0
    until [ -S "$XDG_RUNTIME_DIR/$2" ]; do
        kill -0 $weston_pid 2>/dev/null || { cat "$scratch/weston-$2.log" >&2; fail "weston ($1) did not start"; }
        tries=$((tries + 1)); [ $tries -gt 300 ] && fail "weston ($1) opened no socket"
        sleep 0.1
    done
}

stop_weston() {
    kill $weston_pid 2>/dev/null || true
    wait $weston_pid 2>/dev/null || true
    weston_pid=""
}

# Starts the program in a folder as a Wayland client only, with any further
# VAR=value settings given.
start() { # folder [VAR=value...]
    folder=$1; shift
    (cd "$folder" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland "$@" "$program" >"$scratch/out.log" 2>&1) &
    pid=$!
}

# The program's own record of the Wayland events it received (WAYLAND_DEBUG=1):
# whether its keyboard is inside one of its surfaces now, going by the last
# enter or leave, and whether a key with the given evdev code was pressed.
# libwayland names an object wl_keyboard@7 up to 1.22 (Debian 12) and
# wl_keyboard#7 from 1.23 (Debian 13), which also puts the queue's name before
# it; wl_keyboard's enter, leave and key are events, received only.
keyboard_events='wl_keyboard[@#][0-9]+\.(enter|leave)\('
holds_keyboard() {
    grep -E "$keyboard_events" "$scratch/out.log" | tail -n 1 | grep -q '\.enter('
}
received_key() { # evdev code
    grep -qE "wl_keyboard[@#][0-9]+\\.key\\([0-9]+, [0-9]+, $1, 1\\)" "$scratch/out.log"
}
# until_true <seconds> <command...>: whether the command succeeds within that time.
until_true() {
    bound=$1; shift
    tries=0
    until "$@"; do
        tries=$((tries + 1)); [ $tries -gt $((bound * 10)) ] && return 1
        sleep 0.1
    done
}

# screenshot <file>: weston-screenshooter writes into its working folder.
shot_count=0
screenshot() {
    shot_count=$((shot_count + 1))
    dir="$scratch/shot-$shot_count"
    mkdir "$dir"
    (cd "$dir" && env -u DISPLAY weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$dir"/wayland-screenshot-*.png "$1" 2>/dev/null || return 1
    size=$(identify -format '%wx%h' "$1")
    [ "$size" = "${width}x$height" ] || fail "weston's output is $size, not ${width}x$height"
}

# mask <screenshot> <channel thresholds...>: writes $scratch/mask.png, white
# where the thresholds (each turning a failing channel white) leave every
# channel black.
mask() {
    image=$1; shift
    convert "$image" "$@" +channel -separate -evaluate-sequence max -negate "$scratch/mask.png"
}

white_pixels() {
    convert "$1" -precision 16 -format '%[fx:round(mean * w * h)]' info:
}

# The bounding boxes (WxH+X+Y) of the solid regions of card-back blue, one a
# line: pixels with hardly any red or green and strong blue, larger than the
# star's blue centre and filling at least three quarters of their box (the
# back's pattern has a few other pixels).
card_backs() {
    mask "$1" -channel RG -threshold 16% -channel B -negate -threshold 50%
    convert "$scratch/mask.png" -define connected-components:verbose=true -connected-components 8 null: |
        awk '$NF == "gray(255)" {
                 split($2, g, /[x+]/)
                 if ($4 >= 2000 && $4 >= 0.75 * g[1] * g[2]) print $2
             }'
}

# Pixels of the screenshot that are the desktop's background.
background_pixels() {
    convert "$1" -fill black +opaque "$background" -fill white -opaque "$background" "$scratch/mask.png"
    white_pixels "$scratch/mask.png"
}

# judge_desktop <screenshot>: the desktop before the program starts is all background.
judge_desktop() {
    [ "$(background_pixels "$1")" -eq $((width * height)) ] || echo "the empty desktop is not all background"
}

# judge_main <screenshot>: prints why the screenshot is not the maximized main
# window with three face-down slots, or nothing when it is.
judge_main() {
    uncovered=$(background_pixels "$1")
    [ "$uncovered" -eq 0 ] || { echo "the desktop shows in $uncovered pixels: the window does not cover the output"; return; }
    backs=$(card_backs "$1")
    [ "$(echo "$backs" | grep -c x)" -eq 3 ] || { echo "card backs seen: [$(echo $backs)], not three"; return; }
    # Past, Present and Future from left to right; the layout puts their
    # centres at 6345, 7905 and 9465 of an 11880-twip-wide client area and
    # makes a slot 1170 twips wide, so these follow the window's width.
    echo "$backs" | sort -t+ -k2n | awk -v W=$width '
        { split($0, g, /[x+]/); w[NR] = g[1]; h[NR] = g[2]; x[NR] = g[3] + g[1] / 2; y[NR] = g[4] }
        END {
            split("6345 7905 9465", c, " ")
            for (i = 1; i <= 3; i++) {
                if (x[i] < (c[i] / 11880 - 0.012) * W || x[i] > (c[i] / 11880 + 0.012) * W)
                    { printf "slot %d centred at x=%d, not near %d\n", i, x[i], c[i] / 11880 * W; exit }
                if (w[i] < 0.09 * W || w[i] > 0.105 * W)
                    { printf "slot %d is %d wide, not scaled to a %d-wide window\n", i, w[i], W; exit }
                if (w[i] - w[1] > 2 || w[1] - w[i] > 2 || h[i] != h[1] || y[i] != y[1])
                    { print "the three slots differ in size or row"; exit }
            }
            if (h[1] < 1.5 * w[1] - 40 || h[1] > 1.5 * w[1] + 40)
                { printf "slots %dx%d are not card-shaped\n", w[1], h[1] }
        }'
}

# The bounding box (W H) of the largest region that is not background: the
# one window on the desktop (the pointer, where weston draws one, stands apart).
largest_window() {
    convert "$1" -fill white +opaque "$background" -fill black -opaque "$background" -colorspace gray \
            -define connected-components:verbose=true -connected-components 8 null: |
        awk '$NF == "gray(255)" { if ($4 > area) { area = $4; box = $2 } }
             END { split(box, g, /[x+]/); print g[1] + 0, g[2] + 0 }'
}

# judge_box <screenshot>: prints why the screenshot is not a lone error box, or nothing.
judge_box() {
    [ -z "$(card_backs "$1")" ] || { echo "card backs are showing: the main window is there"; return; }
    set -- "$1" $(largest_window "$1")
    [ "$2" -ge 150 ] && [ "$3" -ge 60 ] || { echo "nothing the size of a box shows (${2}x$3)"; return; }
    [ "$2" -le $((width / 2)) ] && [ "$3" -le $((height / 2)) ] || { echo "a ${2}x$3 window shows, larger than a box"; return; }
    mask "$1" -channel R -negate -threshold 25% -channel GB -threshold 25%
    red=$(white_pixels "$scratch/mask.png")
    [ "$red" -ge 50 ] || echo "the ${2}x$3 window shows no red critical icon"
}

# until_seen <judge> <screenshot>: takes screenshots until the judge is
# content, for at most a minute; the last verdict stands.
until_seen() {
    verdict="no screenshot could be taken"
    tries=0
    while [ $tries -lt 60 ]; do
        [ -z "$pid" ] || kill -0 $pid 2>/dev/null || { cat "$scratch/out.log" >&2; fail "the program ended before it was seen"; }
        if screenshot "$2"; then
            verdict=$($1 "$2")
            [ -z "$verdict" ] && return 0
        fi
        tries=$((tries + 1))
        sleep 1
    done
    fail "$verdict (screenshot: $2)"
}

echo "case 1: headless weston, both texts"
start_weston headless-backend.so quillmere-headless
until_seen judge_desktop "$shots/desktop.png"
mkdir "$scratch/both"
cp "$data/meanings.txt" "$data/about.txt" "$scratch/both/"
start "$scratch/both"
until_seen judge_main "$shots/main.png"
echo "  seen: the window covers the ${width}x$height output; face-down slots $(card_backs "$shots/main.png" | sort -t+ -k2n | tr '\n' ' ')"
kill -TERM $pid
wait_exit
[ "$status" != timeout ] || fail "the program outlived its pid's TERM"
[ ! -s "$scratch/out.log" ] || { cat "$scratch/out.log" >&2; fail "the program wrote to the console"; }
stop_weston

echo "case 2: weston on X, no meanings.txt"
start_weston x11-backend.so quillmere-x11
mkdir "$scratch/none"
cp "$data/about.txt" "$scratch/none/"
start "$scratch/none" WAYLAND_DEBUG=1
until_seen judge_box "$shots/error-box.png"
echo "  seen: a lone box of $(largest_window "$shots/error-box.png" | tr ' ' x) with the critical icon"
output=$(timeout 30 xdotool search --sync --onlyvisible --class '^Weston Compositor$') || fail "weston's X window is not there"
# The key travels X server -> weston's X window -> weston's seat -> the box,
# so each link is made sure of before the one press a user would make. Two
# commands: chained after a window, xdotool would send the key as a synthetic
# event, which weston ignores; alone it goes through XTEST.
xdotool windowactivate --sync "$output"
until_true 60 holds_keyboard || fail "the error box never held weston's keyboard (the program's keyboard events: $(grep -cE "$keyboard_events" "$scratch/out.log"))"
xdotool key Return
return_code=28
if ! until_true 60 received_key $return_code; then
    fail "Return was pressed while the box held the keyboard, but never reached the program"
fi
wait_exit 60
[ "$status" != timeout ] || fail "the box received Return, but the program was still running 60 s later"
[ "$status" = 1 ] || fail "closing the error box with Return ended with status $status"
echo "  Return reached the box once it held the keyboard; the program ended with status 1"
stop_weston
echo "all cases passed"
