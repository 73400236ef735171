#!/bin/sh
# Installs under a scratch prefix that is on no PATH and whose name holds a
# space, then starts the program as a desktop menu does: GLib's launcher
# (gio launch) reads the installed entry's Exec= and Path=, with a PATH that
# lacks the prefix. The program must start from the texts' folder, show its
# window and end on Alt+E. The texts it installs are those of data/.
# Runs inside tools/xsession.sh:  install-test.sh <build-dir>
set -eu
build=$1
scratch=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$scratch/my apps"
env -u DESTDIR cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
entry="$prefix/share/applications/org.quillmere.tarot.desktop"
program="$prefix/bin/quillmere-tarot"
texts="$prefix/share/quillmere-tarot"
[ -f "$entry" ] || fail "no desktop entry under the prefix"
# The texts go in as they are, CR LF line ends and all.
source=$(cd "$(dirname "$0")/../.." && pwd)
for text in meanings.txt about.txt; do
    cmp -s "$source/data/$text" "$texts/$text" || fail "the installed $text differs from data/$text"
done
echo "installed under $prefix; the entry says:"
grep -E '^(Exec|Path)=' "$entry"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"

menu_path=/usr/bin:/bin
case ":$menu_path:" in *":$prefix/bin:"*) fail "the prefix is on the launcher's PATH" ;; esac
(cd / && env PATH="$menu_path" gio launch "$entry") || fail "gio launch could not start the entry"

# The launcher does not wait for the program: find it by its executable.
tries=0
until [ -n "$pid" ]; do
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/exe" 2>/dev/null)" = "$program" ] && pid=${p#/proc/}
    done
    tries=$((tries + 1)); [ $tries -gt 150 ] && fail "the installed program did not start"
    [ -n "$pid" ] || sleep 0.1
done
cwd=$(readlink "/proc/$pid/cwd")
[ "$cwd" = "$texts" ] || fail "it started in $cwd, not in the texts' folder $texts"

tries=0
until wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$wid" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended without showing a window"
    tries=$((tries + 1)); [ $tries -gt 150 ] && fail "the installed program showed no window"
    sleep 0.1
done
# The window manager maximizes the main window after mapping it: keys go to
# the window once it has settled there.
tries=0
until xprop -id "$wid" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; do
    tries=$((tries + 1)); [ $tries -gt 300 ] && fail "the window manager never maximized the program's window"
    sleep 0.1
done
xdotool windowactivate --sync "$wid" key alt+e
tries=0
while kill -0 "$pid" 2>/dev/null; do
    tries=$((tries + 1)); [ $tries -gt 100 ] && fail "Alt+E did not end it"
    sleep 0.1
done
pid=""
echo "launched from the menu entry with PATH=$menu_path: started in $cwd, showed its window, ended on Alt+E"
