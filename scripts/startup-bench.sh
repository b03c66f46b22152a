#!/usr/bin/env bash
# Start-up benchmark: builds startup_bench (the whole program up to the first paint of the contents
# screen) and bare_window (a bare Qt window, the baseline) in Release, runs them alternately on one
# Xvfb display and prints the medians of the time to first paint and of the peak memory.
# Usage: scripts/startup-bench.sh [RUNS]   (default 15 runs of each)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "startup-bench: RUNS must be a positive whole number, not '$runs'" >&2
    exit 2
fi
for tool in cmake ninja xvfb-run; do
    command -v "$tool" >/dev/null || { echo "startup-bench: $tool is not installed" >&2; exit 2; }
done

build=build-release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "Building $build (Release) ..." >&2
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$work/configure.log" 2>&1; then
    cat "$work/configure.log" >&2
    echo "startup-bench: configuring $build failed" >&2
    exit 1
fi
if ! cmake --build "$build" --target startup_bench bare_window >"$work/build.log" 2>&1; then
    tail -n 60 "$work/build.log" >&2
    echo "startup-bench: building startup_bench / bare_window failed" >&2
    exit 1
fi

echo "Running each program $runs times (after one warm-up run each) ..." >&2
# One Xvfb server for every run; 24-bit, since xvfb-run's default depth is not what a desktop has.
# Each run prints "PROGRAM first_paint_ms=… peak_rss_kb=…"; a run's own messages go to a log that
# is shown only if the run fails.
if ! xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    set -euo pipefail
    build=$1 runs=$2 work=$3
    run() {
        local prog=$1 line
        if ! line=$("$build/$prog" 2>"$work/$prog.err"); then
            cat "$work/$prog.err" >&2
            echo "startup-bench: $prog failed" >&2
            return 1
        fi
        if ! [[ $line =~ ^first_paint_ms=[0-9.]+\ peak_rss_kb=[0-9]+$ ]]; then
            echo "startup-bench: $prog printed an unexpected line: $line" >&2
            return 1
        fi
        echo "$prog $line"
    }
    # Warm the page cache and the font cache so the first measured run is not an outlier.
    run bare_window >/dev/null
    run startup_bench >/dev/null
    for ((i = 0; i < runs; i++)); do
        run bare_window
        run startup_bench
    done
' _ "$build" "$runs" "$work" >"$work/results"; then
    echo "startup-bench: the runs did not complete" >&2
    exit 1
fi

# median PROGRAM FIELD: the median of FIELD over PROGRAM's runs.
median() {
    awk -v prog="$1" -v field="$2" '
        $1 == prog { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == field) print kv[2] } }
    ' "$work/results" | sort -g | awk '
        { v[NR] = $1 }
        END {
            if (NR == 0) exit 1
            if (NR % 2) printf "%.1f", v[(NR + 1) / 2]
            else printf "%.1f", (v[NR / 2] + v[NR / 2 + 1]) / 2
        }'
}

bare_ms=$(median bare_window first_paint_ms)
prog_ms=$(median startup_bench first_paint_ms)
bare_kb=$(median bare_window peak_rss_kb)
prog_kb=$(median startup_bench peak_rss_kb)

awk -v runs="$runs" -v bms="$bare_ms" -v pms="$prog_ms" -v bkb="$bare_kb" -v pkb="$prog_kb" 'BEGIN {
    printf "Medians of %d runs each:\n", runs
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)\n", "bare_window", bms, bkb, bkb / 1024
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)\n", "startup_bench", pms, pkb, pkb / 1024
    printf "  %-14s first paint %+8.1f ms   peak RSS %+9.0f kB (%+.1f MB)\n", "difference", pms - bms, pkb - bkb, (pkb - bkb) / 1024
}'
