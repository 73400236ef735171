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
appstream_version=$(appstreamcli --version | sed -n 's/^AppStream version: *//p')
echo "appstreamcli validate --no-net --pedantic (AppStream $appstream_version):"
appstream_status=0
appstreamcli validate --no-net --pedantic "$meta" >"$scratch/appstream.log" 2>&1 || appstream_status=$?
cat "$scratch/appstream.log"
[ $appstream_status -eq 0 ] || fail "the AppStream metadata is not valid"
# Infos and pedantic hints fail too: they are what a newer AppStream turns into
# warnings. The one exception is AppStream before 1.0 not knowing the
# <developer> block that 1.0 asks for in place of <developer_name>.
hints=$(grep -E '^[EWIP]: ' "$scratch/appstream.log" || true)
case "$appstream_version" in
    0.*) hints=$(printf '%s\n' "$hints" | grep -Ev '^I: [^ ]+: unknown-tag developer$' || true) ;;
esac
[ -z "$hints" ] || fail "AppStream $appstream_version has remarks on the metadata"

# What a software centre shows of a desktop application, with what the rest of
# the package says: the launchable entry, the release being packaged and its
# date, and the developer, homepage, screenshot and content rating.
release_date=$(date -u -d "$(zcat "$doc/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -n 1)" +%F)
python3 - "$meta" "$root/usr/share/applications" "$(dpkg-deb -f "$deb" Version)" "$release_date" <<'EOF' || fail "the AppStream metadata misses what a software centre shows"
import os, sys, xml.etree.ElementTree as ET
meta, applications, version, date = sys.argv[1:]
c = ET.parse(meta).getroot()
problems = []
def need(ok, what):
    if not ok:
        problems.append(what)
launch = [l.text for l in c.findall("launchable[@type='desktop-id']")]
need(launch and all(os.path.isfile(os.path.join(applications, l)) for l in launch),
     f"a desktop-id launchable that names the packaged entry (has {launch})")
releases = c.findall("releases/release")
need(releases and releases[0].get("version") == version,
     f"the newest release is the packaged version {version}")
need(releases and releases[0].get("date") == date,
     f"the newest release is dated as the changelog's entry, {date}")
developer = c.find("developer")
need(developer is not None and developer.get("id") and (developer.findtext("name") or "").strip(),
     "a developer with an id and a name")
need((c.findtext("url[@type='homepage']") or "").startswith("https://"), "an https homepage")
shots = c.findall("screenshots/screenshot")
need([s for s in shots if s.get("type") == "default" and (s.findtext("image") or "").startswith("https://")],
     "a default screenshot with an https image")
need(c.find("content_rating[@type='oars-1.1']") is not None, "an OARS 1.1 content rating")
for p in problems:
    print("  missing:", p)
sys.exit(1 if problems else 0)
EOF
echo "  launchable, release, developer, homepage, screenshot and content rating present"

folder=$(sed -n 's/^Path=//p' "$entry")
[ "$folder" = /usr/share/quillmere-tarot ] || fail "the entry's Path= is $folder"
MANWIDTH=200 man -l "$manual" 2>/dev/null | grep -qF "$folder" || fail "the manual page does not name the entry's folder $folder"
version=$(dpkg-deb -f "$deb" Version)
zcat "$doc/changelog.gz" | head -n 1 | grep -qF "quillmere-tarot ($version)" \
    || fail "the changelog's latest entry is not version $version"

sh "$(dirname "$0")/start-from-entry.sh" "$root"
