#!/usr/bin/env bash
# Runs the Windows program under Wine: installs what is missing, builds TOLVARIN.EXE with mingw-w64
# in build-mingw, prepares a Wine prefix once and starts the program in a Japanese locale, on a
# virtual screen when there is no display.
#
#   tools/run-gui.sh [PICTURE]     (also: ./tolvarin gui [PICTURE])
#
# The program keeps its INI file beside the executable (build-mingw*/src/app/TOLVARIN.INI).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$root/.ci/setup.sh"

picture="${1:-}"
if [ -n "$picture" ]; then
    if [ ! -e "$picture" ]; then
        echo "run-gui: no such file: $picture" >&2
        exit 2
    fi
    picture="$(cd "$(dirname "$picture")" && pwd)/$(basename "$picture")"
fi

# --- what the build and Wine need ------------------------------------------------------------------
need_i386
need_packages cmake make g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 wine64 fonts-wine fonts-noto-cjk fonts-horai-umefont
if [ -z "${DISPLAY:-}" ]; then
    need_packages xvfb xauth
fi
need_locale ja_JP.UTF-8

# --- the program -----------------------------------------------------------------------------------
# The program is a 32-bit one (Susie plug-ins are 32-bit libraries). Some hosts run no 32-bit user
# code at all; there Wine starts only 64-bit programs, so the program is built for x86_64 instead.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    build="$root/build-mingw"
    toolchain="$root/cmake/toolchain-mingw-i686.cmake"
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
else
    need_packages g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    build="$root/build-mingw64"
    toolchain="$root/cmake/toolchain-mingw-x86_64.cmake"
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    echo "run-gui: this host runs no 32-bit programs; building and running the 64-bit program"
fi
log="$build/gui-build.log"
mkdir -p "$build"
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "Configuring $build ..."
    if ! cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$build/CMakeCache.txt"
        exit 1
    fi
fi
if ! cmake --build "$build" --target tolvarin_app -j2 >"$log" 2>&1; then
    cat "$log" >&2
    echo "run-gui: the build failed (log: $log)" >&2
    exit 1
fi
exe="$build/src/app/TOLVARIN.EXE"

# --- the Wine prefix (made once) -------------------------------------------------------------------
export WINEPREFIX="${WINEPREFIX:-$build/wine-prefix}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
export LC_ALL=ja_JP.UTF-8

xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        "$WINESERVER" -k >/dev/null 2>&1 || true
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    # No display: a virtual screen of our own, ready when it has written its number.
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    Xvfb -screen 0 1024x768x24 -nolisten tcp -displayfd 9 9>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 15 number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
    echo "run-gui: no display given; the program runs on the virtual screen $DISPLAY"
fi

. "$root/tests/gui/session.sh"
if [ "$WINEPREFIX" = "$build/wine-prefix" ]; then
    # Our own prefix: made once with the settings the tests use (window manager, crash dialog, fonts).
    [ -f "$WINEPREFIX/.tolvarin-ready-2" ] || echo "Preparing the Wine prefix $WINEPREFIX ..."
    gui_prefix || { echo "run-gui: the Wine prefix could not be prepared ($WINEPREFIX.boot.log)" >&2; exit 1; }
else
    # The user's prefix: only the font replacements, so that the dialogs keep their proportions.
    gui_font_replacements >/dev/null 2>&1 </dev/null
fi

args=()
if [ -n "$picture" ]; then
    # Wine's drive Z: is the root of the Unix file system.
    args+=("Z:${picture//\//\\}")
fi
"$WINELOADER" "$exe" "${args[@]}"
