#!/bin/sh
# Installs the Debian packages that building, testing or drawing the artwork
# needs, and only those that are missing. Safe to run again and again.
#   sh setup.sh            build and test tools (the default)
#   sh setup.sh artwork    also the fonts the artwork generator draws with
set -eu

packages="make cmake g++ pkg-config qt6-base-dev libbenchmark-dev
          xvfb xauth openbox xdotool x11-utils imagemagick fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev file lintian"
for goal in "$@"; do
    case "$goal" in
        artwork) packages="$packages fonts-linuxlibertine fonts-sil-ezra" ;;
        *) echo "setup.sh: unknown goal '$goal'" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
as_root=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "setup.sh: run as root to install:$missing" >&2; exit 1; }
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
