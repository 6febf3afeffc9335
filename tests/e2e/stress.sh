#!/usr/bin/env bash
# Runs the whole end-to-end suite several times in a row while two busy
# loops keep both cores loaded, to bring out tests that pass only on an idle
# machine. Not part of the regular test run.
#   tests/e2e/stress.sh [runs] [tests]   (3 runs of every test unless told)
# where tests is a CTest regular expression, for example 'reminder|menus' to
# run the scenarios that read menus from inside the program many times.
# Each run's CTest output goes to build/logs/stress-<run>.log. The end gives
# the failures per test over the runs and the total; the exit status is
# non-zero if any test failed in any run.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-3}
tests=${2:-'^(e2e_|platform_)'}
case $runs in '' | *[!0-9]* | 0)
  echo "usage: $0 [number of runs, at least 1] [CTest regular expression]" >&2
  exit 2
  ;;
esac
logs=$root/build/logs
scripts/install-deps.sh || exit 1
mkdir -p "$logs"

echo "Building for 64-bit Windows (log: $logs/stress-build.log)…"
if ! { scripts/configure.sh mingw64 && cmake --build build/mingw64 -j"$(nproc)"; } \
  >"$logs/stress-build.log" 2>&1; then
  echo "The build failed; its last lines:" >&2
  tail -n 30 "$logs/stress-build.log" >&2
  exit 1
fi

busy=()
stop_load() {
  local pid
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null; done
  busy=()
}
trap stop_load EXIT
trap 'exit 130' INT TERM
# Each loop also ends by itself once this script is gone, however it ended.
for _ in 1 2; do
  sh -c 'while kill -0 "$1" 2>/dev/null; do
           i=0; while [ $i -lt 100000 ]; do i=$((i + 1)); done
         done' busy $$ &
  busy+=($!)
done
echo "Two busy loops are loading the cores (pids ${busy[*]})."

declare -A failures=()  # test name -> the runs it failed in
passed=0 failed=0
for run in $(seq 1 "$runs"); do
  log=$logs/stress-$run.log
  start=$(date +%s)
  echo "Run $run of $runs (log: $log)…"
  ctest --preset mingw64 -R "$tests" -j"$(nproc)" >"$log" 2>&1
  # "97% tests passed, 1 tests failed out of 41"
  counts=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$counts" ]; then
    echo "  CTest gave no result; see the log."
    failures["(the whole run)"]+=" $run"
    failed=$((failed + 1))
    continue
  fi
  total=$(echo "$counts" | sed -E 's/.* out of ([0-9]+).*/\1/')
  bad=$(echo "$counts" | sed -E 's/.*, ([0-9]+) tests? failed.*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  echo "  $((total - bad)) passed, $bad failed ($(($(date +%s) - start)) s)"
  # "	 12 - e2e_long_paths (Failed)" after "The following tests FAILED:"
  while read -r name; do
    [ -n "$name" ] || continue
    echo "  failed: $name"
    failures["${name% (*}"]+=" $run"
  done < <(sed -n '/^The following tests FAILED:/,$p' "$log" |
    sed -n -E 's/^[[:space:]]+[0-9]+ - (.*)$/\1/p')
done
stop_load

runs_text="$runs runs"
[ "$runs" -ne 1 ] || runs_text="1 run"
echo
if [ ${#failures[@]} -eq 0 ]; then
  echo "No test failed in $runs_text under load."
else
  echo "Failures per test over $runs_text under load:"
  while read -r name; do
    read -ra in_runs <<<"${failures[$name]}"
    echo "  $name: failed ${#in_runs[@]} of $runs (runs ${in_runs[*]})"
  done < <(printf '%s\n' "${!failures[@]}" | sort)
  echo "Rerun one with: ctest --preset mingw64 -R '^<name>\$' --output-on-failure"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
