#!/bin/sh
# Builds the artwork generator into build/artwork/ and runs it, which rewrites
# resources/bitmaps, resources/renditions, resources/artwork, resources/icons, docs/cards.png and
# docs/artwork.png. Needs fonts-linuxlibertine and fonts-sil-ezra
# (sh setup.sh artwork). The same sources and fonts give the same bytes.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build/artwork"

cmake -S "$root/tools/artwork" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
log="$build/build.log"
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
# Qt wants a private runtime folder even offscreen, and says so when there is none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
QT_QPA_PLATFORM=offscreen "$build/quillmere-artwork" "$root"
