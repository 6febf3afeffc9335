#!/usr/bin/env bash
# Draws the program's icon and bitmaps (ImageMagick). The results are
# committed; run this only to change the drawings.
set -euo pipefail
cd "$(dirname "$0")"

icon_layer() {  # size
  local s=$1 r=$(( $1 / 5 )) f=$(( $1 * 3 / 4 ))
  convert -size "${s}x${s}" xc:none \
    \( -size "${s}x${s}" gradient:'#2f6fd0-#7a2fa8' \) \
    \( -size "${s}x${s}" xc:none -fill white -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $r,$r" \) \
    -delete 0 -alpha off -compose CopyOpacity -composite \
    -fill '#ffd84a' -stroke '#5a3a00' -strokewidth $(( s / 24 + 1 )) \
    -font Helvetica-Bold -pointsize "$f" -gravity center -annotate +0+1 'V' \
    "PNG32:icon-$s.png"
}
# Every size the shell asks for, from the small icon to the large one at 200%.
for s in 16 24 32 48 256; do icon_layer "$s"; done
convert icon-16.png icon-24.png icon-32.png icon-48.png icon-256.png varilume.ico
rm -f icon-16.png icon-24.png icon-32.png icon-48.png icon-256.png

# The About page banner, 313 x 37.
convert -size 313x37 gradient:'#1d4f9c-#8a3fb8' -rotate 90 -resize '313x37!' \
  -fill '#ffe27a' -font Helvetica-BoldOblique -pointsize 24 -gravity west -annotate +10+0 'Varilume SE' \
  -fill white -font Helvetica -pointsize 11 -gravity east -annotate +10+0 'pictures  music  sound  video' \
  -type TrueColor BMP3:banner.bmp

# The strip down the right of the tip window, 81 x 181. The window's buttons
# stand over rows 36-93 and 148-173: the light bulb goes in the gap between.
convert -size 81x181 gradient:'#fff6c8-#e0b85a' \
  -fill '#fffbe6' -stroke '#8a6a10' -strokewidth 2 -draw 'circle 40,111 40,97' \
  -fill '#c9c9c9' -stroke '#6a6a6a' -draw 'rectangle 34,126 46,140' \
  -stroke '#6a6a6a' -draw 'line 34,131 46,131' -draw 'line 34,135 46,135' \
  -stroke '#8a6a10' -strokewidth 1 -draw 'line 40,121 40,109' -draw 'line 36,109 44,109' \
  -type TrueColor BMP3:tipstrip.bmp


# Pictures of the Open and Play buttons, drawn on a 256 x 256 grid (eight
# times the 32-pixel picture) and scaled down for 100%, 150% and 200%: their
# soft edges are in the alpha channel, so they sit cleanly on any face.
button_art() {  # name draw-commands...
  local name=$1
  shift
  convert -size 256x256 xc:none "$@" master.png
  for s in 32 48 64; do
    convert master.png -resize "${s}x${s}" -define bmp:format=bmp4 "BMP:$name$s.bmp"
  done
  rm -f master.png
}
button_art open -strokewidth 8 \
  -fill '#e8c040' -stroke '#806000' -draw 'polygon 24,72 96,72 112,96 224,96 224,216 24,216' \
  -fill '#ffe080' -draw 'polygon 48,120 248,120 216,216 24,216'
button_art play -strokewidth 8 \
  -fill '#20a040' -stroke '#005010' -draw 'polygon 72,40 216,128 72,216'
# Zoom in and out: a magnifying glass with a plus or a minus.
magnifier=(-strokewidth 20 -stroke '#404040' -draw 'line 150,150 232,232'
  -strokewidth 10 -fill '#e8f4ff' -stroke '#204070' -draw 'circle 104,104 104,28')
button_art zoomin "${magnifier[@]}" -strokewidth 16 -stroke '#204070' \
  -draw 'line 64,104 144,104' -draw 'line 104,64 104,144'
button_art zoomout "${magnifier[@]}" -strokewidth 16 -stroke '#204070' -draw 'line 64,104 144,104'
# Full screen: a screen with arrows out to its corners.
button_art full -strokewidth 10 -fill '#d8e8ff' -stroke '#204070' \
  -draw 'rectangle 24,40 232,216' -fill '#204070' -stroke none \
  -draw 'polygon 48,64 112,64 48,112' -draw 'polygon 208,64 144,64 208,112' \
  -draw 'polygon 48,192 112,192 48,144' -draw 'polygon 208,192 144,192 208,144'
# Stop: a red square. The CD start button: a disc with a play mark.
button_art stop -strokewidth 8 -fill '#d03028' -stroke '#601010' -draw 'rectangle 56,56 200,200'
button_art disc -strokewidth 6 -fill '#d8dce8' -stroke '#505870' -draw 'circle 128,128 128,16' \
  -fill '#f4f4fa' -draw 'circle 128,128 128,64' -fill '#505870' -draw 'circle 128,128 128,112' \
  -fill '#20a040' -stroke '#005010' -strokewidth 6 -draw 'polygon 168,160 240,200 168,240'
# The transport: dark marks for moving about, red for recording.
mark=(-strokewidth 6 -fill '#303848' -stroke '#101418')
button_art prev "${mark[@]}" -draw 'rectangle 40,64 64,192' \
  -draw 'polygon 144,64 64,128 144,192' -draw 'polygon 224,64 144,128 224,192'
button_art next "${mark[@]}" -draw 'rectangle 192,64 216,192' \
  -draw 'polygon 32,64 112,128 32,192' -draw 'polygon 112,64 192,128 112,192'
button_art pause "${mark[@]}" -fill '#2050b0' -stroke '#102050' \
  -draw 'rectangle 64,56 112,200' -draw 'rectangle 144,56 192,200'
button_art back "${mark[@]}" -draw 'rectangle 64,64 88,192' -draw 'polygon 192,64 96,128 192,192'
button_art step "${mark[@]}" -draw 'rectangle 168,64 192,192' -draw 'polygon 64,64 160,128 64,192'
button_art record -strokewidth 8 -fill '#e02020' -stroke '#700000' -draw 'circle 128,128 128,48'
button_art eject "${mark[@]}" -draw 'polygon 128,48 216,144 40,144' -draw 'rectangle 40,168 216,200'
# The break window: a button that ends the break (a cup), and a strip of
# evening sky down its right-hand side, 97 x 283.
button_art endbreak -strokewidth 8 -fill '#f4f0e8' -stroke '#6a4a2a' \
  -draw 'polygon 48,88 176,88 164,208 60,208' -fill none -draw 'arc 152,104 224,176 -90,90' \
  -stroke '#a08060' -strokewidth 6 -draw 'line 88,72 80,32' -draw 'line 120,72 128,32' \
  -draw 'line 152,72 144,32'
convert -size 97x283 gradient:'#2a3f7a-#e8a060' \
  -fill '#fff4c0' -stroke none -draw 'circle 48,236 48,222' \
  -fill '#ffffff' -draw 'point 20,30' -draw 'point 70,18' -draw 'point 52,60' -draw 'point 84,88' \
  -type TrueColor BMP3:breakstrip.bmp
echo "art written to $(pwd)"
