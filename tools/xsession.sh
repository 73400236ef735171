#!/bin/sh
# Runs a command inside a private X session: Xvfb with the openbox window
# manager (under Xvfb a window is only maximized when a window manager runs),
# its own HOME and XDG_RUNTIME_DIR, torn down afterwards.
#   sh tools/xsession.sh [-s WIDTHxHEIGHT] command [args...]
set -eu

size=1280x800
if [ "${1:-}" = "-s" ]; then size=$2; shift 2; fi

scratch=$(mktemp -d)
wm_pid=""
x_pid=""
trap 'kill $wm_pid $x_pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT INT TERM
mkdir -m 700 "$scratch/runtime" "$scratch/home"

# Let Xvfb pick a free display and tell us which. -noreset: by default the
# server resets whenever its last client leaves, and a client connecting during
# the reset is refused; the polls below come and go while openbox connects.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
x_pid=$!
exec 3>&-
tries=0
while [ ! -s "$scratch/display" ]; do
    tries=$((tries + 1))
    [ $tries -gt 300 ] && { echo "xsession: Xvfb chose no display within 30 s" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
tries=0
until DISPLAY=:$(cat "$scratch/display") xprop -root >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -gt 300 ] && {
        echo "xsession: Xvfb chose display :$(cat "$scratch/display") but did not answer there within 30 s" >&2
        cat "$scratch/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
DISPLAY=:$(cat "$scratch/display")
export DISPLAY
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

openbox >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 $wm_pid 2>/dev/null || { echo "xsession: openbox ended at start" >&2; cat "$scratch/openbox.log" >&2; exit 1; }
    tries=$((tries + 1))
    [ $tries -gt 300 ] && {
        echo "xsession: openbox did not take $DISPLAY within 30 s" >&2
        cat "$scratch/openbox.log" >&2; exit 1; }
    sleep 0.1
done

"$@"
