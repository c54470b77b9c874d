#!/usr/bin/env bash
# End-to-end tests of the Windows program TOLVARIN.EXE under Xvfb and Wine. Builds the program and
# the drivers (or takes them from TOLVARIN_BUILD) and the native `tolvarin` that makes the expected
# outputs, runs every driver in turn and ends with one line "N passed, N failed, N skipped"
# (skipped: known failures of the program, each printed with its reason). Exit status 1 on failures.
# The drivers to run are those the drivers' build lists; one that is listed but missing is a failure.
#
# Environment (all optional):
#   TOLVARIN_BUILD      a mingw build tree of the whole project (program, drivers, probe), used when
#                       it was built for the architecture that runs here; brought up to date first
#   TOLVARIN_CLI        the native `tolvarin` program; otherwise built under the work tree
#   TOLVARIN_GUI_BUILD  work tree (default: build-gui at the repository's top, or TOLVARIN_BUILD-gui
#                       beside a given TOLVARIN_BUILD); runs sharing one work tree wait for each other
#   TOLVARIN_GUI_ARCH   i686 or x86_64; default: i686 where this host runs 32-bit code, else x86_64
#   TOLVARIN_GUI_ONLY   names of listed drivers to run alone (e.g. "start open"), while working on them
#   JOBS                build jobs (default 2)
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
if [ -n "${TOLVARIN_GUI_BUILD:-}" ]; then
    build="$TOLVARIN_GUI_BUILD"
elif [ -n "${TOLVARIN_BUILD:-}" ]; then
    build="${TOLVARIN_BUILD%/}-gui"
else
    build="$root/build-gui"
fi
jobs="${JOBS:-2}"
artifacts="$root/tests/artifacts/gui"

. "$here/session.sh"
gui_env "$build"
arch="$GUI_ARCH"
logs="$build/logs-$arch"
work="$build/work-$arch"
data="$build/data"
mkdir -p "$logs" "$artifacts"

# One run at a time per work tree: the prefix, its wineserver (and with it the program's mutex and
# DDE service), the display and the case folders would otherwise be shared.
exec 8>"$build/.run-lock"
if ! flock -n 8; then
    echo "# another GUI test run uses $build; waiting for it"
    flock -w 900 8 || { echo "not ok - gui tests: $build stayed busy"; echo "0 passed, 1 failed"; exit 1; }
fi

started=$(date +%s)
say() { echo "# $*"; }
give_up() {  # give_up REASON: nothing could run; one failure, so that the run is not taken for green
    echo "not ok - gui tests could not run: $1"
    echo "0 passed, 1 failed"
    exit 1
}
winpath() { local p="$1"; echo "Z:${p//\//\\}"; }

# --- tools ---------------------------------------------------------------------------------------
if [ "$arch" = i686 ]; then
    toolchain="$root/cmake/toolchain-mingw-i686.cmake"
    compiler=i686-w64-mingw32-g++
else
    toolchain="$root/cmake/toolchain-mingw-x86_64.cmake"
    compiler=x86_64-w64-mingw32-g++
fi
for tool in "$compiler" "$WINELOADER" "$WINESERVER" Xvfb cmake; do
    command -v "$tool" >/dev/null 2>&1 || give_up "$tool is missing (Debian: wine64 or wine32:i386, xvfb, g++-mingw-w64-${arch/_/-})"
done
locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' || give_up "the ja_JP.UTF-8 locale is missing (locale-gen)"

# --- builds --------------------------------------------------------------------------------------
build_step() {  # build_step NAME COMMAND...: output to a log, shown when it fails
    local name="$1" log="$logs/build-$1.log"
    shift
    if ! "$@" >"$log" 2>&1; then
        tail -n 40 "$log"
        give_up "build of $name failed (see $log)"
    fi
}

# The program, the drivers and the probe come from one build of the project for $arch.
win="$build/win-$arch"
if [ -n "${TOLVARIN_BUILD:-}" ] && [ -f "$TOLVARIN_BUILD/CMakeCache.txt" ]; then
    if grep -q "^CMAKE_TOOLCHAIN_FILE:.*toolchain-mingw-$arch.cmake$" "$TOLVARIN_BUILD/CMakeCache.txt"; then
        win="$TOLVARIN_BUILD"
    else
        say "TOLVARIN_BUILD is not built for $arch, which runs here; building the programs for $arch"
    fi
fi
[ -f "$root/src/app/CMakeLists.txt" ] || give_up "the Windows program has no sources yet (src/app)"
build_step "windows-$arch" bash -c 'cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$3" &&
    cmake --build "$2" -j"$4" --target tolvarin_app gui_drivers' _ "$root" "$win" "$toolchain" "$jobs"
app="$win/src/app/TOLVARIN.EXE"
driver_dir="$win/tests/gui/drivers"
[ -f "$driver_dir/drivers.list" ] || give_up "no list of drivers in $driver_dir"
mapfile -t drivers <"$driver_dir/drivers.list"
[ "${#drivers[@]}" -gt 0 ] || give_up "the list of drivers in $driver_dir is empty"
if [ -n "${TOLVARIN_GUI_ONLY:-}" ]; then
    for driver in $TOLVARIN_GUI_ONLY; do
        printf '%s\n' "${drivers[@]}" | grep -qx "$driver" || give_up "TOLVARIN_GUI_ONLY names $driver, which is not a driver"
    done
    read -r -a drivers <<<"$TOLVARIN_GUI_ONLY"
fi

cli="${TOLVARIN_CLI:-}"
if [ -z "$cli" ]; then
    build_step native bash -c 'cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DTOLVARIN_TESTS=OFF -DTOLVARIN_BENCH=OFF &&
        cmake --build "$2" -j"$3" --target tolvarin' _ "$root" "$build/native" "$jobs"
    cli="$build/native/src/cli/tolvarin"
fi
say "built in $(( $(date +%s) - started ))s: $app"

# --- expected outputs, made by the native command line -------------------------------------------
rm -rf "$data" "$work"
mkdir -p "$data"
cp "$root/resources/sample/sample.bmp" "$data/sample.bmp"
# A tall picture, so that the fitted picture leaves margins at the sides.
python3 - "$data/tall.bmp" <<'EOF'
import struct, sys
w, h = 90, 300
stride = (w * 3 + 3) & ~3
rows = b"".join(bytes(b for x in range(w) for b in ((x * 2) & 255, (y * 255 // h), (x * y) & 255)) +
                b"\0" * (stride - 3 * w) for y in range(h))
header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 0, 0, 0, 0)
open(sys.argv[1], "wb").write(header + info + rows)
EOF
# A file that looks like a bitmap but is not one.
printf 'BM this is not a picture\r\n' >"$data/bad.bmp"
# Settings a user might keep: several fields away from their defaults, and an opacity out of range.
cat >"$data/custom.INI" <<'EOF'
[SkinSetting]
FullSize=1
SkinReverse=0
SkinLine=1
SkinAlphaBrend=3
PLSave=0
MBSave=1
[SkinColor]
Color_R=40
Color_G=120
Color_B=200
SideColorR=250
SideColorG=10
SideColorB=90
[TextColor]
TextNORMAL_R=255
TextNORMAL_G=255
TextNORMAL_B=0
[MARON]
Opacity=150
[SexyFont]
Use=0
EOF
# The four stock pictures as the placeholder slots show them, decoded by ImageMagick rather than
# by the program's own template store.
templates="$root/resources/templates"
convert \( "$templates/131.bmp" "$templates/133.bmp" +append \) \( "$templates/132.bmp" "$templates/134.bmp" +append \) \
    -append -type TrueColor "BMP3:$data/preview-no-picture.bmp" || give_up "ImageMagick could not draw the stock pictures"
make_expected() {
    "$cli" settings "$data/default.INI" &&
        "$cli" settings "$data/custom-expected.INI" --settings "$data/custom.INI" &&
        "$cli" preview "$data/sample.bmp" "$data/preview-sample-default.bmp" &&
        "$cli" preview "$data/sample.bmp" "$data/preview-sample-custom.bmp" --settings "$data/custom.INI" &&
        "$cli" preview "$data/sample.bmp" "$data/preview-sample-custom-complete.bmp" --settings "$data/custom.INI" --complete &&
        "$cli" make "$data/sample.bmp" "$data/skin-sample-custom-complete" --settings "$data/custom.INI" --complete &&
        "$cli" preview "$data/tall.bmp" "$data/preview-tall-default.bmp" &&
        "$cli" make "$data/sample.bmp" "$data/skin-sample-custom" --settings "$data/custom.INI" &&
        "$cli" make "$data/tall.bmp" "$data/skin-tall-default"
}
# The image plug-in cases (susie and ifstb drivers): the sample as PNG and JPEG, read by the
# program's own plug-in, and the skins `tolvarin make` makes of them; 2 x 2 bitmaps of the test
# plug-ins' colours (top row, bottom row) and their previews.
make_plugin_expected() {
    convert "$data/sample.bmp" "$data/sample.png" && convert "$data/sample.bmp" -quality 90 "$data/sample.jpg" &&
        "$cli" make "$data/sample.png" "$data/skin-sample-png" && "$cli" make "$data/sample.jpg" "$data/skin-sample-jpg" &&
        python3 - "$data" <<'EOF' || return 1
import struct, sys
for name, top, bottom in (("red", 0xFF0000, 0xFF0000), ("blue", 0x0000FF, 0x0000FF), ("green", 0x00FF00, 0x00FF00),
                          ("yellow-magenta", 0xFFFF00, 0xFF00FF), ("grey-white", 0x808080, 0xFFFFFF)):
    rows = b"".join(bytes((c & 255, (c >> 8) & 255, c >> 16)) * 2 + b"\0\0" for c in (bottom, top))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 24, 0, len(rows), 0, 0, 0, 0)
    open(f"{sys.argv[1]}/two-{name}.bmp", "wb").write(header + info + rows)
EOF
    for name in red blue green yellow-magenta grey-white; do
        "$cli" preview "$data/two-$name.bmp" "$data/preview-two-$name.bmp" || return 1
    done
}
make_plugin_expected >"$logs/expected-plugin.log" 2>&1 || give_up "the pictures of the image plug-in cases could not be made (see $logs/expected-plugin.log)"
make_expected >"$logs/expected.log" 2>&1 || give_up "the native tolvarin could not make the expected outputs (see $logs/expected.log)"

# --- the session and the drivers -----------------------------------------------------------------
gui_prefix 8>&- || give_up "the Wine prefix could not be made (see $WINEPREFIX.boot.log)"
trap session_stop EXIT
trap 'exit 130' INT TERM
session_start "$logs" 8>&- || give_up "Xvfb or the wineserver did not start"
say "session on DISPLAY $DISPLAY, prefix $WINEPREFIX ($(( $(date +%s) - started ))s)"

rm -f "$artifacts"/*.bmp "$artifacts"/*.png
passed=0
failed=0
skipped=0
for driver in "${drivers[@]}"; do
    exe="$driver_dir/${driver}_driver.exe"
    if [ ! -f "$exe" ]; then
        echo "not ok - $driver driver is missing: $exe"
        failed=$((failed + 1))
        continue
    fi
    mkdir -p "$work/$driver"
    t0=$(date +%s)
    # A hang still ends the driver; the bound leaves room for the long drivers on a busy machine.
    timeout -k 5 300 "$WINELOADER" "$exe" \
        "--app=$(winpath "$app")" "--work=$(winpath "$work/$driver")" "--data=$(winpath "$data")" \
        "--artifacts=$(winpath "$artifacts")" "--probe=$(winpath "$driver_dir/menuprobe.dll")" \
        "--cli=$(winpath "$(realpath "$cli")")" \
        >"$logs/$driver.out" 2>"$logs/$driver.err" </dev/null 8>&-
    status=$?
    iconv -f CP932 -t UTF-8 -c "$logs/$driver.out" | tr -d '\r' >"$logs/$driver.log"
    cat "$logs/$driver.log"
    summary=$(grep -E "^$driver: [0-9]+ passed, [0-9]+ failed, [0-9]+ skipped$" "$logs/$driver.log" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "not ok - $driver driver ended without its summary (exit status $status, after $(( $(date +%s) - t0 ))s; see $logs/$driver.err)"
        echo "# its last line: $(tail -n 1 "$logs/$driver.log")"
        tail -n 15 "$logs/$driver.err"
        failed=$((failed + 1))
        continue
    fi
    read -r p f s < <(echo "$summary" | sed -E 's/.*: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped/\1 \2 \3/')
    if [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then  # a crash or hang after the summary is still one
        echo "not ok - $driver driver exited with status $status after its summary (see $logs/$driver.err)"
        f=1
    fi
    passed=$((passed + p))
    failed=$((failed + f))
    skipped=$((skipped + s))
    say "$driver took $(( $(date +%s) - t0 ))s"
done
session_stop

# Screenshots become PNG artifacts.
converter=/usr/bin/convert
[ -x "$converter" ] || converter=convert
for shot in "$artifacts"/*.bmp; do
    [ -f "$shot" ] || continue
    "$converter" "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done

say "gui tests took $(( $(date +%s) - started ))s"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
