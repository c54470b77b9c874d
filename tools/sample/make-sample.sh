#!/usr/bin/env bash
# Redraws resources/sample/sample.bmp from MakeSample.cpp (the committed file is the result).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -Werror "$root/tools/sample/MakeSample.cpp" -o "$work/make-sample"
mkdir -p "$root/resources/sample"
"$work/make-sample" "$root/resources/sample/sample.bmp"
echo "wrote $root/resources/sample/sample.bmp"
