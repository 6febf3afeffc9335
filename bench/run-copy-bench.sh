#!/usr/bin/env bash
# A 1 GB copy without and with its progress window, under Wine on a virtual
# screen: the cost of the figures and how often they change.
#   bench/run-copy-bench.sh [runs]
. "$(dirname "$0")/prepare.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/copy_bench.exe "${1:-5}"
