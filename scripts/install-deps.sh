#!/usr/bin/env bash
# Installs everything the build, the tests and the start command use
# (Debian 12; run as root or with sudo available). apt's own output goes to
# build/logs/packages.log and is shown only if it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang and its runtime libraries (libFuzzer) build the fuzz harnesses.
packages=(cmake make g++ googletest libgtest-dev libgmock-dev clang-format clang libclang-rt-14-dev
          g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 xvfb xauth imagemagick util-linux nsis)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
mkdir -p build/logs
log=$(pwd)/build/logs/packages.log
echo "Installing the packages Varilume SE is built and run with (once, about 100 s): ${missing[*]}…"
if ! { "${as_root[@]}" apt-get update -q &&
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q "${missing[@]}"; } \
  >"$log" 2>&1; then
  echo "Installing the packages failed. The whole log is $log; the last lines:" >&2
  tail -n 20 "$log" >&2
  exit 1
fi
