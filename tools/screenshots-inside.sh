#!/bin/sh
# The part of screenshots.sh that runs inside the X session.
set -eu
program=$1 data=$2 out=$3
cd "$data"
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window() { xdotool search --sync --onlyvisible --pid "$pid" | tail -n 1; }
settle() { sleep 0.6; }

# The client area below the menu bar: the first black row under the window's top.
client_geometry() {
    wid=$(window)
    info=$(xwininfo -id "$wid")
    wx=$(echo "$info" | awk '/Absolute upper-left X/ {print $4}')
    wy=$(echo "$info" | awk '/Absolute upper-left Y/ {print $4}')
    ww=$(echo "$info" | awk '/Width:/ {print $2}')
    wh=$(echo "$info" | awk '/Height:/ {print $2}')
    import -window root "$out/.probe.png"
    menu=$(convert "$out/.probe.png" -crop "1x80+$((wx + 2))+$wy" txt:- |
        awk -F'[,:]' 'NR > 1 && /#000000/ {print $2; exit}')
    rm -f "$out/.probe.png"
    cx=$wx cy=$((wy + menu)) cw=$ww ch=$((wh - menu))
}

# The centre of a design rectangle given in twips, for a reference size.
at() { # left top width height refw refh
    x=$((cx + ($1 + $3 / 2) * cw / ($5 * 15)))
    y=$((cy + ($2 + $4 / 2) * ch / ($6 * 15)))
}
deal() { at "$@"; xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1; sleep 0.15; }
preview() { at "$@"; xdotool mousemove "$x" "$y" mousedown 3 mouseup 3; sleep 0.15; }
shot() { settle; xdotool mousemove 1279 799; sleep 0.2; import -window root "$out/$1.png"; }

settle
client_geometry

deal 5760 3480 1170 1755 792 573
deal 7320 3480 1170 1755 792 573
deal 8880 3480 1170 1755 792 573
preview 7320 3480 1170 1755 792 573
shot main

xdotool key alt+c
sleep 1
settle
client_geometry
deal 6240 2880 480 480 792 554 # the part of slot 1 that slot 2 leaves uncovered
for slot in "6720 3360" "6240 960" "6360 5280" "4800 2880" "8040 2880" \
            "9600 6240" "9600 4320" "9600 2400" "9600 480"; do
    deal $slot 1170 1755 792 554
done
preview 6720 3360 1170 1755 792 554
shot celtic

xdotool key alt+q
sleep 1
settle
client_geometry
for slot in "7680 480" "5880 1440" "9480 1440" "7680 2400" "5880 3360" "9480 3360" \
            "7680 4320" "5880 5280" "9480 5280" "7680 6240"; do
    deal $slot 1170 1755 792 573
done
preview 7680 480 1170 1755 792 573
shot qabalistic

xdotool key alt+i
shot information
echo "screenshots in $out"
