#!/usr/bin/env bash
# Plants faults one at a time and checks that the tests catch each. Every file tests/mutants/*.mut
# names a source file and an exact text in it with its replacement; the fault is applied to a
# scratch copy of the tree (build-mutants/, built there once and then incrementally), the test
# programs that link the changed code are rebuilt and run, and the fault is caught when one of
# them fails. Too slow for CI: run it by hand.
#
# Usage: scripts/mutants.sh [--all-tests | --check] [MUTANT ...]
#   MUTANT: a name (kanji-judge-takes-a-prefix) or a path to a .mut file; default every mutant.
#   --all-tests: run every test program for each mutant, not only those that link its code.
#   --check: only check that every mutant applies to the tree as it is.
#
# A mutant file:
#   # What the fault does, in one line (shown in the report); further comment lines may follow.
#   path: lessons/numbers/LargeNumbers.cpp
#   --- old
#       return entered == kanjiNumeral(p.answer);
#   +++ new
#       return kanjiNumeral(p.answer).startsWith(entered);
# The lines between "--- old" and "+++ new" must occur exactly once in the file, as they stand;
# more "--- old"/"+++ new" pairs, and more "path:" lines, change more places together.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
scratch=$repo/build-mutants
build=$scratch/build
# Programs left out: the class server's need a PostgreSQL cluster, and no lesson code runs there.
skip_tests='^(tst_classroles|tst_classserver)$'

all_tests=0
check_only=0
wanted=()
for arg in "$@"; do
    case $arg in
    --all-tests) all_tests=1 ;;
    --check) check_only=1 ;;
    -h | --help)
        sed -n '2,23p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *.mut) wanted+=("$arg") ;;
    *) wanted+=("tests/mutants/$arg.mut") ;;
    esac
done
if [ ${#wanted[@]} -eq 0 ]; then
    shopt -s nullglob
    wanted=(tests/mutants/*.mut)
    shopt -u nullglob
fi
[ ${#wanted[@]} -gt 0 ] || { echo "mutants: no mutant files in tests/mutants" >&2; exit 2; }

die() {
    echo "mutants: $*" >&2
    exit 2
}

# ---- Reading and applying mutant files -------------------------------------------------------

# Reads a file whole, trailing newlines included.
slurp() {
    local text
    text=$(cat -- "$1" && printf x)
    printf '%s' "${text%x}"
}

# How often $2 occurs in $1, as it stands.
occurrences() {
    local rest=$1 needle=$2 n=0
    while [[ $rest == *"$needle"* ]]; do
        rest=${rest#*"$needle"}
        n=$((n + 1))
    done
    echo "$n"
}

# Parses mutant $1 into the arrays m_path, m_old, m_new (one entry per change) and m_what.
parse_mutant() {
    local file=$1 line state=head path="" old="" new="" started=0
    m_path=() m_old=() m_new=() m_what=""
    [ -f "$file" ] || die "$file: no such mutant"
    flush() {
        if [ "$state" = new ]; then
            m_path+=("$path")
            m_old+=("$old")
            m_new+=("$new")
        fi
    }
    while IFS= read -r line || [ -n "$line" ]; do
        if [[ $line == "path: "* ]]; then
            flush
            path=${line#path: }
            state=path
        elif [ "$line" = "--- old" ]; then
            [ -n "$path" ] || die "$file: '--- old' before any 'path:'"
            flush
            state=old old="" new="" started=0
        elif [ "$line" = "+++ new" ] && [ "$state" = old ]; then
            state=new started=0
        elif [ "$state" = old ]; then
            if [ $started = 1 ]; then old+=$'\n'; fi
            old+=$line started=1
        elif [ "$state" = new ]; then
            if [ $started = 1 ]; then new+=$'\n'; fi
            new+=$line started=1
        elif [[ $line == "#"* ]]; then
            [ -n "$m_what" ] || m_what=${line#\#}
            m_what=${m_what# }
        elif [ -n "${line//[[:space:]]/}" ]; then
            die "$file: unexpected line: $line"
        fi
    done <"$file"
    flush
    [ ${#m_path[@]} -gt 0 ] || die "$file: no change (path:, --- old, +++ new)"
    local i
    for i in "${!m_old[@]}"; do
        [ -n "${m_old[$i]}" ] || die "$file: an empty '--- old' text"
    done
    return 0
}

# Applies the parsed mutant to the tree under $1; dies when an old text is not there exactly once.
# The original texts are kept in the array m_saved (one per distinct path, in m_files order).
apply_mutant() {
    local root=$1 name=$2 i content n
    declare -gA edited=()
    m_files=()
    for i in "${!m_path[@]}"; do
        local f=$root/${m_path[$i]}
        [ -f "$f" ] || die "$name: ${m_path[$i]}: no such file"
        if [ -z "${edited[${m_path[$i]}]+x}" ]; then
            edited[${m_path[$i]}]=$(slurp "$f")
            m_files+=("${m_path[$i]}")
        fi
    done
    declare -gA changed=()
    for f in "${m_files[@]}"; do changed[$f]=${edited[$f]}; done
    for i in "${!m_path[@]}"; do
        content=${changed[${m_path[$i]}]}
        n=$(occurrences "$content" "${m_old[$i]}")
        [ "$n" = 1 ] || die "$name: the old text of change $((i + 1)) occurs $n times in ${m_path[$i]}, not once"
        changed[${m_path[$i]}]=${content/"${m_old[$i]}"/"${m_new[$i]}"}
    done
}

write_changed() {
    local root=$1 f
    for f in "${m_files[@]}"; do printf '%s' "${changed[$f]}" >"$root/$f"; done
}

restore_edited() {
    local root=$1 f
    for f in "${m_files[@]}"; do printf '%s' "${edited[$f]}" >"$root/$f"; done
}

# Every mutant must apply to the tree as it is before anything is built.
for m in "${wanted[@]}"; do
    parse_mutant "$m"
    apply_mutant "$repo" "$(basename "$m" .mut)"
done
if [ $check_only = 1 ]; then
    echo "mutants: all ${#wanted[@]} apply"
    exit 0
fi

# ---- The scratch tree -------------------------------------------------------------------------

scripts/setup.sh
mkdir -p "$scratch"
# The tracked files and the new ones not ignored, as they are in the working tree. Unchanged files
# keep their time stamps, so the scratch build stays incremental.
mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard)
declare -A listed=()
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    listed[$f]=1
    if ! cmp -s -- "$f" "$scratch/$f"; then
        mkdir -p "$scratch/$(dirname "$f")"
        cp -- "$f" "$scratch/$f"
    fi
done
while IFS= read -r -d '' f; do
    f=${f#"$scratch"/}
    [ -n "${listed[$f]+x}" ] || rm -f -- "$scratch/$f"
done < <(find "$scratch" -path "$build" -prune -o -type f -print0)

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$scratch" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
tests=()
for src in $(cd "$scratch" && find tests -name 'tst_*.cpp' | sort); do
    t=$(basename "$src" .cpp)
    [[ $t =~ $skip_tests ]] || tests+=("$t")
done
echo "mutants: building the scratch tree ($(nproc) cores, -j2)"
cmake --build "$build" -j2 --target "${tests[@]}" >"$build/mutants-build.log" 2>&1 ||
    { tail -30 "$build/mutants-build.log"; die "the scratch tree does not build without a mutant"; }

# ---- Baseline: every test passes, and how long each takes --------------------------------------

declare -A seconds=()
run_test() { # test, timeout in seconds; the exit status of the program
    (cd "$build" && QT_QPA_PLATFORM=offscreen timeout "$2" "./$1" >"$build/mutants-$1.log" 2>&1)
}
echo "mutants: running ${#tests[@]} test programs without a mutant"
for t in "${tests[@]}"; do
    start=$(date +%s%N)
    run_test "$t" 600 || die "$t fails without a mutant (see $build/mutants-$t.log)"
    seconds[$t]=$((($(date +%s%N) - start) / 1000000000 + 1))
done
# Quickest first: a mutant is usually caught by the first program that fails.
mapfile -t by_time < <(for t in "${tests[@]}"; do echo "${seconds[$t]} $t"; done | sort -n | cut -d' ' -f2)

# Which test programs link which library object: an object is linked whole, so a program that
# defines one of its global symbols holds all of it.
symbols=$build/mutants-symbols
rm -rf "$symbols"
mkdir -p "$symbols"
strong() { nm --defined-only --no-sort "$1" 2>/dev/null | awk '$2 ~ /^[TDBR]$/ {print $3}' | sort -u; }
for t in "${tests[@]}"; do strong "$build/$t" >"$symbols/$t"; done

# The test programs that a change to source file $1 can reach.
affected() {
    local src=$1 objects=() t o
    case $src in
    *.cpp)
        local layer=${src%%/*}
        if [ "$layer" = tests ]; then
            basename "$src" .cpp
            return
        fi
        objects=("$build/CMakeFiles/kazemaru_$layer.dir/$src.o")
        ;;
    *)
        # A header: every object compiled with it.
        mapfile -t objects < <(ninja -C "$build" -t deps | awk -v h="$src" '
            /^[^ ].*: #deps/ {obj = $1; sub(":$", "", obj)}
            /^    / {p = $1; if (p ~ ("(^|/)" h "$")) print obj}' | sort -u)
        for o in "${objects[@]}"; do
            if [[ $o == tests/CMakeFiles/* ]]; then
                t=${o#tests/CMakeFiles/}
                echo "${t%%.dir/*}"
            fi
        done
        ;;
    esac
    for o in "${objects[@]}"; do
        [[ $o == /* ]] || o=$build/$o
        [ -f "$o" ] || continue
        strong "$o" >"$symbols/object"
        [ -s "$symbols/object" ] || continue
        for t in "${tests[@]}"; do
            if grep -qxFf "$symbols/object" "$symbols/$t"; then echo "$t"; fi
        done
    done
}

# ---- Each mutant --------------------------------------------------------------------------------

caught=0
total=0
survivors=()
unbuilt=()
report=()
for m in "${wanted[@]}"; do
    name=$(basename "$m" .mut)
    total=$((total + 1))
    parse_mutant "$m"
    apply_mutant "$scratch" "$name"
    what=$m_what
    declare -A reach=()
    if [ $all_tests = 1 ]; then
        for t in "${tests[@]}"; do reach[$t]=1; done
    else
        for f in "${m_files[@]}"; do
            while read -r t; do [ -z "$t" ] || reach[$t]=1; done < <(affected "$f")
        done
        # No program found (code without global symbols, or a file of its own): run them all.
        if [ ${#reach[@]} -eq 0 ]; then for t in "${tests[@]}"; do reach[$t]=1; done; fi
    fi
    run=()
    for t in "${by_time[@]}"; do [ -z "${reach[$t]+x}" ] || run+=("$t"); done
    start=$(date +%s)
    write_changed "$scratch"
    result=""
    # Each program is linked just before it runs: most mutants are caught by the first few.
    for t in "${run[@]}"; do
        if ! cmake --build "$build" -j2 --target "$t" >"$build/mutants-build.log" 2>&1; then
            result="DOES NOT COMPILE"
            unbuilt+=("$name")
            break
        fi
        status=0
        run_test "$t" $((3 * ${seconds[$t]} + 60)) || status=$?
        if [ $status -eq 124 ]; then
            result="caught by $t (timed out)"
        elif [ $status -ne 0 ]; then
            result="caught by $t"
        fi
        [ -z "$result" ] || break
    done
    if [ -z "$result" ]; then
        result="SURVIVED ${#run[@]} programs"
        survivors+=("$name")
    elif [ "$result" != "DOES NOT COMPILE" ]; then
        caught=$((caught + 1))
    fi
    restore_edited "$scratch"
    line=$(printf '%-44s %s (%ss) — %s' "$name" "$result" $(($(date +%s) - start)) "$what")
    echo "$line"
    report+=("$line")
    unset reach
done

echo
if [ ${#unbuilt[@]} -gt 0 ]; then echo "Mutants that do not compile: ${unbuilt[*]}"; fi
if [ ${#survivors[@]} -gt 0 ]; then echo "Survivors: ${survivors[*]}"; fi
echo "$caught of $total caught"
[ $caught -eq $total ]
