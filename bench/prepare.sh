# Sourced by the benchmark scripts: builds the programs and makes a throwaway
# Wine prefix ($WINEPREFIX) that is removed on exit.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
scripts/configure.sh mingw64
cmake --build build/mingw64 -j"$(nproc)" >/dev/null
. tests/e2e/wine-env.sh
bench_work=$(mktemp -d /tmp/varilume-bench.XXXXXX)
trap 'WINEPREFIX=$bench_work/prefix "$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$bench_work"' EXIT
tests/e2e/make-template.sh "$bench_work/prefix" >/dev/null
export WINEPREFIX=$bench_work/prefix HOME=$bench_work/prefix.home

# The program installed in the prefix as after its first run, with the tips
# off and High-Res chosen: where the picture benchmarks start.
install_for_pictures() {
  local install="$WINEPREFIX/drive_c/Program Files/Varilume SE"
  mkdir -p "$install"
  cp build/mingw64/varilume.exe build/mingw64/readme.txt build/mingw64/tip.dat "$install/"
  printf 'c:\\windows\\\r\n' > "$WINEPREFIX/drive_c/windir.cfg"
  printf '0\r\n' > "$WINEPREFIX/drive_c/tip.cfg"
  printf '1\r\n' > "$WINEPREFIX/drive_c/res.cfg"
}
