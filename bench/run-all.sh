#!/bin/sh
# Runs every benchmark: sh bench/run-all.sh [build-dir]
# The start-up comparison runs in a private X session with a window manager,
# so that both windows are really maximized before they paint.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

echo "== deck"
"$build/bench/bench_deck" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== windows (offscreen)"
(cd "$root/data" && QT_QPA_PLATFORM=offscreen "$build/bench/bench_windows" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
echo "== start to first paint, alternating (Xvfb + openbox)"
sh "$root/tools/xsession.sh" -s 1280x800 "$build/bench/bench_startup" \
    --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true
echo "== documents at the capacity: start or command to first paint, alternating (Xvfb + openbox)"
sh "$root/tools/xsession.sh" -s 1280x800 "$build/bench/bench_documents" \
    --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true
