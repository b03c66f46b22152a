#!/usr/bin/env bash
# The monkey under AddressSanitizer and UndefinedBehaviorSanitizer: builds tst_monkey in
# build-asan/ and runs it headless.
# Usage: scripts/monkey.sh [SEEDS [ACTIONS]]   e.g. scripts/monkey.sh 1,2,3,4,5 250000
#   SEEDS: comma-separated (default 1,2,3); ACTIONS: per seed (default 4000).
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-1,2,3}
actions=${2:-4000}
if ! [[ $seeds =~ ^[0-9]+(,[0-9]+)*$ && $actions =~ ^[1-9][0-9]*$ ]]; then
    echo "monkey: SEEDS must be numbers separated by commas and ACTIONS a positive number" >&2
    exit 2
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAZEMARU_SANITIZE=ON >/dev/null
cmake --build build-asan --target tst_monkey
cd build-asan
# Qt's own libraries are not instrumented; leaks inside them are not the program's.
# A long run outlasts Qt Test's five-minute watchdog of a test function; a day is its bound here.
QTEST_FUNCTION_TIMEOUT=86400000 ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    KAZEMARU_MONKEY_SEEDS="$seeds" KAZEMARU_MONKEY_ACTIONS="$actions" ctest -R '^tst_monkey$' -V
