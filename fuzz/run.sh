#!/bin/sh
# Builds the fuzz targets with clang into build/fuzz/ and runs each one for the
# given number of seconds, both at once (one per core). New inputs the fuzzers
# find go to build/fuzz/corpus/<target>/, crashes to build/fuzz/crashes/<target>/;
# the seeds in fuzz/corpus/ are only read.
#   sh fuzz/run.sh <seconds>
set -eu

seconds=${1:?usage: sh fuzz/run.sh <seconds>}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/fuzz
targets="fuzz_document_text fuzz_bitmap_decode"

cmake -S "$root/fuzz" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out"

# Qt looks for its runtime folder; the bitmap decoder needs no display.
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
pids=""
for t in $targets; do
    mkdir -p "$out/corpus/$t" "$out/crashes/$t"
    echo "Running $t for $seconds s (log: $out/$t.log)"
    "$out/$t" "$out/corpus/$t" "$root/fuzz/corpus/$t" \
        -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$out/crashes/$t/" >"$out/$t.log" 2>&1 &
    pids="$pids $!"
done

status=0
set -- $pids
for t in $targets; do
    pid=$1; shift
    if wait "$pid"; then result=ok; else result="FAILED (see the log)"; status=1; fi
    echo "== $t: $result"
    grep -E '^#[0-9]+[[:space:]]+DONE' "$out/$t.log" | tail -n 1 || true
    grep -E '^(documentText|CardBitmaps::decode)|^SUMMARY|Test unit written' "$out/$t.log" || true
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|Done [0-9]+ runs)' "$out/$t.log" || true
    echo "   corpus: $(ls "$out/corpus/$t" | wc -l) new inputs in build/fuzz/corpus/$t; crashes: $(ls "$out/crashes/$t" | wc -l)"
done
exit $status
