#!/usr/bin/env bash
# Configures one CMake preset: scripts/configure.sh <preset>
# A configure that once failed for want of a compiler leaves a cache without
# the build type's flags, and CMake would go on building unoptimized from it:
# such a cache is started afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=build/$1/CMakeCache.txt
if [ -f "$cache" ] && grep -q '^CMAKE_CXX_FLAGS_RELEASE:STRING=$' "$cache"; then
  rm -rf "$cache" "build/$1/CMakeFiles"
fi
cmake --preset "$1" >/dev/null
