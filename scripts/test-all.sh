#!/usr/bin/env bash
# Builds every tree and runs the three test tiers; ends with "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
source scripts/stage-times.sh
jobs=$(nproc)

passed=0
failed=0
status=0

# ctest_tier <build-dir> [ctest args...]: runs ctest, adds its counts to the totals.
ctest_tier() {
  local dir=$1; shift
  local log="$dir/ctest.log"
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    echo "!! no ctest summary from $dir" >&2
    status=1
    return
  fi
  bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
  total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || status=1
}

# build <preset> [target...]: configures and builds the tree (all of it, or the targets).
build() {
  local preset=$1; shift
  local targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --preset "$preset" >/dev/null || { echo "!! configure $preset failed" >&2; exit 1; }
  cmake --build "build/$preset" -j "$jobs" "${targets[@]}" || { echo "!! build $preset failed" >&2; exit 1; }
}

stage "build native" build native
stage "build native-asan" build native-asan
wine_tree=build/win32
if qn_host_runs_32bit; then
  stage "build win32" build win32
else
  # This host cannot execute 32-bit code, so the Wine tiers run the 64-bit build
  # of the same sources; of the 32-bit tree only the shipped programs are built.
  echo "== host cannot run 32-bit code: Wine tiers use the 64-bit build"
  stage "build win32 (programs)" build win32 quillon dapplet
  stage "build win64" build win64
  wine_tree=build/win64
fi
# The quick part of the release check; its Wine part runs with the other tests.
scripts/release-check.sh --static || status=1

echo "== native unit tests"
stage "native unit tests" ctest_tier build/native -j "$jobs"
echo "== native unit tests under ASan+UBSan"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  stage "native unit tests under ASan+UBSan" ctest_tier build/native-asan -j "$jobs"

echo "== Win32 and end-to-end tests under Wine ($wine_tree)"
qn_wine_env "$wine_tree"
stage "Wine prefix" qn_wine_prefix
run_wine_tier() {
  qn_wineserver_start
  # The portable unit tests touch no window or system state: side by side.
  stage "unit tests under Wine" ctest_tier "$wine_tree" --timeout 60 -L '^unit$' -j "$jobs"
  # One at a time: the others share one desktop and single-instance programs.
  # A test that hangs on that rare Wine wedge (see scripts/wine-exec) is run
  # once more; one that fails twice fails the tier.
  stage "Win32 and end-to-end tests under Wine" \
    ctest_tier "$wine_tree" --timeout 60 -LE '^unit$' -j 1 --repeat until-pass:2
  qn_wineserver_stop
}
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap 'stop_xvfb; qn_wineserver_stop' EXIT
fi
run_wine_tier
# The help file in Wine's own viewer: its jumps, index and context numbers
# (the tuner's Help commands are end-to-end tests).
if qn_host_runs_32bit; then
  stage "help file in the help viewer" scripts/check-help.sh build/win32/bin/quillon.hlp || status=1
fi

if [ -d "$wine_tree/screenshots" ]; then
  mkdir -p build/screenshots
  cp -f "$wine_tree"/screenshots/*.png build/screenshots/ 2>/dev/null || true
fi

print_stage_times
echo
echo "$passed passed, $failed failed"
exit $status
