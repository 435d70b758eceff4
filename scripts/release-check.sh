#!/usr/bin/env bash
# The release check. Statically: both shipped programs are PE32 GUI programs
# for the i386 that Windows 95 loads, import only DLLs it ships, and carry the
# version resource and the visual-styles manifest. Then, unless --static, the
# setup is made and the installed programs start and close cleanly on every
# simulated machine under Wine (with the install and uninstall test).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

programs=(build/win32/bin/quillon.exe build/win32/bin/Dapplet.exe)
python3 scripts/check-release.py "${programs[@]}"
scripts/check-imports.sh "${programs[@]}"
[ "${1:-}" = --static ] && exit 0

# The Wine tiers run the 64-bit build where 32-bit code cannot run.
tree=build/win32
qn_host_runs_32bit || tree=build/win64
preset=${tree#build/}
cmake --preset "$preset" >/dev/null
cmake --build "$tree" --target dist e2e_install_test -j"$(nproc)"
qn_wine_env "$tree"
qn_wine_prefix
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap 'stop_xvfb; qn_wineserver_stop' EXIT
fi
qn_wineserver_start
ctest --test-dir "$tree" --output-on-failure -R '^Machines/(Installation|InstalledPrograms)\.'
