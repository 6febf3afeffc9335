#!/usr/bin/env bash
# Builds the release for 64-bit Windows: the installer and the portable zip,
# both named with the version, in build/mingw64/dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure.sh mingw64
cmake --build build/mingw64 --target release -j"$(nproc)"
ls -l build/mingw64/dist/varilume-se-*-setup.exe build/mingw64/dist/varilume-se-*-x64.zip
