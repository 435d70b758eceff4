#!/usr/bin/env bash
# Builds the hosts and import fuzzers with clang (the fuzz preset, never part
# of make test) and runs each one for a fixed number of inputs, starting from
# its seed corpus in fuzz/corpus/. Prints runs, time and speed; fails on a
# crash, whose input is kept in build/fuzz/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${QN_FUZZ_RUNS:-200000}
jobs=$(nproc)

cmake --preset fuzz >/dev/null
fuzzers=(hosts_line_fuzzer hosts_file_fuzzer bookmark_file_fuzzer favorite_file_fuzzer)
cmake --build build/fuzz -j "$jobs" $(printf -- '--target %s ' "${fuzzers[@]}")

# The longest input each one is given: a line, a file; and the words it mixes in.
declare -A max_len=([hosts_line_fuzzer]=256 [hosts_file_fuzzer]=4096
                    [bookmark_file_fuzzer]=8192 [favorite_file_fuzzer]=1024)
declare -A dict=([hosts_line_fuzzer]=hosts [hosts_file_fuzzer]=hosts
                 [bookmark_file_fuzzer]=imports [favorite_file_fuzzer]=imports)
status=0
for fuzzer in "${fuzzers[@]}"; do
  # New inputs go to the build tree; the seeds stay as written.
  corpus=build/fuzz/corpus/$fuzzer
  artifacts=build/fuzz/artifacts/$fuzzer/
  log=build/fuzz/$fuzzer.log
  mkdir -p "$corpus" "$artifacts"
  echo "== $fuzzer: $runs runs"
  verdict=ok
  started=$(date +%s.%N)
  if ! "build/fuzz/bin/$fuzzer" -runs="$runs" -max_len="${max_len[$fuzzer]}" \
      -dict="fuzz/${dict[$fuzzer]}.dict" -artifact_prefix="$artifacts" -print_final_stats=1 \
      "$corpus" "fuzz/corpus/$fuzzer" >"$log" 2>&1; then
    verdict="CRASH: see $log and $artifacts"
    status=1
    grep -E 'ERROR|rule broken|runtime error' "$log" | head -5 || true
  fi
  seconds=$(echo "$started $(date +%s.%N)" | awk '{printf "%.1f", $2 - $1}')
  final_stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
  executed=$(final_stat number_of_executed_units)
  echo "${executed:-?} runs in $seconds s ($(awk -v n="${executed:-0}" -v s="$seconds" \
       'BEGIN {printf "%.0f", (s > 0 ? n / s : 0)}') runs/s), $(final_stat new_units_added) new inputs," \
       "peak $(final_stat peak_rss_mb) MB: $verdict"
done
exit $status
