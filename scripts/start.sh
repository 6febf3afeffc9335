#!/usr/bin/env bash
# Builds Varilume SE and starts it under Wine, in a Wine prefix of its own.
# Without an X display it runs on a virtual screen, answers the first-run
# question with the default Windows path, waits for the main window, saves a
# screenshot and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
logs=$root/build/logs
screen=1024x768

# Lines Wine prints on every run of a headless machine that say nothing
# about the program: no sound card, no devices to probe, the virtual screen
# closing under it at the end.
wine_noise='Read access denied for device|X connection to .* broken|XIO: *fatal IO error|after [0-9]+ requests \([0-9]+ known processed\)|^ALSA lib |cannot find card|ntlm_auth was not found|winbind|Could not load libgnutls|failed to open device /dev/'
quiet_wine() { grep -v -E "$wine_noise" >&2 || true; }

# Says which step failed, where its whole log is, and shows the log's end.
failed() {
  echo "$1 failed. Its whole log is $2; the last lines:" >&2
  tail -n 30 "$2" >&2
  exit 1
}
# Runs a step with its output in a log: logged <what> <log> <command>...
logged() {
  local what=$1 log=$2
  shift 2
  "$@" >"$log" 2>&1 || failed "$what" "$log"
}

scripts/install-deps.sh
mkdir -p "$logs"

. tests/e2e/wine-env.sh
export WINEPREFIX=${VARILUME_PREFIX:-$HOME/.local/share/varilume-se/wine}
# A new prefix boots while the program compiles.
prefix_job=
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing a Wine prefix in $WINEPREFIX (once)…"
  mkdir -p "$(dirname "$WINEPREFIX")"
  tests/e2e/make-template.sh "$WINEPREFIX" >"$logs/start-prefix.log" 2>&1 &
  prefix_job=$!
  trap 'wait "$prefix_job" 2>/dev/null || true' EXIT
fi

echo "Building Varilume SE…"
logged "The build" "$logs/start-build.log" bash -c \
  'scripts/configure.sh mingw64 && cmake --build build/mingw64 --target varilume -j"$(nproc)"'
if [ -n "$prefix_job" ] && ! wait "$prefix_job"; then
  failed "Preparing the Wine prefix" "$logs/start-prefix.log"
fi
install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
mkdir -p "$install"
cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
cd "$install"

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Varilume SE…"
  exec "$WINE64" varilume.exe "$@" 2> >(quiet_wine)
fi

# On a virtual screen nobody can answer the program: a small helper does.
helper=$root/build/start/show-main.exe
if [ ! -x "$helper" ] || [ "$root/scripts/show-main.cpp" -nt "$helper" ]; then
  mkdir -p "$(dirname "$helper")"
  logged "Building the start helper" "$logs/start-helper.log" \
    x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Werror -static \
    -o "$helper" "$root/scripts/show-main.cpp"
fi

shot=$root/build/screenshots/varilume.png
mkdir -p "$(dirname "$shot")"
rm -f "$shot"
echo "Starting Varilume SE on a virtual ${screen} screen…"
export WINE64 WINESERVER SHOT=$shot HELPER=$helper
set +e
{ xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
    "$WINE64" varilume.exe "$@" &
    "$WINE64" "$HELPER" && import -window root "$SHOT"
    status=$?
    "$WINESERVER" -k
    exit $status' varilume "$@" 2>&1 >&3 | quiet_wine; } 3>&1
status=${PIPESTATUS[0]}
set -e
if [ $status -ne 0 ] || [ ! -f "$shot" ]; then
  echo "Varilume SE did not show its main window; no screenshot was taken." >&2
  exit 1
fi
echo "Screenshot saved to $shot"
echo "Varilume SE has been closed again."
