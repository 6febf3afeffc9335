#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests natively under
# AddressSanitizer and UBSan, the 32-bit Windows build, and the end-to-end
# tests of the real 64-bit program under Wine on virtual screens.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== unit tests (native, sanitizers)"
scripts/configure.sh native
cmake --build build/native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== Windows x86 build"
scripts/configure.sh mingw32
cmake --build build/mingw32 -j"$jobs"

echo "== Windows x64 build and end-to-end tests under Wine"
scripts/configure.sh mingw64
cmake --build build/mingw64 -j"$jobs"
ctest --preset mingw64 -j"$jobs"
