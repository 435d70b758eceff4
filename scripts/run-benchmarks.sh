#!/usr/bin/env bash
# Builds the benchmark programs and prints their figures: natively (the
# pixel surface of the tests; the hosts file's reading and writing, optimised
# as shipped) and under Wine (the GDI surface the programs use, the hosts
# editor's list box), and the sampler's soak over a million scripted ticks.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build build/native -j "$jobs" --target graph_benchmark
cmake --preset native-release >/dev/null
cmake --build build/native-release -j "$jobs" --target hosts_benchmark sampler_soak_benchmark
wine_tree=build/win32
qn_host_runs_32bit || wine_tree=build/win64
cmake --preset "$(basename "$wine_tree")" >/dev/null
cmake --build "$wine_tree" -j "$jobs" --target graph_benchmark mtu_search_benchmark \
  hosts_benchmark hosts_list_benchmark

echo "== native (pixel surface)"
build/native/bin/graph_benchmark
echo "== native, optimised (hosts file: read, remove duplicates, write)"
build/native-release/bin/hosts_benchmark
echo "== native, optimised (sampler: a million ticks of wraps, resets, vanishings and late ticks)"
build/native-release/bin/sampler_soak_benchmark
echo "== Wine ($wine_tree, GDI surface)"
qn_wine_env "$wine_tree"
qn_wine_prefix
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap 'stop_xvfb; qn_wineserver_stop' EXIT
fi
qn_wineserver_start
"$QN_WINE" "$wine_tree/bin/graph_benchmark.exe"
echo "== Wine ($wine_tree, MaxMTU search against stand-in pings)"
"$QN_WINE" "$wine_tree/bin/mtu_search_benchmark.exe"
echo "== Wine ($wine_tree, hosts file: read, remove duplicates, write; the scan left out)"
"$QN_WINE" "$wine_tree/bin/hosts_benchmark.exe" --without-scan
echo "== Wine ($wine_tree, hosts editor's list box filled with a full table)"
"$QN_WINE" "$wine_tree/bin/hosts_list_benchmark.exe"
