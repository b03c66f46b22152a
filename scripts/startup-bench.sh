#!/usr/bin/env bash
# Start-up benchmark. Builds, in Release, startup_bench (the real program, started as main() starts
# it, up to the first paint of its contents screen), bare_window (a bare Qt window, the baseline)
# and lesson_open_bench (the first and second opening of every lesson screen), then on one Xvfb
# display runs the first two alternately, each started through exec_clock: exec_clock reads
# CLOCK_MONOTONIC just before it becomes the program, the program prints the same clock's reading
# once its first paint is on the screen, and the difference is the time from exec to first paint.
# Prints the load average, the lesson openings, both programs' medians and, last, one line:
#   startup: first paint R × bare, +M MB
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
if ! cmake --build "$build" -j2 --target startup_bench bare_window exec_clock lesson_open_bench kazemaru_records kazemaru_sound \
    >"$work/build.log" 2>&1; then
    tail -n 60 "$work/build.log" >&2
    echo "startup-bench: building the benchmarks failed" >&2
    exit 1
fi

echo "load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Running each program $runs times, alternately (after one warm-up run each) ..." >&2
# One Xvfb server for every run; 24-bit, since xvfb-run's default depth is not what a desktop has.
# Each run prints "PROGRAM first_paint_ms=… peak_rss_kb=…"; a run's own messages go to a log that
# is shown only if the run fails. The program keeps its drill records in a folder of the run's own.
if ! XDG_DATA_HOME="$work/data" xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    set -euo pipefail
    build=$1 runs=$2 work=$3
    run() {
        local prog=$1 out exec_ns paint_ns kb
        if ! out=$("$build/exec_clock" "$build/$prog" 2>"$work/$prog.err"); then
            cat "$work/$prog.err" >&2
            echo "startup-bench: $prog failed" >&2
            return 1
        fi
        if ! [[ $out =~ ^exec_monotonic_ns=([0-9]+)$'"'"'\n'"'"'first_paint_monotonic_ns=([0-9]+)\ peak_rss_kb=([0-9]+)$ ]]; then
            echo "startup-bench: $prog printed unexpected lines: $out" >&2
            return 1
        fi
        exec_ns=${BASH_REMATCH[1]} paint_ns=${BASH_REMATCH[2]} kb=${BASH_REMATCH[3]}
        awk -v p="$prog" -v e="$exec_ns" -v f="$paint_ns" -v k="$kb" \
            '"'"'BEGIN { printf "%s first_paint_ms=%.1f peak_rss_kb=%d\n", p, (f - e) / 1e6, k }'"'"'
    }
    # Warm the page cache and the font cache so the first measured run is not an outlier.
    run bare_window >/dev/null
    run startup_bench >/dev/null
    for ((i = 0; i < runs; i++)); do
        run bare_window
        run startup_bench
    done
    "$build/lesson_open_bench" >"$work/lessons" 2>"$work/lessons.err" || {
        cat "$work/lessons.err" >&2
        echo "startup-bench: lesson_open_bench failed" >&2
        exit 1
    }
' _ "$build" "$runs" "$work" >"$work/results"; then
    echo "startup-bench: the runs did not complete" >&2
    exit 1
fi
echo "load average after the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
cat "$work/lessons"

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
    printf "Medians of %d runs each, from exec to first paint:\n", runs
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)\n", "bare_window", bms, bkb, bkb / 1024
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)\n", "startup_bench", pms, pkb, pkb / 1024
    printf "startup: first paint %.2f × bare, %+.1f MB\n", pms / bms, (pkb - bkb) / 1024
}'
