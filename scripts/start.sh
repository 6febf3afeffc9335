#!/usr/bin/env bash
# Builds Varilume SE and starts it under Wine, in a Wine prefix of its own.
# Without an X display it runs on a virtual screen, answers the first-run
# question with the default Windows path, waits for the main window, saves a
# screenshot and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
scripts/configure.sh mingw64
cmake --build build/mingw64 -j"$(nproc)"
. tests/e2e/wine-env.sh

export WINEPREFIX=${VARILUME_PREFIX:-$HOME/.local/share/varilume-se/wine}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "preparing a Wine prefix in $WINEPREFIX (once)"
  mkdir -p "$(dirname "$WINEPREFIX")"
  tests/e2e/make-template.sh "$WINEPREFIX" >/dev/null
fi
install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
mkdir -p "$install"
cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
cd "$install"

if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE64" varilume.exe "$@"
fi

shot="$root/build/screenshots/varilume.png"
mkdir -p "$(dirname "$shot")"
export WINE64 WINESERVER E2E_SHOT=$shot E2E_DRIVER="$root/build/mingw64/e2e_driver.exe"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$WINE64" varilume.exe "$@" &
  "$WINE64" "$E2E_DRIVER" show_main && import -window root "$E2E_SHOT"
  status=$?
  "$WINESERVER" -k
  exit $status' varilume "$@"
echo "Varilume SE started on a virtual screen; its main window is in $shot"
