#!/usr/bin/env bash
# Viewing a large picture under Wine on a virtual screen: preview, zoom step
# and memory, as ratios.
#   bench/run-image-bench.sh [runs]
. "$(dirname "$0")/prepare.sh"
install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
mkdir -p "$install"
cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
printf 'c:\\windows\\\r\n' > "$WINEPREFIX/drive_c/windir.cfg"
printf '0\r\n' > "$WINEPREFIX/drive_c/tip.cfg"
printf '1\r\n' > "$WINEPREFIX/drive_c/res.cfg"
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/image_bench.exe \
  'C:\Program Files\Varilume SE' 'C:\pictures' "${1:-3}"
