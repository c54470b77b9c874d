#!/bin/sh
# A contact sheet of every template at three times its size, each labelled with its id.
#   tools/templates/contact-sheet.sh TEMPLATE_FOLDER OUT.png   (needs ImageMagick)
set -eu
folder=$1
out=$2
work=$(mktemp -d)
for file in "$folder"/*.bmp; do
    id=$(basename "$file" .bmp)
    convert "$file" -filter point -resize 300% -bordercolor gray60 -border 1 "$work/$id.png"
done
montage "$work"/*.png -tile 3x -geometry +6+6 -background gray35 -fill white -font DejaVu-Sans -pointsize 14 \
    -set label '%t' "$out"
rm -rf "$work"
