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
for s in 16 32 48; do icon_layer "$s"; done
convert icon-16.png icon-32.png icon-48.png varilume.ico
rm -f icon-16.png icon-32.png icon-48.png

# The About page banner, 313 x 37.
convert -size 313x37 gradient:'#1d4f9c-#8a3fb8' -rotate 90 -resize '313x37!' \
  -fill '#ffe27a' -font Helvetica-BoldOblique -pointsize 24 -gravity west -annotate +10+0 'Varilume SE' \
  -fill white -font Helvetica -pointsize 11 -gravity east -annotate +10+0 'pictures  music  sound  video' \
  -type TrueColor BMP3:banner.bmp

# The strip down the right of the tip window, 81 x 181.
convert -size 81x181 gradient:'#fff6c8-#e0b85a' \
  -fill '#fffbe6' -stroke '#8a6a10' -strokewidth 2 -draw 'circle 40,58 40,34' \
  -fill '#c9c9c9' -stroke '#6a6a6a' -draw 'rectangle 31,84 49,100' \
  -stroke '#6a6a6a' -draw 'line 31,90 49,90' -draw 'line 31,95 49,95' \
  -stroke '#8a6a10' -strokewidth 1 -draw 'line 40,76 40,62' -draw 'line 35,62 45,62' \
  -type TrueColor BMP3:tipstrip.bmp
echo "art written to $(pwd)"

# Pictures of the Open and Play buttons, 32 x 32 in 16 colours; the corner
# colour becomes the button's face.
convert -size 32x32 xc:'#c0c0c0' \
  -fill '#e8c040' -stroke '#806000' -draw 'polygon 3,9 12,9 14,12 28,12 28,27 3,27' \
  -fill '#ffe080' -draw 'polygon 6,15 31,15 27,27 3,27' \
  -colors 16 -type Palette BMP3:open.bmp
convert -size 32x32 xc:'#c0c0c0' \
  -fill '#20a040' -stroke '#005010' -draw 'polygon 9,5 27,16 9,27' \
  -colors 16 -type Palette BMP3:play.bmp
