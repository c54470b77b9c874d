#!/usr/bin/env bash
# Makes skins with the real tolvarin command line from several kinds of pictures and settings,
# renders each in Webamp under Debian's Chromium and compares what Webamp shows with the skin's
# bitmaps, and shows that the text checks fail on a skin made to be wrong. Complete skins also go
# through the table of sprite states, in Webamp and in Audacious (Debian's audacious, on its own
# Xvfb display). Screenshots and the
# .wsz files go to tests/artifacts/webamp/. Prints "N passed, N failed" last.
#
#   tests/webamp/run.sh            TOLVARIN=/path/to/tolvarin overrides the ./tolvarin front end
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
artifacts="$root/tests/artifacts/webamp"
tolvarin="${TOLVARIN:-$root/tolvarin}"

fail_setup() {
    echo "tests/webamp/run.sh: $1" >&2
    echo "0 passed, 1 failed"
    exit 1
}

[ -x /usr/bin/chromium ] || fail_setup "/usr/bin/chromium is missing: install the Debian package 'chromium' (./check does)"
for tool in node npm; do
    command -v "$tool" >/dev/null || fail_setup "'$tool' is missing: install the Debian package providing it"
done
[ -x "$tolvarin" ] || fail_setup "no tolvarin front end at $tolvarin"

# One run at a time per tree: a second run's npm ci would delete the Webamp bundle under the first.
exec 9>"$here/.run.lock"
flock 9

# playwright-core never downloads a browser; npm ci installs exactly the locked versions.
(cd "$here" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) || fail_setup "npm ci failed in $here"

work="$(mktemp -d "${TMPDIR:-/tmp}/tolvarin-webamp.XXXXXX")"
trap 'rm -rf "$work"' EXIT
node "$here/make-pictures.mjs" "$work/pictures" || fail_setup "could not write the test pictures"

# name, picture, settings profile ("" = defaults), "complete" for a skin made with --complete
cases=(
    "dark|$work/pictures/dark.bmp||"
    "light|$work/pictures/light.bmp||"
    "busy|$work/pictures/busy.bmp||"
    "busy-opaque-reversed|$work/pictures/busy.bmp|$here/profiles/opaque-reversed.ini|"
    "dark-opaque-reversed|$work/pictures/dark.bmp|$here/profiles/opaque-reversed.ini|"
    "tall-faint-margins|$work/pictures/tall.bmp|$here/profiles/faint-margins.ini|"
    "drawing-complete|$work/pictures/drawing.bmp||complete"
    "wide-complete-faint-reversed|$work/pictures/wide.bmp|$here/profiles/faint-margins.ini|complete"
    "light-complete-opaque|$work/pictures/light.bmp|$here/profiles/opaque-reversed.ini|complete"
)
sample="$root/resources/sample/sample.bmp"
args=(--artifacts "$artifacts")
if [ -f "$sample" ]; then
    cases=("sample|$sample||" "sample-complete|$sample||complete" "${cases[@]}")
else
    args+=(--failure "the sample picture $sample is there")
fi

mkdir -p "$work/skins" "$artifacts"
for entry in "${cases[@]}"; do
    IFS='|' read -r name picture profile complete <<<"$entry"
    folder="$work/skins/$name"
    command=("$tolvarin" make "$picture" "$folder" --wsz)
    [ -n "$profile" ] && command+=(--settings "$profile")
    [ -n "$complete" ] && command+=(--complete)
    if ! "${command[@]}" >"$work/$name.log" 2>&1; then
        echo "tolvarin make for $name failed:" >&2
        sed 's/^/    /' "$work/$name.log" >&2
        args+=(--failure "tolvarin make $name")
        continue
    fi
    wsz="$folder.wsz"
    if [ ! -s "$wsz" ]; then
        echo "tolvarin make --wsz for $name ended with 0 but wrote no $wsz" >&2
        args+=(--failure "tolvarin make --wsz $name wrote the archive")
        continue
    fi
    cp "$wsz" "$artifacts/$name.wsz"
    args+=("--${complete:+complete-}skin" "$name" "$folder" "$wsz")
done

# A skin made to be wrong, against whose texts the checks must fail: the dark picture with the
# colours of profiles/wrong-text.ini, checked with the colours of the "dark" skin (the defaults).
wrong="$work/skins/wrong-text"
if "$tolvarin" make "$work/pictures/dark.bmp" "$wrong" --wsz --settings "$here/profiles/wrong-text.ini" >"$work/wrong-text.log" 2>&1 &&
    [ -s "$wrong.wsz" ]; then
    args+=(--wrong wrong-text "$wrong.wsz" "$work/skins/dark")
else
    sed 's/^/    /' "$work/wrong-text.log" >&2
    args+=(--failure "tolvarin make wrong-text (a skin made to be wrong)")
fi

cd "$here"
node render-check.mjs "${args[@]}"
