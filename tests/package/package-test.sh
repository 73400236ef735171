#!/bin/sh
# Builds the Debian package, has lintian check it (any error or warning fails),
# unpacks it into a scratch folder, validates its desktop entry and AppStream
# metadata, and starts the installed program the way a desktop launch would:
# from the folder the entry's Path= names.
# Runs inside tools/xsession.sh:  package-test.sh <build-dir>
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes)"
echo "lintian (informational tags shown, not failing):"
lintian_status=0
lintian --display-info --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$scratch/lintian.log" || true
[ $lintian_status -eq 0 ] || fail "lintian found errors or warnings (status $lintian_status)"

# Qt's platform plugins are loaded at run time, so no library names them.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "$depends" | grep -Eq '(^|, )qt6-qpa-plugins(,|$)' || fail "the package does not depend on Qt's platform plugins"
dpkg-deb -f "$deb" Recommends | grep -qx 'qt6-wayland' || fail "the package does not recommend qt6-wayland"
dpkg -x "$deb" "$scratch/root"
root="$scratch/root"
entry="$root/usr/share/applications/org.quillmere.tarot.desktop"
meta="$root/usr/share/metainfo/org.quillmere.tarot.metainfo.xml"
doc="$root/usr/share/doc/quillmere-tarot"
manual="$root/usr/share/man/man6/quillmere-tarot.6.gz"
for f in "$root/usr/bin/quillmere-tarot" "$entry" "$meta" "$manual" "$doc/copyright" "$doc/changelog.gz" \
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
[ "$folder" = /usr/share/quillmere-tarot ] || fail "the entry's Path= is $folder"
MANWIDTH=200 man -l "$manual" 2>/dev/null | grep -qF "$folder" || fail "the manual page does not name the entry's folder $folder"
version=$(dpkg-deb -f "$deb" Version)
zcat "$doc/changelog.gz" | head -n 1 | grep -qF "quillmere-tarot ($version)" \
    || fail "the changelog's latest entry is not version $version"

sh "$(dirname "$0")/start-from-entry.sh" "$root"
