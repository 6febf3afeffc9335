#!/usr/bin/env bash
# Runs one end-to-end scenario in a throwaway copy of the template prefix,
# on its own virtual screen.
#   run-scenario.sh <build-dir> <scenario> <width>x<height> <dpi> [mode]
# where mode is readonly-c, devices, portable, or two-monitors (a second
# screen of the same size beside the first).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
build=$(cd "$1" && pwd) scenario=$2 screen=$3 dpi=$4 mode=${5:-}

work=$(mktemp -d /tmp/varilume-e2e.XXXXXX)
prefix=$work/prefix
cleanup() {
  WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1 || true
  for m in "$prefix/drive_c" "$work/readonly" "$work/full"; do
    if mountpoint -q "$m" 2>/dev/null; then umount "$m" 2>/dev/null || umount -l "$m"; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

cp -a "$build/e2e/template" "$prefix"
mkdir -p "$work/home" "$work/scratch"
# Wave playback needs a sound device: ALSA's null device stands in for one.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/home/.asoundrc"
export HOME=$work/home WINEPREFIX=$prefix
export E2E_SCRATCH="Z:${work//\//\\}\\scratch"
install="$prefix/drive_c/Program Files/Varilume SE"
mkdir -p "$install"
cp "$build/varilume.exe" "$build/readme.txt" "$build/tip.dat" "$install/"

reg() { "$WINE64" reg add "$@" /f >/dev/null 2>&1; }
if [ "$dpi" != 96 ]; then
  reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
  reg 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi"
fi
if [ "$mode" = portable ]; then
  # The portable zip holds exactly its four files; unpacked into a folder of
  # awkward name, its program is started there by the scenario.
  zip=$(ls "$build"/dist/varilume-se-*-x64.zip)
  listed=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
  if [ "$listed" != "LICENSE.txt readme.txt tip.dat varilume.exe " ]; then
    echo "FAIL the zip holds: $listed"
    exit 1
  fi
  portable="$prefix/drive_c/portable é dir"
  mkdir -p "$portable"
  (cd "$portable" && cmake -E tar xf "$zip")
fi
if [ "$mode" = readonly-c ]; then
  # The user's settings folder moves to a writable drive D:, then C: becomes read-only.
  mkdir -p "$work/d"
  ln -s "$work/d" "$prefix/dosdevices/d:"
  for key in 'User Shell Folders' 'Shell Folders'; do
    reg "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\$key" /v AppData /t REG_SZ /d 'D:\AppData'
  done
fi
"$WINESERVER" -w  # the registry is saved before the program reads it
if [ "$mode" = readonly-c ]; then
  mount --bind "$prefix/drive_c" "$prefix/drive_c"
  mount -o remount,ro,bind "$prefix/drive_c"
fi
if [ "$mode" = devices ]; then
  # D: cannot be written, E: holds one megabyte.
  mkdir -p "$work/readonly" "$work/full"
  mount --bind "$work/readonly" "$work/readonly"
  mount -o remount,ro,bind "$work/readonly"
  mount -t tmpfs -o size=1m varilume-test "$work/full"
  ln -s "$work/readonly" "$prefix/dosdevices/d:"
  ln -s "$work/full" "$prefix/dosdevices/e:"
fi

screens="-screen 0 ${screen}x24"
if [ "$mode" = two-monitors ]; then
  screens="+xinerama -extension RANDR -screen 0 ${screen}x24 -screen 1 ${screen}x24"
fi
set +e
xvfb-run -a -s "$screens" "$WINE64" "$build/e2e_driver.exe" "$scenario"
status=$?
set -e
exit $status
