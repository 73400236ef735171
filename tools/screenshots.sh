#!/bin/sh
# Takes the README's screenshots of every window under a private X session:
#   sh tools/screenshots.sh [build-dir]            docs/screenshots/*.png at 1280x800
#   sh tools/screenshots.sh [build-dir] WxH [trump|court]
#       only the main window, on a screen of that size, with a trump (or a
#       court card) enlarged: docs/screenshots/main-WxH.png and, at 100%, its
#       preview pane: docs/screenshots/main-WxH-pane.png
# It deals cards with real double clicks and previews a trump with a right press.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
size=${2:-}
kind=${3:-trump}
case $kind in trump | court) ;; *) echo "screenshots.sh: the card to enlarge is trump or court, not '$kind'" >&2; exit 2 ;; esac
out="$root/docs/screenshots"
mkdir -p "$out"
exec sh "$root/tools/xsession.sh" -s "${size:-1280x800}" \
    sh "$root/tools/screenshots-inside.sh" "$build/quillmere-tarot" "$root/data" "$out" "$size" "$kind"
