#!/usr/bin/env bash
# Start-up time and working set of varilume.exe against a program that opens
# one empty window, measured in the same run under Wine on a virtual screen.
#   bench/run-startup-bench.sh [runs]
. "$(dirname "$0")/prepare.sh"
install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
mkdir -p "$install"
cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
# A start as after the first run: the Windows path is known, the tips show.
printf 'c:\\windows\\\r\n' > "$WINEPREFIX/drive_c/windir.cfg"
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/startup_bench.exe \
  'C:\Program Files\Varilume SE' "${1:-9}"
