#!/usr/bin/env bash
# CPU while a wave plays on the Sound page, against a minimal MCI player in
# the same run, and CPU while idle on the Sound page.
#   bench/run-media-bench.sh [runs]
. "$(dirname "$0")/prepare.sh"
install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
mkdir -p "$install" "$HOME"
cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
printf 'c:\\windows\\\r\n' > "$WINEPREFIX/drive_c/windir.cfg"
printf '0\r\n' > "$WINEPREFIX/drive_c/tip.cfg"
printf '1\r\n' > "$WINEPREFIX/drive_c/res.cfg"
# Wave playback needs a sound device: ALSA's null device stands in for one.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"
xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" build/mingw64/media_bench.exe \
  'C:\Program Files\Varilume SE' 'C:\media' "${1:-3}"
