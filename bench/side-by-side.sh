#!/bin/sh
# This build's figures against an older build's, in one run, alternating the
# two so that the machine's noise falls on both alike:
#   sh bench/side-by-side.sh OLD-BUILD [BUILD]
# OLD-BUILD holds bench_windows and quillmere-start-probe built from the older
# tree with this tree's bench/ sources, which build against older trees too:
#   git worktree add /tmp/old <commit> && cp bench/*.cpp bench/*.h bench/CMakeLists.txt /tmp/old/bench/
#   cmake -S /tmp/old -B /tmp/old/build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_BUILD_TESTS=ON
#   cmake --build /tmp/old/build --target bench_windows quillmere-start-probe
# Prints, per benchmark, the median over the rounds of each run's median.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
old=$(cd "$1" && pwd)
new=$(cd "${2:-$root/build}" && pwd)
rounds=${ROUNDS:-5}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Inside one X session: old and new bench_windows in turn, `rounds` times.
cat >"$scratch/windows.sh" <<INNER
cd "$root/data"
for round in \$(seq $rounds); do
    for which in new old; do
        build=\$([ \$which = new ] && echo "$new" || echo "$old")
        "\$build/bench/bench_windows" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
            --benchmark_format=csv 2>/dev/null | awk -F, -v w=\$which '/_median"/ {print w, \$1, \$3}'
    done
done
INNER
for screen in 1280x800 3840x2160; do
    echo "== windows on a $screen screen: median of $rounds rounds, microseconds"
    sh "$root/tools/xsession.sh" -s $screen sh "$scratch/windows.sh" >"$scratch/rows"
    sort -k2,2 -k1,1 -k3,3n "$scratch/rows" | awk '
        { key = $2 " " $1; v[key, ++n[key]] = $3; keys[key] = 1 }
        END { for (k in keys) { c = n[k]; m = (c % 2) ? v[k, (c + 1) / 2] : (v[k, c / 2] + v[k, c / 2 + 1]) / 2;
                                printf "%-48s %10.1f\n", k, m } }' | sort
done

export QUILLMERE_BASELINE_PROBE="$old/bench/quillmere-start-probe"
echo "== start to first paint on a 1280x800 screen, interleaved (baseline = old)"
sh "$root/tools/xsession.sh" -s 1280x800 "$new/bench/bench_startup" --benchmark_filter=StartToFirstPaint \
    --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
echo "== a Celtic Cross dealt and one card enlarged on a 3840x2160 screen, interleaved (baseline = old)"
sh "$root/tools/xsession.sh" -s 3840x2160 "$new/bench/bench_startup" --benchmark_filter=CelticDealtAndEnlarged \
    --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
