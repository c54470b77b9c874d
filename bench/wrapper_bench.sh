#!/usr/bin/env bash
# The start-up cost of ./tolvarin when its build is up to date: the median wall time of
# `./tolvarin --version` next to the built program's own `--version` (goal: the wrapper reaches the
# program within 50 ms). Builds first if needed. Argument: the number of runs (default 50).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-50}"
"$root/tolvarin" --version >/dev/null

median_ms() {  # median_ms COMMAND...: median wall time of `runs` calls, in milliseconds
    local spans=() start end i
    for ((i = 0; i < runs; i++)); do
        start=$EPOCHREALTIME
        "$@" >/dev/null
        end=$EPOCHREALTIME
        spans+=("$start $end")
    done
    printf '%s\n' "${spans[@]}" | awk '{ print ($2 - $1) * 1000 }' | sort -g |
        awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] }'
}

wrapper=$(median_ms "$root/tolvarin" --version)
program=$(median_ms "$root/build/native/src/cli/tolvarin" --version)
echo "./tolvarin --version: median $wrapper ms over $runs runs (goal: 50 ms or less)"
echo "the program alone:    median $program ms"
