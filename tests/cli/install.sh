#!/bin/sh
# Installs the build tree into a scratch prefix and runs the installed program from elsewhere, found
# through PATH alone: it must need nothing from the source or build tree.
#   install.sh BUILD_TREE SAMPLE.BMP
set -eu
build="$1"
sample="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log"
installed="$(cd "$scratch/prefix" && find . -type f | sort)"
[ "$installed" = "./bin/tolvarin" ] || { echo "installed files: $installed"; exit 1; }
cp "$sample" "$scratch/picture.bmp"
cd "$scratch"
PATH="$scratch/prefix/bin:/usr/bin:/bin" tolvarin make picture.bmp Skin
[ -s Skin/MAIN.BMP ] || { echo "no Skin/MAIN.BMP"; exit 1; }
echo "installed and ran $scratch/prefix/bin/tolvarin"
