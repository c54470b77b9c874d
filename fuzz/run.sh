#!/usr/bin/env bash
# Runs one fuzz target: first every kept regression input of fuzz/regressions/TARGET (each must run
# clean), then libFuzzer for SECONDS on the committed corpus fuzz/corpus/TARGET (for TARGET_parse
# also that of TARGET) and the inputs found by earlier runs. Prints the figures of the run and ends with one line
# "TARGET: N executions, N exec/s, corpus N inputs, N crashes"; exit status 1 on any crash.
#
#   fuzz/run.sh TARGET SECONDS       e.g. fuzz/run.sh bmp_parse 600
#
# Environment (optional):
#   TOLVARIN_FUZZ_BUILD  a clang build tree made with -DTOLVARIN_FUZZ=ON (default build/fuzz, made
#                        and brought up to date here)
#   TOLVARIN_FUZZ_WORK   where found inputs (found/TARGET) and crashing inputs (crashes/) are kept
#                        (default: fuzz-work in the build tree)
set -euo pipefail

if [ "$#" -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 TARGET SECONDS" >&2
    exit 2
fi
name="$1"
seconds="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
[ -f "$here/${name}_fuzz.cpp" ] || { echo "$0: no fuzz target $name (fuzz/${name}_fuzz.cpp)" >&2; exit 2; }

build="${TOLVARIN_FUZZ_BUILD:-}"
if [ -z "$build" ]; then
    build="$root/build/fuzz"
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O1 \
        -DTOLVARIN_TESTS=OFF -DTOLVARIN_BENCH=OFF -DTOLVARIN_SANITIZE=ON -DTOLVARIN_FUZZ=ON >/dev/null
    cmake --build "$build" -j"${JOBS:-2}" --target "${name}_fuzz" >/dev/null
fi
target="$build/fuzz/${name}_fuzz"
[ -x "$target" ] || { echo "$0: $target was not built" >&2; exit 1; }
work="${TOLVARIN_FUZZ_WORK:-$build/fuzz-work}"
found="$work/found/$name"
crashes="$work/crashes"
mkdir -p "$found" "$crashes"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# Kept inputs that once crashed: run once each, before anything new is searched.
replayed=0
if [ -d "$here/regressions/$name" ]; then
    mapfile -t kept < <(find "$here/regressions/$name" -type f | sort)
    if [ "${#kept[@]}" -gt 0 ]; then
        if ! "$target" -timeout=10 -rss_limit_mb=2048 "${kept[@]}" >"$work/$name-replay.log" 2>&1; then
            tail -n 40 "$work/$name-replay.log"
            echo "$name: a kept regression input crashes again (see $work/$name-replay.log)"
            echo "$name: 0 executions, 0 exec/s, corpus 0 inputs, 1 crashes"
            exit 1
        fi
        replayed="${#kept[@]}"
    fi
fi
echo "$name: replayed $replayed regression inputs"

# A parse-only target starts from the corpus of its format's full target (NAME_parse from NAME).
corpus=("$found")
for seeds in "$name" "${name%_parse}"; do
    [ -d "$here/corpus/$seeds" ] && [[ " ${corpus[*]} " != *" $here/corpus/$seeds "* ]] && corpus+=("$here/corpus/$seeds")
done
before=$(find "$crashes" -name "$name-*" -type f | wc -l)
status=0
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/$name-" "${corpus[@]}" >"$work/$name.log" 2>&1 || status=$?
after=$(find "$crashes" -name "$name-*" -type f | wc -l)

executions=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\)/\1/p' "$work/$name.log" | tail -n 1)
per_second=$(sed -n 's/^stat::average_exec_per_sec: *\([0-9]*\)/\1/p' "$work/$name.log" | tail -n 1)
inputs=$(sed -n 's/.* corp: \([0-9]*\)\/.*/\1/p' "$work/$name.log" | tail -n 1)
grep -E '^(#[0-9]+ *(INITED|DONE)|stat::|==[0-9]+==ERROR|SUMMARY)' "$work/$name.log" || true
crashed=$((after - before))
if [ "$status" -ne 0 ]; then
    [ "$crashed" -gt 0 ] || crashed=1  # a crash without an artifact (the sanitizer's own exit)
    ls -1 "$crashes"/"$name"-* 2>/dev/null | tail -n "$crashed" | sed 's/^/crashing input: /'
fi
echo "$name: ${executions:-0} executions, ${per_second:-0} exec/s, corpus ${inputs:-0} inputs, $crashed crashes"
[ "$status" -eq 0 ]
