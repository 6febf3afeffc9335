#!/usr/bin/env bash
# Runs platform_check.exe in a throwaway copy of the template prefix, on its
# own virtual screen, with a null sound device so wave playback works.
#   run-platform-check.sh <build-dir> <group>...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
build=$(cd "$1" && pwd)
shift

work=$(mktemp -d /tmp/varilume-platform.XXXXXX)
prefix=$work/prefix
cleanup() {
  WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

cp -a "$build/e2e/template" "$prefix"
mkdir -p "$work/home"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/home/.asoundrc"
export HOME=$work/home WINEPREFIX=$prefix

# Pictures made by ImageMagick: red, with a blue bottom-right quarter.
made=$prefix/drive_c/made
mkdir -p "$made"
draw() { convert -size "$1" xc:red -fill blue -draw "rectangle $2" "${@:3}"; }
draw 16x8 '8,4 15,7' -colors 2 -type Palette BMP3:"$made/palette1.bmp"
draw 16x8 '8,4 15,7' -define bmp:format=bmp3 -colors 16 -type Palette -depth 4 BMP3:"$made/palette4.bmp"
draw 16x8 '8,4 15,7' +dither -colors 200 -type Palette BMP3:"$made/palette8.bmp"
draw 16x8 '8,4 15,7' -type TrueColor BMP2:"$made/os2.bmp"
for s in 48 32 16; do draw "${s}x${s}" "$((s / 2)),$((s / 2)) $((s - 1)),$((s - 1))" "PNG32:$work/icon$s.png"; done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$made/sizes.ico"
draw 256x256 '128,128 255,255' "PNG32:$work/icon256.png"
convert "$work/icon256.png" "$made/png256.ico"
export PICTURE_SAMPLES='C:\made' WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-}

set +e
xvfb-run -a -s "-screen 0 800x600x24" "$WINE64" "$build/platform_check.exe" "$@"
status=$?
set -e
exit $status
