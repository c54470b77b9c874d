#!/bin/sh
# fetch-debian-source.sh PACKAGE VERSION FOLDER: unpacks Debian's source package PACKAGE (with
# Debian's patches applied) as FOLDER/PACKAGE-VERSION, once: a folder already there is kept. The
# version is the upstream one; a source package of another version is refused. Needs a deb-src
# entry for bookworm (.ci/setup.sh: need_deb_src) and dpkg-dev.
set -eu
package="$1"
version="$2"
folder="$3"
[ -f "$folder/$package-$version/.unpacked" ] && exit 0
if ! command -v dpkg-source >/dev/null 2>&1; then
    echo "fetch-debian-source.sh: dpkg-source is missing (install dpkg-dev, or run ./check)" >&2
    exit 1
fi
mkdir -p "$folder"
scratch="$(mktemp -d "$folder/.fetch-$package.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
if ! (cd "$scratch" && apt-get source -qq --only-source "$package" >fetch.log 2>&1); then
    cat "$scratch/fetch.log" >&2
    echo "fetch-debian-source.sh: apt-get source $package failed; the set-up adds the deb-src entry it needs (./check)" >&2
    exit 1
fi
if [ ! -d "$scratch/$package-$version" ]; then
    echo "fetch-debian-source.sh: Debian's $package is not version $version:" $(ls "$scratch") >&2
    exit 1
fi
rm -rf "$folder/$package-$version"
mv "$scratch/$package-$version" "$folder/"
touch "$folder/$package-$version/.unpacked"
