#!/usr/bin/env bash
# Refreshes the README's pictures in docs/images/ from the end-to-end tests
# that take them: each test saves the window it shows, and this copies those
# pictures here, recompressed. Never edit the pictures by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

# picture in docs/images  <-  window picture the tests save
pictures=(
  "quillon.png                 window-tuner-classic-win98.png"
  "quillon-wizard.png          window-tuner-wizard-win98.png"
  "quillon-hosts.png           window-tuner-hosts-editor.png"
  "dapplet.png                 window-meter-clouds.png"
  "dapplet-statistics.png      window-meter-statistics.png"
  "dapplet-settings.png        window-meter-settings.png"
  "dapplet-themes.png          window-meter-themes.png"
)
tests='TunerLook\.ClassicView|TunerWizard\.Optimize.*win98|TunerHostsEditor\.OkWrites|MeterStart\.EachBuiltInLook|MeterWindows\.(Statistics|Settings)|MeterThemes\.'

tree=build/win32
qn_host_runs_32bit || tree=build/win64
cmake --preset "${tree#build/}" >/dev/null
cmake --build "$tree" -j"$(nproc)"
qn_wine_env "$tree"
qn_wine_prefix
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap 'stop_xvfb; qn_wineserver_stop' EXIT
fi
qn_wineserver_start
ctest --test-dir "$tree" --output-on-failure -R "$tests"

mkdir -p docs/images
for line in "${pictures[@]}"; do
  read -r target source <<<"$line"
  convert "$tree/screenshots/$source" -strip -define png:compression-level=9 "docs/images/$target"
  echo "docs/images/$target"
done
