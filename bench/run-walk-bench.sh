#!/usr/bin/env bash
# Walking a folder of 30 large pictures with Space under Wine on a virtual
# screen: a key after a pause, held keys, and memory, as ratios.
#   bench/run-walk-bench.sh [runs] [bmp|jpg]
. "$(dirname "$0")/prepare.sh"
install_for_pictures
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/walk_bench.exe \
  'C:\Program Files\Varilume SE' 'C:\walk' "${1:-1}" ${2:+"$2"}
