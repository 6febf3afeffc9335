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
cmake --preset native >/dev/null
cmake --build build/native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== Windows x86 build"
cmake --preset mingw32 >/dev/null
cmake --build build/mingw32 -j"$jobs"

echo "== Windows x64 build and end-to-end tests under Wine"
cmake --preset mingw64 >/dev/null
cmake --build build/mingw64 -j"$jobs"
ctest --preset mingw64 -j"$jobs"
