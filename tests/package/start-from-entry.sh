#!/bin/sh
# Starts the installed program the way a desktop launch does, from the folder
# its desktop entry's Path= names, waits for its window, checks that the
# window's class (WM_CLASS) is the entry's StartupWMClass, and ends it with
# Alt+E, expecting status 0. Runs inside tools/xsession.sh.
#   start-from-entry.sh <root> [chroot] [screenshot.png]
# <root> holds the installed files under usr/: an unpacked package, or with
# "chroot" a whole system, in which the program then runs on that system's own
# libraries and plugins.
set -eu
root=$1
mode=${2:-}
shot=${3:-}
fail() { echo "FAIL: $*" >&2; exit 1; }

entry="$root/usr/share/applications/org.quillmere.tarot.desktop"
folder=$(sed -n 's/^Path=//p' "$entry")
program=$(sed -n 's/^Exec=//p' "$entry")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$folder" ] && [ -n "$program" ] || fail "the entry names no Path= or no Exec="
[ -n "$wm_class" ] || fail "the entry names no StartupWMClass"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "starting $program in $folder, as the entry says"
if [ "$mode" = chroot ]; then
    mkdir -p -m 700 "$root/tmp/xdg-runtime"
    chroot "$root" /usr/bin/env -i DISPLAY="$DISPLAY" HOME=/root XDG_RUNTIME_DIR=/tmp/xdg-runtime \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
        /bin/sh -c "cd '$folder' && exec $program" >"$log" 2>&1 &
else
    case $program in
        /*) binary="$root$program" ;;
        *) binary="$root/usr/bin/$program" ;;
    esac
    (cd "$root$folder" && exec "$binary") >"$log" 2>&1 &
fi
pid=$!

tries=0
until wid=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -n 1) && [ -n "$wid" ]; do
    tries=$((tries + 1))
    [ $tries -gt 300 ] && { kill $pid 2>/dev/null; cat "$log" >&2; fail "the installed program showed no window"; }
    sleep 0.1
done
# The window manager maximizes the main window after mapping it: keys go to
# the window once it has settled there.
tries=0
until xprop -id "$wid" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; do
    tries=$((tries + 1)); [ $tries -gt 300 ] && fail "the window manager never maximized the program's window"
    sleep 0.1
done

# WM_CLASS holds two strings, instance then class; a dock matches the class.
classes=$(xprop -id "$wid" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = //p')
echo "its window: WM_CLASS $classes; the entry: StartupWMClass=$wm_class"
class=$(echo "$classes" | sed 's/^"[^"]*", "\(.*\)"$/\1/')
[ "$class" = "$wm_class" ] || fail "the window's class \"$class\" is not the entry's StartupWMClass"

[ -z "$shot" ] || import -window root "$shot"
xdotool windowactivate --sync "$wid" key alt+e
tries=0
while kill -0 $pid 2>/dev/null; do
    tries=$((tries + 1)); [ $tries -gt 100 ] && { kill $pid; fail "Alt+E did not end it"; }
    sleep 0.1
done
status=0
wait $pid || status=$?
if [ -s "$log" ]; then
    echo "it wrote:"
    sed 's/^/  /' "$log"
fi
[ $status -eq 0 ] || fail "it ended with status $status"
echo "the installed program started, showed its window and ended on Alt+E with status 0"
