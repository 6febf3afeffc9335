#!/usr/bin/env bash
# Viewing a large picture under Wine on a virtual screen: preview, zoom step
# and memory, as ratios.
#   bench/run-image-bench.sh [runs]
. "$(dirname "$0")/prepare.sh"
install_for_pictures
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/image_bench.exe \
  'C:\Program Files\Varilume SE' 'C:\pictures' "${1:-3}"
