#!/usr/bin/env bash
# The file list of a directory of 20,000 files, the program's fill against
# LB_DIR, under Wine on a virtual screen.
#   bench/run-filelist-bench.sh [runs]
. "$(dirname "$0")/prepare.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/filelist_bench.exe "${1:-7}"
