#!/usr/bin/env bash
# Start-up benchmark. Builds, in Release, startup_bench (the real program, started as main() starts
# it, up to the first paint of its contents screen), bare_window (a bare Qt window, the baseline),
# bare_label (the bare window with one line of Japanese text: what showing any text costs) and
# lesson_open_bench (the openings of the lesson screens), then on one Xvfb display runs the first
# three in turn, each started through exec_clock: exec_clock reads CLOCK_MONOTONIC just before it
# becomes the program, the program prints the same clock's reading once its first paint is on the
# screen, and the difference is the time from exec to first paint.
# Lesson openings: each lesson is opened as the first of a run of its own (the slowest it can open,
# paying for what all lessons share), LESSON_RUNS times, half a second after the contents screen
# was painted (no child clicks sooner); then all fifteen in one run, each opened twice.
# Prints the load average, the lesson openings, the programs' medians and, last, one line:
#   startup: first paint R × bare, +M MB
# Usage: scripts/startup-bench.sh [RUNS [LESSON_RUNS]]   (default 15 runs of each, 3 of each lesson)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
lesson_runs=${2:-3}
for n in "$runs" "$lesson_runs"; do
    if ! [[ $n =~ ^[1-9][0-9]*$ ]]; then
        echo "startup-bench: RUNS and LESSON_RUNS must be positive whole numbers, not '$n'" >&2
        exit 2
    fi
done
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
if ! cmake --build "$build" -j2 --target startup_bench bare_window bare_label exec_clock lesson_open_bench kazemaru_records kazemaru_sound \
    >"$work/build.log" 2>&1; then
    tail -n 60 "$work/build.log" >&2
    echo "startup-bench: building the benchmarks failed" >&2
    exit 1
fi

echo "load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Running each program $runs times, in turn (after one warm-up run each) ..." >&2
# One Xvfb server for every run; 24-bit, since xvfb-run's default depth is not what a desktop has.
# Each run prints "PROGRAM first_paint_ms=… peak_rss_kb=…"; a run's own messages go to a log that
# is shown only if the run fails. The program keeps its drill records in a folder of the run's own.
if ! XDG_DATA_HOME="$work/data" xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    set -euo pipefail
    build=$1 runs=$2 work=$3 lesson_runs=$4
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
    run bare_label >/dev/null
    run startup_bench >/dev/null
    for ((i = 0; i < runs; i++)); do
        run bare_window
        run bare_label
        run startup_bench
    done
    lessons() {
        "$build/lesson_open_bench" --pause 500 "$@" 2>"$work/lessons.err" || {
            cat "$work/lessons.err" >&2
            echo "startup-bench: lesson_open_bench failed" >&2
            exit 1
        }
    }
    for ((i = 0; i < lesson_runs; i++)); do
        for ((form = 2; form <= 16; form++)); do
            lessons "$form" | grep -v "^lessons:" >>"$work/firsts"
        done
    done
    lessons >"$work/lessons"
' _ "$build" "$runs" "$work" "$lesson_runs" >"$work/results"; then
    echo "startup-bench: the runs did not complete" >&2
    exit 1
fi
echo "load average after the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Each lesson opened first in a run of its own, $lesson_runs runs (ms from the click to its first paint):"
worst=0 worst_form=0
for ((form = 2; form <= 16; form++)); do
    times=$(sed -n "s/^TForm$form first_open_ms=\([0-9.]*\) .*/\1/p" "$work/firsts" | sort -g)
    n=$(wc -l <<<"$times")
    high=$(tail -n 1 <<<"$times")
    middle=$(sed -n "$(((n + 1) / 2))p" <<<"$times")
    printf "  TForm%-3d worst %6.1f   median %6.1f\n" "$form" "$high" "$middle"
    if awk -v a="$high" -v b="$worst" 'BEGIN { exit !(a > b) }'; then worst=$high worst_form=$form; fi
done
echo "lessons: worst first open as the first of a run $worst ms (TForm$worst_form)"
echo "All fifteen in one run, each opened twice:"
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
label_ms=$(median bare_label first_paint_ms)
prog_ms=$(median startup_bench first_paint_ms)
bare_kb=$(median bare_window peak_rss_kb)
label_kb=$(median bare_label peak_rss_kb)
prog_kb=$(median startup_bench peak_rss_kb)

awk -v runs="$runs" -v bms="$bare_ms" -v lms="$label_ms" -v pms="$prog_ms" -v bkb="$bare_kb" -v lkb="$label_kb" \
    -v pkb="$prog_kb" 'BEGIN {
    printf "Medians of %d runs each, from exec to first paint:\n", runs
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)\n", "bare_window", bms, bkb, bkb / 1024
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)   %.2f × bare\n", "bare_label", lms, lkb,
        lkb / 1024, lms / bms
    printf "  %-14s first paint %8.1f ms   peak RSS %9.0f kB (%.1f MB)\n", "startup_bench", pms, pkb, pkb / 1024
    printf "startup: first paint %.2f × bare, %+.1f MB\n", pms / bms, (pkb - bkb) / 1024
}'
