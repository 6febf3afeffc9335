#!/usr/bin/env bash
# Screenshots of the real program under Wine for the user guide: the main
# window on each page, the tips window, the reminder's properties and a break,
# and the main window, the properties and a break again at 144 DPI, written to
# docs/ as PNG files.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
scripts/configure.sh mingw64
cmake --build build/mingw64 -j"$(nproc)" >/dev/null
shots=$(mktemp -d /tmp/varilume-shots.XXXXXX)
trap 'rm -rf "$shots"' EXIT
ctest --test-dir build/mingw64 -R e2e_prefix >/dev/null
E2E_SHOTS="Z:${shots//\//\\}" tests/e2e/run-scenario.sh build/mingw64 screenshots 1024x768 96
E2E_SHOTS="Z:${shots//\//\\}" tests/e2e/run-scenario.sh build/mingw64 screenshots_144dpi 1920x1080 144
for bmp in "$shots"/*.bmp; do
  convert "$bmp" "$root/docs/$(basename "${bmp%.bmp}").png"
done
echo "screenshots written to $root/docs"
