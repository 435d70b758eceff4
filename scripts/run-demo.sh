#!/usr/bin/env bash
# make run: builds the programs and opens the tuner on a demo machine (Windows
# XP with one PCI Ethernet card) in a sandbox Wine prefix under build/demo.
# Without a display it runs headless, saves a screenshot and ends.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
jobs=$(nproc)

build() {
  cmake --preset "$1" >/dev/null && cmake --build "build/$1" -j "$jobs" --target quillon dapplet qdriver
}

build win32 || { echo "!! build win32 failed" >&2; exit 1; }
tree=build/win32
if ! qn_host_runs_32bit; then
  # This host cannot execute 32-bit code: the 64-bit build of the same sources runs instead.
  build win64 || { echo "!! build win64 failed" >&2; exit 1; }
  tree=build/win64
fi
bin="$root/$tree/bin"

qn_wine_env "$tree"
export WINEPREFIX="$root/build/demo/wineprefix-$(basename "$tree")"
qn_wine_prefix || exit 1

own_xvfb=0
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  own_xvfb=1
fi
qn_wineserver_start
cleanup() {
  qn_wineserver_stop
  [ "$own_xvfb" = 1 ] && stop_xvfb
}
trap cleanup EXIT

# qdriver <command> ...: the console driver, bounded in time, never holding our stdout open.
qdriver() {
  timeout 60 "$QN_WINE" "$bin/qdriver.exe" "$@" </dev/null 2>/dev/null
}

qdriver import-reg "$root/fixtures/registry/winxp.reg" >/dev/null \
  || { echo "!! importing the demo registry failed" >&2; exit 1; }
qdriver set-version quillon.exe winxp >/dev/null || { echo "!! set-version failed" >&2; exit 1; }

if [ "$own_xvfb" = 0 ]; then
  echo "== Quillon on the demo machine (close its window to end)"
  "$QN_WINE" "$bin/quillon.exe" </dev/null >/dev/null 2>&1
  exit 0
fi

"$QN_WINE" "$bin/quillon.exe" </dev/null >/dev/null 2>&1 &
tuner_pid=$!
status=0
if caption=$(qdriver wait-window "Quillon v" 30000); then
  echo "== window: $caption"
  sleep 2  # let it paint
  mkdir -p build/screenshots
  shot="$root/build/screenshots/run-$(date +%Y%m%d-%H%M%S).png"
  if qdriver screenshot "$shot"; then echo "$shot"; else echo "!! screenshot failed" >&2; status=1; fi
  qdriver close-window "Quillon v" 5000 >/dev/null
  # Closing from the title bar asks for confirmation first.
  qdriver answer-box Yes 3000 >/dev/null
else
  echo "!! the tuner's window did not appear" >&2
  status=1
fi
qdriver kill-windows "Quillon" >/dev/null
for _ in $(seq 50); do kill -0 "$tuner_pid" 2>/dev/null || break; sleep 0.1; done
kill "$tuner_pid" 2>/dev/null
wait "$tuner_pid" 2>/dev/null
exit $status
