#!/usr/bin/env bash
# Walking a folder of 30 large pictures with Space under Wine on a virtual
# screen: a key after a pause, held keys, and memory, as ratios.
#   bench/run-walk-bench.sh [runs] [bmp|jpg]
. "$(dirname "$0")/prepare.sh"
install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
mkdir -p "$install"
cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
printf 'c:\\windows\\\r\n' > "$WINEPREFIX/drive_c/windir.cfg"
printf '0\r\n' > "$WINEPREFIX/drive_c/tip.cfg"
printf '1\r\n' > "$WINEPREFIX/drive_c/res.cfg"
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/walk_bench.exe \
  'C:\Program Files\Varilume SE' 'C:\walk' "${1:-1}" ${2:+"$2"}
