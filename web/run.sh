#!/usr/bin/env bash
# ./tolvarin web [--port N]   builds what is out of date and serves the page on 127.0.0.1
# ./tolvarin web --out DIR    builds it and writes the static site into DIR
# The command line's own code compiled to WebAssembly with Debian's Emscripten (build/web), with the
# page and Webamp's bundle (npm, pinned in web/package-lock.json).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVARIN_WEB_BUILD:-$root/build/web}"
usage="Usage: ./tolvarin web [--port N] | ./tolvarin web --out DIR"
port=8000
out=""
while [ "$#" -gt 0 ]; do
    case "$1" in
        --port) [ "$#" -ge 2 ] && [[ "$2" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }; port="$2"; shift 2 ;;
        --out) [ "$#" -ge 2 ] || { echo "$usage" >&2; exit 2; }; out="$2"; shift 2 ;;
        -h | --help) echo "$usage"; exit 0 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
done

. "$root/.ci/setup.sh"
need_packages cmake make emscripten nodejs dpkg-dev libstb-dev
command -v npm >/dev/null || need_packages npm
need_deb_src
if [ ! -f "$root/web/node_modules/webamp/package.json" ] || [ "$root/web/package-lock.json" -nt "$root/web/node_modules" ]; then
    (cd "$root/web" && npm ci --no-audit --no-fund --loglevel=error) >&2
    touch "$root/web/node_modules"
fi
log="$build/build.log"
mkdir -p "$build"
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "Configuring $build ..." >&2
    if ! emcmake cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$build/CMakeCache.txt"
        exit 1
    fi
fi
if ! cmake --build "$build" -j2 >"$log" 2>&1; then
    cat "$log" >&2
    echo "tolvarin web: the build failed (log: $log)" >&2
    exit 1
fi
if [ -n "$out" ]; then
    mkdir -p "$out"
    cp -f "$build/site/"* "$out/"
    echo "Wrote the site into $out"
    exit 0
fi
exec node "$root/web/serve.mjs" "$build/site" "$port"
