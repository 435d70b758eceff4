#!/bin/bash
# Checks the generated help file in Wine's help viewer: it opens through
# WinHelp command 11 (as the tuner's Help commands call it) on its contents
# topic, a jump, a keyword of the index, a HELP_CONTEXT number and a context
# id each lead to their topic. A screenshot of every step goes to build/screenshots/.
#
# Usage: scripts/check-help.sh [file.hlp]
#   without an argument the file is generated from help/quillon.txt into
#   build/help/. Needs wine, Xvfb, ImageMagick's import and i686-w64-mingw32-gcc.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/help
shots=$root/build/screenshots
mkdir -p "$out" "$shots"

if [ $# -ge 1 ]; then
  hlp=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
else
  hlp=$out/quillon.hlp
  python3 scripts/make-help.py help/quillon.txt "$hlp"
  # The same source must give the same bytes.
  mkdir -p "$out/again"
  python3 scripts/make-help.py help/quillon.txt "$out/again/quillon.hlp"
  cmp "$hlp" "$out/again/quillon.hlp"
  cmp "${hlp%.hlp}.cnt" "$out/again/quillon.cnt"
  rm -r "$out/again"
fi

driver=$out/check-help-driver.exe
i686-w64-mingw32-gcc -O1 -Wall -Wextra -static -o "$driver" scripts/check-help-driver.c -luser32 -lcomctl32

source scripts/wine-env.sh
mkdir -p build/win32
qn_wine_env build/win32
qn_wine_prefix
start_xvfb
trap 'qn_wineserver_stop; stop_xvfb' EXIT
qn_wineserver_start

file=$(winepath_unix_to_win "$hlp")
failed=0
step() { # name, driver arguments...
  local name=$1; shift
  if "$QN_WINE" "$driver" "$@"; then
    import -window root "$shots/help-$name.png"
    echo "ok $name: $shots/help-$name.png"
  else
    import -window root "$shots/help-$name-failed.png"
    echo "FAILED $name: $shots/help-$name-failed.png"
    failed=1
  fi
}

step 1-contents finder "$file" "Quillon Help Contents"
step 2-jump link "Finding the best MaxMTU" "Finding the Best MaxMTU"
step 3-index index
step 4-keyword keyword "hosts file" "Editing the Hosts File"
step 5-context context "$file" 9 "Dapplet Settings"
"$QN_WINE" "$driver" quit "$file" || true
# A topic named by its context id: the viewer hashes the name itself.
"$QN_WINE" winhlp32.exe -i wizard "$file" >/dev/null 2>&1 &
step 6-context-id wait "The Optimization Wizard"
"$QN_WINE" "$driver" quit "$file" || true

# A file too big for single B+ tree pages and one topic block: index pages
# of |CONTEXT, |TTLBTREE and |KWBTREE, and topics in later blocks.
big=$out/big
mkdir -p "$big"
python3 - "$big/big.txt" <<'EOF'
import sys
lines = ["@file-title Big", ""]
for i in range(320):
    lines += [f"@topic t{i}", f"@title Topic {i}", f"@map {1000 + i}",
              "@keywords " + "; ".join(f"keyword {i} number {k}" for k in range(8)), "",
              f"Text of topic {i}; next: [[t{(i + 1) % 320}]]. " + "Some more words. " * 8, ""]
open(sys.argv[1], "w").write("\n".join(lines))
EOF
python3 scripts/make-help.py "$big/big.txt" "$big/big.hlp"
bigfile=$(winepath_unix_to_win "$big/big.hlp")
for args in "finder|$bigfile|Topic 0" "context|$bigfile|1310|Topic 310" "link|Topic 311|Topic 311" \
            "keyword|keyword 299 number 7|Topic 299"; do
  IFS='|' read -r -a argv <<<"$args"
  "$QN_WINE" "$driver" "${argv[@]}" || { echo "FAILED big file: ${argv[0]}"; failed=1; }
done
"$QN_WINE" "$driver" quit "$bigfile" || true
exit $failed
