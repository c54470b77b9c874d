#!/bin/sh
# Regenerates the golden manifests after a deliberate change of the template art or of the
# writer's output: saves the sample picture as a skin with the defaults and with profile.ini,
# and lists every file with its size and SHA-256. Review the diff before committing it.
#
#   tests/oracle/golden/update.sh [BUILD_DIR]     (default: build-oracle; builds the CLI there)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=${1:-$root/build-oracle}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target tolvarin -j2 >/dev/null
cli="$build/src/cli/tolvarin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

manifest() {  # folder -> "NAME SIZE SHA256" lines sorted by name (byte order)
    (cd "$1" && for f in $(LC_ALL=C ls); do
        printf '%s %s %s\n' "$f" "$(wc -c <"$f" | tr -d ' ')" "$(sha256sum "$f" | cut -d' ' -f1)"
    done)
}

"$cli" make "$root/resources/sample/sample.bmp" "$work/default"
manifest "$work/default" >"$here/default.manifest"
"$cli" make "$root/resources/sample/sample.bmp" "$work/profile" --settings "$here/profile.ini"
manifest "$work/profile" >"$here/profile.manifest"
echo "updated $here/default.manifest and $here/profile.manifest"
