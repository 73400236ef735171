#!/bin/sh
# Runs every benchmark: sh bench/run-all.sh [build-dir]
# The window paths, the start-up comparison and the documents run in private X
# sessions with a window manager, so that windows are really maximized before
# they paint: at 1280x800, and at 3840x2160 where every card is shown from its
# rendition.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
aggregates="--benchmark_report_aggregates_only=true"

echo "== deck"
"$build/bench/bench_deck" --benchmark_repetitions=5 $aggregates
echo "== renditions: formats and scaling (offscreen)"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_renditions" --benchmark_repetitions=5 $aggregates
for screen in 1280x800 3840x2160; do
    echo "== windows on a $screen screen (Xvfb + openbox)"
    (cd "$root/data" && sh "$root/tools/xsession.sh" -s $screen "$build/bench/bench_windows" \
        --benchmark_repetitions=5 $aggregates)
done
echo "== start to first paint, alternating (Xvfb 1280x800 + openbox)"
sh "$root/tools/xsession.sh" -s 1280x800 "$build/bench/bench_startup" --benchmark_filter=StartToFirstPaint \
    --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true $aggregates
echo "== a Celtic Cross dealt and one card enlarged, alternating (Xvfb 3840x2160 + openbox)"
sh "$root/tools/xsession.sh" -s 3840x2160 "$build/bench/bench_startup" --benchmark_filter=CelticDealtAndEnlarged \
    --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true $aggregates
echo "== documents at the capacity: start or command to first paint, alternating (Xvfb 1280x800 + openbox)"
sh "$root/tools/xsession.sh" -s 1280x800 "$build/bench/bench_documents" \
    --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true $aggregates
