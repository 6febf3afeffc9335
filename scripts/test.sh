#!/usr/bin/env bash
# Builds everything and runs every test: the format check, the unit tests
# natively under AddressSanitizer and UBSan, a few seconds of each fuzz
# harness, the 32-bit Windows build, the
# 64-bit build with the release, and the end-to-end tests of the real 64-bit
# program under Wine on virtual screens.
#
# Each stage keeps its whole output in build/logs/<stage>.log; a failed
# stage does not stop the ones after it unless they need what it makes. The
# summary at the end gives each stage's result and, for a failure, the
# names, the log and the command that reruns one. Its last line is the total
# over the tests, "N passed, N failed"; a failed stage that is not a test
# run (the format check, a build) counts there as one failure, so the total
# never reads "0 failed" when something failed. The exit status is non-zero
# if anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh || exit 1
jobs=$(nproc)
logs=$root/build/logs
mkdir -p "$logs"

summary=()  # lines of the summary, in stage order
passed=0 failed=0

# Adds lines to the summary; empty ones are left out.
note() {
  local line
  for line in "$@"; do [ -z "$line" ] || summary+=("$line"); done
}
# A stage's result: shown at once and kept for the summary.
result() {
  echo "  $1"
  note "$1"
}
indent() { sed 's/^/    /'; }
seconds() { echo "$(($(date +%s) - $1)) s"; }
# Runs a command with its output appended to a log.
logged() {
  local log=$1
  shift
  echo "\$ $*" >>"$log"
  "$@" >>"$log" 2>&1
}
# CMake's, the compilers' and makensis's warnings in a build log.
warnings() { grep -E -i '(^|[ :])warning( [0-9]+)?:|^CMake Warning' "$1" | sort -u; }
# The first lines of a build log that name an error, make's own last.
first_errors() {
  { grep -i 'error' "$1" | grep -v -E '^g?make(\[[0-9]+\])?: \*\*\*'
    grep -E '^g?make(\[[0-9]+\])?: \*\*\*' "$1"; } | head -n5
}
# A test name as an anchored CTest regular expression.
exact() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')"; }

# Configures and builds one preset: build <what it does> <label> <log> <preset>
# On success, $built says how it went; a failure is noted and counted.
build() {
  local doing=$1 label=$2 log=$3 preset=$4 start count
  start=$(date +%s)
  echo "$doing…"
  if logged "$log" scripts/configure.sh "$preset" &&
    logged "$log" cmake --build "build/$preset" -j"$jobs"; then
    count=$(warnings "$log" | wc -l)
    built="passed ($(seconds "$start"))"
    [ "$count" -eq 0 ] || built="passed with $count warnings, see $log ($(seconds "$start"))"
    return 0
  fi
  result "$label: FAILED ($(seconds "$start"))"
  note "  first errors:" "$(first_errors "$log" | indent)" \
    "  log: $log" "  rerun: cmake --build build/$preset"
  failed=$((failed + 1))
  return 1
}

# Runs a CTest preset and notes its counts:
#   run_tests <what it does> <label> <log> <preset> [time the stage began]
run_tests() {
  local doing=$1 label=$2 log=$3 preset=$4 start=${5:-$(date +%s)} counts total bad names name how
  echo "$doing…"
  logged "$log" ctest --preset "$preset" -j"$jobs"
  # "97% tests passed, 1 tests failed out of 41"
  counts=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$counts" ]; then
    result "$label: FAILED, CTest gave no result ($(seconds "$start"))"
    note "  log: $log" "  rerun: ctest --preset $preset --output-on-failure"
    failed=$((failed + 1))
    return
  fi
  total=$(echo "$counts" | sed -E 's/.* out of ([0-9]+).*/\1/')
  bad=$(echo "$counts" | sed -E 's/.*, ([0-9]+) tests? failed.*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  result "$label: $((total - bad)) passed, $bad failed ($(seconds "$start"))"
  [ "$bad" -eq 0 ] && return
  note "  log: $log" "  failed, each with the command that reruns it:"
  # "	 12 - e2e_long_paths (Failed)" after "The following tests FAILED:"
  names=$(sed -n '/^The following tests FAILED:/,$p' "$log" |
    sed -n -E 's/^[[:space:]]+[0-9]+ - (.*) \(([^()]*)\)( .*)?$/\1\t\2/p')
  while IFS=$'\t' read -r name how; do
    [ -n "$name" ] || continue
    note "    $name ($how)" \
      "      ctest --preset $preset -R '$(exact "$name")' --output-on-failure"
  done <<<"$names"
}

overall_start=$(date +%s)

# -- format
start=$(date +%s)
log=$logs/format.log
: >"$log"
echo "Checking the format…"
files=$(git ls-files '*.cpp' '*.h')
count=$(echo "$files" | wc -l)
if echo "$files" | logged "$log" xargs clang-format --dry-run -Werror; then
  result "format: passed, $count files ($(seconds "$start"))"
else
  bad=$(sed -n -E 's/^([^:]+):[0-9]+:[0-9]+: error:.*/\1/p' "$log" | sort -u)
  if [ -n "$bad" ]; then
    result "format: FAILED, $(echo "$bad" | grep -c .) of $count files ($(seconds "$start"))"
    note "$(echo "$bad" | indent)" "  log: $log" \
      "  fix: clang-format -i $(echo "$bad" | paste -sd' ')"
  else
    result "format: FAILED, clang-format did not run through ($(seconds "$start"))"
    note "$(tail -n5 "$log" | indent)" "  log: $log"
  fi
  failed=$((failed + 1))
fi

# -- unit tests
log=$logs/unit.log
: >"$log"
start=$(date +%s)
if build "Building the unit tests (native, with sanitizers)" "unit tests' build" "$log" native; then
  run_tests "Running the unit tests" "unit tests" "$log" native "$start"
  [[ $built != *warnings* ]] || note "  native build: $built"
else
  result "unit tests: skipped, they were not built"
fi

# -- fuzz smoke run: each harness a few seconds from its seeds
log=$logs/fuzz.log
: >"$log"
start=$(date +%s)
echo "Fuzzing each reader of outside bytes for a few seconds…"
logged "$log" scripts/fuzz.sh --smoke
harnesses=$(grep -c -E '^[a-z_]+ +[0-9?]+ +no finding$' "$log")
findings=$(grep -c -E '^[a-z_]+ +[0-9?]+ +FINDING' "$log")
if [ "$harnesses" -eq 0 ] && [ "$findings" -eq 0 ]; then
  result "fuzz smoke run: FAILED, no harness ran ($(seconds "$start"))"
  note "$(tail -n5 "$log" | indent)" "  log: $log" "  rerun: scripts/fuzz.sh --smoke"
  failed=$((failed + 1))
else
  passed=$((passed + harnesses))
  failed=$((failed + findings))
  result "fuzz smoke run: $harnesses passed, $findings failed ($(seconds "$start"))"
  [ "$findings" -eq 0 ] ||
    note "$(grep -A1 -E 'FINDING' "$log" | indent)" "  log: $log" "  rerun: scripts/fuzz.sh 60"
fi

# -- Windows builds
log=$logs/mingw32.log
: >"$log"
build "Building for 32-bit Windows" "32-bit build" "$log" mingw32 && result "32-bit build: $built"
log=$logs/mingw64.log
: >"$log"
if build "Building for 64-bit Windows, and the release" "64-bit build and release" "$log" mingw64; then
  result "64-bit build and release: $built"
  log=$logs/e2e.log
  : >"$log"
  run_tests "Running the end-to-end tests under Wine (progress in $log)" "end-to-end tests" \
    "$log" mingw64
else
  result "end-to-end tests: skipped, the 64-bit build failed"
fi

echo
echo "Summary ($(seconds "$overall_start"), commands from $root):"
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
