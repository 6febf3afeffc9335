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

set +e
xvfb-run -a -s "-screen 0 800x600x24" "$WINE64" "$build/platform_check.exe" "$@"
status=$?
set -e
exit $status
