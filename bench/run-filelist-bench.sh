#!/usr/bin/env bash
# The file list of a directory of 20,000 files, the program's fill against
# LB_DIR, under Wine on a virtual screen.
#   bench/run-filelist-bench.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset mingw64 >/dev/null
cmake --build build/mingw64 -j"$(nproc)" >/dev/null
. tests/e2e/wine-env.sh
work=$(mktemp -d /tmp/varilume-bench.XXXXXX)
trap 'WINEPREFIX=$work/prefix "$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
tests/e2e/make-template.sh "$work/prefix" >/dev/null
export WINEPREFIX=$work/prefix HOME=$work/prefix.home
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/filelist_bench.exe "${1:-7}"
