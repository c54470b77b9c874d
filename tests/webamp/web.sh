#!/usr/bin/env bash
# The browser edition in Debian's Chromium beside the native command line (web-check.mjs): builds
# the site with ./tolvarin web --out, then uses the page as a person does. Screenshots go to
# tests/artifacts/web/. Prints "N passed, N failed" last.
#   tests/webamp/web.sh TOLVARIN [WEB_BUILD_FOLDER]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
fail_setup() {
    echo "tests/webamp/web.sh: $1" >&2
    echo "0 passed, 1 failed"
    exit 1
}
[ "$#" -ge 1 ] && [ -x "$1" ] || fail_setup "usage: web.sh TOLVARIN [WEB_BUILD_FOLDER] (TOLVARIN: the native command line)"
[ -x /usr/bin/chromium ] || fail_setup "/usr/bin/chromium is missing: install the Debian package 'chromium' (./check does)"
build="${2:-$root/build/web}"
site="$build/site-out"
TOLVARIN_WEB_BUILD="$build" "$root/web/run.sh" --out "$site" >&2 || fail_setup "the browser edition did not build"

exec 9>"$here/.run.lock"  # the same lock as run.sh: one npm ci at a time in this folder
flock 9
(cd "$here" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) || fail_setup "npm ci failed in $here"
exec 9>&-
node "$here/web-check.mjs" --cli "$1" --serve "$root/web/serve.mjs" --site "$site" --artifacts "$root/tests/artifacts/web" \
    --sample "$root/resources/sample/sample.bmp" --jpeg "$root/tests/picture/pictures/tall-420.jpg" \
    --png "$root/tests/picture/pictures/tall-interlaced-alpha.png" --profile "$here/profiles/opaque-reversed.ini"
