#!/bin/sh
# The package on a clean Debian 12: builds a minimal root with debootstrap,
# installs the .deb there with apt (no recommends, so everything the program
# gets comes from its Depends line), and starts the installed program inside
# that root from its desktop entry's folder, under Xvfb with openbox.
# Needs root and the network (the Debian mirror of apt's own sources).
#   package-check.sh <build-dir>        (make package-check)
set -eu
[ "$(id -u)" -eq 0 ] || exec sudo sh "$0" "$@"
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=$(cd "$1" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

if ! command -v debootstrap >/dev/null 2>&1; then
    echo "installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null \
        || fail "could not install debootstrap"
fi

# The first Debian mirror that apt's sources give for bookworm, one-line or deb822.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
    /^deb[ \t]/ { sub(/\[[^]]*\]/, ""); if ($3 == "bookworm") { print $2; exit } }
    /^URIs:/ { uris = $2 }
    /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") bookworm = 1 }
    /^[ \t]*$/ { if (bookworm && uris != "") { print uris; exit } uris = ""; bookworm = 0 }
    END { if (bookworm && uris != "") print uris }' | head -n 1)
# None there: debootstrap takes its own default mirror.

scratch=$(mktemp -d /var/tmp/package-check.XXXXXX)
root="$scratch/root"
cleanup() {
    if mountpoint -q "$root/proc" 2>/dev/null; then umount "$root/proc" || { echo "left $scratch: /proc is still mounted" >&2; return; }; fi
    rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$deb")"
echo "  Depends: $(dpkg-deb -f "$deb" Depends)"

echo "debootstrap --variant=minbase bookworm from ${mirror:-its default mirror}"
debootstrap --variant=minbase bookworm "$root" ${mirror:+"$mirror"} >"$scratch/debootstrap.log" 2>&1 \
    || { tail -n 20 "$scratch/debootstrap.log" >&2; fail "debootstrap failed"; }
echo "  a minimal root of $(chroot "$root" dpkg-query -f '.\n' -W | wc -l) packages, $(du -sh --one-file-system "$root" | cut -f1)"
mount -t proc proc "$root/proc"

echo "apt-get install --no-install-recommends ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
chroot "$root" apt-get update -q >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log" >&2; fail "apt-get update failed"; }
chroot "$root" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >>"$scratch/apt.log" 2>&1 \
    || { tail -n 30 "$scratch/apt.log" >&2; fail "apt could not install the package"; }
grep -E '^[0-9]+ upgraded, [0-9]+ newly installed' "$scratch/apt.log" | sed 's/^/  /'
echo "  now $(chroot "$root" dpkg-query -f '.\n' -W | wc -l) packages; Qt's platform plugins: $(ls "$root"/usr/lib/*/qt6/plugins/platforms | tr '\n' ' ')"

shot="$build/package-check.png"
sh "$source_dir/tools/xsession.sh" sh "$source_dir/tests/package/start-from-entry.sh" "$root" chroot "$shot"
echo "screenshot of the running program: $shot"
echo "package-check: passed"
