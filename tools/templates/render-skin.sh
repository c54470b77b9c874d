#!/bin/sh
# Renders a written skin folder the way the classic player shows it (main window playing,
# equalizer, playlist, shade bars, and the unfocused bars), so the template art can be judged
# in place.
#   tools/templates/render-skin.sh SKIN_FOLDER OUT.png   (needs ImageMagick's convert)
set -eu
skin=$1
out=$2
args=""
sprite() {  # file sx sy w h dx dy
    args="$args ( $skin/$1 -crop $4x$5+$2+$3 +repage ) -geometry +$6+$7 -composite"
}
cell() {  # character -> "col row" in TEXT.BMP
    case "$1" in
    [A-Z]) printf '%d 0' $(($(printf '%d' "'$1") - 65)) ;;
    [0-9]) printf '%d 1' $(($(printf '%d' "'$1") - 48)) ;;
    .) echo "11 1" ;; :) echo "12 1" ;; "(") echo "13 1" ;; ")") echo "14 1" ;; -) echo "15 1" ;;
    /) echo "21 1" ;; *) echo "30 0" ;;
    esac
}
text() {  # string x y
    s=$1; x=$2
    while [ -n "$s" ]; do
        ch=$(printf '%s' "$s" | cut -c1); s=$(printf '%s' "$s" | cut -c2-)
        set -- $(cell "$ch") "$3"
        sprite TEXT.BMP $(($1 * 5)) $(($2 * 6)) 5 6 "$x" "$3"
        x=$((x + 5))
    done
}
digit() { sprite NUMS_EX.BMP $(($1 * 9)) 0 9 13 "$2" 26; }

# Main window, playing, with the clutter bar's "A" held down.
sprite TITLEBAR.BMP 27 0 275 14 0 0
sprite TITLEBAR.BMP 0 0 9 9 6 3
sprite TITLEBAR.BMP 9 0 9 9 244 3
sprite TITLEBAR.BMP 0 18 9 9 254 3
sprite TITLEBAR.BMP 18 0 9 9 264 3
sprite TITLEBAR.BMP 312 44 8 43 10 22
sprite PLAYPAUS.BMP 36 0 3 9 24 28
sprite PLAYPAUS.BMP 1 0 8 9 27 28
sprite NUMS_EX.BMP 99 0 9 13 36 26
digit 0 48; digit 3 60; digit 4 78; digit 2 90
text "1. MORNING LIGHT (3:42)" 111 27
text "128" 111 43
text "44" 156 43
sprite MONOSTER.BMP 29 12 27 12 212 41
sprite MONOSTER.BMP 0 0 29 12 239 41
sprite VOLUME.BMP 0 0 68 13 107 57
sprite BALANCE.BMP 9 0 38 13 177 57
sprite SHUFREP.BMP 0 73 23 12 219 58
sprite SHUFREP.BMP 23 61 23 12 242 58
sprite POSBAR.BMP 0 0 248 10 16 72
sprite POSBAR.BMP 248 0 29 10 80 72
sprite CBUTTONS.BMP 0 0 23 18 16 88
sprite CBUTTONS.BMP 23 18 23 18 39 88
sprite CBUTTONS.BMP 46 0 23 18 62 88
sprite CBUTTONS.BMP 69 0 23 18 85 88
sprite CBUTTONS.BMP 92 0 22 18 108 88
sprite CBUTTONS.BMP 114 0 22 16 136 89
sprite SHUFREP.BMP 28 30 47 15 164 89
sprite SHUFREP.BMP 0 0 28 15 210 89
convert "$skin/MAIN.BMP" $args /tmp/render-main.$$.png
args=""

# Equalizer window.
sprite EQMAIN.BMP 0 134 275 14 0 0
sprite EQMAIN.BMP 0 116 9 9 264 3
sprite EQMAIN.BMP 69 119 25 12 14 18
sprite EQMAIN.BMP 36 119 32 12 40 18
convert "$skin/EQMAIN.BMP" -crop 275x116+0+0 +repage $args /tmp/render-eq.$$.png
args=""

# Playlist, 275 x 174 (116 + 2 x 29): top, sides, bottom, list text.
convert -size 275x174 xc:black /tmp/render-pl.$$.png
sprite PLEDIT.BMP 0 0 25 20 0 0
for x in 25 50 75 175 200 225; do sprite PLEDIT.BMP 127 0 25 20 $x 0; done
sprite PLEDIT.BMP 26 0 100 20 87 0
sprite PLEDIT.BMP 153 0 25 20 250 0
for y in 20 49 78 107; do sprite PLEDIT.BMP 0 42 12 29 0 $y; sprite PLEDIT.BMP 31 42 20 29 255 $y; done
sprite PLEDIT.BMP 52 53 8 18 260 20
sprite PLEDIT.BMP 0 72 125 38 0 136
sprite PLEDIT.BMP 126 72 150 38 125 136
text "3:42/21:25" 132 146
text "01" 198 159
text "23" 211 159
convert /tmp/render-pl.$$.png $args /tmp/render-pl.$$.png
args=""

# Shade bars: main, equalizer and playlist.
convert -size 275x42 xc:black /tmp/render-shade.$$.png
sprite TITLEBAR.BMP 27 29 275 14 0 0
sprite TITLEBAR.BMP 0 36 17 7 226 4
sprite TITLEBAR.BMP 20 36 3 7 232 4
text "3:42" 134 4
sprite EQ_EX.BMP 0 0 275 14 0 14
sprite EQ_EX.BMP 4 30 3 7 100 18
sprite EQ_EX.BMP 14 30 3 7 183 18
sprite PLEDIT.BMP 72 42 25 14 0 28
for x in 25 50 75 100 125 150 175 200; do sprite PLEDIT.BMP 72 57 25 14 $x 28; done
sprite PLEDIT.BMP 99 42 50 14 225 28
convert /tmp/render-shade.$$.png $args /tmp/render-shade.$$.png

args=""

# Unfocused: main title bar, equalizer title, both shade bars and the playlist's top row.
convert -size 275x76 xc:black /tmp/render-idle.$$.png
sprite TITLEBAR.BMP 27 15 275 14 0 0
sprite EQMAIN.BMP 0 149 275 14 0 14
sprite TITLEBAR.BMP 27 42 275 14 0 28
sprite EQ_EX.BMP 0 15 275 14 0 42
sprite PLEDIT.BMP 0 21 25 20 0 56
for x in 25 50 75 175 200 225; do sprite PLEDIT.BMP 127 21 25 20 $x 56; done
sprite PLEDIT.BMP 26 21 100 20 87 56
sprite PLEDIT.BMP 153 21 25 20 250 56
convert /tmp/render-idle.$$.png $args /tmp/render-idle.$$.png

convert /tmp/render-main.$$.png /tmp/render-eq.$$.png /tmp/render-shade.$$.png /tmp/render-idle.$$.png -append \
    /tmp/render-left.$$.png
convert /tmp/render-left.$$.png /tmp/render-pl.$$.png -background gray20 -splice 0x0 +append \
    -filter point -resize 300% "$out"
rm -f /tmp/render-*.$$.png
