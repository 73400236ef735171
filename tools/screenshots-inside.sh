#!/bin/sh
# The part of screenshots.sh that runs inside the X session.
set -eu
program=$1 data=$2 out=$3 size=${4:-} kind=${5:-trump}
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
corner=$(xdotool getdisplaygeometry | awk '{print $1 - 1, $2 - 1}')
shot() { settle; xdotool mousemove $corner; sleep 0.2; import -window root "$out/$1.png"; }

# The main window's preview pane on the screen: x y width height.
pane_geometry() {
    px=$((cx + 1200 * cw / (792 * 15))) py=$((cy + 2520 * ch / (573 * 15)))
    pw=$((3060 * cw / (792 * 15))) ph=$((4605 * ch / (573 * 15)))
}
# Whether the pane shows a trump: the faint rule that stops above a trump's
# band (row 270 of the 303) runs across the face there, in its own brown.
pane_shows_trump() {
    pane_geometry
    top=$((py + 266 * ph / 303)) rows=$((10 * ph / 303))
    import -window root -crop "$((pw * 8 / 10))x$rows+$((px + pw / 10))+$top" "$out/.rule.png"
    # The share of rule-brown pixels in each row; a trump has a row nearly all brown.
    brown=$(convert "$out/.rule.png" -fx 'abs(r*255-78)<24 && abs(g*255-66)<24 && abs(b*255-42)<24' \
        -scale "1x$rows!" -depth 8 -colorspace Gray txt:- | awk -F'[()]' 'NR > 1 {print $2}' | sort -n | tail -n 1)
    rm -f "$out/.rule.png"
    awk -v share="${brown%%,*}" 'BEGIN { exit !(share > 0.6 * 255) }'
}
# Whether the pane shows a court card: a court stands in a green landscape, so
# the field beside the figure, low on the face, is mostly green; a numbered
# card's field is near-black there, and a trump is told apart by its rule.
pane_shows_court() {
    pane_geometry
    top=$((py + 240 * ph / 303)) rows=$((16 * ph / 303))
    import -window root -crop "$((pw * 16 / 100))x$rows+$((px + pw * 6 / 100))+$top" "$out/.field.png"
    green=$(convert "$out/.field.png" -fx 'g > 0.3 && g > 1.15 * r && g > 1.15 * b' -colorspace Gray \
        -format '%[fx:mean]' info:)
    rm -f "$out/.field.png"
    awk -v share="$green" 'BEGIN { exit !(share > 0.6) }' && ! pane_shows_trump
}
# Deals onto the Present slot until a card of the kind asked for (trump or
# court) lies there, then previews it.
preview_a() {
    tries=0
    while :; do
        deal 7320 3480 1170 1755 792 573
        preview 7320 3480 1170 1755 792 573
        settle
        "pane_shows_$1" && return 0
        tries=$((tries + 1))
        [ $tries -lt 78 ] || { echo "screenshots: no $1 came up" >&2; return 1; }
    done
}

settle
client_geometry

deal 5760 3480 1170 1755 792 573
deal 8880 3480 1170 1755 792 573
# The large screen shows the kind of card asked for enlarged, the README's
# first picture a trump.
if [ -n "$size" ]; then
    preview_a "$kind"
    shot "main-$size"
    pane_geometry
    convert "$out/main-$size.png" -crop "$((pw + 8))x$((ph + 8))+$((px - 4))+$((py - 4))" +repage \
        "$out/main-$size-pane.png"
    echo "screenshots in $out"
    exit 0
fi
preview_a trump
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
