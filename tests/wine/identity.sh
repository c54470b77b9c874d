#!/usr/bin/env bash
# The Windows command line under Wine must write the very bytes the native one writes: for several
# pictures (the sample, bitmaps of every depth, a tall and a wide one, one the reader refuses, the
# sample in every format of the image decoder, and tall JPEGs and PNG that are read in part) and
# several settings profiles, `make` (every file of the skin folder), `preview` and `settings` run
# on both, and their exit statuses and files are compared byte for byte.
#
#   tests/wine/identity.sh NATIVE_CLI WINDOWS_CLI WORK_DIR
#
# The Wine prefix is made under WORK_DIR by this script, and its wineserver is started and stopped
# here; wine's output goes to files only (a pipe would be held open by the services it starts).
# Ends with "N passed, N failed".
set -euo pipefail

if [ "$#" -ne 3 ]; then
    echo "usage: $0 NATIVE_CLI WINDOWS_CLI WORK_DIR" >&2
    exit 2
fi
native_cli="$(realpath "$1")"
windows_cli="$(realpath "$2")"
work="$(realpath -m "$3")"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
bmpsuite="${TOLVARIN_BMPSUITE:-$root/../shared/testdata/bmpsuite/g}"

mkdir -p "$work"
rm -rf "$work/run"
mkdir -p "$work/run/pictures" "$work/run/profiles" "$work/logs"
mkdir -p "$work/run/native/previews" "$work/run/windows/previews"
logs="$work/logs"

# A 32-bit program runs in a 32-bit prefix through `wine`; a 64-bit one (built where the kernel
# cannot run 32-bit code at all) through the 64-bit loader alone.
if objdump -f "$windows_cli" 2>/dev/null | grep -q 'pei-x86-64'; then
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    wine=("$WINELOADER")
    wineserver=/usr/lib/wine/wineserver64
else
    export WINEARCH=win32
    wine=(wine)
    wineserver=wineserver
fi
export WINEPREFIX="$work/prefix-$WINEARCH"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Japanese system: the ANSI code page is then 932, as on the users' machines.
if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    export LC_ALL=ja_JP.UTF-8
fi
unset DISPLAY  # console programs only; no window may appear

wineserver_pid=""
stop_wineserver() {
    if [ -n "$wineserver_pid" ]; then
        "$wineserver" -k >/dev/null 2>&1 || true
        wait "$wineserver_pid" 2>/dev/null || true
    fi
}
trap stop_wineserver EXIT
trap 'exit 130' INT TERM

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    "${wine[@]}" wineboot -i >"$logs/wineboot.log" 2>&1 </dev/null
    "$wineserver" -w
fi
"$wineserver" -f -p >"$logs/wineserver.log" 2>&1 </dev/null &
wineserver_pid=$!
"${wine[@]}" wineboot >/dev/null 2>&1 </dev/null

passed=0
failed=0
pass() {
    passed=$((passed + 1))
    echo "ok - $1"
}
fail() {
    failed=$((failed + 1))
    echo "not ok - $1${2:+: $2}"
}

# --- inputs -------------------------------------------------------------------------------------
cd "$work/run"
pictures=()
add_picture() {  # add_picture NAME SOURCE
    if [ -f "$2" ]; then
        cp "$2" "pictures/$1.bmp"
        pictures+=("$1.bmp")
    else
        fail "picture $1" "missing $2"
    fi
}
add_picture sample "$root/resources/sample/sample.bmp"
for name in pal1 pal4 pal8 rgb16 rgb24 rgb32 pal8-0 pal8topdown; do
    add_picture "$name" "$bmpsuite/$name.bmp"
done
# The exit status each picture must give (0 when absent): every bitmap of the suite is read, top-down
# rows too; a bitmap cut short inside its rows is refused by both, and neither writes a file of it.
head -c 1000 "$root/resources/sample/sample.bmp" >pictures/cut.bmp
pictures+=(cut.bmp)
declare -A refused=([cut.bmp]=1)
# Extremes of the fitting: far taller and far wider than the windows, and one pixel.
if convert "pictures/sample.bmp" -resize '90x1300!' -type TrueColor "BMP3:pictures/tall.bmp" &&
    convert "pictures/sample.bmp" -resize '2000x37!' -type TrueColor "BMP3:pictures/wide.bmp" &&
    convert "pictures/sample.bmp" -resize '1x1!' -type TrueColor "BMP3:pictures/dot.bmp"; then
    pictures+=(tall.bmp wide.bmp dot.bmp)
else
    fail "generated pictures" "ImageMagick convert failed"
fi
# The formats of the image decoder, which the two builds compile apart (the native one with SIMD).
if convert "pictures/sample.bmp" "pictures/sample.png" &&
    convert "pictures/sample.bmp" -quality 90 -sampling-factor 2x2 "pictures/sample.jpg" &&
    convert "pictures/sample.bmp" -interlace JPEG -quality 75 "pictures/progressive.jpg" &&
    convert "pictures/sample.bmp" "pictures/sample.gif" && convert "pictures/sample.bmp" "pictures/sample.tga" &&
    convert "pictures/sample.bmp" "pictures/sample.psd"; then
    pictures+=(sample.png sample.jpg progressive.jpg sample.gif sample.tga sample.psd)
else
    fail "pictures of the image decoder" "ImageMagick convert failed"
fi
# Tall JPEGs and PNG whose fitting skips whole iMCU rows (4:2:0, 4:4:4 progressive, grey) and keeps
# only sampled rows of an interlaced picture with alpha: the two builds' libraries (the Windows ones
# built from the same sources) must skip and keep alike.
# With them the other JPEG codings: arithmetic, restart markers, CMYK, 4:2:2 and 4:4:0.
for seed in tests/picture/pictures/tall-420.jpg tests/picture/pictures/tall-444-progressive.jpg \
    tests/picture/pictures/tall-grey.jpg tests/picture/pictures/tall-interlaced-alpha.png \
    fuzz/corpus/jpeg/arithmetic.jpg fuzz/corpus/jpeg/restarts.jpg fuzz/corpus/jpeg/cmyk.jpg \
    fuzz/corpus/jpeg/baseline-422.jpg fuzz/corpus/jpeg/baseline-440.jpg; do
    if [ -f "$root/$seed" ]; then
        cp "$root/$seed" pictures/
        pictures+=("$(basename "$seed")")
    else
        fail "picture $seed" "missing"
    fi
done

# Profiles: the defaults, and two that change every switch that steers the writer and composition.
printf '[SkinSetting]\r\nFullSize=0\r\nSkinLine=0\r\nSkinAlphaBrend=3\r\nPLSave=0\r\n[SkinColor]\r\nSideColorR=40\r\nSideColorG=80\r\nSideColorB=120\r\nColor_R=250\r\nColor_G=180\r\nColor_B=20\r\n[MARON]\r\nUse=0\r\n' \
    >profiles/compact.ini
printf '[SkinSetting]\r\nSkinReverse=0\r\nSkinAlphaBrend=10\r\nMBSave=0\r\n[PlFont]\r\nPlFont=Tahoma\r\n[SkinColor]\r\nColorBG_R=10\r\nColorBG_G=20\r\nColorBG_B=30\r\n[TextColor]\r\nTextNORMAL_R=255\r\nTextNORMAL_G=0\r\nTextNORMAL_B=128\r\n[SexyFont]\r\nUse=0\r\n' \
    >profiles/reverse.ini
profiles=(default compact reverse)
# The plug-in file each profile switches off: a key the program does not read would leave it there.
declare -A switched_off=([compact]=MARON.TXT [reverse]=SEXYFONT.TXT)

# run SIDE LOG ARGS...: runs one side's command line here, its status in LOG.status.
run() {
    local side="$1" log="$2" status=0
    shift 2
    if [ "$side" = native ]; then
        "$native_cli" "$@" >"$log.out" 2>&1 </dev/null || status=$?
    else
        "${wine[@]}" "$windows_cli" "$@" >"$log.out" 2>&1 </dev/null || status=$?
    fi
    echo "$status" >"$log.status"
}

# same CASE STATUS PATH...: both sides ended with STATUS; after a success each PATH (relative to
# native/ and windows/; at least one) is on both sides with the same bytes, after a refusal none is.
same() {
    local name="$1" expected="$2" path problem=""
    shift 2
    local got_native got_windows
    got_native="$(cat "native/$name.status")"
    got_windows="$(cat "windows/$name.status")"
    if [ "$got_native" != "$expected" ] || [ "$got_windows" != "$expected" ]; then
        problem="exit status $got_native natively, $got_windows under Wine, expected $expected"
    elif [ "$expected" -eq 0 ] && [ "$#" -eq 0 ]; then
        problem="no file written"
    fi
    for path in "$@"; do
        [ -n "$problem" ] && break
        if [ "$expected" -ne 0 ]; then
            [ ! -e "native/$path" ] && [ ! -e "windows/$path" ] || problem="$path written though refused"
        elif [ ! -f "native/$path" ] || [ ! -f "windows/$path" ]; then
            problem="$path is missing on one side"
        else
            cmp -s "native/$path" "windows/$path" || problem="$path differs"
        fi
    done
    if [ -z "$problem" ]; then pass "$name"; else fail "$name" "$problem"; fi
}

# The set of files in both skin folders, so a file written on one side only is caught.
skin_files() {
    (cd native && find "$1" -type f 2>/dev/null; cd ../windows && find "$1" -type f 2>/dev/null) | sort -u
}

# --- cases ---------------------------------------------------------------------------------------
for profile in "${profiles[@]}"; do
    settings=()
    [ "$profile" = default ] || settings=(--settings "../profiles/$profile.ini")
    for side in native windows; do
        (cd "$side" && run "$side" "settings-$profile" settings "settings-$profile.ini" "${settings[@]}")
    done
    same "settings-$profile" 0 "settings-$profile.ini"

    for picture in "${pictures[@]}"; do
        case="${picture/./-}-$profile"
        for side in native windows; do
            (cd "$side" && run "$side" "make-$case" make "../pictures/$picture" "skins/$case" "${settings[@]}" &&
                run "$side" "preview-$case" preview "../pictures/$picture" "previews/$case.bmp" "${settings[@]}")
        done
        status="${refused[$picture]:-0}"
        mapfile -t files < <(skin_files "skins/$case")
        same "make-$case" "$status" "${files[@]}"
        off="${switched_off[$profile]:-}"
        if [ -n "$off" ] && [ "$status" -eq 0 ]; then
            if [ ! -d "native/skins/$case" ] || [ ! -d "windows/skins/$case" ]; then
                fail "make-$case: no $off" "no skin folder to look in"
            elif [ -e "native/skins/$case/$off" ] || [ -e "windows/skins/$case/$off" ]; then
                fail "make-$case: no $off" "the profile switches it off"
            else
                pass "make-$case: no $off"
            fi
        fi
        same "preview-$case" "$status" "previews/$case.bmp"
    done
done

# --- profiles read as kernel32 reads them -------------------------------------------------------
# Hand-edited profiles: both command lines must read each exactly as GetPrivateProfileIntA and
# GetPrivateProfileStringA do (tests/wine/ProfileReference.cpp, built here for the CLI's machine).
# The values stay within their fields' ranges, so that no repair of the reading applies.
hand_profiles=(
    # spacing and case
    '  [skinsetting]  \r\n   SkinAlphaBrend   =   3   \r\n[ MARON ]\r\nopacity=  20\r\n[plfont]\r\n PLFONT =   MS Gothic  \r\n'
    # comments
    '; a comment\r\n[SkinSetting]\r\n;SkinAlphaBrend=9\r\nSkinAlphaBrend=4 ; not a comment\r\n[MARON]\r\n# Opacity=1\r\nOpacity=30\r\n'
    # duplicate keys and sections: the first counts
    '[SkinSetting]\r\nSkinAlphaBrend=5\r\nSkinAlphaBrend=6\r\n[MARON]\r\nUse=0\r\n[MARON]\r\nOpacity=70\r\n'
    # signs, prefixes and junk after the digits
    '[SkinSetting]\r\nSkinAlphaBrend=-12\r\n[SkinColor]\r\nColor_R=+40\r\nColor_G=12abc\r\nColor_B=0x1F\r\nSideColorR=0x\r\nSideColorG=- 5\r\nSideColorB=0X20\r\n[MARON]\r\nOpacity=0x20\r\n[VisColor]\r\nVisColorR00=0b11\r\nVisColorG00=0o17\r\nVisColorB00=007\r\nVisColorR01=1e3\r\nVisColorG01=4294967298\r\n'
    # empty values and keys without a value
    '[SkinColor]\r\nColor_R=\r\nColor_G\r\nColor_B=  \r\n[PlFont]\r\nPlFont=\r\n[MARON]\r\nOpacity=\r\n'
    # line ends: LF, CR alone, mixed, none at the end
    '[SkinSetting]\nSkinAlphaBrend=2\n[MARON]\rOpacity=40\r[SkinColor]\r\nColor_R=9\nColor_G=8\r\r\nColor_B=7'
    # quotes
    '[PlFont]\r\nPlFont="MS Gothic"\r\n[MARON]\r\nOpacity="20"\r\n[SkinColor]\r\nColor_R='"'"'0x40'"'"'\r\nColor_G="5'"'"'\r\nColor_B=""\r\n'
    "[PlFont]\r\nPlFont='a'b'\r\n"
    '[PlFont]\r\nPlFont="  spaced  "\r\n'
    '[PlFont]\r\nPlFont="\r\n'
    '[PlFont]\r\nPlFont="\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"\r\n'
)
compiler=i686-w64-mingw32-g++
[ "${WINEARCH}" = win64 ] && compiler=x86_64-w64-mingw32-g++
if "$compiler" -O1 -static -o "$work/run/profile-reference.exe" "$root/tests/wine/ProfileReference.cpp" \
    >"$logs/profile-reference.log" 2>&1; then
    "$native_cli" settings profiles/defaults.ini
    for i in "${!hand_profiles[@]}"; do
        name="hand-$i"
        printf "${hand_profiles[$i]}" >"profiles/$name.ini"
        "${wine[@]}" "$work/run/profile-reference.exe" "profiles/$name.ini" profiles/defaults.ini \
            "profiles/$name-kernel32.ini" >"$logs/$name-kernel32.out" 2>&1 </dev/null || true
        for side in native windows; do
            (cd "$side" && run "$side" "settings-$name" settings "settings-$name.ini" --settings "../profiles/$name.ini")
        done
        same "settings-$name" 0 "settings-$name.ini"
        if [ ! -s "profiles/$name-kernel32.ini" ]; then
            fail "$name read by kernel32" "the reference wrote nothing (see $logs/$name-kernel32.out)"
        elif cmp -s "native/settings-$name.ini" "profiles/$name-kernel32.ini"; then
            pass "$name read as kernel32 reads it"
        else
            fail "$name read as kernel32 reads it" "$(diff <(tr -d '\r' <"profiles/$name-kernel32.ini") \
                <(tr -d '\r' <"native/settings-$name.ini") | grep '^[<>]' | tr '\n' ' ')"
        fi
    done
else
    fail "profile reference" "$compiler failed (see $logs/profile-reference.log)"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
