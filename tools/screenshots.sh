#!/bin/sh
# Takes the README's screenshots of every window under a private X session:
#   sh tools/screenshots.sh [build-dir]            docs/screenshots/*.png at 1280x800
#   sh tools/screenshots.sh [build-dir] WxH        only the main window, on a
#       screen of that size: docs/screenshots/main-WxH.png and, at 100%, its
#       preview pane: docs/screenshots/main-WxH-pane.png
# It deals cards with real double clicks and previews a trump with a right press.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
size=${2:-}
out="$root/docs/screenshots"
mkdir -p "$out"
exec sh "$root/tools/xsession.sh" -s "${size:-1280x800}" \
    sh "$root/tools/screenshots-inside.sh" "$build/quillmere-tarot" "$root/data" "$out" "$size"
