#!/bin/sh
# Takes the README's screenshots of every window under a private X session:
#   sh tools/screenshots.sh [build-dir]     writes docs/screenshots/*.png
# It deals cards with real double clicks and previews one with a right press.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out="$root/docs/screenshots"
mkdir -p "$out"
exec sh "$root/tools/xsession.sh" -s 1280x800 sh "$root/tools/screenshots-inside.sh" "$build/quillmere-tarot" "$root/data" "$out"
