#!/usr/bin/env bash
# Builds tip.dat from tips.txt: one tip per line, each space padded to a
# 255-byte record in the Western code page.
set -euo pipefail
export LC_ALL=C  # lengths and patterns in bytes
cd "$(dirname "$0")"
: > tip.dat
while IFS= read -r tip; do
  [ -n "$tip" ] || continue
  record=$(printf '%s' "$tip" | iconv -f UTF-8 -t CP1252)
  if [ "${#record}" -gt 255 ]; then echo "tip too long: $tip" >&2; exit 1; fi
  # The reader takes these first bytes for a Unicode byte-order mark.
  case "${record#"${record%%[! ]*}"}" in
    $'\xEF\xBB\xBF'* | $'\xFF\xFE'* | $'\xFE\xFF'*) echo "tip begins like a byte-order mark: $tip" >&2; exit 1 ;;
  esac
  printf '%-255s' "$record" >> tip.dat
done < tips.txt
echo "tip.dat: $(( $(stat -c %s tip.dat) / 255 )) tips"
