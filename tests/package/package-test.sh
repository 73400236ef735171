#!/bin/sh
# Builds the Debian package, unpacks it into a scratch folder, validates its
# desktop entry and AppStream metadata, and starts the installed program the
# way a desktop launch would: from the folder the entry's Path= names.
# Runs inside tools/xsession.sh:  package-test.sh <build-dir>
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes)"
dpkg -x "$deb" "$scratch/root"
root="$scratch/root"
entry="$root/usr/share/applications/org.quillmere.tarot.desktop"
meta="$root/usr/share/metainfo/org.quillmere.tarot.metainfo.xml"
for f in "$root/usr/bin/quillmere-tarot" "$entry" "$meta" \
         "$root/usr/share/quillmere-tarot/meanings.txt" "$root/usr/share/quillmere-tarot/about.txt"; do
    [ -f "$f" ] || fail "missing from the package: ${f#$root}"
done
for size in 32 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.quillmere.tarot.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    identify -format '%wx%h' "$icon" | grep -qx "${size}x${size}" || fail "the ${size}px icon has another size"
done

echo "desktop-file-validate:"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
echo "  accepted"
echo "appstreamcli validate --no-net:"
appstreamcli validate --no-net "$meta" || fail "the AppStream metadata is not valid"

folder=$(sed -n 's/^Path=//p' "$entry")
program=$(sed -n 's/^Exec=//p' "$entry")
[ "$folder" = /usr/share/quillmere-tarot ] || fail "the entry's Path= is $folder"
echo "starting $program from $folder, as the entry says"
cd "$root$folder"
"$root/usr/bin/$program" &
pid=$!
tries=0
until wid=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -n 1) && [ -n "$wid" ]; do
    tries=$((tries + 1)); [ $tries -gt 150 ] && { kill $pid; fail "the installed program showed no window"; }
    sleep 0.1
done
sleep 0.3
xdotool windowactivate --sync "$wid" key alt+e
tries=0
while kill -0 $pid 2>/dev/null; do
    tries=$((tries + 1)); [ $tries -gt 100 ] && { kill $pid; fail "Alt+E did not end it"; }
    sleep 0.1
done
status=0
wait $pid || status=$?
[ $status -eq 0 ] || fail "it ended with status $status"
echo "the installed program started, showed its window and ended on Alt+E"
