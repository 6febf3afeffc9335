#!/usr/bin/env bash
# Builds the fuzz harnesses (the fuzz preset: clang, libFuzzer, ASan, UBSan)
# and runs every fuzz_* program built, one after the other, from its seeds
# in tests/fuzz/corpus/<name>/:
#   scripts/fuzz.sh [seconds]   each harness for that long (default 60)
#   scripts/fuzz.sh --smoke     5 seconds each, for CI
# Prints each harness's runs and any finding, and exits non-zero on a
# finding. What a run learns is kept in build/fuzz/corpus/<name>/, the input
# of a finding in build/fuzz/findings/<name>/, the whole output in
# build/fuzz/logs/<name>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

seconds=60
case "${1:-}" in
  "") ;;
  --smoke) seconds=5 ;;
  *[!0-9]* | 0) echo "usage: scripts/fuzz.sh [seconds | --smoke]" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac

scripts/configure.sh fuzz
cmake --build build/fuzz -j2 >/dev/null

out=build/fuzz
harnesses=("$out"/fuzz_*)
if [ ! -x "${harnesses[0]}" ]; then
  echo "no fuzz harness was built" >&2
  exit 1
fi

failed=0
printf '%-12s %12s  %s\n' harness runs result
for harness in "${harnesses[@]}"; do
  [ -f "$harness" ] && [ -x "$harness" ] || continue
  name=${harness##*/fuzz_}
  corpus=$out/corpus/$name findings=$out/findings/$name log=$out/logs/$name.log
  mkdir -p "$corpus" "$findings" "$out/logs"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds=("tests/fuzz/corpus/$name")
  # New inputs go into the first folder; the seeds are only read.
  set +e
  "$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" >"$log" 2>&1
  status=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ -z "$runs" ]; then
    runs=$(grep -o '^#[0-9]*' "$log" | tail -n 1 | tr -d '#')
  fi
  if [ "$status" -eq 0 ]; then
    printf '%-12s %12s  %s\n' "$name" "${runs:-?}" "no finding"
  else
    failed=1
    what=$(grep -m 1 -E '^(==[0-9]+==ERROR|SUMMARY|invariant broken|.*runtime error)' "$log" || true)
    input=$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)
    printf '%-12s %12s  %s\n' "$name" "${runs:-?}" "FINDING (exit $status): ${what:-see $log}"
    [ -n "$input" ] && printf '%-12s %12s  input: %s\n' "" "" "$input"
  fi
done
exit $failed
